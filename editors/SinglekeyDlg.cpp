#include "editors/SinglekeyDlg.h"

#include "catalogue/KeyNames.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Text.h"
#include "resources/Resource.h"

namespace {

const skin::DialogButton kButtons[] = {
    {{154, 96, 263, 122}, &strings::kOtherOk},
    {{265, 96, 374, 122}, &strings::kOtherCancel},
    {{8, 43, 372, 68}, nullptr, {}, skin::CaptionAlign::Centre, false, /*plain=*/true},
};
const skin::DialogText kTexts[] = {
    {&strings::kMacroTitle, {12, 12, 360, 37}, skin::kTitleStyle},
};

}  // namespace

CSinglekeyDlg::CSinglekeyDlg() : CSkinnedDialog(IDD_SINGLEKEY) {}

BOOL CSinglekeyDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  BuildSkin(SkinSet(u"key behavior"), kButtons, kTexts);
  // Delivery starts when the dialog shows: while it is hidden no keystroke of the desktop needs to pass
  // through this program.
  m_keys.emplace(m_hWnd).Deliver(false);
  return TRUE;
}

void CSinglekeyDlg::SetKey(unsigned keyCode) {
  m_capture.Set(static_cast<std::uint8_t>(keyCode & 0xFF));
  ShowKeyName();
}

void CSinglekeyDlg::AnswerReplace(bool replace, unsigned keyCode) {
  m_capture.Answer(replace, static_cast<std::uint8_t>(keyCode & 0xFF));
  ShowKeyName();
}

void CSinglekeyDlg::ShowKeyName() {
  GetButton(kKeyDisplay).SetCaption(win::Wide(catalogue::KeyName(m_capture.Captured())));
}

void CSinglekeyDlg::OnButton(std::size_t index) {
  if (index == kKeyDisplay) return;
  EndDialog(index == kOk ? IDOK : IDCANCEL);  // hides the dialog
  if (index == kOk) PostToMainWindow(wm::kFromSingleKey, wm::kApply);
  PostToMainWindow(wm::kFromSingleKey, wm::kClosed);
}

void CSinglekeyDlg::ClearKey() {
  m_capture.Reset();
  if (ButtonCount() > kKeyDisplay) GetButton(kKeyDisplay).SetCaption(L"");
}

// Shown again when the main window comes back from the task bar too: only ClearKey starts a new capture.
void CSinglekeyDlg::OnShown(bool shown) {
  if (!m_keys) return;
  if (shown)
    m_keys->Resume();
  else
    m_keys->Pause();
}

// The answer tells the hook library whether the capture took the key, so that the system does not act on it
// too (a captured Windows key must not open the Start menu).
LRESULT CSinglekeyDlg::OnKeyEvent(WPARAM keyCode) {
  // Keys typed while the dialog is hidden are not meant for it.
  if (!IsWindowVisible()) return 0;
  const auto key = static_cast<std::uint8_t>(keyCode & 0xFF);
  switch (m_capture.OnKey(key)) {
    case editors::SingleKeyCapture::Outcome::kTaken:
    case editors::SingleKeyCapture::Outcome::kReplaced:
      ShowKeyName();
      return 1;
    case editors::SingleKeyCapture::Outcome::kAskToReplace:
      PostToMainWindow(wm::kFromSingleKey, wm::kConfirm, key);
      return 1;
    case editors::SingleKeyCapture::Outcome::kIgnored:
      return 0;
  }
  return 0;
}

void CSinglekeyDlg::OnDestroy() {
  m_keys.reset();
  CSkinnedDialog::OnDestroy();
}

LRESULT CSinglekeyDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case wm::kKeyEvent:
      return OnKeyEvent(wParam);
    case WM_SHOWWINDOW:
      OnShown(wParam != FALSE);
      break;
    default:
      break;
  }
  return CSkinnedDialog::WindowProc(msg, wParam, lParam);
}
