#include "tools/profile/KeyboardVariants.h"

#include <vector>

#include "catalogue/KeyLayout.h"
#include "platform/portable/UsKeyboardLayout.h"

namespace profiletool {
namespace {

// The unshifted characters of the Japanese keyboard where they differ from the US one.
class JapaneseLayout final : public platform::KeyboardLayout {
 public:
  std::optional<std::uint8_t> CharacterOf(std::uint8_t vk) const override {
    switch (vk) {
      case 0xBA: return ':';
      case 0xBB: return ';';
      case 0xC0: return '@';
      case 0xDC: return 0xA5;  // the yen sign
      case 0xDE: return '^';
      case 0xE2: return '\\';
      default: return m_us.CharacterOf(vk);
    }
  }

 private:
  platform::UsKeyboardLayout m_us;
};

struct SlotKey {
  std::uint8_t vk = 0;
  const char16_t* name = nullptr;  // for a second key of the same code
};

constexpr SlotKey kNumberPadEnter{0x0D, u"(Enter)"};

// Row by row as the slots count them, the Enter key (51) after the top letter row.
const std::vector<SlotKey>& UsKeys() {
  static const std::vector<SlotKey> keys = {
      {0x1B}, {0x70}, {0x71}, {0x72}, {0x73}, {0x74}, {0x75}, {0x76}, {0x77}, {0x78}, {0x79}, {0x7A}, {0x7B},
      {0x2C}, {0x91}, {0x13},
      {0xC0}, {'1'}, {'2'}, {'3'}, {'4'}, {'5'}, {'6'}, {'7'}, {'8'}, {'9'}, {'0'}, {0xBD}, {0xBB}, {0xDC}, {0x08},
      {0x2D}, {0x24}, {0x21}, {0x90}, {0x6F}, {0x6A}, {0x6D},
      {0x09}, {'Q'}, {'W'}, {'E'}, {'R'}, {'T'}, {'Y'}, {'U'}, {'I'}, {'O'}, {'P'}, {0xDB}, {0xDD},
      {0x0D}, {0x2E}, {0x23}, {0x22}, {0x67}, {0x68}, {0x69}, {0x6B},
      {0x14}, {'A'}, {'S'}, {'D'}, {'F'}, {'G'}, {'H'}, {'J'}, {'K'}, {'L'}, {0xBA}, {0xDE}, {0x64}, {0x65}, {0x66},
      {0xA0}, {'Z'}, {'X'}, {'C'}, {'V'}, {'B'}, {'N'}, {'M'}, {0xBC}, {0xBE}, {0xBF}, {0xA1}, {0x26},
      {0x61}, {0x62}, {0x63}, kNumberPadEnter,
      {0xA2}, {0x5B}, {0xA4}, {0x20}, {0xA5}, {0x5C}, {0x5D}, {0xA3}, {0x25}, {0x28}, {0x27}, {0x60}, {0x6E},
  };
  return keys;
}

// The US keys with one more beside the left Shift.
const std::vector<SlotKey>& IsoKeys() {
  static const std::vector<SlotKey> keys = [] {
    auto iso = UsKeys();
    iso.insert(iso.begin() + 75, SlotKey{0xE2});
    return iso;
  }();
  return keys;
}

const std::vector<SlotKey>& JapaneseKeys() {
  static const std::vector<SlotKey> keys = {
      {0x1B}, {0x70}, {0x71}, {0x72}, {0x73}, {0x74}, {0x75}, {0x76}, {0x77}, {0x78}, {0x79}, {0x7A}, {0x7B},
      {0x2C}, {0x91}, {0x13},
      {0xF3}, {'1'}, {'2'}, {'3'}, {'4'}, {'5'}, {'6'}, {'7'}, {'8'}, {'9'}, {'0'}, {0xBD}, {0xDE},
      {0xDC}, {0x08},
      {0x2D}, {0x24}, {0x21}, {0x90}, {0x6F}, {0x6A}, {0x6D},
      {0x09}, {'Q'}, {'W'}, {'E'}, {'R'}, {'T'}, {'Y'}, {'U'}, {'I'}, {'O'}, {'P'}, {0xC0}, {0xDB},
      {0x0D}, {0x2E}, {0x23}, {0x22}, {0x67}, {0x68}, {0x69}, {0x6B},
      {0x14}, {'A'}, {'S'}, {'D'}, {'F'}, {'G'}, {'H'}, {'J'}, {'K'}, {'L'}, {0xBB}, {0xBA}, {0xDD},
      {0x64}, {0x65}, {0x66},
      {0xA0}, {'Z'}, {'X'}, {'C'}, {'V'}, {'B'}, {'N'}, {'M'}, {0xBC}, {0xBE}, {0xBF}, {0xE2}, {0xA1}, {0x26},
      {0x61}, {0x62}, {0x63}, kNumberPadEnter,
      {0xA2}, {0x5B}, {0xA4}, {0x1D}, {0x20}, {0x1C}, {0x15}, {0xA5}, {0x5C},
      {0x5D}, {0xA3}, {0x25}, {0x28}, {0x27}, {0x60}, {0x6E},
  };
  return keys;
}

const std::vector<SlotKey>& KeysOf(int variant) {
  switch (Variant(variant)) {
    case 1: return IsoKeys();
    case 2: return JapaneseKeys();
    default: return UsKeys();
  }
}

}  // namespace

int Variant(int variant) { return catalogue::LayoutVariant(variant < 0 ? 0u : static_cast<std::uint32_t>(variant)); }

const platform::KeyboardLayout& LayoutOf(int variant) {
  static const platform::UsKeyboardLayout us;
  static const JapaneseLayout japanese;
  if (Variant(variant) == 2) return japanese;
  return us;
}

std::uint8_t SlotKeyCode(int variant, int slot) {
  const auto& keys = KeysOf(variant);
  return slot >= 0 && static_cast<std::size_t>(slot) < keys.size() ? keys[slot].vk : 0;
}

const char16_t* SlotOwnName(int variant, int slot) {
  const auto& keys = KeysOf(variant);
  return slot >= 0 && static_cast<std::size_t>(slot) < keys.size() ? keys[slot].name : nullptr;
}

bool OnKeyboard(int variant, std::uint8_t code) {
  for (const SlotKey& key : KeysOf(variant))
    if (key.vk == code) return true;
  return false;
}

}  // namespace profiletool
