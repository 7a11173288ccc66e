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
  // The library's own status: 1 delivers key events, anything else stops them.
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

// A capturing window's hold on the hook library, from its initialisation to its destruction: made, it loads
// the library and sends the key events to the window; ended, it stops them, removes the hook and releases
// the library. In between the window resumes the capture when it is shown and pauses it when it is hidden.
class KeyCapture {
 public:
  explicit KeyCapture(HWND window);
  ~KeyCapture();
  KeyCapture(const KeyCapture&) = delete;
  KeyCapture& operator=(const KeyCapture&) = delete;

  // Whether the key events reach the window.
  void Deliver(bool on) const;
  // Shown: the events go to the window again, delivered.
  void Resume() const;
  // Hidden: the events stop and the hook is removed.
  void Pause() const;

 private:
  HookLibrary m_library;
  HWND m_window;
};

}  // namespace editors
