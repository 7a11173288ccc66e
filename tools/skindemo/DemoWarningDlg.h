#pragma once
// The demo's confirmation question, built on the "warning" skin set the way every skinned dialog is.

#include <string>

#include "framework/Dialog.h"
#include "skin/BitmapBtn2.h"
#include "skin/ShapedWindow.h"

namespace skindemo {

class CDemoWarningDlg : public CDialog {
 public:
  // `skins` is the base whose "Skins" folder holds the "warning" set, with its trailing backslash.
  explicit CDemoWarningDlg(std::wstring skins);

 protected:
  BOOL OnInitDialog() override;
  void OnPaint() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool PreTranslateMessage(MSG& msg) override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnCancel() override { EndDialog(IDCANCEL); }

 private:
  std::wstring m_skins;
  skin::DialogSkin m_skin;
  skin::CBitmapBtn2 m_ok;
  skin::CBitmapBtn2 m_cancel;
};

}  // namespace skindemo
