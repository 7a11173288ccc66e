// The quick-switch dialog for real under Wine, with the shipped texts and skin beside the test, driven by
// real clicks from inside the modal run. The hook library is not beside the test: key events are
// delivered the way it delivers them, as message 1034. A stand-in main window records what it is told.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "platform/WindowMessages.h"
#include "platform/win32/Text.h"
#include "profiles/SwitchDlg.h"
#include "strings/StringTable.h"
#include "tests/framework/TestSupport.h"

namespace {

using D = CSwitchDlg;
using profiles::SwitchCode;

class SwitchDlg : public ::testing::Test {
 protected:

  static SwitchCode CodeOf(const store::StoreHeader& h) { return {h.SwitchCode[0], h.SwitchCode[1], h.SwitchCode[2]}; }
  static void Click(D& d, D::Button button) { fwtest::ClickCentre(d.GetButton(button).GetHwnd()); }
  static bool Enabled(D& d, D::Button button) { return d.GetButton(button).IsWindowEnabled(); }
  static const std::wstring& Label(D& d, D::Button button) { return d.GetButton(button).GetCaption(); }
  static void Key(D& d, WPARAM key) {
    d.SendMessage(wm::kKeyEvent, key, 0);
    d.SendMessage(wm::kKeyEvent, key, wm::kKeyReleased);
  }
  // The open menu's entry texts.
  static std::vector<std::wstring> MenuTexts(D& d) {
    std::vector<std::wstring> texts;
    for (int i = 0; d.OpenMenu() && i < d.OpenMenu()->EntryCount(); ++i) texts.push_back(d.OpenMenu()->Entry(i).caption);
    return texts;
  }
  static void ChooseEntry(D& d, int position) {
    fwtest::ClickCentre(d.OpenMenu()->Entry(position).GetHwnd());
    fwtest::PumpUntil([&] { return !d.OpenMenu(); });
  }
  bool ToldClosedOnce() {
    fwtest::PumpFor(100);
    const auto received = std::exchange(main.received, {});
    return received.size() == 1 && received[0].msg == wm::kFromPanel && received[0].code == wm::kQuickSwitch &&
           static_cast<WPARAM>(received[0].lParam) == wm::kClosed;
  }

  fwtest::StandInMainWindow main;
};

TEST_F(SwitchDlg, OpensOnTheDefaultAndStoresCtrlAndF11ChosenWithTheMenusAndKeysOnOk) {
  store::StoreHeader header{};
  D dialog(header);
  const INT_PTR result = fwtest::DoModalAndAct(dialog, [](D& d) {
    const RECT rect = d.GetWindowRect();
    EXPECT_EQ(rect.right - rect.left, 364);  // the size of its skin
    EXPECT_TRUE(d.GetButton(D::kDefault).GetChecked());
    for (D::Button b : {D::kFirstModifier, D::kSecondModifier, D::kKeyDisplay}) EXPECT_FALSE(Enabled(d, b)) << b;
    Key(d, VK_F11);
    EXPECT_EQ(Label(d, D::kKeyDisplay), L"");

    Click(d, D::kCustom);
    EXPECT_FALSE(d.GetButton(D::kDefault).GetChecked());
    Click(d, D::kFirstModifier);
    ASSERT_EQ(d.OpenMenuFor(), D::MenuFor::kFirst);
    EXPECT_EQ(MenuTexts(d), (std::vector<std::wstring>{L"Ctrl", L"Shift", L"Alt"}));
    const RECT selector = d.GetButton(D::kFirstModifier).GetWindowRect();
    const RECT menu = d.OpenMenu()->GetWindowRect();
    EXPECT_EQ(menu.left, selector.left);
    EXPECT_EQ(menu.top, selector.bottom + 2);
    ChooseEntry(d, 0);
    EXPECT_EQ(Label(d, D::kFirstModifier), L"Ctrl");

    Click(d, D::kSecondModifier);
    ASSERT_EQ(d.OpenMenuFor(), D::MenuFor::kSecond);
    EXPECT_EQ(MenuTexts(d), (std::vector<std::wstring>{L"None", L"Shift", L"Alt"}));
    fwtest::ClickAt(d.GetHwnd(), {200, 60});  // the dialog's own surface closes the menu
    EXPECT_EQ(d.OpenMenu(), nullptr);
    Click(d, D::kSecondModifier);
    ChooseEntry(d, 2);
    EXPECT_EQ(Label(d, D::kSecondModifier), L"Alt");
    Click(d, D::kSecondModifier);
    ChooseEntry(d, 0);
    EXPECT_EQ(Label(d, D::kSecondModifier), L"");

    for (WPARAM ignored : {VK_CONTROL, VK_LWIN, VK_F12, VK_RMENU}) Key(d, ignored);
    EXPECT_EQ(Label(d, D::kKeyDisplay), L"");
    Key(d, VK_F11);
    EXPECT_EQ(Label(d, D::kKeyDisplay), L"F11");
    fwtest::PressKey(VK_RETURN);
    fwtest::PressKey(VK_ESCAPE);
    fwtest::PumpFor(200);
    EXPECT_TRUE(d.IsWindowVisible()) << "Enter and Esc must not close it";
    Click(d, D::kOk);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(header.bCustomSwitch, 1u);
  EXPECT_EQ(CodeOf(header), (SwitchCode{1, 0, 0x7A}));
  EXPECT_TRUE(ToldClosedOnce());
}

TEST_F(SwitchDlg, CancelAndTheCloseCommandWriteNothing) {
  for (const bool closeCommand : {false, true}) {
    store::StoreHeader header{};
    header.bCustomSwitch = 1;
    header.SwitchCode[0] = 2;
    header.SwitchCode[1] = 1;
    header.SwitchCode[2] = 0x41;
    main.received.clear();
    D dialog(header);
    const INT_PTR result = fwtest::DoModalAndAct(dialog, [closeCommand](D& d) {
      EXPECT_TRUE(d.GetButton(D::kCustom).GetChecked());
      EXPECT_EQ(Label(d, D::kFirstModifier), L"Shift");
      EXPECT_EQ(Label(d, D::kSecondModifier), L"Ctrl");
      EXPECT_EQ(Label(d, D::kKeyDisplay), L"A");
      Click(d, D::kFirstModifier);
      ChooseEntry(d, 0);  // Ctrl first takes Ctrl away from the second
      EXPECT_EQ(Label(d, D::kSecondModifier), L"");
      Click(d, D::kDefault);
      EXPECT_EQ(Label(d, D::kFirstModifier), L"");
      EXPECT_FALSE(Enabled(d, D::kKeyDisplay));
      if (closeCommand)
        d.PostMessage(WM_CLOSE);
      else
        Click(d, D::kCancel);
    });
    EXPECT_EQ(result, IDCANCEL) << closeCommand;
    EXPECT_EQ(header.bCustomSwitch, 1u) << closeCommand;
    EXPECT_EQ(CodeOf(header), (SwitchCode{2, 1, 0x41})) << closeCommand;
    EXPECT_TRUE(ToldClosedOnce()) << closeCommand;
  }
}

}  // namespace
