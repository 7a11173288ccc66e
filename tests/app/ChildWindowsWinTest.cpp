// The main window with its child windows: the editors opened from the key menu, applied and closed with
// real clicks on their buttons, the replace question, lifting near the screen's bottom, and the advanced
// settings panel sliding out and in. The hook library is not beside the test: key events are delivered
// the way it delivers them, as message 1034.
#include "app/ChildPlacement.h"
#include "app/MainWindowLogic.h"
#include "editors/LaunchProgram.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Text.h"
#include "profiles/SwitchProfile.h"
#include "skin/SkinImage.h"
#include "skin/SkinPaths.h"
#include "tests/app/MainWindowFixture.h"

namespace {

using namespace apptest;
using catalogue::Category;

constexpr POINT kSingleKeyOk{208, 109}, kSingleKeyCancel{319, 109};
constexpr POINT kMouseOk{203, 150}, kMouseCancel{315, 150};
constexpr POINT kMouseMiddle{192, 86}, kMouseWheelDown{192, 108};
constexpr POINT kPanelOk{312, 240};

class ChildWindows : public MainWindow {
 protected:
  // Clicks key `slot` and chooses `category` from its menu. The pointer leaves the last button it
  // clicked first, as a user's hand does on its way to the key.
  void Choose(int slot, Category category, int item = 0) {
    fwtest::MoveAway();
    Press(window->Keyboard().KeyWindow(slot));
    window->SendMessage(wm::kMenuChoice, 0, app::MenuValue(category, item));
  }
  void Key(HWND dialog, WPARAM key) {
    ::SendMessageW(dialog, wm::kKeyEvent, key, 0);
    ::SendMessageW(dialog, wm::kKeyEvent, key, wm::kKeyReleased);
  }
  bool MainEnabledAgain() {
    return fwtest::PumpUntil([&] { return window->IsWindowEnabled() && window->KeyBeingEdited() == -1; });
  }
  static RECT Rect(const CWnd& w) { return w.GetWindowRect(); }

