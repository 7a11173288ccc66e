#pragma once
// The about box, opened from the main window's system menu: version and copyright texts, links to the
// support site and the forum, an OK button and a small close button.

#include <string>

#include "platform/win32/Handles.h"
#include "skin/BitmapBtn.h"
#include "skin/HyperLink.h"
#include "skin/SkinnedDialog.h"

namespace dialogs {
inline constexpr wchar_t kSupportAddress[] = L"https://support.example.com/trelmvantoria";
inline constexpr wchar_t kForumAddress[] = L"https://forum.example.com/trelmvantoria";
}  // namespace dialogs

class CAboutDlg : public skin::CSkinnedDialog {
 public:
  CAboutDlg();

  HWND GetOkButton() const { return m_ok.GetHwnd(); }
  HWND GetCloseButton() const { return m_close.GetHwnd(); }
  const skin::CHyperLink& GetSupportLink() const { return m_support; }
  const skin::CHyperLink& GetForumLink() const { return m_forum; }

 protected:
  void DoDataExchange() override;
  BOOL OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  void DrawBackground(HDC dc, SIZE size) const override;

 private:
  void SetUpLink(skin::CHyperLink& link, int x, int y, const wchar_t* address);

  win::GdiplusBitmap m_normal, m_over, m_down;
  skin::CBitmapBtn m_ok, m_close;
  skin::CHyperLink m_support, m_forum;
  std::wstring m_texts[4];
};
