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

#include "app/MainWindowLogic.h"
#include "catalogue/FunctionCatalogue.h"
#include "dialogs/AboutDlg.h"
#include "editors/LaunchProgram.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Text.h"
#include "profiles/SwitchDlg.h"
#include "profiles/SwitchProfile.h"
#include "tests/app/MainWindowFixture.h"

namespace {

using namespace apptest;
using catalogue::Category;

const bool kFull = std::getenv("TRELM_LONG_USE") && std::string_view(std::getenv("TRELM_LONG_USE")) == "full";
const int kCycles = kFull ? 500 : 10;
const int kRecordings = kFull ? 50 : 2;  // rounds alternate OK and Cancel
constexpr int kSlot = 12;  // one key for every cycle: a key's first label creates the tooltip it keeps

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

void Click(const CWnd& dialog, HWND button) {
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}
void Click(const skin::CSkinnedDialog& dialog, std::size_t button) { Click(dialog, dialog.GetButton(button).GetHwnd()); }

template <typename W>
BOOL CALLBACK FindShown(HWND hwnd, LPARAM out) {
  auto* w = dynamic_cast<W*>(CWnd::FromHandle(hwnd));
  if (!w || !::IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<W**>(out) = w;
  return FALSE;
}
// The visible top-level window of this thread that is a `W`, or null.
template <typename W>
W* Shown() {
  W* found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindShown<W>, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Acts on the modal dialog the next command runs, from inside its run, once it shows: it paints once,
// then `act` ends it as a user would.
class ModalActor : public CWnd {
 public:
  ModalActor() { CreateEx(0, nullptr, L"", WS_POPUP, RECT{0, 0, 1, 1}, nullptr); }
  ~ModalActor() override {
    if (m_hWnd) DestroyWindow();
  }
  template <typename D>
  void Arm(std::function<void(D&)> act) {
    m_act = [act = std::move(act)](CDialog& dialog) {
      auto* d = dynamic_cast<D*>(&dialog);
      ASSERT_NE(d, nullptr) << "another modal dialog opened";
      act(*d);
    };
    m_tries = 0;
    PostMessage(WM_APP);
  }
  bool Done() const { return !m_act; }

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg != WM_APP || !m_act) return CWnd::WindowProc(msg, wParam, lParam);
    CDialog* modal = Shown<CDialog>();
    if (!modal || !modal->IsModal()) {
      if (++m_tries < 2000) PostMessage(WM_APP);  // not running yet
      return 0;
    }
    ::UpdateWindow(modal->GetHwnd());
    auto act = std::move(m_act);
    m_act = nullptr;
    act(*modal);
    return 0;
  }

 private:
  std::function<void(CDialog&)> m_act;
  int m_tries = 0;
};

class LongUse : public MainWindow {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    Open();
  }

  void Choose(int slot, Category category) {
    Press(window->Keyboard().KeyWindow(slot));
    window->SendMessage(wm::kMenuChoice, 0, app::MenuValue(category, 0));
  }
  bool MainEnabledAgain() {
    return fwtest::PumpUntil([&] { return window->IsWindowEnabled() && window->KeyBeingEdited() == -1; });
  }
  void HookKey(HWND to, WPARAM key, LPARAM flags = 0) {  // as the hook library delivers it
    ::PostMessageW(to, wm::kKeyEvent, key, flags);
  }
  // Shows an editor from the key menu and paints it.
  template <typename D>
  D& ShowEditor(D& editor, Category category) {
    Choose(kSlot, category);
    EXPECT_TRUE(editor.IsWindowVisible());
    ::UpdateWindow(editor.GetHwnd());
    return editor;
  }
  void CloseEditor(const skin::CSkinnedDialog& editor, int i) {
    Click(editor, i % 2 ? 0 : 1);  // OK (index 0) or Cancel (index 1), in turn
    ASSERT_TRUE(MainEnabledAgain());
    registry.ClearWrites();
  }
  // Chooses entry `position` of an open bitmap menu as a click would, and waits until its owner took it.
  static void ChooseFrom(skin::CBmpMenuWindow& menu, int position, const std::function<bool()>& taken) {
    ::UpdateWindow(menu.GetHwnd());
    Click(menu, menu.Entry(position % menu.EntryCount()).GetHwnd());
    ASSERT_TRUE(fwtest::PumpUntil(taken));
  }