  // Every save, with whether the editor's close had been handled by then.
  void WatchSaves() {
    messenger.onPost = [this](const PostedMessage& m) {
      if (m.message == wm::kCompanionSettingsOrProfile) keyAtSave.push_back(window->KeyBeingEdited());
    };
  }
  std::vector<int> keyAtSave;
};

TEST_F(ChildWindows, ACapturedKeyIsStoredAndSavedBeforeTheEditorCloses) {
  Open();
  WatchSaves();
  Choose(10, Category::SingleKey);
  CSinglekeyDlg& dialog = window->SingleKeyDialog();
  ASSERT_TRUE(dialog.IsWindowVisible());
  EXPECT_FALSE(window->IsWindowEnabled());
  EXPECT_EQ(Rect(dialog).left, app::kAttachedOffset.x);
  EXPECT_EQ(Rect(dialog).top, app::kAttachedOffset.y);

  window->SendMessage(WM_ACTIVATEAPP, FALSE, 0);  // switching to another program keeps the key
  Key(dialog.GetHwnd(), 'A');
  EXPECT_EQ(dialog.KeyText(), L"A");
  fwtest::ClickAt(dialog.GetHwnd(), kSingleKeyOk);
  ASSERT_TRUE(MainEnabledAgain());
  EXPECT_FALSE(dialog.IsWindowVisible());

  EXPECT_EQ(std::vector<std::uint8_t>(RecordOf(0, 0, 10).bytes, RecordOf(0, 0, 10).bytes + store::kKeyRecordSize),
            Record(1, 26, 0x41));
  EXPECT_EQ(registry.writes().size(), 3379u);  // saved without APPLY
  EXPECT_EQ(keyAtSave, (std::vector<int>{10}));  // the apply came before the close
}

TEST_F(ChildWindows, ASecondKeyAsksOnceAndLaterKeysReplaceSilently) {
  Open();
  Choose(7, Category::SingleKey);
  CSinglekeyDlg& dialog = window->SingleKeyDialog();
  Key(dialog.GetHwnd(), 'A');
  WarningAnswer::Arm(IDOK);
  Key(dialog.GetHwnd(), 'B');  // the question opens when the main window takes the request
  ASSERT_TRUE(fwtest::PumpUntil([&] { return !WarningAnswer::seenFirstLine.empty() && dialog.IsWindowEnabled(); }));
  EXPECT_EQ(WarningAnswer::seenFirstLine, L"A key has already been captured.");
  EXPECT_EQ(dialog.KeyText(), L"B");
  EXPECT_FALSE(window->IsWindowEnabled());

  WarningAnswer::seenFirstLine.clear();
  Key(dialog.GetHwnd(), 'C');
  fwtest::PumpFor(200);
  EXPECT_TRUE(WarningAnswer::seenFirstLine.empty());
  EXPECT_EQ(dialog.KeyText(), L"C");

  fwtest::ClickAt(dialog.GetHwnd(), kSingleKeyCancel);
  ASSERT_TRUE(MainEnabledAgain());
  EXPECT_EQ(RecordOf(0, 0, 7).FunctionKind, 0);  // Cancel stores nothing
  EXPECT_TRUE(registry.writes().empty());

  Choose(7, Category::SingleKey);  // showing again captures anew
  EXPECT_EQ(dialog.KeyText(), L"");
  EXPECT_EQ(dialog.CapturedKey(), 0);
  fwtest::ClickAt(dialog.GetHwnd(), kSingleKeyCancel);
  ASSERT_TRUE(MainEnabledAgain());
}

TEST_F(ChildWindows, TheMouseDialogStoresTheLastShapeChosenBeforeItHides) {
  Open();
  CMouseDlg& dialog = window->MouseDialog();
  messenger.onPost = [&](const PostedMessage& m) {
    if (m.message == wm::kCompanionSettingsOrProfile) EXPECT_TRUE(dialog.IsWindowVisible());
  };
  Choose(20, Category::Mouse);
  ASSERT_TRUE(dialog.IsWindowVisible());
  fwtest::ClickAt(dialog.GetHwnd(), kMouseWheelDown);
  fwtest::ClickAt(dialog.GetHwnd(), kMouseMiddle);
  for (int choice = 0; choice < CMouseDlg::kChoiceCount; ++choice)
    EXPECT_EQ(dialog.ChoiceButton(static_cast<CMouseDlg::Choice>(choice)).GetChecked(),
              choice == CMouseDlg::kMiddle ? 1 : 0);
  fwtest::ClickAt(dialog.GetHwnd(), kMouseOk);
  ASSERT_TRUE(MainEnabledAgain());
  EXPECT_EQ(RecordOf(0, 0, 20).FunctionKind, 19);
  EXPECT_EQ(registry.writes().size(), 3379u);

  Choose(21, Category::Mouse);  // opens with nothing drawn selected; OK at once stores the left button
  for (int choice = 0; choice < CMouseDlg::kChoiceCount; ++choice)
    EXPECT_EQ(dialog.ChoiceButton(static_cast<CMouseDlg::Choice>(choice)).GetChecked(), 0);
  fwtest::ClickAt(dialog.GetHwnd(), kMouseOk);
  ASSERT_TRUE(MainEnabledAgain());
  EXPECT_EQ(RecordOf(0, 0, 21).FunctionKind, 17);

  Choose(20, Category::Mouse);
  fwtest::ClickAt(dialog.GetHwnd(), kMouseWheelDown);
  fwtest::ClickAt(dialog.GetHwnd(), kMouseCancel);
  ASSERT_TRUE(MainEnabledAgain());
  EXPECT_EQ(RecordOf(0, 0, 20).FunctionKind, 19);
}

// The system shows the editors again when the disabled main window comes back from the task bar; only an
// opening for a key starts a new choice.
TEST_F(ChildWindows, AnEditorShownAgainKeepsTheUsersChoice) {
  Open();
  const auto shownAgain = [](CDialog& editor) { editor.SendMessage(WM_SHOWWINDOW, TRUE, SW_PARENTOPENING); };
  Choose(20, Category::Mouse);
  fwtest::ClickAt(window->MouseDialog().GetHwnd(), kMouseWheelDown);
  shownAgain(window->MouseDialog());
  fwtest::ClickAt(window->MouseDialog().GetHwnd(), kMouseOk);
  ASSERT_TRUE(MainEnabledAgain());
  EXPECT_EQ(RecordOf(0, 0, 20).FunctionKind, 25);

  Choose(21, Category::SingleKey);
  Key(window->SingleKeyDialog().GetHwnd(), 'K');
  shownAgain(window->SingleKeyDialog());
  EXPECT_EQ(window->SingleKeyDialog().KeyText(), L"K");
  fwtest::ClickAt(window->SingleKeyDialog().GetHwnd(), kSingleKeyOk);
  ASSERT_TRUE(MainEnabledAgain());
  EXPECT_EQ(RecordOf(0, 0, 21).singleKey.KeyCode, 'K');
}

// A profile reset still waiting when the dialog closes or its rows are refreshed asks nothing; two quick
// Resets ask once, for the last row; a companion switch while an editor is open leaves the edit to the
// profile and layer it was opened for.
TEST_F(ChildWindows, WaitingResetsAndCompanionSwitchesEndWhereTheUserMeantThem) {
  Open();  // loads the store from the registry: names given afterwards
  store::CopyTerminated(settings->profiles[2].Name, store::kPathCapacity, u"Two");
  store::CopyTerminated(settings->profiles[5].Name, store::kPathCapacity, u"Five");
  CProfileSetDlg& profiles = window->ProfileDialog();
  const auto click = [&](std::size_t button) {
    profiles.SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                         reinterpret_cast<LPARAM>(profiles.GetButton(button).GetHwnd()));
  };
  const auto reset = [&](int row) { click(CProfileSetDlg::kFirstReset + static_cast<std::size_t>(row)); };
  const auto closedAndEnabled = [&] {
    return fwtest::PumpUntil([&] { return window->IsWindowEnabled() && !profiles.IsWindowVisible(); });
  };
  enum class Then { kOk, kCancel, kRefresh };
  for (const Then then : {Then::kOk, Then::kCancel, Then::kRefresh}) {
    Press(COsselSettingDlg::kProfile);
    ASSERT_TRUE(profiles.IsWindowVisible());
    const UINT_PTR answering = WarningAnswer::Arm(IDOK, 5);
    reset(2);
    if (then == Then::kRefresh) window->SendMessage(wm::kCompanionSettingsOrProfile, 0, 0);
    if (then != Then::kRefresh) click(then == Then::kOk ? CProfileSetDlg::kOk : CProfileSetDlg::kCancel);
    fwtest::PumpFor(800);  // past the reset's delay
    ::KillTimer(nullptr, answering);
    EXPECT_EQ(WarningAnswer::asked, 0) << static_cast<int>(then);
    EXPECT_EQ(profiles.PendingReset(), -1) << static_cast<int>(then);
    if (then == Then::kRefresh) click(CProfileSetDlg::kOk);
    ASSERT_TRUE(closedAndEnabled()) << static_cast<int>(then);
    EXPECT_EQ(std::u16string(settings->profiles[2].Name), u"Two");
  }

