#pragma once
// Every private window message of the program, the companion and the hook library, with who sends it to
// whom and how its parameters are packed. Numbers are decimal, as the other programs know them.
// Portable: the hook library, the windows and the native tests all take them from here.

#include <cstdint>

namespace wm {

// Hook library → the window of the latest installhook: a key went down or up.
//   wParam: the virtual-key code; lParam: flags, kKeyReleased set for a release.
inline constexpr std::uint32_t kKeyEvent = 1034;
inline constexpr std::uintptr_t kKeyReleased = 0x80;
constexpr bool IsKeyRelease(std::intptr_t flags) { return (static_cast<std::uintptr_t>(flags) & kKeyReleased) != 0; }

// Submenu → its bitmap menu: (parent position × 65536 + submenu position, submenu value's low 16 bits).
inline constexpr std::uint32_t kSubmenuChoice = 1280;
// Bitmap menu → its owner: a choice; wParam the positions, lParam the value (packing in skin/MenuLayout.h).
inline constexpr std::uint32_t kMenuChoice = 1281;
// Main window → advanced settings panel: close your open menu (the user clicked elsewhere). No parameters.
inline constexpr std::uint32_t kPanelCloseMenu = 1282;

// Main window → companion: wParam kSettingsSaved, lParam 0.
// Companion → main window: wParam the profile index, lParam the layer index or a negative number.
inline constexpr std::uint32_t kCompanionSettingsOrProfile = 1537;
inline constexpr std::uintptr_t kSettingsSaved = 7;
// Main window → companion: wParam the main window's handle when it opens, 0 when it closes; lParam 0.
inline constexpr std::uint32_t kCompanionWindow = 1538;

// Children → main window, found by its title. wParam is one of the codes below; lParam 0 unless noted.
//   1541 advanced settings panel: kPanelCommand, kClosed (slide me in), kQuickSwitch (open the quick-switch
//        dialog), kActivationChanged; quick-switch dialog: kQuickSwitch with lParam kClosed when it closes.
//   1543 profile management dialog: kClosed, kConfirm (ask for the reset confirmation).
//   1544 single-key dialog: kApply (posted), kClosed, kConfirm with lParam the newly captured key code.
//   1545 mouse function dialog: kApply (sent), kClosed.
//   1552 macro editor: kApply (sent), kClosed, kNoticeSelectOneLine, kNoticeMacroFull.
inline constexpr std::uint32_t kFromPanel = 1541;
inline constexpr std::uint32_t kFromProfileDialog = 1543;
inline constexpr std::uint32_t kFromSingleKey = 1544;
inline constexpr std::uint32_t kFromMouse = 1545;
inline constexpr std::uint32_t kFromMacro = 1552;

enum Code : std::uintptr_t {
  kPanelCommand = 0,             // a panel button or its background was pressed: close an open key menu
  kClosed = 16,                  // the child has closed (or, from the panel, is to be slid in)
  kNoticeSelectOneLine = 1553,   // show the notice that adding a pause needs one selected line
  kNoticeMacroFull = 1554,       // show the notice that the macro is full
  kApply = 13312,                // write the edited assignment and save
  kQuickSwitch = 13313,          // the quick-switch dialog is wanted, or (lParam kClosed) has closed
  kConfirm = 13314,              // ask the user for confirmation
  kActivationChanged = 13315,    // the application was activated or deactivated
};

}  // namespace wm
