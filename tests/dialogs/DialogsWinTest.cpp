// The confirmation and about dialogs for real under Wine, with the shipped texts and skin beside the test.
#include <gtest/gtest.h>
#include <windows.h>

#include "dialogs/AboutDlg.h"
#include "dialogs/DialogPlacement.h"
#include "dialogs/WarningDlg.h"
#include "platform/win32/Module.h"
#include "strings/StringTable.h"
#include "tests/framework/TestSupport.h"

namespace {

class Dialogs : public ::testing::Test {
 protected:
};

struct ModeCase {
  int mode;
  const wchar_t* title;
  const wchar_t* firstLine;
  const wchar_t* secondLine;
};

TEST_F(Dialogs, EachConfirmationModeShowsItsTextsAndBothButtons) {
  const ModeCase cases[] = {
      {0, L"Replace Key", L"A key has already been captured.", L"Replace it with the key you just pressed?"},
      {1, L"Reset All", L"All profiles and their key assignments will be cleared.", L"Do you want to reset all settings?"},
      {2, L"Reset", L"The profile's name, program and keys will be cleared.", L"Do you want to reset this profile?"},
      {3, L"Reset", L"All key assignments of the layer shown will be cleared.", L"Do you want to reset this layer?"},
      {4, L"Note", L"Select only one line to add a pause.", L""},
      {5, L"Note", L"The macro is full: it cannot hold any more events.", L""},
      {6, L"Note", L"Your settings could not all be stored.", L"Close other setup programs and click Apply again."},
      {-1, L"", L"", L""},
      {42, L"", L"", L""},
  };
  for (const auto& c : cases) {
    CWarningDlg dialog;
    dialog.mode = static_cast<dialogs::WarningMode>(c.mode);
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_EQ(dialog.GetTitleText(), c.title) << c.mode;
    EXPECT_EQ(dialog.GetFirstLine(), c.firstLine) << c.mode;
    EXPECT_EQ(dialog.GetSecondLine(), c.secondLine) << c.mode;
    EXPECT_TRUE(::IsWindow(dialog.GetOkButton()) && ::IsWindow(dialog.GetCancelButton()));
    const RECT rect = dialog.GetWindowRect();
    EXPECT_EQ(rect.right - rect.left, 476);  // the size of its skin
    EXPECT_EQ(rect.bottom - rect.top, 160);
    dialog.DestroyWindow();
  }
}

// Runs a confirmation modally and lets `act` answer it with real input once it shows.
INT_PTR RunAndAnswer(const std::function<void(CWarningDlg&)>& act) {
  CWarningDlg dialog;
  dialog.mode = dialogs::WarningMode::kResetLayer;
  return fwtest::DoModalAndAct(dialog, act);
}

TEST_F(Dialogs, OnlyTheButtonsAnswerAConfirmation) {
  EXPECT_EQ(RunAndAnswer([](CWarningDlg& d) { fwtest::ClickCentre(d.GetOkButton()); }), IDOK);
  EXPECT_EQ(RunAndAnswer([](CWarningDlg& d) { fwtest::ClickCentre(d.GetCancelButton()); }), IDCANCEL);
  EXPECT_EQ(RunAndAnswer([](CWarningDlg& d) {
              fwtest::PressKey(VK_RETURN);
              fwtest::PressKey(VK_ESCAPE);
              fwtest::PumpFor(300);
              EXPECT_TRUE(d.IsWindowVisible()) << "Enter and Esc must not close it";
              fwtest::ClickCentre(d.GetOkButton());
            }),
            IDOK);
  EXPECT_EQ(RunAndAnswer([](CWarningDlg& d) { d.PostMessage(WM_CLOSE); }), IDCANCEL);
}

TEST_F(Dialogs, TheAboutBoxIsCentredAndOnlyOkReportsOk) {
  EXPECT_EQ(dialogs::CentredOrigin(1920, 1040, 345, 200), (dialogs::Origin{787, 420}));
  {
    CAboutDlg about;
    ASSERT_TRUE(about.Create(nullptr));
    const RECT rect = about.GetWindowRect();
    const auto origin = dialogs::CentredOrigin(::GetSystemMetrics(SM_CXFULLSCREEN),
                                               ::GetSystemMetrics(SM_CYFULLSCREEN), 345, 200);
    EXPECT_EQ(rect.left, origin.x);
    EXPECT_EQ(rect.top, origin.y);
    EXPECT_EQ(rect.right - rect.left, 345);
    EXPECT_EQ(about.GetSupportLink().GetTarget(), dialogs::kSupportAddress);
    EXPECT_EQ(about.GetForumLink().GetTarget(), dialogs::kForumAddress);
    EXPECT_EQ(about.GetSupportLink().GetUnderline(), skin::LinkUnderline::Never);
    about.DestroyWindow();
  }
  for (bool ok : {true, false}) {
    CAboutDlg about;
    EXPECT_EQ(fwtest::DoModalAndAct(about, [ok](CAboutDlg& d) { fwtest::ClickCentre(ok ? d.GetOkButton() : d.GetCloseButton()); }),
              ok ? IDOK : IDCANCEL);
  }
}

TEST_F(Dialogs, OpeningAndClosingLeavesNothingBehind) {
  auto cycle = [] {
    CWarningDlg warning;
    warning.mode = dialogs::WarningMode::kResetAll;
    warning.Create(nullptr);
    warning.DestroyWindow();
    CAboutDlg about;
    about.Create(nullptr);
    about.DestroyWindow();
  };
  cycle();
  const long handles = win::LiveHandleCount();
  const int windows = fwtest::ThreadWindowCount();
  for (int i = 0; i < 100; ++i) cycle();
  EXPECT_EQ(win::LiveHandleCount(), handles);
  EXPECT_EQ(fwtest::ThreadWindowCount(), windows);
}

}  // namespace