  Press(COsselSettingDlg::kProfile);
  const UINT_PTR answering = WarningAnswer::Arm(IDOK, 5);
  reset(2);
  reset(5);
  ASSERT_TRUE(fwtest::PumpUntil([&] { return WarningAnswer::asked > 0 && profiles.PendingReset() == -1; }));
  fwtest::PumpFor(800);
  ::KillTimer(nullptr, answering);
  EXPECT_EQ(WarningAnswer::asked, 1);
  click(CProfileSetDlg::kOk);
  ASSERT_TRUE(closedAndEnabled());
  EXPECT_EQ(std::u16string(settings->profiles[2].Name), u"Two");
  EXPECT_EQ(std::u16string(settings->profiles[5].Name), u"");

  Choose(9, Category::Mouse);  // in the first profile's first layer
  window->SendMessage(wm::kCompanionSettingsOrProfile, 2, 1);
  EXPECT_EQ(window->LayerShown(), 1);
  fwtest::ClickAt(window->MouseDialog().GetHwnd(), kMouseWheelDown);
  fwtest::ClickAt(window->MouseDialog().GetHwnd(), kMouseOk);
  ASSERT_TRUE(MainEnabledAgain());
  EXPECT_EQ(RecordOf(0, 0, 9).FunctionKind, 25);
  EXPECT_EQ(RecordOf(2, 1, 9).FunctionKind, 0);
}

