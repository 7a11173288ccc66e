// Long use: every window and menu of the program opened and closed 500 times through the main window,
// the way a user's commands reach it, with the handles our owners hold and the thread's windows counted
// after every cycle; and a full macro recorded again and again through the hook's message.
// The full run (TRELM_LONG_USE=full, `make soak`) takes a quarter of an hour under Wine; `make test` runs
// ten cycles of each, enough to see a handle that a cycle keeps.
// Cycles are driven by messages, not by the pointer, so a cycle costs what its windows cost; every window
// still paints once per opening. Each row prints its time and counts.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/win32/Text.h"
#include "tests/app/WindowTour.h"

namespace {

using namespace apptest;

const bool kFull = std::getenv("TRELM_LONG_USE") && std::string_view(std::getenv("TRELM_LONG_USE")) == "full";
const int kCycles = kFull ? 500 : 10;
const int kRecordings = kFull ? 50 : 2;  // rounds alternate OK and Cancel

// What our owners hold and the windows the thread has. Counting child windows takes a while under Wine,
// so cycles count top-level windows and a row's end counts every window.
struct Counts {
  long gdi, user, other;
  int windows;
  bool operator==(const Counts&) const = default;
};
Counts Now(bool withChildren = false) {
  using win::HandleKind;
  return {win::LiveHandleCount(HandleKind::kGdi), win::LiveHandleCount(HandleKind::kUser),
          win::LiveHandleCount(HandleKind::kOther),
          withChildren ? fwtest::ThreadWindowCountWithChildren() : fwtest::ThreadWindowCount()};
}
std::string Show(const Counts& c) {
  return "GDI " + std::to_string(c.gdi) + ", USER " + std::to_string(c.user) + ", other " + std::to_string(c.other) +
         ", windows " + std::to_string(c.windows);
}

class LongUse : public WindowTour {
 protected:
  void SetUp() override {
    WindowTour::SetUp();
    Open();
  }
};

TEST_F(LongUse, EveryWindowOpenedAndClosedFiveHundredTimesLeavesNothingBehind) {
  for (const TourStop& row : kTourStops) {
    SCOPED_TRACE(row.name);
    if (row.panelOut) SlidePanelOut();
    (this->*row.cycle)(0);  // first use: windows created once and kept (editors, tooltips)
    const Counts start = Now(), startAll = Now(true);
    const auto began = std::chrono::steady_clock::now();
    for (int i = 1; i <= kCycles && !HasFatalFailure(); ++i) {
      (this->*row.cycle)(i);
      if (const Counts now = Now(); now != start) {
        ADD_FAILURE() << "cycle " << i << ": " << Show(now) << " instead of " << Show(start);
        break;
      }
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - began);
    EXPECT_EQ(Now(true), startAll) << Show(Now(true)) << " instead of " << Show(startAll);
    std::printf("[ long use ] %-36s %d cycles in %6lld ms; at start and end %s\n", row.name, kCycles,
                static_cast<long long>(ms.count()), Show(startAll).c_str());
    if (row.panelOut) SlidePanelIn();
    if (HasFatalFailure()) return;
  }
}

TEST_F(LongUse, AFullMacroRecordedFiftyTimesKeepsListModelAndHandlesInStep) {
  CMacroSetDlg& editor = window->MacroEditor();
  Counts start{};
  const auto began = std::chrono::steady_clock::now();
  for (int round = 0; round < kRecordings && !HasFatalFailure(); ++round) {
    SCOPED_TRACE(round);
    Choose(kSlot, Category::Macro);
    ASSERT_TRUE(editor.IsWindowVisible());
    Click(editor, CMacroSetDlg::kRecord);
    const HWND to = editor.GetHwnd();
    for (int event = 0; event < editors::kMacroCapacity; ++event)
      HookKey(to, 'A' + (event / 2 + round) % 26, event % 2 ? wm::kKeyReleased : 0);
    ASSERT_TRUE(fwtest::PumpUntil([&] { return editor.Model().EventCount() == editors::kMacroCapacity; }));
    actor.Arm<CWarningDlg>([](CWarningDlg& d) { Click(d, d.GetOkButton()); });
    HookKey(to, VK_F5);  // one too many: told once
    ASSERT_TRUE(fwtest::PumpUntil([&] { return actor.Done() && editor.IsWindowEnabled(); }));
    Click(editor, CMacroSetDlg::kStop);

    ASSERT_EQ(editor.List().GetCount(), editors::kMacroCapacity);
    for (int line = 0; line < editors::kMacroCapacity; ++line)
      ASSERT_EQ(editor.List().GetLineText(line), win::Wide(editor.Model().LineText(line))) << line;
    const bool ok = round % 2 == 0;
    CloseEditor(editor, ok ? 1 : 0);
    if (ok) {
      EXPECT_EQ(RecordOf(0, 0, kSlot).FunctionKind, store::kind::kMacro);
    }
    if (round == 0) start = Now(true);  // the first showing creates what the editor keeps
    ASSERT_EQ(Now(true), start) << Show(Now(true)) << " instead of " << Show(start);
  }
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - began);
  std::printf("[ long use ] macro recording: %d x 256 events in %lld ms; %s\n", kRecordings,
              static_cast<long long>(ms.count()), Show(start).c_str());
}

}  // namespace
