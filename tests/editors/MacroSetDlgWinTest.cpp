// The macro editor for real under Wine, with the shipped texts and skin: real clicks on its buttons,
// lines, menus and mouse pictures. A stand-in window titled like the main window records what the
// editor sends it. The hook library is not beside the test: keys arrive as it delivers them, as
// message 1034.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "editors/MacroSetDlg.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Text.h"
#include "strings/StringKeys.h"
#include "tests/framework/TestSupport.h"

namespace {

using D = CMacroSetDlg;
using store::MacroEvent;

constexpr POINT kAt{100, 100};
constexpr int kLine = CListBoxEx::kLineHeight;
constexpr std::uint8_t kPause = 0xFF;

// What the stand-in main window found when a 1552 arrived.
struct Seen {
  WPARAM code;
  bool closeQueued;  // the editor's close was already on its way: this message was not waited for
  bool editorVisible;
  store::KeyRecord record;
};

store::KeyRecord Macro(const std::vector<MacroEvent>& events, std::int32_t delayMode = 1) {
  store::KeyRecord record{};
  record.FunctionKind = store::kind::kMacro;
  record.macro.DelayMode = delayMode;
  record.macro.EventCount = static_cast<std::uint16_t>(events.size());
  std::copy(events.begin(), events.end(), record.macro.Events);
  return record;
}

// [A press, pause 4, A release, pause 3, B press]
const std::vector<MacroEvent> kFive{{'A', 0}, {kPause, 4}, {'A', 1}, {kPause, 3}, {'B', 0}};

using Events = std::vector<std::pair<int, int>>;  // code, value
Events EventsOf(const D& editor) {
  Events events;
  for (int i = 0; i < editor.Model().EventCount(); ++i)
    events.emplace_back(editor.Model().Event(i).code, editor.Model().Event(i).value);
  return events;
}

class MacroSetDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fwtest::MoveAway();
    main = std::make_unique<fwtest::StandInMainWindow>();
    main->onMessage = [this](const fwtest::StandInMainWindow::Received& r) {
      if (r.msg != wm::kFromMacro) return;
      MSG queued;
      const bool closeQueued =
          ::PeekMessageW(&queued, main->GetHwnd(), wm::kFromMacro, wm::kFromMacro, PM_NOREMOVE) &&
          queued.wParam == wm::kClosed;
      seen.push_back({r.code, closeQueued, editor.IsWindowVisible(), editor.EditedRecord()});
    };
    ASSERT_TRUE(editor.Create(main->GetHwnd()));
    editor.SetWindowPos(nullptr, kAt.x, kAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void TearDown() override {
    editor.DestroyWindow();
    main.reset();
  }

  void Show(const store::KeyRecord& record, std::uint32_t language = 0) {
    editor.Open(record, language);
    editor.ShowWindow(SW_SHOW);
    ::SetForegroundWindow(editor.GetHwnd());
    ::SetActiveWindow(editor.GetHwnd());
    fwtest::PumpFor(50);
  }
  void Click(D::Button button) {
    fwtest::ClickCentre(editor.GetButton(button).GetHwnd());
    fwtest::PumpFor(30);
  }
  // Clicks line `index`, which must be in view; one click left, the next right of the middle, so that two
  // clicks on one line are never a double click.
  void ClickLine(int index) {
    const int row = index - editor.List().GetTopIndex();
    fwtest::ClickAt(editor.List().GetHwnd(), {(m_lineClicks++ % 2) ? 30 : 120, row * kLine + kLine / 2});
    fwtest::MoveAway();
  }
  void ClickMouse(D::MouseButton button) {
    fwtest::ClickCentre(editor.GetMouseButton(button).GetHwnd());
    fwtest::MoveAway();
  }
  void Key(WPARAM code, bool release) {
    editor.PostMessage(wm::kKeyEvent, code, release ? wm::kKeyReleased : 0);
    fwtest::PumpFor(10);
  }
  std::vector<int> Selected() { return editor.List().GetSelItems(); }
  // The list always shows exactly the events, line by line.
  void ExpectLinesMirrorEvents() {
    ASSERT_EQ(editor.List().GetCount(), editor.Model().EventCount());
    for (int i = 0; i < editor.List().GetCount(); ++i)
      EXPECT_EQ(editor.List().GetLineText(i), win::Wide(editor.Model().LineText(i))) << "line " << i;
  }
  std::wstring Caption(D::Button button) { return editor.GetButton(button).GetCaption(); }

  int Count(WPARAM code) const {
    return static_cast<int>(std::count_if(seen.begin(), seen.end(), [&](const Seen& s) { return s.code == code; }));
  }

  D editor;
  std::unique_ptr<fwtest::StandInMainWindow> main;
  std::vector<Seen> seen;
  int m_lineClicks = 0;
};

TEST_F(MacroSetDlgTest, OpenShowsTheRecordAndOnlyItsButtonsAndTheCloseCommandEndIt) {
  store::KeyRecord record = Macro(kFive);
  record.macro.RepeatMode = 1;
  record.macro.IntervalOn = 1;
  record.macro.IntervalIndex = 2;
  record.macro.RepeatCountIndex = 6;
  Show(record, 1);

  const RECT window = editor.GetWindowRect();
  EXPECT_EQ(window.right - window.left, 592);  // its skin's size
  EXPECT_EQ(window.bottom - window.top, 288);
  EXPECT_FALSE(editor.GetMouseButton(D::kLeftButton).IsWindowEnabled()) << "not recording";
  ExpectLinesMirrorEvents();
  EXPECT_EQ(Caption(D::kPauseAmount), L"50ms");
  EXPECT_EQ(Caption(D::kDelayMode), win::Wide(strings::LookUpString(strings::kMacroAuto)));
  EXPECT_EQ(Caption(D::kRepeatCount), L"7");
  EXPECT_EQ(Caption(D::kInterval), L"1600ms");
  EXPECT_EQ(editor.GetButton(D::kRepeatOption2).GetChecked(), 1);
  EXPECT_EQ(editor.GetButton(D::kRepeatOption1).GetChecked() + editor.GetButton(D::kRepeatOption3).GetChecked(), 0);
  EXPECT_FALSE(editor.GetButton(D::kRepeatCount).IsWindowEnabled()) << "the count is for repeat option 1 only";
  EXPECT_EQ(editor.GetButton(D::kIntervalSwitch).GetChecked(), 1);
  EXPECT_TRUE(editor.GetButton(D::kInterval).IsWindowEnabled());
  for (D::Button b : {D::kOk, D::kCancel, D::kPauseAmount, D::kDelayMode, D::kRepeatCount, D::kInterval})
    EXPECT_EQ(editor.GetButton(b).fontHeight, 14) << "Language 1 writes smaller captions";

  // The options and the switch.
  Click(D::kRepeatOption1);
  EXPECT_EQ(editor.EditedRecord().macro.RepeatMode, 0);
  EXPECT_EQ(editor.GetButton(D::kRepeatOption1).GetChecked() + editor.GetButton(D::kRepeatOption2).GetChecked(), 1);
  EXPECT_TRUE(editor.GetButton(D::kRepeatCount).IsWindowEnabled());
  Click(D::kIntervalSwitch);
  EXPECT_EQ(editor.EditedRecord().macro.IntervalOn, 0);
  EXPECT_FALSE(editor.GetButton(D::kInterval).IsWindowEnabled());

  // Enter, Esc and the arrow keys do nothing; the close command is Cancel.
  ClickLine(0);
  for (WORD key : {VK_RETURN, VK_ESCAPE, VK_DOWN, VK_SPACE}) fwtest::PressKey(key);
  fwtest::PumpFor(100);
  EXPECT_TRUE(editor.IsWindowVisible());
  EXPECT_EQ(Selected(), (std::vector<int>{0}));
  EXPECT_TRUE(seen.empty());
  editor.PostMessage(WM_CLOSE);
  ASSERT_TRUE(fwtest::PumpUntil([&] { return Count(wm::kClosed) == 1; }));
  EXPECT_FALSE(editor.IsWindowVisible());
  EXPECT_EQ(Count(wm::kApply), 0);

  // Shown again for another key with Language 0: the captions are back to their size. Stored settings
  // outside the offered ones show no option chosen and no caption.
  store::KeyRecord odd = Macro({}, 3);
  odd.macro.RepeatMode = 5;
  odd.macro.IntervalIndex = 7;
  odd.macro.RepeatCountIndex = INT32_MAX;
  Show(odd, 0);
  EXPECT_EQ(editor.GetButton(D::kOk).fontHeight, 16);
  EXPECT_EQ(editor.List().GetCount(), 0);
  for (D::Button b : {D::kRepeatOption1, D::kRepeatOption2, D::kRepeatOption3})
    EXPECT_EQ(editor.GetButton(b).GetChecked(), 0) << b;
  for (D::Button b : {D::kDelayMode, D::kRepeatCount, D::kInterval}) EXPECT_EQ(Caption(b), L"") << b;
}

TEST_F(MacroSetDlgTest, LinesAreSelectedByClicksAndTheEditingButtonsActOnThem) {
  Show(Macro(kFive));
  ClickLine(1);
  ClickLine(2);
  EXPECT_EQ(Selected(), (std::vector<int>{1, 2}));
  ClickLine(1);
  EXPECT_EQ(Selected(), (std::vector<int>{2})) << "a click toggles its line";
  ClickLine(1);

  Click(D::kUp);  // a block of two moves up one place
  EXPECT_EQ(EventsOf(editor), (Events{{kPause, 4}, {'A', 1}, {'A', 0}, {kPause, 3}, {'B', 0}}));
  EXPECT_EQ(Selected(), (std::vector<int>{0, 1}));
  ExpectLinesMirrorEvents();
  Click(D::kUp);  // the first line is selected: nothing moves
  EXPECT_EQ(EventsOf(editor), (Events{{kPause, 4}, {'A', 1}, {'A', 0}, {kPause, 3}, {'B', 0}}));
  Click(D::kDown);
  Click(D::kDown);
  Click(D::kDown);
  EXPECT_EQ(EventsOf(editor), (Events{{'A', 0}, {kPause, 3}, {'B', 0}, {kPause, 4}, {'A', 1}}));
  EXPECT_EQ(Selected(), (std::vector<int>{3, 4}));
  ExpectLinesMirrorEvents();
  Click(D::kDown);  // the last line is selected: nothing moves
  EXPECT_EQ(Selected(), (std::vector<int>{3, 4}));

  Click(D::kCopy);  // the copies come up selected at the end, the sources not
  EXPECT_EQ(EventsOf(editor),
            (Events{{'A', 0}, {kPause, 3}, {'B', 0}, {kPause, 4}, {'A', 1}, {kPause, 4}, {'A', 1}}));
  EXPECT_EQ(Selected(), (std::vector<int>{5, 6}));
  ExpectLinesMirrorEvents();

  Click(D::kSelectAll);
  EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
  Click(D::kSelectAll);
  EXPECT_TRUE(Selected().empty());
  Click(D::kSelectPauses);
  EXPECT_EQ(Selected(), (std::vector<int>{1, 3, 5}));
  ClickLine(2);
  Click(D::kSelectPauses);  // pauses off again; the key line keeps its selection
  EXPECT_EQ(Selected(), (std::vector<int>{2}));

  Click(D::kDelete);  // B press goes, and the pause after it
  EXPECT_EQ(EventsOf(editor), (Events{{'A', 0}, {kPause, 3}, {'A', 1}, {kPause, 4}, {'A', 1}}));
  EXPECT_EQ(Selected(), (std::vector<int>{2})) << "the line now at the deleted index";
  ExpectLinesMirrorEvents();
  ClickLine(2);
  ClickLine(3);
  Click(D::kDelete);  // a pause after a key stays as 0 ms and stays selected
  EXPECT_EQ(EventsOf(editor), (Events{{'A', 0}, {kPause, 3}, {'A', 1}, {kPause, 0}, {'A', 1}}));
  EXPECT_EQ(Selected(), (std::vector<int>{3}));
  ExpectLinesMirrorEvents();

  Click(D::kAddPause);  // one pause selected: it grows by the pause amount
  EXPECT_EQ(editor.Model().Event(3).value, 1);
  EXPECT_EQ(Selected(), (std::vector<int>{3}));
  ExpectLinesMirrorEvents();
  ClickLine(3);
  ClickLine(4);
  Click(D::kAddPause);  // after the last key: a new pause line
  EXPECT_EQ(EventsOf(editor), (Events{{'A', 0}, {kPause, 3}, {'A', 1}, {kPause, 1}, {'A', 1}, {kPause, 1}}));
  ExpectLinesMirrorEvents();

  ClickLine(0);
  Click(D::kAddPause);  // two lines selected: the main window is asked for its notice, every time
  Click(D::kAddPause);
  ASSERT_TRUE(fwtest::PumpUntil([&] { return Count(wm::kNoticeSelectOneLine) == 2; }));
  EXPECT_EQ(editor.Model().EventCount(), 6);
}

TEST_F(MacroSetDlgTest, EachChoiceMenuOpensBelowItsButtonAndItsChoiceIsStored) {
  Show(Macro(kFive, 1));
  struct Case {
    D::Button button;
    D::Menu menu;
    int entries, choose;
    const wchar_t* caption;
    std::int32_t store::MacroView::*field;  // null: the pause amount, which is not stored
    std::int32_t stored;
  };
  const std::wstring ignore = win::Wide(strings::LookUpString(strings::kMacroIgnore));
  const Case cases[] = {
      {D::kPauseAmount, D::kPauseMenu, 4, 3, L"200ms", nullptr, 4},
      {D::kRepeatCount, D::kCountMenu, 10, 9, L"10", &store::MacroView::RepeatCountIndex, 9},
      {D::kInterval, D::kIntervalMenu, 4, 1, L"800ms", &store::MacroView::IntervalIndex, 1},
      {D::kDelayMode, D::kDelayMenu, 2, 0, ignore.c_str(), &store::MacroView::DelayMode, 0},
  };
  Click(D::kIntervalSwitch);  // the interval choice is offered only while the switch is on
  for (const Case& c : cases) {
    Click(c.button);
    ASSERT_EQ(editor.OpenMenu(), c.menu);
    skin::CBmpMenu& menu = *editor.MenuWindow();
    ASSERT_EQ(menu.EntryCount(), c.entries);
    const RECT anchor = editor.GetButton(c.button).GetWindowRect();
    const RECT opened = menu.GetWindowRect();
    EXPECT_EQ(opened.left, anchor.left) << c.menu;
    EXPECT_EQ(opened.top, anchor.bottom + 1) << c.menu;
    fwtest::ClickCentre(menu.Entry(c.choose).GetHwnd());
    ASSERT_TRUE(fwtest::PumpUntil([&] { return editor.OpenMenu() == D::kNoMenu; })) << c.menu;
    fwtest::MoveAway();
    EXPECT_EQ(Caption(c.button), c.caption);
    const std::int32_t stored = c.field ? editor.EditedRecord().macro.*c.field : editor.PauseAmount();
    EXPECT_EQ(stored, c.stored) << c.menu;
  }
  EXPECT_FALSE(editor.GetButton(D::kAddPause).IsWindowEnabled()) << "pauses are ignored";
  Click(D::kRecord);
  Click(D::kStop);
  EXPECT_TRUE(editor.GetButton(D::kAddPause).IsWindowEnabled()) << "a stopped recording enables every editing button";

  // A press on the editor's surface closes an open menu, as does any button.
  const int windows = fwtest::ThreadWindowCount();
  Click(D::kRepeatCount);
  ASSERT_EQ(editor.OpenMenu(), D::kCountMenu);
  fwtest::ClickAt(editor.GetHwnd(), {100, 260});
  EXPECT_TRUE(fwtest::PumpUntil([&] { return editor.OpenMenu() == D::kNoMenu && !editor.MenuWindow(); }));
  Click(D::kDelayMode);
  EXPECT_EQ(fwtest::ThreadWindowCount(), windows + 1);
  editor.SendMessage(WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_EQ(editor.OpenMenu(), D::kDelayMenu);
  editor.SendMessage(WM_ACTIVATEAPP, FALSE, 0);  // another program comes to the front: no menu floats over it
  EXPECT_TRUE(fwtest::PumpUntil([&] { return editor.OpenMenu() == D::kNoMenu && !editor.MenuWindow(); }));
  Click(D::kDelayMode);
  Click(D::kCancel);
  EXPECT_EQ(editor.OpenMenu(), D::kNoMenu);
  EXPECT_EQ(fwtest::ThreadWindowCount(), windows) << "no menu window is left behind";
}

TEST_F(MacroSetDlgTest, RecordingTakesKeysAndMouseButtonsOnlyWhileItRunsAndKeepsLinesUnselected) {
  Show(Macro(kFive, 0));
  Key('Q', false);  // not recording yet
  EXPECT_EQ(editor.Model().EventCount(), 5);
  ClickLine(0);

  Click(D::kRecord);
  EXPECT_TRUE(editor.IsRecording());
  EXPECT_EQ(editor.GetButton(D::kRecord).GetChecked(), 1);
  EXPECT_EQ(editor.List().GetCount(), 0) << "a recording starts from an empty list";
  EXPECT_EQ(editor.Model().EventCount(), 0);
  EXPECT_EQ(::GetFocus(), editor.List().GetHwnd());
  for (D::Button b : {D::kUp, D::kDown, D::kCopy, D::kAddPause, D::kDelete, D::kDelayMode})
    EXPECT_FALSE(editor.GetButton(b).IsWindowEnabled()) << b;

  Key('A', false);
  Key('A', false);  // a held key repeats its press: recorded once
  Key('A', false);
  Key('A', true);
  ClickMouse(D::kLeftButton);
  EXPECT_EQ(editor.GetMouseButton(D::kLeftButton).GetChecked(), 1) << "pressed until clicked again";
  ClickMouse(D::kLeftButton);
  ClickMouse(D::kMiddleButton);
  EXPECT_EQ(EventsOf(editor), (Events{{'A', 0}, {'A', 1}, {0x01, 0}, {0x01, 1}, {0x04, 0}}));
  ExpectLinesMirrorEvents();

  ClickLine(1);  // the guard keeps every line unselected while recording
  ClickLine(3);
  EXPECT_TRUE(Selected().empty());

  editor.ShowWindow(SW_HIDE);  // keys for a hidden editor are not its own
  Key('Z', false);
  editor.ShowWindow(SW_SHOW);
  fwtest::PumpFor(50);
  EXPECT_EQ(editor.Model().EventCount(), 5);

  Click(D::kStop);
  EXPECT_FALSE(editor.IsRecording());
  EXPECT_EQ(editor.GetMouseButton(D::kMiddleButton).GetChecked(), 0);
  EXPECT_FALSE(editor.GetMouseButton(D::kMiddleButton).IsWindowEnabled());
  Key('B', false);
  EXPECT_EQ(editor.Model().EventCount(), 5);
  ClickLine(1);
  EXPECT_EQ(Selected(), (std::vector<int>{1})) << "lines are selectable again";

  // A long recording keeps its newest line in view.
  Click(D::kRecord);
  for (int i = 0; i < 30; ++i) Key('A' + i % 26, i % 2 == 1);
  ASSERT_EQ(editor.List().GetCount(), 30);
  EXPECT_GT(editor.List().GetTopIndex(), 0);
  EXPECT_GE(editor.List().GetTopIndex() + editor.List().GetClientRect().bottom / kLine, 29);
}

TEST_F(MacroSetDlgTest, OkHandsTheRecordBackWhileHiddenAndKeepsOtherKindsData) {
  store::KeyRecord launch{};
  launch.FunctionKind = store::kind::kLaunchProgram;
  store::CopyTerminated(launch.launch.ProgramPath, store::kPathCapacity, u"C:\\Games\\quest.exe");
  store::CopyTerminated(launch.launch.ShortcutName, store::kPathCapacity, u"Quest");
  for (std::size_t i = 1578; i < store::kKeyRecordSize; ++i) launch.bytes[i] = static_cast<std::uint8_t>(i);
  Show(launch);
  EXPECT_EQ(editor.List().GetCount(), 0);
  EXPECT_EQ(Caption(D::kDelayMode), win::Wide(strings::LookUpString(strings::kMacroIgnore)));
  EXPECT_EQ(Caption(D::kRepeatCount), L"1");
  EXPECT_EQ(Caption(D::kInterval), L"200ms");
  EXPECT_EQ(editor.GetButton(D::kRepeatOption1).GetChecked(), 1);

  Click(D::kRecord);
  Key('K', false);
  Key('K', true);
  Click(D::kOk);
  ASSERT_TRUE(fwtest::PumpUntil([&] { return seen.size() == 2; }));
  const auto& apply = seen[0];
  EXPECT_EQ(apply.code, wm::kApply);
  EXPECT_FALSE(apply.closeQueued) << "the editor waits until the main window has stored the record";
  EXPECT_FALSE(apply.editorVisible);
  EXPECT_EQ(apply.record.macro.EventCount, 2);
  EXPECT_EQ(0, std::memcmp(apply.record.bytes + 538, launch.bytes + 538, store::kKeyRecordSize - 538));
  EXPECT_EQ(seen[1].code, wm::kClosed);
  EXPECT_FALSE(editor.IsWindowVisible());

  // Cancel only says it closed.
  seen.clear();
  Show(Macro(kFive));
  Click(D::kCancel);
  ASSERT_TRUE(fwtest::PumpUntil([&] { return !seen.empty(); }));
  fwtest::PumpFor(50);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].code, wm::kClosed);
}

