/* A window of another program that appends every character typed into it to a file, so an end-to-end
   test can see that keys still reach other programs.   KeyRecorder.exe LOG_FILE
   With --hook it instead sets a low-level keyboard hook of its own, as utilities such as hot-key tools do,
   writes "hooked;" once it is in place and then every key press its hook sees, as "41;" (hex virtual-key
   code), with its window hidden.   KeyRecorder.exe LOG_FILE --hook
   Test fixture only, never installed. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static FILE *g_log;

static LRESULT CALLBACK HookProc(int code, WPARAM message, LPARAM data) {
  if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
    fprintf(g_log, "%02X;", (unsigned)((const KBDLLHOOKSTRUCT *)data)->vkCode & 0xFF);
    fflush(g_log);
  }
  return CallNextHookEx(NULL, code, message, data);
}

static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CHAR:
      if (g_log && wParam >= 0x20 && wParam < 0x7F) {
        fputc((int)wParam, g_log);
        fflush(g_log);  /* the test reads the file while the program runs */
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  WNDCLASSW wc = {0};
  HWND window;
  HHOOK hook = NULL;
  MSG msg;
  (void)previous;
  (void)commandLine;
  if (__argc < 2 || !(g_log = fopen(__argv[1], "ab"))) return 1;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
  wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
  wc.lpszClassName = L"TrelmKeyRecorder";
  if (!RegisterClassW(&wc)) return 1;
  /* Below the main window and its editors, which hang at the screen's top left. */
  window = CreateWindowExW(0, wc.lpszClassName, L"Trelm Key Recorder", WS_OVERLAPPEDWINDOW, 100, 800, 400, 150,
                           NULL, NULL, instance, NULL);
  if (!window) return 1;
  if (__argc > 2 && strcmp(__argv[2], "--hook") == 0) {
    if (!(hook = SetWindowsHookExW(WH_KEYBOARD_LL, HookProc, instance, 0))) return 1;
    fputs("hooked;", g_log);
    fflush(g_log);
  } else {
    ShowWindow(window, show);
  }
  while (GetMessageW(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (hook) UnhookWindowsHookEx(hook);
  fclose(g_log);
  return 0;
}
