#pragma once
// Which physical key each key slot is in the three layout variants, named as the program names keys
// (catalogue::KeyName), so a slot reads "F5" or "Enter" in every report the tool writes.
//
// Names never depend on the machine: variants 0 and 1 use a fixed US layout and variant 2 (the 109-key
// Japanese keyboard) a fixed Japanese one, whatever layout the user has. The same layouts name the keys
// a single key sends and a macro's events, so a JSON file reads the same wherever it was written.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/KeyboardLayout.h"

namespace profiletool {

// The fixed character layout of a variant (any value other than 1 and 2 is variant 0).
const platform::KeyboardLayout& LayoutOf(int variant);

// The virtual-key code of the key at `slot`; 0 for slots the variant does not have.
std::uint8_t SlotKeyCode(int variant, int slot);

// "F5", "Q", "(Enter)" (the number pad's); empty for slots the variant does not have.
std::u16string SlotName(int variant, int slot);

// The slot that `name` names in the variant; nothing when no slot or more than one has that name.
std::optional<int> SlotNamed(int variant, std::u16string_view name);

// How reports point at a key: "key F5", or "slot 105" for a slot without a name of its own.
std::string SlotLabel(int variant, int slot);

}  // namespace profiletool
