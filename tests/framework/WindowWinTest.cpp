#include "framework/Wnd.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "resources/Resource.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// A top-level test window at a fixed place, recording the commands it is sent.
class Parent : public CWnd {
 public:
  Parent() { CreateEx(0, nullptr, L"parent", WS_POPUP | WS_VISIBLE, RECT{200, 200, 500, 400}, nullptr); }
  bool OnCommand(WPARAM wParam, LPARAM lParam) override {
    commands.push_back(reinterpret_cast<HWND>(lParam));
    (void)wParam;
    return true;
  }
  std::vector<HWND> commands;
};

// Watches a window from a subclass stacked on top of ours: what is linked once WM_NCDESTROY is done.
struct DestroyWatch {
  static inline WNDPROC below = nullptr;
  static inline LONG_PTR slotAfterNcDestroy = -1;
  static inline int slot = GWLP_USERDATA;
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = ::CallWindowProcW(below, hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) slotAfterNcDestroy = ::GetWindowLongPtrW(hwnd, slot);
    return result;
  }
  static void Install(HWND hwnd, int whichSlot) {
    slot = whichSlot;
    slotAfterNcDestroy = -1;
    below = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
};

TEST(Linking, ObjectIsLinkedBeforeCreationAndUnlinkedOnNcDestroy) {
  struct Shape : CWnd {
    bool PreCreateWindow(CREATESTRUCTW& cs) override {
      // Custom classes are registered in this hook, as the region buttons do.
      WNDCLASSEXW wc{};
      wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
      wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
      wc.lpszClassName = L"Trelm Test Shape";
      cs.lpszClass = wc.lpszClassName;
      return RegisterClassOnce(wc);
    }
    void PreSubclassWindow() override { events.push_back("presubclass"); }
    int OnCreate(CREATESTRUCTW& cs) override {
      events.push_back(FromHandle(m_hWnd) == this ? "create, linked" : "create, unlinked");
      return CWnd::OnCreate(cs);
    }
    void PostNcDestroy() override { events.push_back(m_hWnd ? "ncdestroy, linked" : "ncdestroy, unlinked"); }
    std::vector<std::string> events;
  } shape;
  Parent parent;
  ASSERT_TRUE(shape.CreateEx(0, L"ignored", nullptr, kChild, RECT{0, 0, 10, 10}, parent.GetHwnd()));
  DestroyWatch::Install(shape.GetHwnd(), GWLP_USERDATA);
  EXPECT_TRUE(shape.DestroyWindow());
  EXPECT_EQ(shape.events, (std::vector<std::string>{"presubclass", "create, linked", "ncdestroy, unlinked"}));
  EXPECT_EQ(DestroyWatch::slotAfterNcDestroy, 0);
  EXPECT_EQ(shape.GetHwnd(), nullptr);
}

TEST(Linking, DialogSlotIsClearedOnNcDestroy) {
  CDialog dialog(IDD_BMPMENU);
  ASSERT_TRUE(dialog.Create());
  EXPECT_EQ(::GetWindowLongPtrW(dialog.GetHwnd(), DWLP_USER), reinterpret_cast<LONG_PTR>(&dialog));
  EXPECT_EQ(CWnd::FromHandle(dialog.GetHwnd()), &dialog);
  DestroyWatch::Install(dialog.GetHwnd(), DWLP_USER);
  EXPECT_TRUE(dialog.DestroyWindow());
  EXPECT_EQ(DestroyWatch::slotAfterNcDestroy, 0);
  EXPECT_EQ(dialog.GetHwnd(), nullptr);
}

TEST(Linking, PreCreateWindowCanRefuseCreation) {
  struct Refuses : CWnd {
    bool PreCreateWindow(CREATESTRUCTW&) override { return false; }
  } refuses;
  EXPECT_FALSE(refuses.CreateEx(0, nullptr, L"x", WS_POPUP, RECT{0, 0, 10, 10}, nullptr));
  EXPECT_EQ(refuses.GetHwnd(), nullptr);
}

