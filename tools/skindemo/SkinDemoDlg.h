#pragma once
// The demo panel: one of each skinned control, so people and tests can click through them.

#include <array>
#include <memory>
#include <string>

#include "framework/Dialog.h"
#include "skin/BitmapBtn.h"
#include "skin/BitmapBtn2.h"
#include "skin/BmpMenu.h"
#include "skin/HyperLink.h"
#include "skin/RgnButton.h"
#include "skin/ShapedWindow.h"

namespace skindemo {

// Posted to the panel to open the menu or the warning at start (the /menu and /warning switches).
inline constexpr UINT kMsgOpenMenu = WM_APP + 1;
inline constexpr UINT kMsgOpenWarning = WM_APP + 2;

class CSkinDemoDlg : public CDialog {
 public:
  // Bases holding a "Skins" folder, with a trailing backslash: the program's folder and the demo's own.
  CSkinDemoDlg(std::wstring realSkins, std::wstring fallbackSkins);

 protected:
  BOOL OnInitDialog() override;
  void OnPaint() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool PreTranslateMessage(MSG& msg) override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnCancel() override { EndDialog(IDCANCEL); }

 private:
  std::wstring SkinFolderFor(const std::wstring& file) const;
  void CreateImageButtons();
  void OpenMenu();
  void CloseMenu();
  void RunWarning();
  void SetStatus(const std::wstring& text);

  std::wstring m_real, m_fallback;
  skin::DialogSkin m_skin;
  skin::CBitmapBtn2 m_push, m_toggle, m_long, m_menuButton, m_warningButton, m_disabled, m_close;
  skin::CBitmapBtn m_rotated90, m_rotated270;
  skin::CRgnButton m_mouseLeft;
  skin::CHyperLink m_link;
  std::unique_ptr<skin::CBmpMenu> m_menu;
  std::wstring m_status = L"Hover and click the controls.";
  int m_pushes = 0;
};

}  // namespace skindemo