TEST_F(ChildWindows, AnEditorNearTheBottomLiftsTheMainWindow) {
  Open();
  const int bottom = ::GetSystemMetrics(SM_CYFULLSCREEN);
  const int height = window->SingleKeyDialog().SkinSize().cy;
  const int fitsAt = bottom - app::kAttachedOffset.y - height;
  window->SetWindowPos(nullptr, 0, fitsAt + 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Choose(3, Category::SingleKey);
  EXPECT_EQ(window->GetWindowRect().top, fitsAt);
  EXPECT_EQ(Rect(window->SingleKeyDialog()).bottom, bottom);
  fwtest::ClickAt(window->SingleKeyDialog().GetHwnd(), kSingleKeyCancel);
  ASSERT_TRUE(MainEnabledAgain());
}

// The region a window has now, compared with the one its mask gives.
bool ShapedLike(HWND window, const wchar_t* maskFile) {
  skin::SkinBitmap mask;
  skin::LoadSkinBitmap(win::Wide(skin::SkinFilePath(platform::Folders().exe, win::Utf16(maskFile))).c_str(), mask);
  const win::Region expected = skin::RegionFromMask(mask.get());
  win::Region actual(::CreateRectRgn(0, 0, 0, 0));
  return expected && ::GetWindowRgn(window, actual.get()) != ERROR && ::EqualRgn(expected.get(), actual.get());
}

TEST_F(ChildWindows, ThePanelSlidesOutAndBackLeavingTheMainWindowWhereItWas) {
  Open();
  Press(COsselSettingDlg::kReference);
  CRefrenceDlg& panel = window->Panel();
  ASSERT_TRUE(window->IsPanelOut());
  EXPECT_TRUE(panel.IsWindowVisible());
  EXPECT_EQ(window->GetWindowRect().top, app::kSlideDistance);
  EXPECT_EQ(Rect(panel).left, app::kPanelOffset.x);
  EXPECT_EQ(Rect(panel).top, app::kSlideDistance + app::kPanelOffset.y);
  EXPECT_EQ(Rect(panel).bottom - Rect(panel).top, panel.SkinSize().cy);
  EXPECT_TRUE(ShapedLike(window->GetHwnd(), L"main_mask2.bmp"));

  Choose(4, Category::Disable);  // a key command slides it in first
  EXPECT_FALSE(window->IsPanelOut());
  EXPECT_EQ(RecordOf(0, 0, 4).FunctionKind, 10);
  EXPECT_EQ(window->GetWindowRect().top, 0);

  Press(COsselSettingDlg::kReference);
  fwtest::ClickAt(panel.GetHwnd(), kPanelOk);
  ASSERT_TRUE(fwtest::PumpUntil([&] { return !panel.IsWindowVisible(); }));
  EXPECT_FALSE(window->IsPanelOut());
  EXPECT_EQ(window->GetWindowRect().top, 0);
  EXPECT_TRUE(ShapedLike(window->GetHwnd(), L"main_mask1.bmp"));
}

TEST_F(ChildWindows, APanelCommandClosesAnOpenMenuAndDoesNothingElse) {
  Open();
  Press(window->Keyboard().KeyWindow(5));
  ASSERT_TRUE(window->IsMenuOpen());
  window->SendMessage(wm::kFromPanel, wm::kPanelCommand, 0);
  EXPECT_FALSE(window->IsMenuOpen());
  EXPECT_EQ(window->KeyBeingEdited(), 5);
  EXPECT_TRUE(window->IsWindowEnabled());
  EXPECT_EQ(RecordOf(0, 0, 5).FunctionKind, 0);
  EXPECT_TRUE(registry.writes().empty());

  // An apply that no open editor sent writes nothing.
  window->SendMessage(wm::kFromSingleKey, wm::kApply, 0);
  window->SendMessage(wm::kFromMouse, wm::kApply, 0);
  EXPECT_EQ(RecordOf(0, 0, 5).FunctionKind, 0);
  EXPECT_TRUE(registry.writes().empty());
}

// Presses a button of the modal dialog of type D that a menu command runs, from inside its run.
template <typename D>
struct ModalPress {
  static inline std::vector<int> buttons;
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    auto* dialog = dynamic_cast<D*>(CWnd::FromHandle(::GetActiveWindow()));
    if (!dialog || buttons.empty()) return;
    const int button = buttons.front();
    buttons.erase(buttons.begin());
    if (buttons.empty()) ::KillTimer(nullptr, id);
    ::SendMessageW(dialog->GetHwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                   reinterpret_cast<LPARAM>(dialog->GetButton(static_cast<std::size_t>(button)).GetHwnd()));
  }
  static void Arm(std::vector<int> presses) {
    buttons = std::move(presses);
    ::SetTimer(nullptr, 0, 50, &OnTimer);
  }
};

