#pragma once
// The advanced settings panel that slides out above the main window. The main window shows, moves and
// hides it; the panel tells the main window what happened with message 1541. For now it offers OK and
// CANCEL, which both ask to be slid in again.

#include "platform/Registry.h"
#include "skin/SkinnedDialog.h"
#include "store/SettingsStore.h"

class CRefrenceDlg : public skin::CSkinnedDialog {
 public:
  enum Button { kOk, kCancel };

  // The panel shows and edits preferences of `header`; `registry` tells which media players are installed.
  CRefrenceDlg(store::StoreHeader& header, platform::Registry& registry);

  // Brings the panel's display up to date with the settings (whenever it is shown or asked to).
  void Refresh() {}

 protected:
  BOOL OnInitDialog() override;
  void OnButton(std::size_t index) override;
  void OnCancel() override { OnButton(kCancel); }
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  store::StoreHeader& m_header;
  platform::Registry& m_registry;
};
