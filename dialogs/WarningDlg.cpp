#include "dialogs/WarningDlg.h"

#include "Resource.h"
#include "dialogs/WarningModes.h"
#include "platform/win32/Module.h"
#include "platform/win32/Text.h"
#include "skin/SkinPaths.h"
#include "strings/StringTable.h"

namespace {

constexpr RECT kOkRect{235, 121, 344, 147};
constexpr RECT kCancelRect{347, 121, 456, 147};
constexpr RECT kTitleRect{20, 5, 460, 32};
constexpr RECT kFirstLineRect{20, 54, 460, 74};
constexpr RECT kSecondLineRect{20, 74, 460, 94};

std::wstring Text(const strings::StringKey& key) {
  return key.section.empty() ? std::wstring() : win::Wide(strings::LookUpString(key));
}

void DrawLine(HDC dc, const std::wstring& text, RECT rect, const wchar_t* face, int height, int weight,
              COLORREF colour) {
  win::Font font(::CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, face));
  win::SelectGuard selected(dc, font.get());
  ::SetTextColor(dc, colour);
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace

CWarningDlg::CWarningDlg() : CDialog(IDD_WARNING) {}

BOOL CWarningDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const auto texts = dialogs::WarningTextsFor(mode);
  m_title = Text(texts.title);
  m_firstLine = Text(texts.firstLine);
  m_secondLine = Text(texts.secondLine);

  const auto folder = skin::FolderOfModule(win::ModuleFileName());
  m_skin.Load(skin::DialogSkinSet(folder, u"warning", u"jpg"));
  // Over the middle of its owner, or of the screen when it has none.
  RECT area{0, 0, ::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN)};
  if (HWND owner = ::GetWindow(m_hWnd, GW_OWNER)) ::GetWindowRect(owner, &area);
  const SIZE size = m_skin.size();
  m_skin.Place(m_hWnd, (area.left + area.right - size.cx) / 2, (area.top + area.bottom - size.cy) / 2);

  m_skin.AddButton(m_ok, m_hWnd, kOkRect);
  m_skin.AddButton(m_cancel, m_hWnd, kCancelRect);
  m_ok.SetCaption(Text(strings::kOtherOk));
  m_cancel.SetCaption(Text(strings::kOtherCancel));
  m_skin.Finish(m_hWnd);
  return TRUE;
}

bool CWarningDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto sender = reinterpret_cast<HWND>(lParam);
  if (sender && sender == m_ok.GetHwnd()) {
    EndDialog(IDOK);
    return true;
  }
  if (sender && sender == m_cancel.GetHwnd()) {
    EndDialog(IDCANCEL);
    return true;
  }
  return CDialog::OnCommand(wParam, lParam);  // the close command ends it as Cancel
}

bool CWarningDlg::PreTranslateMessage(MSG& msg) {
  if (skin::IsEnterOrEscKey(msg)) return true;  // only the two buttons answer the question
  return CDialog::PreTranslateMessage(msg);
}

void CWarningDlg::OnPaint() {
  m_skin.Paint(m_hWnd, [this](HDC dc) { DrawTexts(dc); });
}

LRESULT CWarningDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND) return TRUE;  // the paint covers the whole window
  return CDialog::WindowProc(msg, wParam, lParam);
}

void CWarningDlg::DrawTexts(HDC dc) const {
  ::SetBkMode(dc, TRANSPARENT);
  DrawLine(dc, m_title, kTitleRect, L"BankGothic Lt BT", 18, FW_BOLD, RGB(0, 0, 0));
  DrawLine(dc, m_firstLine, kFirstLineRect, L"Arial", 16, FW_NORMAL, RGB(255, 255, 255));
  DrawLine(dc, m_secondLine, kSecondLineRect, L"Arial", 16, FW_NORMAL, RGB(255, 255, 255));
}

int RunWarning(int mode, HWND owner) {
  CWarningDlg dialog;
  dialog.mode = mode;
  return dialog.DoModal(owner) == IDOK ? IDOK : IDCANCEL;
}
