#pragma once
// A fixed US keyboard layout, for platforms without the Windows keyboard translation.

#include "platform/KeyboardLayout.h"

namespace platform {

class UsKeyboardLayout final : public KeyboardLayout {
 public:
  std::optional<std::uint8_t> CharacterOf(std::uint8_t virtualKey) const override;
};

}  // namespace platform
