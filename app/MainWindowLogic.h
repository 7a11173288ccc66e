#pragma once
// The main window's decisions that need no window: the profile label, where the key function menu
// opens, what a menu command means, and which looks a key gets.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Version.h"
#include "catalogue/FunctionCatalogue.h"
#include "catalogue/KeyLayout.h"
#include "store/SettingsStore.h"

namespace app {

using catalogue::Point;

// The version shown in the main window, from project() through the generated Version.h.
inline constexpr char16_t kVersionNumber[] = u"" TRELM_VERSION_TEXT;

// Start-up: everything the program reads lies beside the executable `moduleFileName`; the program's
// folders and the string file are known from here on.
void UseProgramFoldersOf(std::u16string_view moduleFileName);

// "Name    Exe" for a named profile, else "<profile word> NN    Exe" with the profile's number.
std::u16string ProfileLabelText(const store::SettingsStore& store, std::u16string_view profileWord);

// The key function menu's skin is 181 × 295; near the right or bottom edge of the full-screen area
// it opens to the left of or above the pointer.
inline constexpr int kKeyMenuWidth = 181;
inline constexpr int kKeyMenuHeight = 295;
Point KeyMenuOrigin(Point pointer, int fullScreenWidth, int fullScreenHeight);

// A key function menu choice: (category × 65536) + item, the category numbered as catalogue::Category.
struct MenuCommand {
  int category = 0;
  int item = 0;
};
constexpr std::uint32_t MenuValue(catalogue::Category category, int item) {
  return static_cast<std::uint32_t>(category) * 65536u + static_cast<std::uint32_t>(item);
}
// Category -1 for a value that is no command of ours.
MenuCommand DecodeMenuValue(std::uintptr_t value);

// The kind a choice writes straight into the key's record: 0 for reset, 10 for disable, a submenu
// item's kind when it really is an item of that submenu. Nothing for the choices that open an editor
// or a dialog, and for anything that is not a choice of this menu (a message may come from anywhere).
std::optional<std::uint8_t> DirectAssignmentKind(const MenuCommand& command);

// The three looks of a key and the images their faces are cut from.
enum class KeyState { Plain, Assigned, BeingEdited };
enum class LayerImage { Normal, Over, Down, Selected };
struct KeyLook {
  LayerImage normal, over, down;
  friend bool operator==(const KeyLook&, const KeyLook&) = default;
};

KeyState KeyStateOf(const store::KeyRecord& record, bool beingEdited);
KeyLook LookOf(KeyState state);

}  // namespace app
