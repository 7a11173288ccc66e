#include "app/OsselSettingApp.h"

#include <commctrl.h>

#include "app/MainWindowLogic.h"
#include "app/OsselSettingDlg.h"
#include "platform/win32/Module.h"
#include "platform/win32/Win32Messenger.h"
#include "platform/win32/Win32Registry.h"

BOOL COsselSettingApp::InitInstance() {
  app::UseProgramFoldersOf(win::ModuleFileName());

  INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
  ::InitCommonControlsEx(&controls);
  m_gdiplus.emplace();

  m_mutex.reset(::CreateMutexW(nullptr, FALSE, kSingleInstanceMutex));
  if (::GetLastError() == ERROR_ALREADY_EXISTS) {
    m_mutex.reset();  // another instance runs: end silently, without a window
    return FALSE;
  }

  // The store is 5 MB: it lives on the heap, as does the window that embeds its children.
  auto settings = store::MakeStore();
  platform::Win32Registry registry;
  platform::Win32Messenger messenger;
  auto mainWindow = std::make_unique<COsselSettingDlg>(*settings, registry, messenger);
  SetMainWnd(mainWindow.get());
  mainWindow->DoModal();
  SetMainWnd(nullptr);
  return FALSE;
}

int COsselSettingApp::ExitInstance() {
  if (m_mutex) ::ReleaseMutex(m_mutex.get());
  m_mutex.reset();
  m_gdiplus.reset();
  return CWinApp::ExitInstance();
}
