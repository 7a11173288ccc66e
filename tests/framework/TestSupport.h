#pragma once
// Real input and message pumping for every window test: clicks and keys go through SendInput, so they
// arrive from the queue like a user's, and are pumped through the framework's pre-translation.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "platform/ProgramFolders.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Module.h"
#include "strings/StringTable.h"

namespace fwtest {

// Pumps messages (through pre-translation) until `done` holds or `milliseconds` pass; returns `done()`.
// A WM_QUIT is posted again for whoever runs the loop outside.
inline bool PumpUntil(const std::function<bool()>& done, int milliseconds = 3000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  MSG msg;
  for (;;) {
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return done();
      }
      if (!WalkPreTranslateTree(msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
      }
    }
    if (done()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}
inline void PumpFor(int milliseconds) { PumpUntil([] { return false; }, milliseconds); }

// --- Mouse -------------------------------------------------------------------------------------------------

inline void SendMouse(DWORD flags, POINT screen = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    // The smallest absolute value that lands on the pixel (the system rounds down).
    const LONG width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = (screen.x * 65536 + width - 1) / width;
    input.mi.dy = (screen.y * 65536 + height - 1) / height;
  }
  input.mi.dwFlags = flags;
  ::SendInput(1, &input, sizeof(input));
}

// Moves the real pointer to a screen point and lets the windows see it.
inline void MoveTo(POINT screen) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
  PumpUntil([&] {
    POINT now{};
    ::GetCursorPos(&now);
    return now.x == screen.x && now.y == screen.y;
  }, 500);
  PumpFor(30);
}
inline POINT ScreenPoint(HWND window, POINT client) {
  ::ClientToScreen(window, &client);
  return client;
}
inline void MoveTo(HWND window, POINT client) { MoveTo(ScreenPoint(window, client)); }
inline void LeftDown() {
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpFor(30);
}
inline void LeftUp() {
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpFor(30);
}
// Moves to a client point of `window`, then presses and releases the left button there.
inline void ClickAt(HWND window, POINT client) {
  MoveTo(window, client);
  LeftDown();
  LeftUp();
}
inline POINT CentreOf(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  return {r.right / 2, r.bottom / 2};
}
inline void ClickCentre(HWND window) { ClickAt(window, CentreOf(window)); }
// Somewhere no test window lies.
inline void MoveAway() { MoveTo(POINT{1200, 1000}); }

// --- Keyboard ------------------------------------------------------------------------------------------------

inline void SendKey(WORD vk, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &input, sizeof(input));
}
inline void PressKey(WORD vk) {
  SendKey(vk, false);
  SendKey(vk, true);
}

