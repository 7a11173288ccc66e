#include "editors/MouseDlg.h"

#include "platform/WindowMessages.h"
#include "resources/Resource.h"
#include "store/KeyRecord.h"

namespace {

const skin::DialogButton kButtons[] = {
    {{149, 138, 257, 163}, &strings::kOtherOk},
    {{261, 138, 369, 163}, &strings::kOtherCancel},
};
const skin::DialogText kTexts[] = {
    {&strings::kMacroTitle, {20, 15, 360, 40}, skin::kTitleStyle},
};

struct ChoiceSpec {
  std::int32_t kind;
  POINT corner;
  const char16_t* files;  // "<files>_n.bmp", "_o.bmp", "_d.bmp"
};
// In the order of CMouseDlg::Choice.
constexpr ChoiceSpec kChoices[CMouseDlg::kChoiceCount] = {
    {store::kind::kMouseLeft, {126, 49}, u"mouse left"},
    {store::kind::kMouseRight, {192, 49}, u"mouse right"},
    {store::kind::kMouseMiddle, {180, 71}, u"mouse middle"},
    {store::kind::kWheelUp, {180, 57}, u"mouse up"},
    {store::kind::kWheelDown, {180, 102}, u"mouse down"},
};
constexpr std::int32_t kDefaultKind = store::kind::kMouseLeft;

}  // namespace

CMouseDlg::CMouseDlg() : CSkinnedDialog(IDD_MOUSE) {}

BOOL CMouseDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  BuildSkin(SkinSet(u"mouse button"), kButtons, kTexts);
  for (int i = 0; i < kChoiceCount; ++i) {
    skin::CRgnButton& button = m_choices[static_cast<std::size_t>(i)];
    if (skin::CreateSkinRegionButton(button, m_hWnd, kChoices[i].files, kChoices[i].corner)) button.SetToggleMode(true);
  }
  return TRUE;
}

// Each opening for a key starts from the left button, although no shape is drawn selected yet. Only here:
// the dialog is shown again when the main window comes back from the task bar, and keeps its choice then.
void CMouseDlg::ClearChoice() {
  m_selectedKind = kDefaultKind;
  for (auto& button : m_choices) button.SetChecked(false);
}

void CMouseDlg::Select(int choice) {
  m_selectedKind = kChoices[choice].kind;
  // Exactly one shape looks selected, even when the click toggled the chosen one off again.
  for (int i = 0; i < kChoiceCount; ++i) {
    m_choices[static_cast<std::size_t>(i)].SetChecked(i == choice);
    m_choices[static_cast<std::size_t>(i)].Invalidate(false);
  }
}

bool CMouseDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto sender = reinterpret_cast<HWND>(lParam);
  for (int i = 0; sender && i < kChoiceCount; ++i) {
    if (m_choices[static_cast<std::size_t>(i)].GetHwnd() == sender) {
      Select(i);
      return true;
    }
  }
  return CSkinnedDialog::OnCommand(wParam, lParam);
}

void CMouseDlg::OnButton(std::size_t index) {
  if (index == kOk) {
    // Synchronous: the record is written and saved before this dialog hides.
    SendToMainWindow(wm::kFromMouse, wm::kApply);
    PostToMainWindow(wm::kFromMouse, wm::kClosed);
    EndDialog(IDOK);
  } else {
    PostToMainWindow(wm::kFromMouse, wm::kClosed);
    EndDialog(IDCANCEL);
  }
}

