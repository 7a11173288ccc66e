#pragma once
// Which physical key each key slot is in the three layout variants, and the fixed character layout of
// each variant. Names never depend on the machine: variants 0 and 1 use a fixed US layout and variant 2
// (the 109-key Japanese keyboard) a fixed Japanese one, whatever layout the user has.

#include <cstdint>

#include "platform/KeyboardLayout.h"

namespace profiletool {

// Any value other than 1 and 2 is variant 0.
int Variant(int variant);

const platform::KeyboardLayout& LayoutOf(int variant);

// The virtual-key code of the key at `slot`; 0 for slots the variant does not have.
std::uint8_t SlotKeyCode(int variant, int slot);

// A slot's own name where its code's name would not tell it apart ("(Enter)", the number pad's); else null.
const char16_t* SlotOwnName(int variant, int slot);

// Whether one of the variant's slots is the key `code`.
bool OnKeyboard(int variant, std::uint8_t code);

}  // namespace profiletool
