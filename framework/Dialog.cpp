#include "framework/Dialog.h"

#include <cstring>
#include <vector>

#include "framework/WinApp.h"

namespace {

// A copy of the template with WS_VISIBLE cleared, so a dialog never shows before it is initialised.
// DWORD elements keep the copy aligned as the dialog manager requires.
std::vector<DWORD> HiddenTemplate(HINSTANCE instance, UINT templateId) {
  HRSRC resource = ::FindResourceW(instance, MAKEINTRESOURCEW(templateId), RT_DIALOG);
  if (!resource) return {};
  const DWORD size = ::SizeofResource(instance, resource);
  HGLOBAL loaded = ::LoadResource(instance, resource);
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  // Templates are a few hundred bytes; anything outside sane bounds is not one of ours.
  constexpr DWORD kMaxTemplate = 64 * 1024;
  if (!bytes || size < sizeof(DLGTEMPLATE) || size > kMaxTemplate) return {};
  std::vector<DWORD> copy((size + sizeof(DWORD) - 1) / sizeof(DWORD));
  std::memcpy(copy.data(), bytes, size);

  auto* words = reinterpret_cast<WORD*>(copy.data());
  const bool extended = words[0] == 1 && words[1] == 0xFFFF;  // DLGTEMPLATEEX: dlgVer 1, signature 0xFFFF
  const size_t styleOffset = extended ? 12 : 0;
  if (styleOffset + sizeof(DWORD) > size) return {};
  DWORD style;
  std::memcpy(&style, reinterpret_cast<BYTE*>(copy.data()) + styleOffset, sizeof(style));
  style &= ~static_cast<DWORD>(WS_VISIBLE);
  std::memcpy(reinterpret_cast<BYTE*>(copy.data()) + styleOffset, &style, sizeof(style));
  return copy;
}

HWND DefaultOwner(const CWnd* dialog) {
  CWinApp* app = CWinApp::GetApp();
  CWnd* main = app ? app->GetMainWnd() : nullptr;
  return main && main != dialog ? main->GetHwnd() : nullptr;
}

}  // namespace

bool CDialog::CreateHidden(HWND owner) {
  if (m_hWnd) return false;
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  std::vector<DWORD> copy = HiddenTemplate(instance, m_templateId);
  if (copy.empty()) return false;
  HWND hwnd = ::CreateDialogIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(copy.data()), owner,
                                           &StaticDialogProc, reinterpret_cast<LPARAM>(this));
  if (hwnd && m_hWnd != hwnd) {
    // Creation succeeded but the dialog was never linked (the template's class has another procedure).
    ::DestroyWindow(hwnd);
    return false;
  }
  return hwnd != nullptr;
}

bool CDialog::Create(HWND owner) {
  m_modal = false;
  m_result = 0;
  return CreateHidden(owner);
}

INT_PTR CDialog::DoModal(HWND owner) {
  if (m_hWnd) return -1;
  if (!owner) owner = DefaultOwner(this);
  if (owner) owner = ::GetAncestor(owner, GA_ROOT);
  // The owner is disabled only if it was enabled, and given back only what we took.
  const bool enableOwner = owner && ::IsWindowEnabled(owner);
  if (enableOwner) ::EnableWindow(owner, FALSE);

  m_modal = true;
  m_endModal = false;
  m_result = -1;
  if (CreateHidden(owner)) {
    if (!m_endModal && m_hWnd) ShowWindow(SW_SHOWNORMAL);
    MSG msg{};
    while (!m_endModal && m_hWnd) {
      if (!PumpMessage(msg)) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));  // the loop outside must see it too
        m_result = -1;
        break;
      }
    }
  }
  m_modal = false;

  // Hide first and give the owner back before destruction, so activation returns to the owner.
  if (m_hWnd)
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  if (enableOwner) ::EnableWindow(owner, TRUE);
  if (owner && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
  if (m_hWnd) DestroyWindow();
  return m_result;
}

void CDialog::EndDialog(INT_PTR result) {
  m_result = result;
  if (m_modal) {
    m_endModal = true;
    if (m_hWnd) PostMessage(WM_NULL);  // wakes the modal loop if it is waiting
  } else if (m_hWnd) {
    ShowWindow(SW_HIDE);
  }
}

BOOL CDialog::OnInitDialog() {
  DoDataExchange();
  return TRUE;
}

bool CDialog::OnCommand(WPARAM wParam, LPARAM) {
  if (HIWORD(wParam) != BN_CLICKED) return false;
  switch (LOWORD(wParam)) {
    case IDOK:
      OnOK();
      return true;
    case IDCANCEL:
      OnCancel();
      return true;
  }
  return false;
}

bool CDialog::PreTranslateMessage(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !m_hWnd) return false;
  if (msg.hwnd != m_hWnd && !::IsChild(m_hWnd, msg.hwnd)) return false;
  return ::IsDialogMessageW(m_hWnd, &msg) != FALSE;
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) return OnInitDialog();
  return CWnd::WindowProc(msg, wParam, lParam);
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Everything but WM_INITDIALOG reaches the object through the subclass set up here; FALSE hands the
  // message back to the dialog manager as default processing.
  if (msg != WM_INITDIALOG) return FALSE;
  auto* dialog = reinterpret_cast<CDialog*>(lParam);
  if (!dialog || dialog->m_hWnd) return FALSE;
  dialog->m_isDialog = true;
  dialog->Link(hwnd);
  dialog->m_previousProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::DialogWindowProc)));
  dialog->PreSubclassWindow();
  return Dispatch(dialog, hwnd, msg, wParam, lParam);
}
