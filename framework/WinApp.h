#pragma once
// The application object and the message loop. One application object exists at a time; the program's
// entry point constructs it and returns Execute().

#include <windows.h>

class CWnd;

class CWinApp {
 public:
  CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  virtual ~CWinApp();

  static CWinApp* GetApp();

  // Start-up. TRUE runs the message loop until WM_QUIT; FALSE ends the application at once.
  virtual BOOL InitInstance() { return TRUE; }
  // Exit; the result is the process exit code (by default the WM_QUIT code, or 0).
  virtual int ExitInstance() { return m_exitCode; }
  // The message loop; ends on WM_QUIT, which destroying the main window posts while the loop runs.
  virtual int Run();
  // InitInstance, Run if asked for, ExitInstance.
  int Execute();

  CWnd* GetMainWnd() const { return m_mainWnd; }
  void SetMainWnd(CWnd* wnd) { m_mainWnd = wnd; }
  HINSTANCE GetInstanceHandle() const { return ::GetModuleHandleW(nullptr); }

 private:
  friend class CWnd;
  void OnWindowDestroyed(const CWnd* wnd);

  CWnd* m_mainWnd = nullptr;
  int m_exitCode = 0;
  bool m_running = false;
};

// Offers `msg` to PreTranslateMessage of its target window, then of each parent (or owner) in turn.
// True when one of them handled it.
bool WalkPreTranslateTree(MSG& msg);
// Waits for one message, lets the windows pre-translate it, then dispatches it.
// False for WM_QUIT, whose code is then in msg.wParam.
bool PumpMessage(MSG& msg);
