#include "dialogs/WarningDlg.h"

#include "platform/win32/Text.h"
#include "resources/Resource.h"
#include "strings/StringTable.h"

namespace {

using skin::DialogButton;

const DialogButton kButtons[] = {
    {{235, 121, 344, 147}, &strings::kOtherOk},
    {{347, 121, 456, 147}, &strings::kOtherCancel},
};
constexpr RECT kTitleRect{20, 5, 460, 32};
constexpr RECT kFirstLineRect{20, 54, 460, 74};
constexpr RECT kSecondLineRect{20, 74, 460, 94};
constexpr skin::TextStyle kTitle{L"BankGothic Lt BT", 18, FW_BOLD, RGB(0, 0, 0)};

std::wstring Text(const strings::StringKey& key) {
  if (key.section.empty()) return {};
  const std::u16string text = strings::LookUpString(key);
  return win::Wide(text.empty() ? dialogs::BuiltInWarningText(key) : text);
}

}  // namespace

CWarningDlg::CWarningDlg() : CSkinnedDialog(IDD_WARNING) {}

BOOL CWarningDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  const auto texts = dialogs::WarningTextsFor(mode);
  m_title = Text(texts.title);
  m_firstLine = Text(texts.firstLine);
  m_secondLine = Text(texts.secondLine);
  if (!detail.empty()) m_firstLine += (m_firstLine.empty() ? L"" : L" ") + detail;
  if (!reason.empty()) m_secondLine = reason;

  BuildSkin(SkinSet(u"warning"), kButtons);
  // Over the middle of its owner, or of the screen when it has none.
  RECT area{0, 0, ::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN)};
  if (HWND owner = ::GetWindow(m_hWnd, GW_OWNER)) ::GetWindowRect(owner, &area);
  const RECT own = GetWindowRect();  // the skin's size, or the template's without any picture
  const SIZE size{own.right - own.left, own.bottom - own.top};
  Skin().Place(m_hWnd, (area.left + area.right - size.cx) / 2, (area.top + area.bottom - size.cy) / 2);
  return TRUE;
}

void CWarningDlg::DrawContent(HDC dc) const {
  skin::DrawTextLine(dc, m_title, kTitleRect, kTitle);
  skin::DrawTextLine(dc, m_firstLine, kFirstLineRect, skin::kLabelStyle);
  skin::DrawTextLine(dc, m_secondLine, kSecondLineRect, skin::kLabelStyle);
}

int RunWarning(dialogs::WarningMode mode, HWND owner, std::wstring detail, std::wstring reason) {
  CWarningDlg dialog;
  dialog.mode = mode;
  dialog.detail = std::move(detail);
  dialog.reason = std::move(reason);
  return dialog.DoModal(owner) == IDOK ? IDOK : IDCANCEL;
}
