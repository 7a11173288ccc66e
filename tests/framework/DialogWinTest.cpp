#include "framework/Dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/Controls.h"
#include "resources/Resource.h"

namespace {

constexpr UINT kStart = WM_APP + 1;
constexpr UINT_PTR kSafetyTimer = 77;
constexpr INT_PTR kTimedOut = 99;

// A real template with two buttons of id 0, told apart by their handles. `script` runs once the modal
// loop is running; a safety timer ends a run that the script failed to end.
class ButtonDialog : public CDialog {
 public:
  explicit ButtonDialog(UINT templateId = IDD_SINGLEKEY) : CDialog(templateId) {}

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    MoveWindow(100, 100, 320, 160);
    ok.Create(L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, RECT{10, 10, 110, 50}, m_hWnd);
    cancel.Create(L"Cancel", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, RECT{150, 10, 250, 50}, m_hWnd);
    SetTimer(kSafetyTimer, 8000);
    PostMessage(kStart);
    return TRUE;
  }
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == kStart && script) script(*this);
    return CDialog::WindowProc(msg, wParam, lParam);
  }
  void OnTimer(UINT_PTR id) override {
    if (id == kSafetyTimer) EndDialog(kTimedOut);
  }
  bool OnCommand(WPARAM wParam, LPARAM lParam) override {
    const HWND from = reinterpret_cast<HWND>(lParam);
    if (from && (from == ok.GetHwnd() || from == cancel.GetHwnd())) {
      commandIds.push_back(LOWORD(wParam));
      EndDialog(from == ok.GetHwnd() ? IDOK : IDCANCEL);
      return true;
    }
    return CDialog::OnCommand(wParam, lParam);
  }
  bool PreTranslateMessage(MSG& msg) override {
    if (msg.message == WM_KEYDOWN) keysSeen.push_back(msg.wParam);
    if (swallowKeys && msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) return true;
    return CDialog::PreTranslateMessage(msg);
  }
  bool DestroyWindow() override {
    ++destroyHookCalls;
    return CDialog::DestroyWindow();
  }

  CButton ok, cancel;
  std::function<void(ButtonDialog&)> script;
  std::vector<WORD> commandIds;
  std::vector<WPARAM> keysSeen;
  bool swallowKeys = false;
  int destroyHookCalls = 0;
};

TEST(ModalRun, EndsWithTheResultOfTheClickedButton) {
  struct Case {
    const char* name;
    bool clickOk;
    INT_PTR expected;
  } cases[] = {{"OK", true, IDOK}, {"Cancel", false, IDCANCEL}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ButtonDialog dialog;
    dialog.script = [&](ButtonDialog& d) { fwtest::ClickCentre(c.clickOk ? d.ok.GetHwnd() : d.cancel.GetHwnd()); };
    EXPECT_EQ(dialog.DoModal(), c.expected);
    EXPECT_EQ(dialog.commandIds, std::vector<WORD>{0}) << "controls are created with id 0";
    EXPECT_EQ(dialog.destroyHookCalls, 1);
    EXPECT_EQ(dialog.GetHwnd(), nullptr);
  }
}

