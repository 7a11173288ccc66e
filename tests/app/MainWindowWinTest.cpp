// The main window for real under Wine: created from its template with the shipped texts and skin beside
// the test program, an in-memory registry and a recording companion, and driven by messages and clicks.
#include "tests/app/MainWindowFixture.h"

namespace {

using namespace apptest;

TEST_F(MainWindow, OpensAtTheCornerWithItsTitleAndAnnouncesItself) {
  Open();
  const RECT rect = window->GetWindowRect();
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_GT(rect.right, 1054);  // the close button's right edge lies inside
  EXPECT_EQ(window->GetWindowText(), L"TrelmVantoria Keyboard Settings");
  ASSERT_FALSE(messenger.posted.empty());
  EXPECT_EQ(messenger.posted[0],
            (PostedMessage{1538, reinterpret_cast<std::uintptr_t>(window->GetHwnd()), 0}));
  EXPECT_TRUE(registry.writes().empty());  // loading writes nothing
  EXPECT_EQ(window->ProfileLabel(), L"Profile 01    ");
}

TEST_F(MainWindow, AssignedKeysOfTheLayerShownCarryTheirLabels) {
  Open();
  EXPECT_EQ(window->LayerShown(), 0);
  EXPECT_EQ(Tooltip(0), L"F1");
  EXPECT_EQ(Tooltip(1), L"");  // kind 73 is marked but has no text
  EXPECT_EQ(Tooltip(2), L"");
  EXPECT_EQ(window->GetButton(COsselSettingDlg::kLayer1).checked, 1);

  Press(COsselSettingDlg::kLayer2);
  EXPECT_EQ(window->LayerShown(), 1);
  EXPECT_EQ(window->GetButton(COsselSettingDlg::kLayer1).checked, 0);
  EXPECT_EQ(window->GetButton(COsselSettingDlg::kLayer2).checked, 1);
  EXPECT_EQ(settings->profiles[0].Keymap, 1u);
  EXPECT_EQ(Tooltip(0), L"");
  EXPECT_EQ(Tooltip(2), L"Mute");
}

TEST_F(MainWindow, AMenuChoiceWritesTheRecordButSavesNothing) {
  Open();
  const HWND key10 = window->Keyboard().KeyWindow(10);
  Press(key10);
  ASSERT_TRUE(window->IsMenuOpen());
  EXPECT_EQ(window->KeyBeingEdited(), 10);

  window->SendMessage(wm::kMenuChoice, 5 * 65536 + 4, 6 * 65536 + 39);  // MEDIA, MUTE
  EXPECT_FALSE(window->IsMenuOpen());
  EXPECT_EQ(window->KeyBeingEdited(), -1);
  const store::KeyRecord& record = RecordOf(0, 0, 10);
  EXPECT_EQ(record.FunctionKind, 39);
  EXPECT_TRUE(std::all_of(record.bytes + 1, record.bytes + store::kKeyRecordSize, [](auto b) { return b == 0; }));
  EXPECT_EQ(Tooltip(10), L"Mute");
  EXPECT_TRUE(registry.writes().empty());

  Press(COsselSettingDlg::kApply);
  EXPECT_EQ(registry.writes().size(), 3379u);
  EXPECT_EQ(messenger.posted.back(), (PostedMessage{1537, 7, 0}));
}

TEST_F(MainWindow, ChoicesThatAreNotOfThisMenuChangeNothing) {
  Open();
  Press(window->Keyboard().KeyWindow(0));
  window->SendMessage(wm::kMenuChoice, 0, 6 * 65536 + 49);  // an internet kind under media
  EXPECT_EQ(RecordOf(0, 0, 0).FunctionKind, 1);
  EXPECT_EQ(window->KeyBeingEdited(), -1);
  window->SendMessage(wm::kMenuChoice, 0, 10 * 65536);  // no key is being edited now
  EXPECT_EQ(RecordOf(0, 0, 0).FunctionKind, 1);
}

TEST_F(MainWindow, ResetAndDisableFromTheMenuAndTheEnterKeyLooks) {
  Open();
  Press(window->Keyboard().KeyWindow(0));
  window->SendMessage(wm::kMenuChoice, 9 * 65536, 0);  // RESET
  EXPECT_EQ(RecordOf(0, 0, 0).FunctionKind, 0);
  EXPECT_EQ(Tooltip(0), L"");

  const auto& enter = window->Keyboard().EnterKey();
  Press(enter.GetHwnd());
  EXPECT_EQ(window->KeyBeingEdited(), 51);
  EXPECT_NE(enter.GetFile(0).find(L"layer1_enter_down.bmp"), std::wstring::npos) << "pressed while edited";
  window->SendMessage(wm::kMenuChoice, 10 * 65536, 10 * 65536);  // DISABLE
  EXPECT_EQ(RecordOf(0, 0, 51).FunctionKind, 10);
  EXPECT_NE(enter.GetFile(0).find(L"layer1_enter_selected.bmp"), std::wstring::npos);
  Press(COsselSettingDlg::kLayer3);
  EXPECT_NE(enter.GetFile(0).find(L"layer3_enter_normal.bmp"), std::wstring::npos);
}

TEST_F(MainWindow, OpeningASecondMenuReturnsTheFirstKey) {
  Open();
  Press(window->Keyboard().KeyWindow(3));
  Press(window->Keyboard().KeyWindow(4));
  EXPECT_EQ(window->KeyBeingEdited(), 4);
  EXPECT_TRUE(window->IsMenuOpen());
  window->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(1000, 150));  // the background closes it
  EXPECT_FALSE(window->IsMenuOpen());
  EXPECT_EQ(window->KeyBeingEdited(), -1);
}

