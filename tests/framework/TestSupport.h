#pragma once
// Real input and message pumping for the window tests: clicks and keys go through SendInput, so they
// arrive from the queue like a user's, and are pumped through the framework's pre-translation.

#include <windows.h>

#include <chrono>
#include <functional>

#include "framework/WinApp.h"

namespace fwtest {

// Pumps messages (through pre-translation) until `done` holds or `milliseconds` pass; returns `done()`.
inline bool PumpUntil(const std::function<bool()>& done, int milliseconds = 3000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MSG msg;
    if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return done();
      }
      if (!WalkPreTranslateTree(msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
      }
    } else {
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  return true;
}

inline void PumpFor(int milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

// Moves the real pointer to a client point of `hwnd`, then presses and releases the left button.
inline void Click(HWND hwnd, POINT client) {
  ::ClientToScreen(hwnd, &client);
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT inputs[3] = {};
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  inputs[0].mi.dx = client.x * 65535 / (width - 1);
  inputs[0].mi.dy = client.y * 65535 / (height - 1);
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(3, inputs, sizeof(INPUT));
}

// Clicks the middle of a window.
inline void ClickCentre(HWND hwnd) {
  RECT rect{};
  ::GetClientRect(hwnd, &rect);
  Click(hwnd, POINT{rect.right / 2, rect.bottom / 2});
}

inline void PressKey(WORD vk) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = vk;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

inline BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// Top-level windows of this thread that exist now; a leak shows as a count that keeps growing.
inline int ThreadWindowCount() {
  int count = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace fwtest
