// "Quorbel.dll": reports every key press and release to one window of the program while capture is on,
// through a low-level keyboard hook, and keeps from the system only the presses that window took.
//
// Everything here runs on the program's one UI thread: its windows call the three entry points, and a
// low-level hook's procedure is called on the thread that set the hook, while that thread pumps messages.
// No two threads ever meet here, so plain globals suffice.

#include <windows.h>

#include <bitset>

#include "platform/WindowMessages.h"

namespace {

HINSTANCE g_module = nullptr;
HHOOK g_hook = nullptr;
HWND g_target = nullptr;     // the window of the latest installhook
bool g_installed = false;    // between installhook and removehook
bool g_delivering = false;   // SetHookStatus(1)
// Presses kept from the system. Only their releases may be kept too: a key the system saw go down must
// also reach it going up, or it stays down for every program.
std::bitset<256> g_keptDown;
// Well below the system's limit for a low-level hook, after which it would pass the key on anyway.
constexpr UINT kAnswerTimeoutMs = 200;

// Keys are kept from the system only while the capturing window is the one the user types into, so a
// captured Windows key or Alt combination does not also act on the desktop, yet the keyboard never stops
// working for other programs.
bool TargetIsForeground() {
  const HWND foreground = ::GetForegroundWindow();
  return foreground && (foreground == g_target || foreground == ::GetAncestor(g_target, GA_ROOT));
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM message, LPARAM data) {
  // A target that has gone since installhook gets nothing, and then nothing is kept from the system.
  if (code == HC_ACTION && data && g_delivering && ::IsWindow(g_target)) {
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
    const std::size_t vk = key.vkCode & 0xFF;
    // The hook's flags word as it comes: LLKHF_UP (0x80) marks a release; injected keys are reported too.
    // Sent, not posted: a key is kept from the system only when the window answers that it took it, so a
    // window that is open but not capturing (the macro editor before Record) leaves the keyboard alone.
    // The target lives on this thread, so the call is direct; the timeout guards a target elsewhere.
    DWORD_PTR took = 0;
    const bool answered = ::SendMessageTimeoutW(g_target, wm::kKeyEvent, key.vkCode, key.flags,
                                                SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &took) != 0;
    bool keep = TargetIsForeground();
    if (key.flags & LLKHF_UP) {
      keep = keep && g_keptDown[vk];
      g_keptDown[vk] = false;
    } else {
      keep = keep && answered && took != 0;
      g_keptDown[vk] = keep;
    }
    if (keep) return 1;
  }
  return ::CallNextHookEx(g_hook, code, message, data);
}

// The hook sits in the system's chain only while keys are wanted: every keystroke of the desktop waits
// for this thread's message pump while it is there.
void UpdateHook() {
  const bool wanted = g_installed && g_delivering;
  if (wanted && !g_hook) {
    g_keptDown.reset();
    g_hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardProc, g_module, 0);  // retried by the next call if it fails
  } else if (!wanted && g_hook) {
    ::UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
  }
}

}  // namespace

// Entry points, with the C calling convention; their names are exported undecorated (Quorbel.def).
// Any order of calls is accepted.
extern "C" {

// Key events go to `window` from now on; called again, it only changes the window.
void __cdecl installhook(HWND window) {
  g_target = window;
  g_installed = true;
  UpdateHook();
}

// 1: deliver key events; any other value: stop.
void __cdecl SetHookStatus(int status) {
  g_delivering = status == 1;
  UpdateHook();
}

void __cdecl removehook() {
  g_installed = false;
  g_target = nullptr;
  UpdateHook();
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = module;
    ::DisableThreadLibraryCalls(module);
  } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr && g_hook) {
    // Unloaded by its last user without removehook: the hook must not outlive the code it calls.
    ::UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
  }
  return TRUE;
}

}  // extern "C"