TEST_F(MainWindow, TheCompanionSwitchesProfileAndLayerWithoutASave) {
  Open();
  window->SendMessage(wm::kCompanionSettingsOrProfile, 3, 1);
  EXPECT_EQ(settings->header.ProfileCurrent, 3u);
  EXPECT_EQ(window->LayerShown(), 1);
  EXPECT_EQ(settings->profiles[3].Keymap, 1u);
  EXPECT_EQ(window->ProfileLabel(), L"Profile 04    ");

  window->SendMessage(wm::kCompanionSettingsOrProfile, 12, static_cast<LPARAM>(-1));
  EXPECT_EQ(settings->header.ProfileCurrent, 3u);
  EXPECT_EQ(window->LayerShown(), 1);
  window->SendMessage(wm::kCompanionSettingsOrProfile, 0, 7);  // no such layer
  EXPECT_EQ(settings->header.ProfileCurrent, 0u);
  EXPECT_EQ(window->LayerShown(), 0);
  EXPECT_TRUE(registry.writes().empty());
}

TEST_F(MainWindow, ResetLayerAsksFirstAndTouchesOnlyTheLayerShown) {
  Open();
  WarningAnswer::Arm(IDCANCEL);
  Press(COsselSettingDlg::kReset);
  EXPECT_EQ(WarningAnswer::seenFirstLine, L"All key assignments of the layer shown will be cleared.");
  EXPECT_EQ(RecordOf(0, 0, 0).FunctionKind, 1);

  WarningAnswer::Arm(IDOK);
  Press(COsselSettingDlg::kReset);
  EXPECT_EQ(RecordOf(0, 0, 0).FunctionKind, 0);
  EXPECT_EQ(RecordOf(0, 1, 2).FunctionKind, 39);
  EXPECT_TRUE(registry.writes().empty());
}