  // --- One cycle of each window ---------------------------------------------------------------------------
 public:  // named in the tests' tables
  void KeyMenu(int i) {
    Press(window->Keyboard().KeyWindow(kSlot));
    auto* menu = Shown<skin::CBmpMenu>();
    ASSERT_NE(menu, nullptr);
    ::UpdateWindow(menu->GetHwnd());
    if (i % 2)
      window->SendMessage(WM_ACTIVATEAPP, FALSE, 0);  // closed unchosen
    else
      window->SendMessage(wm::kMenuChoice, 0, app::MenuValue(Category::Disable, 0));
    EXPECT_FALSE(window->IsMenuOpen());
  }
  void KeySubmenu(int i) {
    static const std::vector<int> withSubmenu = [] {
      std::vector<int> positions;
      const auto entries = catalogue::KeyMenuEntries();
      for (std::size_t p = 0; p < entries.size(); ++p)
        if (entries[p].hasSubmenu) positions.push_back(static_cast<int>(p));
      return positions;
    }();
    Press(window->Keyboard().KeyWindow(kSlot));
    auto* menu = Shown<skin::CBmpMenu>();
    ASSERT_NE(menu, nullptr);
    ::UpdateWindow(menu->GetHwnd());
    const RECT entry = menu->Entry(withSubmenu[static_cast<std::size_t>(i) % withSubmenu.size()]).GetWindowRect();
    ::SetCursorPos((entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
    menu->SendMessage(WM_MOUSEMOVE);  // the menu asks where the pointer is
    auto* submenu = menu->GetOpenSubmenu();
    ASSERT_NE(submenu, nullptr);
    ChooseFrom(*submenu, i, [&] { return !window->IsMenuOpen(); });
  }
  void SingleKey(int i) {
    auto& editor = ShowEditor(window->SingleKeyDialog(), Category::SingleKey);
    HookKey(editor.GetHwnd(), 'A');
    HookKey(editor.GetHwnd(), 'A', wm::kKeyReleased);
    if (i % 4 == 3) {  // a second key: the replace question
      actor.Arm<CWarningDlg>([i](CWarningDlg& d) { Click(d, i % 8 == 3 ? d.GetOkButton() : d.GetCancelButton()); });
      HookKey(editor.GetHwnd(), 'B');
      ASSERT_TRUE(fwtest::PumpUntil([&] { return actor.Done() && editor.IsWindowEnabled(); }));
    }
    fwtest::PumpUntil([&] { return !editor.KeyText().empty(); });
    CloseEditor(editor, i);
  }
  void Mouse(int i) {
    auto& editor = ShowEditor(window->MouseDialog(), Category::Mouse);
    Click(editor, editor.ChoiceButton(static_cast<CMouseDlg::Choice>(i % CMouseDlg::kChoiceCount)).GetHwnd());
    CloseEditor(editor, i);
  }
  void Macro(int i) {
    auto& editor = ShowEditor(window->MacroEditor(), Category::Macro);
    constexpr CMacroSetDlg::Button kMenuButtons[] = {CMacroSetDlg::kPauseAmount, CMacroSetDlg::kRepeatCount,
                                                     CMacroSetDlg::kDelayMode, CMacroSetDlg::kInterval};
    Click(editor, kMenuButtons[i % 4]);
    ASSERT_NE(editor.MenuWindow(), nullptr);
    ChooseFrom(*editor.MenuWindow(), i, [&] { return editor.OpenMenu() == CMacroSetDlg::kNoMenu; });
    CloseEditor(editor, i);
  }
  void Launch(int i) {
    actor.Arm<CLaunchProgram>([i](CLaunchProgram& d) { Click(d, i % 2 ? CLaunchProgram::kOk : CLaunchProgram::kCancel); });
    Choose(kSlot, Category::LaunchProgram);  // returns when the dialog has closed
    EXPECT_TRUE(actor.Done());
  }
  void ProfileSwitch(int i) {
    actor.Arm<CSwitchProfile>([i](CSwitchProfile& d) {
      Click(d, CSwitchProfile::kProfileUp + i % 4);
      Click(d, CSwitchProfile::kDisplay);
      Click(d, i % 2 ? CSwitchProfile::kOk : CSwitchProfile::kCancel);
    });
    Choose(kSlot, Category::ProfileSwitch);
    EXPECT_TRUE(actor.Done());
  }
  void ProfileDialog(int i) {
    Press(COsselSettingDlg::kProfile);
    CProfileSetDlg& dialog = window->ProfileDialog();
    ASSERT_TRUE(dialog.IsWindowVisible());
    ::UpdateWindow(dialog.GetHwnd());
    Click(dialog, CProfileSetDlg::kFirstAutoSwitch + i % profiles::kRowCount);
    Click(dialog, i % 2 ? CProfileSetDlg::kOk : CProfileSetDlg::kCancel);
    ASSERT_TRUE(fwtest::PumpUntil([&] { return !dialog.IsWindowVisible() && window->IsWindowEnabled(); }));
  }
  void SlidePanelOut() {
    Press(COsselSettingDlg::kReference);
    ASSERT_TRUE(window->IsPanelOut());
  }
  void SlidePanelIn() {
    Click(window->Panel(), CRefrenceDlg::kCancel);
    ASSERT_TRUE(fwtest::PumpUntil([&] { return !window->IsPanelOut() && !window->Panel().IsWindowVisible(); }));
  }
  void Panel(int i) {
    SlidePanelOut();
    CRefrenceDlg& panel = window->Panel();
    Click(panel, CRefrenceDlg::kMedia);
    ASSERT_NE(panel.OpenMenu(), nullptr);
    if (i % 2) {
      ChooseFrom(*panel.OpenMenu(), 0, [&] { return panel.OpenMenu() == nullptr; });
    } else {
      ::UpdateWindow(panel.OpenMenu()->GetHwnd());
      panel.PostMessage(wm::kPanelCloseMenu);  // what the main window sends when a key is clicked
      ASSERT_TRUE(fwtest::PumpUntil([&] { return panel.OpenMenu() == nullptr; }));
    }
    Click(panel, i % 2 ? CRefrenceDlg::kOk : CRefrenceDlg::kCancel);
    ASSERT_TRUE(fwtest::PumpUntil([&] { return !window->IsPanelOut() && !panel.IsWindowVisible(); }));
  }
  void QuickSwitch(int i) {  // the panel is out
    actor.Arm<CSwitchDlg>([i](CSwitchDlg& d) {
      Click(d, CSwitchDlg::kCustom);
      Click(d, i % 2 ? CSwitchDlg::kFirstModifier : CSwitchDlg::kSecondModifier);
      ASSERT_NE(d.OpenMenu(), nullptr);
      ChooseFrom(*d.OpenMenu(), i, [&] { return d.OpenMenu() == nullptr; });
      Click(d, i % 4 < 2 ? CSwitchDlg::kOk : CSwitchDlg::kCancel);
    });
    Click(window->Panel(), CRefrenceDlg::kSwitch);  // asks the main window, which runs the dialog
    ASSERT_TRUE(fwtest::PumpUntil([&] { return actor.Done() && window->Panel().IsWindowEnabled(); }));
  }
  void Warning(int i) {
    constexpr int kModes = static_cast<int>(dialogs::WarningMode::kProfileFileFailed) + 1;
    actor.Arm<CWarningDlg>([i](CWarningDlg& d) { Click(d, i % 2 ? d.GetOkButton() : d.GetCancelButton()); });
    RunWarning(static_cast<dialogs::WarningMode>(i % kModes), window->GetHwnd(), L"C:\\a.prof", L"reason");
    EXPECT_TRUE(actor.Done());
  }
  void About(int i) {
    actor.Arm<CAboutDlg>([i](CAboutDlg& d) { Click(d, i % 2 ? d.GetOkButton() : d.GetCloseButton()); });
    window->SendMessage(WM_SYSCOMMAND, COsselSettingDlg::kSysCommandAbout, 0);
    EXPECT_TRUE(actor.Done());
  }

 protected:
  ModalActor actor;
};

TEST_F(LongUse, EveryWindowOpenedAndClosedFiveHundredTimesLeavesNothingBehind) {
  using Cycle = void (LongUse::*)(int);
  struct Row {
    const char* name;
    Cycle cycle;
    bool panelOut = false;  // the row's windows open from the settings panel
  };
  const Row rows[] = {
      {"key function menu", &LongUse::KeyMenu},
      {"key function submenus", &LongUse::KeySubmenu},
      {"single-key editor and its question", &LongUse::SingleKey},
      {"mouse editor", &LongUse::Mouse},
      {"macro editor and its menus", &LongUse::Macro},
      {"launch dialog", &LongUse::Launch},
      {"profile-switch dialog", &LongUse::ProfileSwitch},
      {"profile dialog", &LongUse::ProfileDialog},
      {"settings panel slide and its menu", &LongUse::Panel},
      {"quick-switch dialog and its menus", &LongUse::QuickSwitch, true},
      {"confirmation dialog, every mode", &LongUse::Warning},
      {"about box", &LongUse::About},
  };
  for (const Row& row : rows) {
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
