#include "dialogs/RefrenceDlg.h"

#include "Resource.h"
#include "platform/WindowMessages.h"

namespace {

const skin::DialogButton kButtons[] = {
    {{258, 228, 366, 253}, &strings::kOtherOk},
    {{369, 228, 478, 253}, &strings::kOtherCancel},
};
const skin::DialogText kTexts[] = {
    {&strings::kMainReference, {318, 6, 455, 30}, {L"BankGothic Lt BT", 18, FW_BOLD, RGB(255, 255, 255), DT_CENTER}},
};

}  // namespace

CRefrenceDlg::CRefrenceDlg(store::StoreHeader& header, platform::Registry& registry)
    : CSkinnedDialog(IDD_REFRENCE), m_header(header), m_registry(registry) {}

BOOL CRefrenceDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  BuildSkin(SkinSet(u"advance"), kButtons, kTexts);
  return TRUE;
}

void CRefrenceDlg::OnButton(std::size_t index) {
  PostToMainWindow(wm::kFromPanel, wm::kPanelCommand);
  if (index == kOk || index == kCancel) PostToMainWindow(wm::kFromPanel, wm::kClosed);
}

LRESULT CRefrenceDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      PostToMainWindow(wm::kFromPanel, wm::kPanelCommand);
      break;
    case WM_ACTIVATEAPP:
      PostToMainWindow(wm::kFromPanel, wm::kActivationChanged);
      break;
    case WM_MOUSEMOVE:
      // The panel takes the activation as soon as the pointer is over it.
      if (::GetActiveWindow() != m_hWnd) ::SetActiveWindow(m_hWnd);
      break;
    default:
      break;
  }
  return CSkinnedDialog::WindowProc(msg, wParam, lParam);
}