TEST_F(ChildWindows, ProfileSwitchAndLaunchWriteTheRecordButWaitForApply) {
  Open();
  ModalPress<CSwitchProfile>::Arm({CSwitchProfile::kProfileUp, CSwitchProfile::kLayerUp, CSwitchProfile::kDisplay,
                                   CSwitchProfile::kOk});
  Choose(30, Category::ProfileSwitch);
  const auto& target = RecordOf(0, 0, 30).profileSwitch;
  EXPECT_EQ(target.FunctionKind, 8);
  EXPECT_EQ(target.TargetProfile, 1);
  EXPECT_EQ(target.TargetLayer, 1);
  EXPECT_EQ(target.ShowOsd, 1);
  EXPECT_EQ(window->KeyBeingEdited(), -1);

  ModalPress<CSwitchProfile>::Arm({CSwitchProfile::kProfileUp, CSwitchProfile::kCancel});
  Choose(30, Category::ProfileSwitch);
  EXPECT_EQ(RecordOf(0, 0, 30).profileSwitch.TargetProfile, 1);

  ModalPress<CLaunchProgram>::Arm({CLaunchProgram::kOk});
  Choose(31, Category::LaunchProgram);
  EXPECT_EQ(RecordOf(0, 0, 31).FunctionKind, 9);
  EXPECT_EQ(RecordOf(0, 0, 31).launch.ProgramPath[0], 0);
  EXPECT_TRUE(registry.writes().empty());
}

}  // namespace

namespace {

TEST_F(ChildWindows, EditorsAndSlidesLeaveNothingBehind) {
  Open();
  auto cycle = [&] {
    Choose(12, Category::SingleKey);
    Key(window->SingleKeyDialog().GetHwnd(), 'Q');
    window->SingleKeyDialog().SendMessage(WM_CLOSE);  // the close command counts as Cancel
    ASSERT_TRUE(MainEnabledAgain());
    Choose(12, Category::Mouse);
    window->MouseDialog().SendMessage(WM_CLOSE);
    ASSERT_TRUE(MainEnabledAgain());
    Press(COsselSettingDlg::kReference);
    window->SendMessage(wm::kFromPanel, wm::kClosed, 0);
  };
  cycle();
  const long handles = win::LiveHandleCount();
  const int windows = fwtest::ThreadWindowCount();
  for (int i = 0; i < 10; ++i) cycle();
  EXPECT_EQ(win::LiveHandleCount(), handles);
  EXPECT_EQ(fwtest::ThreadWindowCount(), windows);
  EXPECT_EQ(RecordOf(0, 0, 12).FunctionKind, 0);
  EXPECT_TRUE(registry.writes().empty());
}

}  // namespace
