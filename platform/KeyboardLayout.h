#pragma once
// The character a key produces in the user's keyboard layout, with no modifier or lock pressed.

#include <cstdint>
#include <optional>

namespace platform {

class KeyboardLayout {
 public:
  virtual ~KeyboardLayout() = default;
  // The low 8 bits of the character `virtualKey` produces unshifted; nullopt when it produces none.
  virtual std::optional<std::uint8_t> CharacterOf(std::uint8_t virtualKey) const = 0;
};

// The running platform's layout: MapVirtualKeyW and ToAscii on Windows, a fixed US layout elsewhere.
const KeyboardLayout& SystemKeyboardLayout();

}  // namespace platform
