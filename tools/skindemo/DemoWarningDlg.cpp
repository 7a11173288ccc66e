#include "tools/skindemo/DemoWarningDlg.h"

#include "platform/win32/Handles.h"
#include "platform/win32/Text.h"
#include "Resource.h"

namespace skindemo {
namespace {

constexpr RECT kOkRect{235, 121, 344, 147};
constexpr RECT kCancelRect{347, 121, 456, 147};

void DrawLine(HDC dc, const wchar_t* text, RECT rect, const wchar_t* face, int height, int weight, COLORREF colour) {
  win::Font font(::CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face));
  win::SelectGuard selected(dc, font.get());
  ::SetTextColor(dc, colour);
  ::DrawTextW(dc, text, -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace

CDemoWarningDlg::CDemoWarningDlg(std::wstring skins) : CDialog(IDD_WARNING), m_skins(std::move(skins)) {}

BOOL CDemoWarningDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_skin.Load(skin::DialogSkinSet(win::Utf16(m_skins), u"warning", u"jpg"));
  RECT owner{};
  ::GetWindowRect(GetParent() ? GetParent() : ::GetDesktopWindow(), &owner);
  m_skin.Place(m_hWnd, owner.left + 80, owner.top + 100);
  for (auto [button, rect, caption] : {std::tuple{&m_ok, kOkRect, L"OK"}, std::tuple{&m_cancel, kCancelRect, L"Cancel"}}) {
    m_skin.AddButton(*button, m_hWnd, rect);
    button->textColour = 0x000000;
    button->hoverColour = 0xFFFFFF;
    button->pressedColour = 0xFFFFFF;
    button->SetCaption(caption);
  }
  m_skin.Finish(m_hWnd);
  return TRUE;
}

void CDemoWarningDlg::OnPaint() {
  m_skin.Paint(m_hWnd, [](HDC dc) {
    ::SetBkMode(dc, TRANSPARENT);
    DrawLine(dc, L"RESET ALL", RECT{20, 5, 460, 32}, L"BankGothic Lt BT", 18, FW_BOLD, 0x000000);
    DrawLine(dc, L"Every profile goes back to its defaults.", RECT{20, 54, 460, 74}, L"Arial", 16, FW_NORMAL, 0xFFFFFF);
    DrawLine(dc, L"Do you want to continue?", RECT{20, 74, 460, 94}, L"Arial", 16, FW_NORMAL, 0xFFFFFF);
  });
}

bool CDemoWarningDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto from = reinterpret_cast<HWND>(lParam);
  if (from && from == m_ok.GetHwnd()) {
    EndDialog(IDOK);
    return true;
  }
  if (from && from == m_cancel.GetHwnd()) {
    EndDialog(IDCANCEL);
    return true;
  }
  return CDialog::OnCommand(wParam, lParam);
}

bool CDemoWarningDlg::PreTranslateMessage(MSG& msg) {
  return skin::IsEnterOrEscKey(msg) || CDialog::PreTranslateMessage(msg);
}

LRESULT CDemoWarningDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND) return TRUE;
  return CDialog::WindowProc(msg, wParam, lParam);
}

}  // namespace skindemo