TEST(Linking, SubclassedControlKeepsItsBehaviourAndDetachGivesItBack) {
  Parent parent;
  CButton box;
  ASSERT_TRUE(box.Create(L"check", kChild | BS_AUTOCHECKBOX, RECT{0, 0, 80, 20}, parent.GetHwnd()));
  const auto classProc = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(box.GetHwnd(), GCLP_WNDPROC));
  EXPECT_EQ(CWnd::FromHandle(box.GetHwnd()), &box);
  box.SendMessage(BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(box.SendMessage(BM_GETCHECK), BST_CHECKED) << "default processing is the button's own";
  EXPECT_EQ(box.GetWindowText(), L"check");

  const HWND hwnd = box.Detach();
  EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)), classProc);
  EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_USERDATA), 0);
  EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
  EXPECT_TRUE(::IsWindow(hwnd)) << "a detached window lives on";
}

TEST(Linking, ForeignWindowsAreNeverTakenForObjects) {
  Parent parent;
  // A window of another procedure whose user data happens to hold a pointer-like value.
  HWND raw = ::CreateWindowExW(0, L"STATIC", L"", kChild, 0, 0, 5, 5, parent.GetHwnd(), nullptr, nullptr, nullptr);
  ::SetWindowLongPtrW(raw, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&parent));
  EXPECT_EQ(CWnd::FromHandle(raw), nullptr);
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
  CStatic other;
  EXPECT_TRUE(other.Attach(raw));
  CStatic twice;
  EXPECT_FALSE(twice.Attach(raw)) << "one object per window";
}

TEST(Linking, DestroyingTheObjectDestroysItsWindow) {
  HWND hwnd;
  {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, L"short", WS_POPUP, RECT{0, 0, 10, 10}, nullptr));
    hwnd = window.GetHwnd();
  }
  EXPECT_FALSE(::IsWindow(hwnd));
}

TEST(Commands, AreRoutedByTheSendersHandleWithRealClicks) {
  Parent parent;
  CButton first, second;
  first.Create(L"1", kChild | BS_PUSHBUTTON, RECT{10, 10, 90, 40}, parent.GetHwnd());
  second.Create(L"2", kChild | BS_PUSHBUTTON, RECT{100, 10, 180, 40}, parent.GetHwnd());
  fwtest::ClickCentre(second.GetHwnd());
  fwtest::ClickCentre(first.GetHwnd());
  EXPECT_TRUE(fwtest::PumpUntil([&] { return parent.commands.size() == 2; }));
  EXPECT_EQ(parent.commands, (std::vector<HWND>{second.GetHwnd(), first.GetHwnd()}));
}

TEST(Commands, AControlThatTakesItsReflectedNotificationKeepsItFromTheParent) {
  for (bool takes : {true, false}) {
    SCOPED_TRACE(takes ? "taken" : "passed on");
    struct Link : CStatic {
      bool OnReflectedCommand(UINT code) override {
        codes.push_back(code);
        return takes;
      }
      std::vector<UINT> codes;
      bool takes = false;
    } link;
    link.takes = takes;
    Parent parent;
    link.Create(L"link", kChild | SS_NOTIFY, RECT{10, 10, 90, 30}, parent.GetHwnd());
    fwtest::ClickCentre(link.GetHwnd());
    EXPECT_TRUE(fwtest::PumpUntil([&] { return !link.codes.empty(); }));
    fwtest::PumpFor(50);
    EXPECT_EQ(link.codes, std::vector<UINT>{STN_CLICKED});
    EXPECT_EQ(parent.commands.size(), takes ? 0u : 1u);
  }
}

