#pragma once
// The advanced settings panel that slides out above the main window. It shows the quick-switch hot-key
// (its button asks the main window for the quick-switch dialog), the media player the keyboard's media
// keys drive (chosen from a menu of the players found installed) and an update line. OK keeps the media
// choice in the header, CANCEL drops it; neither saves. The main window shows, moves and hides the panel;
// the panel tells it what happened with message 1541 and closes its menu on 1282.

#include <array>
#include <cstdint>
#include <memory>

#include "dialogs/MediaPlayers.h"
#include "platform/Registry.h"
#include "skin/BmpMenu.h"
#include "skin/SkinnedDialog.h"
#include "store/SettingsStore.h"

class CRefrenceDlg : public skin::CSkinnedDialog {
 public:
  enum Button { kOk, kCancel, kSwitch, kMedia, kCheck };

  // The panel shows and edits preferences of `header`; `registry` tells which media players are installed.
  CRefrenceDlg(store::StoreHeader& header, platform::Registry& registry);

  // Brings the panel's display up to date with the header (whenever it is shown or asked to): the media
  // choice not kept with OK is dropped, and the switch button names the hot-key in force.
  void Refresh();

  std::uint32_t WorkingMediaOption() const { return m_mediaOption; }
  // The media player menu while it is open.
  skin::CBmpMenu* OpenMenu() const { return m_menu.get(); }

 protected:
  BOOL OnInitDialog() override;
  void OnButton(std::size_t index) override;
  void OnCancel() override { OnButton(kCancel); }
  void OnDestroy() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void ShowMediaOption();
  void OpenMediaMenu();
  void CloseMenu();
  void OnMenuChoice(WPARAM wParam);

  store::StoreHeader& m_header;
  platform::Registry& m_registry;
  std::uint32_t m_mediaOption = 0;
  std::uint32_t m_lightOption = 0;  // no control of its own: kept and written back unchanged
  std::unique_ptr<skin::CBmpMenu> m_menu;
  std::array<bool, dialogs::kMediaPlayers.size()> m_installed{};  // as the open menu lists them
};
