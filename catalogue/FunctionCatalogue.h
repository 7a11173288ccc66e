#pragma once
// Everything a key can be made to do: the one-byte function kinds stored in the key assignment
// record, where the key function menu offers each one, which record fields it carries, and the text
// that names it on the keyboard picture. The companion program gives the codes their meaning; here
// they are only a table.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/KeyboardLayout.h"

namespace catalogue {

// The entries of the key function menu, numbered as the category of its command values
// ((category × 65536) + item).
enum class Category : std::uint8_t {
  Reset = 0,
  SingleKey = 1,
  Macro = 2,
  Mouse = 3,
  Internet = 4,
  Office = 5,
  Media = 6,
  Additional = 7,
  ProfileSwitch = 8,
  LaunchProgram = 9,
  Disable = 10,
};

// The record fields a function carries besides its kind.
enum class RecordFields : std::uint8_t { None, KeyCode, Macro, ProfileSwitch, LaunchProgram };

struct FunctionInfo {
  std::uint8_t kind;
  std::string_view labelKey;  // in section "MENU"; empty for no assignment and the single key
  Category category;          // the menu entry that assigns it
  std::uint8_t item;          // 1-based place from the top in the category's submenu; 0 outside submenus
  RecordFields fields;
};

inline constexpr std::string_view kMenuSection = "MENU";

// Every code that names a function, in code order; the codes between them name nothing.
std::span<const FunctionInfo> Functions();
// The row of `kind`; nullptr for a code that names no function.
const FunctionInfo* FindFunction(std::uint8_t kind);

struct KeyMenuEntry {
  std::string_view textKey;  // in section "MENU"
  Category category;
  bool hasSubmenu;
};

// The key function menu, from the top.
std::span<const KeyMenuEntry> KeyMenuEntries();
// The function kinds of a submenu from the top (its items' values); empty for a category without one.
std::span<const std::uint8_t> SubmenuKinds(Category category);

// The name of a key's function, its tooltip on the keyboard picture: the key name of `keyCode` for a
// single key, the "MENU" text of the label key for the other functions, empty for no assignment and
// for codes that name nothing. `keyCode` matters for the single key only.
std::u16string FunctionLabel(std::uint8_t kind, std::uint8_t keyCode, std::u16string_view stringFilePath,
                             const platform::KeyboardLayout& layout);
// In the current language file and the user's keyboard layout.
std::u16string FunctionLabel(std::uint8_t kind, std::uint8_t keyCode);

}  // namespace catalogue