TEST(Reflection, OwnerDrawingReachesTheControlNotTheParent) {
  struct Drawn : CButton {
    void DrawItem(DRAWITEMSTRUCT& dis) override {
      drawnHandles.push_back(dis.hwndItem);
      ::FillRect(dis.hDC, &dis.rcItem, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
    std::vector<HWND> drawnHandles;
  } button;
  Parent parent;
  button.Create(L"", kChild | BS_OWNERDRAW, RECT{10, 10, 60, 40}, parent.GetHwnd());
  ::RedrawWindow(button.GetHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_FALSE(button.drawnHandles.empty());
  EXPECT_EQ(button.drawnHandles.back(), button.GetHwnd());
}

TEST(Reflection, ItemsAreMeasuredByTheirListEvenBeforeItIsLinked) {
  struct Lines : CListBox {
    bool MeasureItem(MEASUREITEMSTRUCT& mis) override {
      mis.itemHeight = 20;
      ++measured;
      return true;
    }
    int measured = 0;
  };
  Parent parent;
  Lines variable, fixed;
  variable.Create(kChild | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, RECT{0, 0, 100, 100}, parent.GetHwnd());
  variable.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"line"));
  EXPECT_EQ(variable.measured, 1);
  EXPECT_EQ(variable.SendMessage(LB_GETITEMHEIGHT, 0), 20);
  // A fixed-height list asks once, while it is being created.
  fixed.Create(kChild | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, RECT{0, 100, 100, 200}, parent.GetHwnd());
  EXPECT_EQ(fixed.SendMessage(LB_GETITEMHEIGHT, 0), 20);
}

TEST(Reflection, ColourRequestsAreAnsweredByTheControl) {
  struct Coloured : CStatic {
    HBRUSH CtlColor(HDC dc, UINT) override {
      ::SetTextColor(dc, RGB(1, 2, 3));
      return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
    }
  } coloured;
  Parent parent;
  coloured.Create(L"x", kChild, RECT{0, 0, 40, 20}, parent.GetHwnd());
  HDC dc = ::GetDC(coloured.GetHwnd());
  const LRESULT brush = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(coloured.GetHwnd()));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(::GetStockObject(HOLLOW_BRUSH)));
  EXPECT_EQ(::GetTextColor(dc), RGB(1, 2, 3));
  ::ReleaseDC(coloured.GetHwnd(), dc);
}

TEST(Hooks, AnExceptionInAHandlerDoesNotLeaveTheWindowProcedure) {
  struct Throws : Parent {
    bool OnCommand(WPARAM, LPARAM) override { throw std::runtime_error("handler failed"); }
  } window;
  EXPECT_EQ(window.SendMessage(WM_COMMAND, 1, 0), 0);
  EXPECT_TRUE(window.IsWindow());
}

TEST(Hooks, TimersAndMouseLeaveTrackingReachTheWindow) {
  struct Tracked : Parent {
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
      if (msg == WM_MOUSEMOVE && !tracking) tracking = TrackMouseLeave();
      if (msg == WM_MOUSELEAVE) left = true;
      return Parent::WindowProc(msg, wParam, lParam);
    }
    void OnTimer(UINT_PTR id) override {
      timers.push_back(id);
      KillTimer(id);
    }
    bool tracking = false, left = false;
    std::vector<UINT_PTR> timers;
  } window;
  window.SetTimer(5, 10);
  fwtest::ClickAt(window.GetHwnd(), POINT{50, 50});
  EXPECT_TRUE(fwtest::PumpUntil([&] { return window.tracking; }));
  fwtest::ClickAt(window.GetHwnd(), POINT{-100, -100});  // outside
  EXPECT_TRUE(fwtest::PumpUntil([&] { return window.left && !window.timers.empty(); }));
  EXPECT_EQ(window.timers, std::vector<UINT_PTR>{5});
}

TEST(Application, StartUpThatDeclinesTheLoopEndsWithTheExitCode) {
  struct App : CWinApp {
    BOOL InitInstance() override { return FALSE; }
    int ExitInstance() override { return 3; }
  } app;
  ::PostThreadMessageW(::GetCurrentThreadId(), WM_APP, 0, 0);
  EXPECT_EQ(app.Execute(), 3);
  MSG msg;
  EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE)) << "no loop ran";
}

TEST(Application, LoopEndsWhenTheMainWindowIsDestroyed) {
  struct App : CWinApp {
    BOOL InitInstance() override {
      main.CreateEx(0, nullptr, L"main", WS_POPUP, RECT{0, 0, 10, 10}, nullptr);
      SetMainWnd(&main);
      main.PostMessage(WM_CLOSE);
      return TRUE;
    }
    CWnd main;
  } app;
  EXPECT_EQ(CWinApp::GetApp(), &app);
  EXPECT_EQ(app.Execute(), 0);
  EXPECT_EQ(app.GetMainWnd(), nullptr);
  MSG msg;
  EXPECT_FALSE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit was consumed";
}

}  // namespace
