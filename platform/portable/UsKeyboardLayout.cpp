#include "platform/portable/UsKeyboardLayout.h"

namespace platform {

std::optional<std::uint8_t> UsKeyboardLayout::CharacterOf(std::uint8_t vk) const {
  if (vk >= '0' && vk <= '9') return vk;
  if (vk >= 'A' && vk <= 'Z') return static_cast<std::uint8_t>(vk - 'A' + 'a');  // unshifted
  if (vk >= 0x60 && vk <= 0x69) return static_cast<std::uint8_t>('0' + vk - 0x60);  // number pad digits
  switch (vk) {
    case 0x08: return 0x08;  // Backspace
    case 0x09: return 0x09;  // Tab
    case 0x0D: return 0x0D;  // Enter
    case 0x1B: return 0x1B;  // Esc
    case 0x20: return ' ';
    case 0x6A: return '*';
    case 0x6B: return '+';
    case 0x6D: return '-';
    case 0x6E: return '.';
    case 0x6F: return '/';
    case 0xBA: return ';';
    case 0xBB: return '=';
    case 0xBC: return ',';
    case 0xBD: return '-';
    case 0xBE: return '.';
    case 0xBF: return '/';
    case 0xC0: return '`';
    case 0xDB: return '[';
    case 0xDC: return '\\';
    case 0xDD: return ']';
    case 0xDE: return '\'';
    case 0xE2: return '\\';  // the 102nd key
    default: return std::nullopt;
  }
}

}  // namespace platform
