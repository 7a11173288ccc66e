#pragma once
// Every window and menu of the program, opened through the main window the way a user's commands reach it.
// A cycle opens one window, paints it once and closes it again. Cycles are driven by messages, not by the
// pointer, so a cycle costs what its windows cost. Cycle i picks which submenu, menu, mode and closing button
// it uses, so cycles 0 to variants - 1 of a stop show every one of them.
#include <functional>
#include <vector>

#include "app/MainWindowLogic.h"
#include "catalogue/FunctionCatalogue.h"
#include "dialogs/AboutDlg.h"
#include "editors/LaunchProgram.h"
#include "platform/WindowMessages.h"
#include "profiles/SwitchDlg.h"
#include "profiles/SwitchProfile.h"
#include "tests/app/MainWindowFixture.h"

namespace apptest {

using catalogue::Category;

constexpr int kSlot = 12;  // one key for every cycle: a key's first label creates the tooltip it keeps
constexpr int kWarningModes = static_cast<int>(dialogs::WarningMode::kProfileFileFailed) + 1;

inline const std::vector<int>& KeyMenuPositionsWithSubmenu() {
  static const std::vector<int> positions = [] {
    std::vector<int> found;
    const auto entries = catalogue::KeyMenuEntries();
    for (std::size_t p = 0; p < entries.size(); ++p)
      if (entries[p].hasSubmenu) found.push_back(static_cast<int>(p));
    return found;
  }();
  return positions;
}

inline void Click(const CWnd& dialog, HWND button) {
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}
inline void Click(const skin::CSkinnedDialog& dialog, std::size_t button) { Click(dialog, dialog.GetButton(button).GetHwnd()); }

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

class WindowTour : public MainWindow {
 protected:
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
 public:  // named in the tour's table
  void MainWindowPainted(int) {
    ::RedrawWindow(window->GetHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
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
    const std::vector<int>& withSubmenu = KeyMenuPositionsWithSubmenu();
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
    actor.Arm<CWarningDlg>([i](CWarningDlg& d) { Click(d, i % 2 ? d.GetOkButton() : d.GetCancelButton()); });
    const auto mode = static_cast<dialogs::WarningMode>(i % kWarningModes);
    const bool file = mode == dialogs::WarningMode::kProfileFileFailed;  // the only mode that names a file
    RunWarning(mode, window->GetHwnd(), file ? L"My profile.prof" : L"", file ? L"The file is damaged." : L"");
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

// The stops of a tour, in order.
struct TourStop {
  const char* name;
  void (WindowTour::*cycle)(int);
  int variants;           // cycles 0 to variants - 1 show every submenu, menu, mode and question
  bool panelOut = false;  // the stop's windows open from the settings panel
};
inline const TourStop kTourStops[] = {
    {"main window", &WindowTour::MainWindowPainted, 1},
    {"key function menu", &WindowTour::KeyMenu, 1},
    {"key function submenus", &WindowTour::KeySubmenu, static_cast<int>(KeyMenuPositionsWithSubmenu().size())},
    {"single-key editor and its question", &WindowTour::SingleKey, 4},
    {"mouse editor", &WindowTour::Mouse, 1},
    {"macro editor and its menus", &WindowTour::Macro, 4},
    {"launch dialog", &WindowTour::Launch, 1},
    {"profile-switch dialog", &WindowTour::ProfileSwitch, 1},
    {"profile dialog", &WindowTour::ProfileDialog, 1},
    {"settings panel slide and its menu", &WindowTour::Panel, 1},
    {"quick-switch dialog and its menus", &WindowTour::QuickSwitch, 2, true},
    {"confirmation dialog, every mode", &WindowTour::Warning, kWarningModes},
    {"about box", &WindowTour::About, 1},
};

}  // namespace apptest
