#pragma once
// The display names of keyboard keys and of the quick-switch key combination. The names are fixed
// English texts, the same in every language of the string table.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/KeyboardLayout.h"
#include "store/SettingsStore.h"

namespace catalogue {

// The name of a virtual-key code: the table's text, or else the unshifted character the key
// produces in `layout` (letters raised to upper case); empty for 0x00, 0xFF and keys without one.
std::u16string KeyName(std::uint8_t keyCode, const platform::KeyboardLayout& layout);
std::u16string KeyName(std::uint8_t keyCode);  // in the user's current layout

// As KeyName, but the mouse-button codes 0x01, 0x02 and 0x04 of a macro event have names too.
std::u16string EventKeyName(std::uint8_t keyCode, const platform::KeyboardLayout& layout);
std::u16string EventKeyName(std::uint8_t keyCode);

// A modifier byte of the switch combination code: 1 Ctrl, 2 Shift, 3 Alt.
inline constexpr std::uint8_t kModifierNone = 0;
inline constexpr std::uint8_t kModifierCtrl = 1;
inline constexpr std::uint8_t kModifierShift = 2;
inline constexpr std::uint8_t kModifierAlt = 3;

// "Ctrl", "Shift" or "Alt"; empty for any other byte.
std::u16string_view ModifierName(std::uint8_t modifier);

// The hot-key the companion program uses while no custom combination is in force.
inline constexpr std::u16string_view kDefaultSwitchText = u"Shift + Esc";

// "Shift + Esc" while `customFlag` is 0, else the combination, such as "Ctrl+Shift+A".
std::u16string SwitchCombinationText(std::uint32_t customFlag, const std::uint8_t (&code)[3],
                                     const platform::KeyboardLayout& layout);
std::u16string SwitchCombinationText(std::uint32_t customFlag, const std::uint8_t (&code)[3]);
std::u16string SwitchCombinationText(const store::StoreHeader& header);

}  // namespace catalogue
