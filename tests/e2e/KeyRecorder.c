/* A window of another program that appends every character typed into it to a file, so an end-to-end
   test can see that keys still reach other programs.   KeyRecorder.exe LOG_FILE
   Test fixture only, never installed. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

static FILE *g_log;

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
  ShowWindow(window, show);
  while (GetMessageW(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  fclose(g_log);
  return 0;
}
