#pragma once
// "Quorbel.dll", the keyboard hook library beside the executable, as the windows that capture keys use
// it: each loads it for itself and releases it when it goes. A missing library or entry point is not
// an error: that call is skipped and the window works without keys.

#include <windows.h>

#include <string>

#include "platform/win32/Handles.h"

namespace editors {

class HookLibrary {
 public:
  // Loads the library beside the executable.
  HookLibrary();
  // Loads the library at `path` (tests point it elsewhere).
  explicit HookLibrary(const std::wstring& path);

  bool IsLoaded() const { return static_cast<bool>(m_module); }

  // Key events go to `window` from now on, while the status is 1.
  void Install(HWND window) const;
  // 1: deliver key events; 0: stop.
  void SetStatus(int status) const;
  void Remove() const;

 private:
  // The library's entry points use the C calling convention in both builds.
  using InstallFn = void(__cdecl*)(HWND);
  using StatusFn = void(__cdecl*)(int);
  using RemoveFn = void(__cdecl*)();

  win::Module m_module;
  InstallFn m_install = nullptr;
  StatusFn m_setStatus = nullptr;
  RemoveFn m_remove = nullptr;
};

}  // namespace editors
