#include "platform/win32/Win32KeyboardLayout.h"

#include <windows.h>

namespace platform {

std::optional<std::uint8_t> Win32KeyboardLayout::CharacterOf(std::uint8_t virtualKey) const {
  const UINT scanCode = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  BYTE keyState[256] = {};  // no modifier or lock counts as pressed
  WORD produced[2] = {};
  const int count = ::ToAscii(virtualKey, scanCode, keyState, produced, 0);
  if (count < 0) {
    // A dead key: its accent is in the buffer, and the layout now holds it for the next key the user
    // types. Translating it again releases it, so naming the key does not change what is typed next.
    WORD released[2] = {};
    for (int attempt = 0; attempt < 4; ++attempt)
      if (::ToAscii(virtualKey, scanCode, keyState, released, 0) >= 0) break;
  }
  if (count == 0 || (produced[0] & 0xFF) == 0) return std::nullopt;
  return static_cast<std::uint8_t>(produced[0] & 0xFF);
}

}  // namespace platform
