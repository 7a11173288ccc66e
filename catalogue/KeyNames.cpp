#include "catalogue/KeyNames.h"

#include <array>

namespace catalogue {
namespace {

struct NamedKey {
  std::uint8_t code;
  const char16_t* text;
};

// The texts are not uniform on purpose ("PageUp" but "Scroll Lock", "Numlock"): users and the
// companion program's documentation know the keys by exactly these names.
constexpr NamedKey kKeyNames[] = {
    {0x00, u""},
    {0x08, u"Backspace"},
    {0x09, u"Tab"},
    {0x0C, u"Clr"},
    {0x0D, u"Enter"},
    {0x10, u"Shift"},
    {0x11, u"Ctrl"},
    {0x12, u"Alt"},
    {0x13, u"Pause"},
    {0x14, u"CapsLock"},
    {0x1B, u"Esc"},
    {0x20, u"Space"},
    {0x21, u"PageUp"},
    {0x22, u"PageDown"},
    {0x23, u"End"},
    {0x24, u"Home"},
    {0x25, u"Left"},
    {0x26, u"Up"},
    {0x27, u"Right"},
    {0x28, u"Down"},
    {0x29, u"Select"},
    {0x2A, u"Print"},
    {0x2B, u"Enter"},  // VK_EXECUTE
    {0x2C, u"Snapshot"},
    {0x2D, u"Insert"},
    {0x2E, u"Delete"},
    {0x2F, u"Help"},
    {0x5B, u"LWin"},
    {0x5C, u"RWin"},
    {0x5D, u"App"},
    {0x60, u"(0)"},
    {0x61, u"(1)"},
    {0x62, u"(2)"},
    {0x63, u"(3)"},
    {0x64, u"(4)"},
    {0x65, u"(5)"},
    {0x66, u"(6)"},
    {0x67, u"(7)"},
    {0x68, u"(8)"},
    {0x69, u"(9)"},
    {0x6A, u"(*)"},
    {0x6B, u"(+)"},
    {0x6C, u"\\"},  // VK_SEPARATOR, without brackets
    {0x6D, u"(-)"},
    {0x6E, u"(.)"},
    {0x6F, u"(/)"},
    {0x70, u"F1"},
    {0x71, u"F2"},
    {0x72, u"F3"},
    {0x73, u"F4"},
    {0x74, u"F5"},
    {0x75, u"F6"},
    {0x76, u"F7"},
    {0x77, u"F8"},
    {0x78, u"F9"},
    {0x79, u"F10"},
    {0x7A, u"F11"},
    {0x7B, u"F12"},
    {0x90, u"Numlock"},
    {0x91, u"Scroll Lock"},
    {0xA0, u"LShift"},
    {0xA1, u"RShift"},
    {0xA2, u"LCtrl"},
    {0xA3, u"RCtrl"},
    {0xA4, u"LAlt"},
    {0xA5, u"RAlt"},
    {0xFF, u""},
};

// Only a macro event can be a mouse button; a captured key never is.
constexpr NamedKey kMouseButtonNames[] = {
    {0x01, u"Left Button"},
    {0x02, u"Right Button"},
    {0x04, u"Middle Button"},
};

using NameIndex = std::array<const char16_t*, 256>;  // nullptr: not in the table

template <std::size_t N>
constexpr void Enter(NameIndex& index, const NamedKey (&rows)[N]) {
  for (const auto& row : rows) index[row.code] = row.text;
}

constexpr NameIndex MakeIndex(bool withMouseButtons) {
  NameIndex index{};
  Enter(index, kKeyNames);
  if (withMouseButtons) Enter(index, kMouseButtonNames);
  return index;
}

constexpr NameIndex kKeyIndex = MakeIndex(false);
constexpr NameIndex kEventIndex = MakeIndex(true);

std::u16string NameFrom(const NameIndex& index, std::uint8_t keyCode, const platform::KeyboardLayout& layout) {
  if (const char16_t* text = index[keyCode]) return text;
  const auto produced = layout.CharacterOf(keyCode);
  if (!produced || *produced == 0) return {};
  char16_t character = *produced;
  if (character >= u'a' && character <= u'z') character = static_cast<char16_t>(character - u'a' + u'A');
  return std::u16string(1, character);
}

struct ModifierRow {
  std::uint8_t modifier;
  std::u16string_view name;
};

constexpr ModifierRow kModifierNames[] = {
    {kModifierCtrl, u"Ctrl"},
    {kModifierShift, u"Shift"},
    {kModifierAlt, u"Alt"},
};

}  // namespace

std::u16string KeyName(std::uint8_t keyCode, const platform::KeyboardLayout& layout) {
  return NameFrom(kKeyIndex, keyCode, layout);
}

std::u16string KeyName(std::uint8_t keyCode) { return KeyName(keyCode, platform::SystemKeyboardLayout()); }

std::u16string EventKeyName(std::uint8_t keyCode, const platform::KeyboardLayout& layout) {
  return NameFrom(kEventIndex, keyCode, layout);
}

std::u16string EventKeyName(std::uint8_t keyCode) {
  return EventKeyName(keyCode, platform::SystemKeyboardLayout());
}

std::u16string_view ModifierName(std::uint8_t modifier) {
  for (const auto& row : kModifierNames)
    if (row.modifier == modifier) return row.name;
  return {};
}

std::u16string SwitchCombinationText(std::uint32_t customFlag, const std::uint8_t (&code)[3],
                                     const platform::KeyboardLayout& layout) {
  if (customFlag == 0) return std::u16string(kDefaultSwitchText);
  std::u16string text;
  for (const std::uint8_t modifier : {code[0], code[1]}) {
    const auto name = ModifierName(modifier);
    if (!name.empty()) text.append(name).append(u"+");
  }
  return text + KeyName(code[2], layout);
}

std::u16string SwitchCombinationText(std::uint32_t customFlag, const std::uint8_t (&code)[3]) {
  return SwitchCombinationText(customFlag, code, platform::SystemKeyboardLayout());
}

std::u16string SwitchCombinationText(const store::StoreHeader& header) {
  return SwitchCombinationText(header.bCustomSwitch, header.SwitchCode);
}

}  // namespace catalogue
