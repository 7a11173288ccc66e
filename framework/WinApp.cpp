#include "framework/WinApp.h"

#include "framework/Wnd.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() {
  if (!g_app) g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* CWinApp::GetApp() { return g_app; }

int CWinApp::Run() {
  m_running = true;
  MSG msg{};
  while (PumpMessage(msg)) {
  }
  m_running = false;
  m_exitCode = static_cast<int>(msg.wParam);
  return m_exitCode;
}

int CWinApp::Execute() {
  if (InitInstance()) Run();
  return ExitInstance();
}

void CWinApp::OnWindowDestroyed(const CWnd* wnd) {
  if (wnd != m_mainWnd) return;
  m_mainWnd = nullptr;
  // A main window run modally ends with its modal run; only the application's own loop needs telling.
  if (m_running) ::PostQuitMessage(0);
}

bool WalkPreTranslateTree(MSG& msg) {
  for (HWND hwnd = msg.hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
    CWnd* wnd = CWnd::FromHandle(hwnd);
    if (wnd && wnd->PreTranslateMessage(msg)) return true;
  }
  return false;
}

bool PumpMessage(MSG& msg) {
  // -1 (an invalid call) cannot happen with these arguments; treat it like WM_QUIT rather than spin.
  if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) return false;
  if (!WalkPreTranslateTree(msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return true;
}
