// The main window under Wine: the time from the process's start to the window's first paint (GDI+,
// the registry load of the whole store, the skin, 125 buttons), the time of a layer switch (every
// key re-cut from the layer's images and the window repainted), of an editor opened from the key menu
// and closed again, and of the settings panel sliding out and back in (92 moves of two windows), beside
// a bare window as the baseline.
#include <windows.h>

#include <cstdio>

#include "app/MainWindowLogic.h"
#include "app/OsselSettingDlg.h"
#include "bench/Harness.h"
#include "framework/Gdiplus.h"
#include "platform/win32/Win32Messenger.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Module.h"
#include "platform/win32/Win32Registry.h"

namespace {

double MillisecondsSinceProcessStart() {
  FILETIME created, exited, kernel, user, now;
  ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
  ::GetSystemTimeAsFileTime(&now);
  const auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

void PumpPending() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

}  // namespace

int main() {
  app::UseProgramFoldersOf(win::ModuleFileName());
  win::GdiplusSession gdiplus;
  auto settings = store::MakeStore();
  platform::Win32Registry registry;
  platform::Win32Messenger messenger;
  COsselSettingDlg window(*settings, registry, messenger);
  window.Create(nullptr);
  window.ShowWindow(SW_SHOW);
  ::UpdateWindow(window.GetHwnd());  // the first paint, synchronously
  const double firstPaint = MillisecondsSinceProcessStart();
  std::printf("%-48s %9.3f ms\n", "main window: process start to first paint", firstPaint);

  int layer = 0;
  const auto layerSwitch = bench::Measure(30, [&] {
    layer = (layer + 1) % 3;
    const auto button = static_cast<COsselSettingDlg::Button>(COsselSettingDlg::kLayer1 + layer);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                       reinterpret_cast<LPARAM>(window.GetButton(button).GetHwnd()));
    ::RedrawWindow(window.GetHwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
  });
  bench::Report("main window: layer switch and repaint", layerSwitch);

  const auto click = [](HWND parent, HWND button) {
    ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  };
  CSinglekeyDlg& editor = window.SingleKeyDialog();
  const auto editorCycle = bench::Measure(20, [&] {
    click(window.GetHwnd(), window.Keyboard().KeyWindow(10));
    window.SendMessage(wm::kMenuChoice, 0, app::MenuValue(catalogue::Category::SingleKey, 0));
    ::UpdateWindow(editor.GetHwnd());
    click(editor.GetHwnd(), editor.GetButton(CSinglekeyDlg::kCancel).GetHwnd());
    PumpPending();
  });
  bench::Report("main window: single-key editor opened and closed", editorCycle);

  const auto slide = bench::Measure(5, [&] {
    click(window.GetHwnd(), window.GetButton(COsselSettingDlg::kReference).GetHwnd());
    window.SendMessage(wm::kFromPanel, wm::kClosed, 0);
    PumpPending();
  });
  bench::Report("main window: panel slid out and back in", slide);

  // Baseline: a bare top-level window of the same size created, shown and painted.
  WNDCLASSW wc{};
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TrelmBenchBare";
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  ::RegisterClassW(&wc);
  const auto bare = bench::Measure(30, [&] {
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, 1072, 712, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ::UpdateWindow(hwnd);
    ::DestroyWindow(hwnd);
    PumpPending();
  });
  const auto ratio = [&](const auto& result) { return std::to_string(result.medianMs / bare.medianMs).substr(0, 5); };
  bench::Report("baseline: bare window created, painted, destroyed", bare,
                "layer switch/baseline " + ratio(layerSwitch) + ", editor/baseline " + ratio(editorCycle) +
                    ", slide/baseline " + ratio(slide));
  window.DestroyWindow();
  return 0;
}