TEST(ModalRun, DialogManagerKeysAndTheCloseCommandReachOnOkAndOnCancel) {
  struct Case {
    const char* name;
    std::function<void(ButtonDialog&)> script;
    INT_PTR expected;
  } cases[] = {
      {"Enter", [](ButtonDialog& d) { d.SendMessage(DM_SETDEFID, IDOK); ::SetFocus(d.GetHwnd()); fwtest::PressKey(VK_RETURN); }, IDOK},
      {"Esc", [](ButtonDialog& d) { ::SetFocus(d.GetHwnd()); fwtest::PressKey(VK_ESCAPE); }, IDCANCEL},
      {"WM_CLOSE", [](ButtonDialog& d) { d.PostMessage(WM_CLOSE); }, IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ButtonDialog dialog(IDD_WARNING);
    dialog.script = [&](ButtonDialog& d) {
      // Without focusable buttons the keys go to the dialog itself.
      d.ok.DestroyWindow();
      d.cancel.DestroyWindow();
      c.script(d);
    };
    EXPECT_EQ(dialog.DoModal(), c.expected);
  }
}

TEST(ModalRun, PreTranslationSeesKeysInsideTheRunAndCanSwallowThem) {
  struct EndsLate : ButtonDialog {
    void OnTimer(UINT_PTR id) override {
      if (id == 1) EndDialog(42);
      ButtonDialog::OnTimer(id);
    }
  } dialog;
  dialog.swallowKeys = true;
  dialog.script = [](ButtonDialog& d) {
    ::SetFocus(d.ok.GetHwnd());  // unswallowed, Enter would press OK and Esc would cancel
    fwtest::PressKey(VK_RETURN);
    fwtest::PressKey(VK_ESCAPE);
    d.SetTimer(1, 500);
  };
  EXPECT_EQ(dialog.DoModal(), 42);
  EXPECT_EQ(dialog.keysSeen, (std::vector<WPARAM>{VK_RETURN, VK_ESCAPE}));
}

// A button that sees the messages of its own window first and may keep them.
class PeekingButton : public CButton {
 public:
  bool PreTranslateMessage(MSG& msg) override {
    if (msg.message == WM_LBUTTONDOWN) order->push_back("button");
    return swallow && msg.message == WM_LBUTTONDOWN;
  }
  std::vector<std::string>* order = nullptr;
  bool swallow = false;
};

TEST(ModalRun, PreTranslationWalksFromTheTargetUpThroughItsParents) {
  for (bool swallow : {false, true}) {
    SCOPED_TRACE(swallow ? "button keeps the press" : "button passes it on");
    std::vector<std::string> order;
    struct Walk : ButtonDialog {
      bool PreTranslateMessage(MSG& msg) override {
        if (msg.message == WM_LBUTTONDOWN) order->push_back("dialog");
        return ButtonDialog::PreTranslateMessage(msg);
      }
      std::vector<std::string>* order = nullptr;
      PeekingButton button;
    } dialog;
    dialog.order = &order;
    dialog.script = [&](ButtonDialog& d) {
      auto& walk = static_cast<Walk&>(d);
      walk.button.order = &order;
      walk.button.swallow = swallow;
      walk.button.Create(L"peek", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, RECT{10, 80, 110, 120}, d.GetHwnd());
      fwtest::ClickCentre(walk.button.GetHwnd());
      d.SetTimer(kSafetyTimer, 300);
    };
    EXPECT_EQ(dialog.DoModal(), kTimedOut);
    EXPECT_EQ(order, swallow ? std::vector<std::string>{"button"} : (std::vector<std::string>{"button", "dialog"}));
  }
}

TEST(ModalRun, DisablesAnEnabledOwnerOnlyForTheRun) {
  for (bool ownerEnabled : {true, false}) {
    SCOPED_TRACE(ownerEnabled ? "enabled owner" : "disabled owner");
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50}, nullptr));
    owner.EnableWindow(ownerEnabled);
    ButtonDialog dialog;
    bool enabledDuringRun = true;
    dialog.script = [&](ButtonDialog& d) {
      enabledDuringRun = owner.IsWindowEnabled();
      d.EndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(owner.GetHwnd()), IDOK);
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_EQ(owner.IsWindowEnabled(), ownerEnabled);
  }
}

TEST(ModalRun, NestedRunsEndInTurn) {
  ButtonDialog outer;
  INT_PTR innerResult = 0;
  outer.script = [&](ButtonDialog& o) {
    ButtonDialog inner(IDD_WARNING);
    inner.script = [](ButtonDialog& i) { fwtest::ClickCentre(i.cancel.GetHwnd()); };
    innerResult = inner.DoModal(o.GetHwnd());
    EXPECT_TRUE(o.IsWindowEnabled()) << "the inner run gives its owner back";
    fwtest::ClickCentre(o.ok.GetHwnd());
  };
  EXPECT_EQ(outer.DoModal(), IDOK);
  EXPECT_EQ(innerResult, IDCANCEL);
}

TEST(ModalRun, QuitLeavesTheRunAndIsPostedAgainForTheLoopOutside) {
  ButtonDialog dialog;
  dialog.script = [](ButtonDialog&) { ::PostQuitMessage(7); };
  EXPECT_EQ(dialog.DoModal(), -1);
  MSG msg;
  ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST(ModalRun, MissingTemplateFailsWithoutTouchingTheOwner) {
  CWnd owner;
  ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP, RECT{0, 0, 50, 50}, nullptr));
  CDialog missing(9999);
  EXPECT_EQ(missing.DoModal(owner.GetHwnd()), -1);
  EXPECT_TRUE(owner.IsWindowEnabled());
  EXPECT_FALSE(missing.Create(owner.GetHwnd()));
}

TEST(ModelessDialog, IsCreatedHiddenFromAVisibleTemplateAndHidesOnEndDialog) {
  ButtonDialog dialog;  // the single-key template is visible
  ASSERT_TRUE(dialog.Create());
  EXPECT_FALSE(dialog.IsWindowVisible());
  EXPECT_TRUE(dialog.ok.IsWindow()) << "initialised before it is shown";
  dialog.ShowWindow(SW_SHOW);
  EXPECT_TRUE(dialog.IsWindowVisible());
  dialog.EndDialog(IDOK);
  EXPECT_FALSE(dialog.IsWindowVisible());
  EXPECT_TRUE(dialog.IsWindow()) << "a modeless dialog lives on until it is destroyed";
  EXPECT_EQ(dialog.GetResult(), IDOK);
}

}  // namespace
