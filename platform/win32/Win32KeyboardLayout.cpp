#include "platform/win32/Win32KeyboardLayout.h"

#include <windows.h>

namespace platform {

std::optional<std::uint8_t> Win32KeyboardLayout::CharacterOf(std::uint8_t virtualKey) const {
  const UINT scanCode = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  BYTE keyState[256] = {};  // no modifier or lock counts as pressed
  WORD produced[2] = {};
  if (::ToAscii(virtualKey, scanCode, keyState, produced, 0) <= 0) return std::nullopt;
  return static_cast<std::uint8_t>(produced[0] & 0xFF);
}

}  // namespace platform
