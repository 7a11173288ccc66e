#pragma once
// The modal window that sets the quick-switch hot-key: the default Shift + Esc, or a custom combination
// of up to two modifiers, chosen from small menus, and a key, captured through the hook library. OK writes
// bCustomSwitch and SwitchCode into the header; Cancel writes nothing. Either way the main window hears
// (1541, 13313, 16), so it can bring the settings panel up to date and enable it again.

#include <memory>
#include <optional>

#include "editors/HookLibrary.h"
#include "profiles/QuickSwitchChoice.h"
#include "skin/BmpMenu.h"
#include "skin/SkinnedDialog.h"
#include "store/SettingsStore.h"

class CSwitchDlg : public skin::CSkinnedDialog {
 public:
  enum Button { kOk, kCancel, kDefault, kCustom, kFirstModifier, kSecondModifier, kKeyDisplay };
  // Which selector opened the menu that is shown.
  enum class MenuFor { kNone, kFirst, kSecond };

  explicit CSwitchDlg(store::StoreHeader& header);

  const profiles::QuickSwitchChoice& Choice() const { return m_choice; }
  skin::CBmpMenu* OpenMenu() const { return m_menu.get(); }
  MenuFor OpenMenuFor() const { return m_menuFor; }

 protected:
  BOOL OnInitDialog() override;
  void OnButton(std::size_t index) override;
  // The close command is Cancel, and it ends the run once OK or Cancel has spoken.
  void OnCancel() override;
  void OnDestroy() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void ApplyChoice();
  void ShowCode();
  void OpenModifierMenu(MenuFor selector);
  void CloseMenu();
  void OnMenuChoice(WPARAM wParam);
  LRESULT OnKeyEvent(WPARAM keyCode);
  void Finish(INT_PTR result);

  store::StoreHeader& m_header;
  profiles::QuickSwitchChoice m_choice;
  std::optional<editors::KeyCapture> m_keys;  // while the window exists
  std::unique_ptr<skin::CBmpMenu> m_menu;
  MenuFor m_menuFor = MenuFor::kNone;
  std::optional<INT_PTR> m_finishedWith;  // OK or Cancel has been pressed; the close request ends the run
};