// Types `text` character by character as Unicode input, so no keyboard layout gets in the way.
inline void TypeText(std::wstring_view text) {
  for (wchar_t ch : text) {
    INPUT input[2]{};
    for (INPUT& i : input) {
      i.type = INPUT_KEYBOARD;
      i.ki.wScan = ch;
      i.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
  }
}

// --- Windows -------------------------------------------------------------------------------------------------

inline BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// Top-level windows of this thread that exist now (tooltips and popup menus among them); a leak shows as
// a count that keeps growing.
inline int ThreadWindowCount() {
  int count = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

inline BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  ::EnumChildWindows(window, &CountWindow, count);  // every descendant, not just the direct children
  return TRUE;
}

// Every window of this thread, top-level or child: the USER objects a window test can see.
inline int ThreadWindowCountWithChildren() {
  int count = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
  return count;
}

// --- Windows a dialog opens over itself ------------------------------------------------------------------------

// The visible modal window that `owner` opened over itself (a file dialog, a notice), or null.
inline HWND ModalOver(HWND owner) {
  HWND active = ::GetActiveWindow();
  const bool ours = active && active != owner && ::GetWindow(active, GW_OWNER) == owner;
  return ours && ::IsWindowVisible(active) ? active : nullptr;
}

namespace detail {
inline BOOL CALLBACK FindFileNameBox(HWND window, LPARAM found) {
  wchar_t kind[16] = {};
  ::GetClassNameW(window, kind, 16);
  const int id = ::GetDlgCtrlID(window);
  if (std::wstring_view(kind) != L"Edit" || (id != 0x480 && id != 0x47c)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}
}  // namespace detail

// The file name box of a common file dialog: the edit with the id edt1, or cmb13's (inside the combo box,
// as Wine makes it); null when there is none.
inline HWND FileNameBox(HWND fileDialog) {
  HWND box = nullptr;
  ::EnumChildWindows(fileDialog, &detail::FindFileNameBox, reinterpret_cast<LPARAM>(&box));
  return box;
}

// Answers an open common file dialog as a user would: the text `typed` replaces what its file name box
// shows and Enter confirms it; nothing typed presses Esc. Returns what the box showed first.
inline std::wstring AnswerFileDialog(HWND fileDialog, std::wstring_view typed) {
  HWND box = FileNameBox(fileDialog);
  wchar_t shown[1024] = {};
  if (box) ::GetWindowTextW(box, shown, 1024);
  if (!box || typed.empty()) {
    PressKey(VK_ESCAPE);
    return shown;
  }
  ::SetFocus(box);
  PressKey(VK_END);
  SendKey(VK_SHIFT, false);
  PressKey(VK_HOME);
  SendKey(VK_SHIFT, true);
  TypeText(typed);
  PressKey(VK_RETURN);
  return shown;
}

// --- The main window as its children know it ------------------------------------------------------------------

// A top-level window titled like the main window, which the children find by its title. It records every
// private message they send or post it; `onMessage` may answer one the way the main window would.
class StandInMainWindow : public CWnd {
 public:
  struct Received {
    UINT msg;
    WPARAM code;
    LPARAM lParam;
  };

  StandInMainWindow() {
    const auto title = strings::LookUpString(strings::kMainName);
    CreateEx(0, nullptr, std::wstring(title.begin(), title.end()).c_str(), WS_POPUP, RECT{0, 0, 10, 10}, nullptr);
  }
  ~StandInMainWindow() override {
    if (m_hWnd) DestroyWindow();
  }

  std::vector<Received> received;
  std::function<void(const Received&)> onMessage;

  // The codes of every `msg` received, in order.
  std::vector<WPARAM> Codes(UINT msg) const {
    std::vector<WPARAM> codes;
    for (const auto& r : received)
      if (r.msg == msg) codes.push_back(r.code);
    return codes;
  }

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg < wm::kFromPanel || msg > wm::kFromMacro) return CWnd::WindowProc(msg, wParam, lParam);
    received.push_back({msg, wParam, lParam});
    if (onMessage) onMessage(received.back());
    return 0;
  }
};

// --- Modal runs ---------------------------------------------------------------------------------------------

namespace detail {
inline CDialog* g_modalDialog = nullptr;
inline std::function<void()> g_modalAct;
inline void CALLBACK ActOnceShown(HWND, UINT, UINT_PTR id, DWORD) {
  if (!g_modalDialog || !g_modalDialog->IsWindowVisible()) return;
  ::KillTimer(nullptr, id);
  auto act = std::move(g_modalAct);
  g_modalAct = nullptr;
  act();
}
}  // namespace detail

// Runs `dialog` modally and calls `act` from inside the run as soon as the dialog shows; `act` ends the
// run the way a user would (clicking a button). Returns the run's result.
template <typename D, typename Act>
INT_PTR DoModalAndAct(D& dialog, Act act, HWND owner = nullptr) {
  detail::g_modalDialog = &dialog;
  detail::g_modalAct = [&dialog, act = std::move(act)]() mutable { act(dialog); };
  ::SetTimer(nullptr, 0, 50, &detail::ActOnceShown);
  const INT_PTR result = dialog.DoModal(owner);
  detail::g_modalDialog = nullptr;
  return result;
}

// The test program's folder stands for the program's: the shipped texts and skin are staged beside it.
inline void UseProgramFilesBesideTest() {
  const auto folders = platform::ProgramFoldersOf(win::ModuleFileName());
  platform::SetProgramFolders(folders);
  strings::SetStringFilePath(folders.StringsFile());
}

}  // namespace fwtest
