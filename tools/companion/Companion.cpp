// A stand-in for the companion program, for people and tests: a top-level window titled
// "TrelmKeyboardHelper" that logs every message the configuration program posts to it, and that
// can tell the configuration window that the keyboard switched profile, as the real one does.
//
//   TrelmCompanion.exe [--log FILE]       run the window; one line per message received:
//                                         "1538 <wParam> <lParam>" (decimal), flushed at once
//   TrelmCompanion.exe --notify P L       ask the running companion to post (1537, P, L) to the
//                                         window handle it was given with 1538
//   TrelmCompanion.exe --stop             close the running companion
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/WindowMessages.h"

namespace {

constexpr wchar_t kTitle[] = L"TrelmKeyboardHelper";
constexpr wchar_t kClass[] = L"TrelmCompanionWindow";
constexpr UINT kMsgNotifyRequest = WM_APP + 1;  // from a second instance: wParam profile, lParam layer

FILE* g_log = nullptr;
HWND g_configWindow = nullptr;  // as announced with 1538

void Log(UINT message, WPARAM wParam, LPARAM lParam) {
  std::fprintf(g_log ? g_log : stdout, "%u %llu %lld\n", message, static_cast<unsigned long long>(wParam),
               static_cast<long long>(lParam));
  std::fflush(g_log ? g_log : stdout);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case wm::kCompanionWindow:
      Log(message, wParam, lParam);
      g_configWindow = reinterpret_cast<HWND>(wParam);
      return 0;
    case wm::kCompanionSettingsOrProfile:
      Log(message, wParam, lParam);
      return 0;
    case kMsgNotifyRequest:
      if (g_configWindow) ::PostMessageW(g_configWindow, wm::kCompanionSettingsOrProfile, wParam, lParam);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

int RunWindow(const wchar_t* logPath) {
  if (logPath && _wfopen_s(&g_log, logPath, L"a") != 0) {
    std::fwprintf(stderr, L"cannot open log %ls\n", logPath);
    return 2;
  }
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = kClass;
  ::RegisterClassW(&wc);
  // Hidden: it must not cover the configuration window that tests click on.
  HWND hwnd = ::CreateWindowExW(0, kClass, kTitle, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                wc.hInstance, nullptr);
  if (!hwnd) return 1;
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
  if (g_log) std::fclose(g_log);
  return 0;
}

int PostToRunning(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND running = ::FindWindowW(kClass, kTitle);
  if (!running) {
    std::fwprintf(stderr, L"no companion is running\n");
    return 1;
  }
  return ::PostMessageW(running, message, wParam, lParam) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wcscmp(argv[1], L"--notify") == 0)
    return PostToRunning(kMsgNotifyRequest, static_cast<WPARAM>(std::wcstoull(argv[2], nullptr, 10)),
                         static_cast<LPARAM>(std::wcstoll(argv[3], nullptr, 10)));
  if (argc == 2 && std::wcscmp(argv[1], L"--stop") == 0) return PostToRunning(WM_CLOSE, 0, 0);
  if (argc == 3 && std::wcscmp(argv[1], L"--log") == 0) return RunWindow(argv[2]);
  if (argc == 1) return RunWindow(nullptr);
  std::fwprintf(stderr, L"usage: TrelmCompanion [--log FILE] | --notify PROFILE LAYER | --stop\n");
  return 2;
}
