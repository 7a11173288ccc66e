// The main window under Wine: the time from the process's start to the window's first paint (GDI+,
// the registry load of the whole store, the skin, 125 buttons); a layer switch with its repaint and a
// key menu choice until the menu is gone and the key redrawn, beside a bare window's repaint; each
// editor and dialog from opening to its first paint; and the settings panel sliding out and back in.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/MainWindowLogic.h"
#include "app/OsselSettingDlg.h"
#include "bench/Harness.h"
#include "editors/LaunchProgram.h"
#include "framework/Gdiplus.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Module.h"
#include "platform/win32/Win32Messenger.h"
#include "platform/win32/Win32Registry.h"
#include "profiles/SwitchProfile.h"

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

void Click(HWND parent, HWND button) {
  ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void RepaintNow(HWND window) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpPending();
}

// A modal dialog's opening, without its modal run: created, shown and painted, then destroyed.
template <typename D>
bench::Timing OpenToFirstPaint(const std::function<std::unique_ptr<D>()>& make) {
  return bench::Measure(10, [&] {
    auto dialog = make();
    dialog->Create(nullptr);
    dialog->ShowWindow(SW_SHOW);
    ::UpdateWindow(dialog->GetHwnd());
    dialog->DestroyWindow();
    PumpPending();
  });
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
  bench::Report("main window: process start to first paint", bench::Timing{firstPaint, firstPaint});

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
  const std::string bareName = "bare window created, painted, destroyed";
  bench::Report("baseline: " + bareName, bare);

  int layer = 0;
  const auto layerSwitch = bench::Measure(30, [&] {
    layer = (layer + 1) % 3;
    const auto button = static_cast<COsselSettingDlg::Button>(COsselSettingDlg::kLayer1 + layer);
    Click(window.GetHwnd(), window.GetButton(button).GetHwnd());
    RepaintNow(window.GetHwnd());
  });
  bench::Report("main window: layer switch and repaint", layerSwitch, bareName, bare);

  // A key's menu opened (not timed), then a choice until the menu is gone and the key redrawn.
  int slot = 0;
  std::vector<double> choices;
  for (int i = 0; i < 30; ++i) {
    slot = (slot + 1) % 60;
    Click(window.GetHwnd(), window.Keyboard().KeyWindow(slot));
    RepaintNow(window.GetHwnd());
    choices.push_back(bench::Measure(1, [&] {
                        window.SendMessage(wm::kMenuChoice, 0, app::MenuValue(catalogue::Category::Disable, 0));
                        RepaintNow(window.GetHwnd());
                      }).medianMs);
  }
  std::sort(choices.begin(), choices.end());
  bench::Report("main window: key menu choice until redrawn", bench::Timing{choices[choices.size() / 2], choices.front()},
                "layer switch", layerSwitch);

  CSinglekeyDlg& editor = window.SingleKeyDialog();
  const auto singleKey = bench::Measure(20, [&] {
    Click(window.GetHwnd(), window.Keyboard().KeyWindow(10));
    window.SendMessage(wm::kMenuChoice, 0, app::MenuValue(catalogue::Category::SingleKey, 0));
    ::UpdateWindow(editor.GetHwnd());
    Click(editor.GetHwnd(), editor.GetButton(CSinglekeyDlg::kCancel).GetHwnd());
    PumpPending();
  });
  bench::Report("single-key editor: opened, painted, closed", singleKey, bareName, bare);
  CMouseDlg& mouse = window.MouseDialog();
  const auto mouseEditor = bench::Measure(20, [&] {
    Click(window.GetHwnd(), window.Keyboard().KeyWindow(10));
    window.SendMessage(wm::kMenuChoice, 0, app::MenuValue(catalogue::Category::Mouse, 0));
    ::UpdateWindow(mouse.GetHwnd());
    Click(mouse.GetHwnd(), mouse.GetButton(CMouseDlg::kCancel).GetHwnd());
    PumpPending();
  });
  bench::Report("mouse editor: opened, painted, closed", mouseEditor, bareName, bare);
  bench::Report("launch dialog: opened to first paint",
                OpenToFirstPaint<CLaunchProgram>([] { return std::make_unique<CLaunchProgram>(); }), bareName, bare);
  bench::Report("profile switch dialog: opened to first paint",
                OpenToFirstPaint<CSwitchProfile>([] { return std::make_unique<CSwitchProfile>(0); }), bareName, bare);

  const auto slide = bench::Measure(5, [&] {
    Click(window.GetHwnd(), window.GetButton(COsselSettingDlg::kReference).GetHwnd());
    window.SendMessage(wm::kFromPanel, wm::kClosed, 0);
    PumpPending();
  });
  bench::Report("main window: panel slid out and back in (92 frames)", slide, bareName, bare);
  window.DestroyWindow();
  return 0;
}