TEST_F(MacroSetDlgTest, AFullMacroWarnsOnceUntilAnEventIsRemoved) {
  std::vector<MacroEvent> full;
  for (int i = 0; i < 256; ++i) full.push_back({static_cast<std::uint8_t>('A' + i % 26), static_cast<std::uint8_t>(i % 2)});
  Show(Macro(full, 0));
  const auto warnings = [&] {
    fwtest::PumpFor(50);
    return Count(wm::kNoticeMacroFull);
  };
  ClickLine(0);
  Click(D::kCopy);
  EXPECT_EQ(warnings(), 1);
  Click(D::kCopy);
  Click(D::kAddPause);
  EXPECT_EQ(warnings(), 1) << "warned once already";
  EXPECT_EQ(editor.Model().EventCount(), 256);

  Click(D::kDelete);
  EXPECT_EQ(editor.Model().EventCount(), 255);
  EXPECT_EQ(Selected(), (std::vector<int>{0}));
  Click(D::kCopy);  // 255 + 1 would make 256: refused, and warned again after the removal
  EXPECT_EQ(warnings(), 2);
  EXPECT_EQ(editor.Model().EventCount(), 255);

  // Recording up to the limit: the 257th key is refused, with one warning.
  Click(D::kRecord);
  for (int i = 0; i < 256; ++i) editor.PostMessage(wm::kKeyEvent, 'A' + i % 26, i % 2 ? wm::kKeyReleased : 0);
  ASSERT_TRUE(fwtest::PumpUntil([&] { return editor.Model().EventCount() == 256; }));
  EXPECT_EQ(warnings(), 2);
  Key('X', false);
  Key('Y', false);
  ClickMouse(D::kRightButton);
  EXPECT_EQ(warnings(), 3);
  EXPECT_EQ(editor.Model().EventCount(), 256);
  EXPECT_EQ(editor.List().GetCount(), 256);
  EXPECT_EQ(editor.GetMouseButton(D::kRightButton).GetChecked(), 0) << "the refused click pressed nothing";
}

}  // namespace