TEST_F(MainWindow, AFailedSaveIsToldAndOkThenKeepsTheWindowOpen) {
  Open();
  registry.allowWrite = [](const platform::MemoryRegistry::Write& w) { return w.name != u"Layer2Button100"; };
  WarningAnswer::Arm(IDOK);
  Press(COsselSettingDlg::kOk);
  EXPECT_EQ(WarningAnswer::seenFirstLine, L"Your settings could not all be stored.");
  fwtest::PumpFor(100);
  EXPECT_TRUE(window->IsWindow());
  EXPECT_EQ(messenger.posted.back(), (PostedMessage{1537, 7, 0}));  // what did reach the registry is announced
}

// Writes that start failing part-way through a save (a full disk, a key taken away): APPLY and OK both tell
// it and keep the window, and a second APPLY once the cause is gone stores every value.
TEST_F(MainWindow, ASaveFailingPartWayIsToldKeepsTheWindowAndASecondApplyStoresEverything) {
  const int failFrom[] = {0, 1, 9, 400, store::kValuesWritten - 1};
  for (const auto button : {COsselSettingDlg::kApply, COsselSettingDlg::kOk}) {
    for (const int n : failFrom) {
      SCOPED_TRACE(testing::Message() << (button == COsselSettingDlg::kOk ? "OK" : "APPLY") << " failing from write " << n);
      Open();
      window->SendMessage(wm::kCompanionSettingsOrProfile, 9, 2);  // the last profile and layer, changed
      RecordOf(9, 2, 109).FunctionKind = 39;
      int attempts = 0;
      registry.allowWrite = [&](const platform::MemoryRegistry::Write&) { return attempts++ < n; };
      registry.ClearWrites();
      WarningAnswer::Arm(IDOK);
      Press(button);
      EXPECT_EQ(WarningAnswer::seenFirstLine, L"Your settings could not all be stored.");
      EXPECT_EQ(registry.writes().size(), static_cast<std::size_t>(n));
      fwtest::PumpFor(50);
      ASSERT_TRUE(window->IsWindow());

      registry.allowWrite = nullptr;
      registry.ClearWrites();
      const UINT_PTR timer = WarningAnswer::Arm(IDOK);
      Press(COsselSettingDlg::kApply);
      ::KillTimer(nullptr, timer);
      EXPECT_TRUE(WarningAnswer::seenFirstLine.empty()) << "no notice once the writes succeed";
      EXPECT_EQ(registry.writes().size(), static_cast<std::size_t>(store::kValuesWritten));
      const auto* last = registry.Get(store::ProfileKeyPath(9), u"Layer2Button109");
      ASSERT_NE(last, nullptr);
      EXPECT_EQ(last->size(), store::kKeyRecordSize);
      EXPECT_EQ((*last)[0], 39);
      EXPECT_EQ(registry.Get(store::kSettingsKeyPath, u"ProfileCurrent")->at(0), 9);
      window->DestroyWindow();
      window.reset();
    }
  }
}

TEST_F(MainWindow, EnterAndEscapeAreSwallowed) {
  Open();
  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    MSG msg{window->GetHwnd(), WM_KEYDOWN, key, 0};
    EXPECT_TRUE(WalkPreTranslateTree(msg));
  }
}

TEST_F(MainWindow, ClosingAnnouncesItLastAndKeyMenusLeaveNothingBehind) {
  Open();
  auto cycle = [&](int i) {
    Press(window->Keyboard().KeyWindow(i % 100));
    window->SendMessage(wm::kMenuChoice, 0, (i % 2 ? 10 : 0) * 65536);
  };
  for (int i = 0; i < 100; ++i) cycle(i);  // the first label of a key creates its tooltip, kept with the key
  const long handles = win::LiveHandleCount();
  const int windows = fwtest::ThreadWindowCount();
  for (int i = 0; i < 100; ++i) cycle(i);
  EXPECT_EQ(fwtest::ThreadWindowCount(), windows);
  EXPECT_EQ(win::LiveHandleCount(), handles);

  window->DestroyWindow();
  EXPECT_EQ(messenger.posted.back(), (PostedMessage{1538, 0, 0}));
}

}  // namespace
