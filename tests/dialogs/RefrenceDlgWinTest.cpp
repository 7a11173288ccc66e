// The advanced settings panel for real under Wine, with the shipped texts and skin beside the test, an
// in-memory registry for the players, real clicks, and a stand-in main window that records what the
// panel tells it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "dialogs/RefrenceDlg.h"
#include "platform/WindowMessages.h"
#include "platform/fake/MemoryRegistry.h"
#include "platform/win32/Text.h"
#include "strings/StringTable.h"
#include "tests/framework/TestSupport.h"

namespace {

using D = CRefrenceDlg;
using Codes = std::vector<WPARAM>;

class RefrenceDlg : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<fwtest::StandInMainWindow>();
    // Only Windows Media Player is installed.
    const std::u16string path = u"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe";
    registry.Set(path, u"", {'C', 0, ':', 0, 0, 0}, platform::RegistryRoot::LocalMachine);
    keysBefore = registry.KeyCount();
  }
  void TearDown() override {
    EXPECT_EQ(registry.KeyCount(), keysBefore) << "the player probes must create no key";
    main.reset();
  }

  // Creates the panel hidden, as the main window does, and shows it.
  void Open(D& panel) {
    ASSERT_TRUE(panel.Create(main->GetHwnd()));
    panel.ShowWindow(SW_SHOW);
    fwtest::PumpFor(50);
  }
  static void Click(D& panel, D::Button button) { fwtest::ClickCentre(panel.GetButton(button).GetHwnd()); }
  static const std::wstring& Caption(D& panel, D::Button button) { return panel.GetButton(button).GetCaption(); }
  static void ChooseEntry(D& panel, int position) {
    fwtest::ClickCentre(panel.OpenMenu()->Entry(position).GetHwnd());
    fwtest::PumpUntil([&] { return !panel.OpenMenu(); }, 500);
  }
  // What the panel told the main window since the last look, activation changes left out.
  Codes Told() {
    fwtest::PumpFor(100);
    Codes codes;
    for (const auto& r : std::exchange(main->received, {})) {
      EXPECT_EQ(r.lParam, 0);
      if (r.msg == wm::kFromPanel && r.code != wm::kActivationChanged) codes.push_back(r.code);
    }
    return codes;
  }

  std::unique_ptr<fwtest::StandInMainWindow> main;
  platform::MemoryRegistry registry;
  std::size_t keysBefore = 0;
};

TEST_F(RefrenceDlg, OnlyTheInstalledPlayerCanBeChosenAndOkStoresIt) {
  store::StoreHeader header{};
  header.MediaOption = 9;  // stored by someone else
  header.LightOption = 5;
  D panel(header, registry);
  Open(panel);
  EXPECT_EQ(Caption(panel, D::kMedia), L" ");
  EXPECT_EQ(Caption(panel, D::kSwitch), L" Shift + Esc");
  EXPECT_EQ(Caption(panel, D::kCheck), L" Check for updates");

  Click(panel, D::kMedia);
  ASSERT_NE(panel.OpenMenu(), nullptr);
  skin::CBmpMenu& menu = *panel.OpenMenu();
  const RECT button = panel.GetButton(D::kMedia).GetWindowRect();
  EXPECT_EQ(menu.GetWindowRect().left, button.left);
  EXPECT_EQ(menu.GetWindowRect().top, button.bottom);
  ASSERT_EQ(menu.EntryCount(), 4);
  const wchar_t* names[] = {L"Windows Media Player", L"iTunes", L"RealPlayer", L"Winamp"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(menu.Entry(i).caption, names[i]);
    EXPECT_EQ(menu.Entry(i).IsWindowEnabled(), i == 0) << i;
  }
  fwtest::ClickCentre(menu.Entry(2).GetHwnd());  // not installed: no choice
  fwtest::PumpFor(100);
  ASSERT_NE(panel.OpenMenu(), nullptr);
  panel.PostMessage(wm::kPanelCloseMenu);
  EXPECT_TRUE(fwtest::PumpUntil([&] { return !panel.OpenMenu(); }, 500)) << "1282 closes the menu";

  Click(panel, D::kMedia);
  ChooseEntry(panel, 0);
  EXPECT_EQ(panel.WorkingMediaOption(), 0u);
  EXPECT_EQ(Caption(panel, D::kMedia), L" Windows Media Player");
  EXPECT_EQ(header.MediaOption, 9u) << "only OK stores the choice";
  Click(panel, D::kOk);
  EXPECT_EQ(header.MediaOption, 0u);
  EXPECT_EQ(header.LightOption, 5u);
  EXPECT_EQ(Told(), (Codes{wm::kPanelCommand, wm::kPanelCommand, wm::kPanelCommand, wm::kClosed}));
}

TEST_F(RefrenceDlg, CancelDropsTheChoiceAndAPressElsewhereClosesTheMenu) {
  store::StoreHeader header{};
  header.MediaOption = 3;
  D panel(header, registry);
  Open(panel);
  EXPECT_EQ(Caption(panel, D::kMedia), L" Winamp");
  Click(panel, D::kMedia);
  ChooseEntry(panel, 0);
  Click(panel, D::kMedia);
  fwtest::ClickAt(panel.GetHwnd(), {100, 215});  // the panel's background
  EXPECT_EQ(panel.OpenMenu(), nullptr);
  Click(panel, D::kCancel);
  EXPECT_EQ(header.MediaOption, 3u);
  EXPECT_EQ(Told(), (Codes{wm::kPanelCommand, wm::kPanelCommand, wm::kPanelCommand, wm::kPanelCommand, wm::kClosed}));
  // The main window slides it in and out again: the stored player is back.
  panel.ShowWindow(SW_HIDE);
  panel.ShowWindow(SW_SHOW);
  EXPECT_EQ(panel.WorkingMediaOption(), 3u);
  EXPECT_EQ(Caption(panel, D::kMedia), L" Winamp");
}

TEST_F(RefrenceDlg, TheSwitchButtonNamesTheHotKeyAndAsksForTheQuickSwitchDialog) {
  store::StoreHeader header{};
  header.bCustomSwitch = 1;
  header.SwitchCode[0] = 1;
  header.SwitchCode[1] = 2;
  header.SwitchCode[2] = 0x41;
  const int windowsBefore = fwtest::ThreadWindowCount();
  {
    D panel(header, registry);
    ASSERT_TRUE(panel.Create(main->GetHwnd()));
    EXPECT_EQ(Caption(panel, D::kSwitch), L" Set hotkey");  // until it is first shown
    panel.ShowWindow(SW_SHOW);
    EXPECT_EQ(Caption(panel, D::kSwitch), L" Ctrl+Shift+A");
    header.bCustomSwitch = 0;  // as the quick-switch dialog leaves it
    panel.Refresh();
    EXPECT_EQ(Caption(panel, D::kSwitch), L" Shift + Esc");

    Click(panel, D::kSwitch);
    Click(panel, D::kCheck);
    EXPECT_EQ(Told(), (Codes{wm::kPanelCommand, wm::kQuickSwitch, wm::kPanelCommand}));
    Click(panel, D::kMedia);
    ASSERT_NE(panel.OpenMenu(), nullptr);
    panel.DestroyWindow();  // with the main window: the menu goes too
  }
  EXPECT_EQ(fwtest::ThreadWindowCount(), windowsBefore);
}

}  // namespace
