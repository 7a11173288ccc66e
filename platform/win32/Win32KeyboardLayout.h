#pragma once
// The character of a key through MapVirtualKeyW and ToAscii, with an all-zero key state. A dead key
// is named by its accent.

#include "platform/KeyboardLayout.h"

namespace platform {

class Win32KeyboardLayout final : public KeyboardLayout {
 public:
  std::optional<std::uint8_t> CharacterOf(std::uint8_t virtualKey) const override;
};

}  // namespace platform
