#pragma once
// The demo's confirmation question, built on the "warning" skin set the way every skinned dialog is.

#include <string>

#include "skin/SkinnedDialog.h"

namespace skindemo {

class CDemoWarningDlg : public skin::CSkinnedDialog {
 public:
  // `skins` is the base whose "Skins" folder holds the "warning" set, with its trailing backslash.
  explicit CDemoWarningDlg(std::wstring skins);

 protected:
  BOOL OnInitDialog() override;
  void OnButton(std::size_t index) override { EndDialog(index == 0 ? IDOK : IDCANCEL); }
  void DrawContent(HDC dc) const override;

 private:
  std::wstring m_skins;
};

}  // namespace skindemo
