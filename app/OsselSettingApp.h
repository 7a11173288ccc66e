#pragma once
// The application: prepares the platform libraries, refuses a second running instance, and runs the main
// window modally; when it closes, the application ends.

#include <memory>
#include <optional>

#include "framework/Gdiplus.h"
#include "framework/WinApp.h"
#include "platform/win32/Handles.h"

inline constexpr wchar_t kSingleInstanceMutex[] = L"BRANTOX_SETTING_MUTEX";

class COsselSettingApp : public CWinApp {
 public:
  // Always FALSE: the modal run of the main window is the whole program, no message loop follows.
  BOOL InitInstance() override;
  int ExitInstance() override;

 private:
  std::optional<win::GdiplusSession> m_gdiplus;
  win::KernelHandle m_mutex;
};
