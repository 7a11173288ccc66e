// The start-up baseline: a program that only registers a class, creates a window of the main window's
// size, paints it and waits for messages, linked the same way as the real program.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &Procedure;
  wc.hInstance = instance;
  wc.lpszClassName = L"TrelmBareProgram";
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  ::RegisterClassW(&wc);
  HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"bare", WS_POPUP | WS_VISIBLE, 0, 0, 1072, 712, nullptr,
                                  nullptr, instance, nullptr);
  ::UpdateWindow(window);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
