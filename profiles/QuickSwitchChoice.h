#pragma once
// What the quick-switch dialog edits: whether the default hot-key (Shift + Esc) or a custom combination of
// up to two modifiers and one key is in force, and that combination. The rules of the dialog (what the
// default choice clears, which modifiers the second menu offers, which keys cannot be the hot-key's key)
// live here, away from the window, so they can be checked without one.

#include <cstdint>
#include <string_view>
#include <vector>

#include "store/SettingsStore.h"

namespace profiles {

// The three bytes of the header's SwitchCode: modifiers 0 none, 1 Ctrl, 2 Shift, 3 Alt; then a key code.
struct SwitchCode {
  std::uint8_t first = 0;
  std::uint8_t second = 0;
  std::uint8_t key = 0;
  friend bool operator==(const SwitchCode&, const SwitchCode&) = default;
};

// The first modifier menu's entries, in display order: Ctrl, Shift, Alt.
inline constexpr int kFirstMenuEntries = 3;
// The second modifier menu's first entry, which takes the second modifier away.
inline constexpr std::u16string_view kNoModifierText = u"None";

class QuickSwitchChoice {
 public:
  QuickSwitchChoice() = default;
  // The header's values. Any non-zero flag means custom. A modifier byte other than 0..3 (written by
  // someone else) shows as no modifier but is kept, and OK writes it back unless the user chose another.
  static QuickSwitchChoice FromHeader(const store::StoreHeader& header);

  bool IsCustom() const { return m_custom; }
  const SwitchCode& Code() const { return m_code; }

  // Default clears the whole combination; custom keeps it, to be edited.
  void Choose(bool custom);

  // The modifiers of the second menu's entries in display order: none first, then each modifier that
  // is not the first one.
  std::vector<std::uint8_t> SecondMenuModifiers() const;

  // A choice from the first menu (position 0..2: Ctrl, Shift, Alt). A second modifier equal to the new
  // first one is cleared. False, changing nothing, for another position or without the custom choice.
  bool ChooseFirst(int position);
  // A choice from the second menu, by the position of the entry as SecondMenuModifiers lists it.
  bool ChooseSecond(int position);

  // Modifier keys, the Windows keys and F12 cannot be the hot-key's key.
  static bool IsIgnoredKey(unsigned keyCode);
  // A key reported by the hook library. True when it became the combination's key; keys are only taken
  // while the custom choice is on, and only virtual-key codes 1..254.
  bool TakeKey(unsigned keyCode);

  // What OK writes into the header: bCustomSwitch and SwitchCode, nothing else.
  void StoreInto(store::StoreHeader& header) const;

 private:
  bool m_custom = false;
  std::uint32_t m_storedFlag = 0;
  SwitchCode m_code;
};

}  // namespace profiles
