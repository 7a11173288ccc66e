#include <gtest/gtest.h>

#include <map>

#include "catalogue/KeyNames.h"
#include "platform/portable/UsKeyboardLayout.h"

namespace catalogue {
namespace {

// A layout that produces whatever the test tells it to, and counts how often it is asked.
class ScriptedLayout final : public platform::KeyboardLayout {
 public:
  std::map<std::uint8_t, std::uint8_t> produces;
  mutable int asked = 0;
  std::optional<std::uint8_t> CharacterOf(std::uint8_t virtualKey) const override {
    ++asked;
    const auto it = produces.find(virtualKey);
    if (it == produces.end()) return std::nullopt;
    return it->second;
  }
};

struct NameCase {
  std::uint8_t code;
  std::u16string_view text;
};

// The uneven texts are the ones worth pinning: spacing, case, brackets and the twin Enter.
const NameCase kTabled[] = {
    {0x08, u"Backspace"}, {0x09, u"Tab"},    {0x0C, u"Clr"},      {0x0D, u"Enter"},    {0x10, u"Shift"},
    {0x11, u"Ctrl"},      {0x12, u"Alt"},    {0x13, u"Pause"},    {0x14, u"CapsLock"}, {0x1B, u"Esc"},
    {0x20, u"Space"},     {0x21, u"PageUp"}, {0x22, u"PageDown"}, {0x23, u"End"},      {0x24, u"Home"},
    {0x25, u"Left"},      {0x26, u"Up"},     {0x27, u"Right"},    {0x28, u"Down"},     {0x29, u"Select"},
    {0x2A, u"Print"},     {0x2B, u"Enter"},  {0x2C, u"Snapshot"}, {0x2D, u"Insert"},   {0x2E, u"Delete"},
    {0x2F, u"Help"},      {0x5B, u"LWin"},   {0x5C, u"RWin"},     {0x5D, u"App"},      {0x60, u"(0)"},
    {0x65, u"(5)"},       {0x69, u"(9)"},    {0x6A, u"(*)"},      {0x6B, u"(+)"},      {0x6C, u"\\"},
    {0x6D, u"(-)"},       {0x6E, u"(.)"},    {0x6F, u"(/)"},      {0x70, u"F1"},       {0x71, u"F2"},
    {0x79, u"F10"},       {0x7A, u"F11"},    {0x7B, u"F12"},      {0x90, u"Numlock"},  {0x91, u"Scroll Lock"},
    {0xA0, u"LShift"},    {0xA1, u"RShift"}, {0xA2, u"LCtrl"},    {0xA3, u"RCtrl"},    {0xA4, u"LAlt"},
    {0xA5, u"RAlt"},      {0x00, u""},       {0xFF, u""},
};

TEST(KeyNames, TabledCodesReadTheirFixedTextWhateverTheLayout) {
  ScriptedLayout layout;
  for (int code = 0; code < 256; ++code) layout.produces[static_cast<std::uint8_t>(code)] = 'x';
  for (const auto& c : kTabled) {
    EXPECT_EQ(KeyName(c.code, layout), c.text) << std::hex << int{c.code};
    EXPECT_EQ(EventKeyName(c.code, layout), c.text) << std::hex << int{c.code};
  }
}

TEST(KeyNames, MouseButtonsHaveNamesOnlyAsMacroEvents) {
  const platform::UsKeyboardLayout us;
  EXPECT_EQ(EventKeyName(0x01, us), u"Left Button");
  EXPECT_EQ(EventKeyName(0x02, us), u"Right Button");
  EXPECT_EQ(EventKeyName(0x04, us), u"Middle Button");
  for (std::uint8_t code : {0x01, 0x02, 0x04}) EXPECT_EQ(KeyName(code, us), u"") << int{code};
}

TEST(KeyNames, EventNamesDifferFromKeyNamesOnlyForTheMouseButtons) {
  const platform::UsKeyboardLayout us;
  for (int code = 0; code < 256; ++code) {
    const auto c = static_cast<std::uint8_t>(code);
    if (c == 0x01 || c == 0x02 || c == 0x04) continue;
    EXPECT_EQ(EventKeyName(c, us), KeyName(c, us)) << std::hex << code;
  }
}

TEST(KeyNames, UntabledKeysReadAsTheCharacterTheyProduce) {
  ScriptedLayout layout;
  layout.produces = {{0x41, 'a'}, {0x5A, 'z'}, {0x31, '1'}, {0xBA, ';'}, {0xC0, 0xF6},
                     {0xDB, '`'}, {0xDD, '{'}, {0xDE, 'Q'}, {0x03, 0x00}};
  const NameCase cases[] = {
      {0x41, u"A"}, {0x5A, u"Z"},      {0x31, u"1"},
      {0xBA, u";"}, {0xC0, u"\u00F6"},  // an 8-bit character of the layout's code page, not raised
      {0xDB, u"`"}, {0xDD, u"{"},       // the neighbours of a to z stay as they are
      {0xDE, u"Q"}, {0x03, u""},        // a produced NUL is no name
      {0x42, u""},                      // the layout produces nothing
  };
  for (const auto& c : cases) EXPECT_EQ(KeyName(c.code, layout), c.text) << std::hex << int{c.code};
}

TEST(KeyNames, TheFixedUsLayoutNamesLettersDigitsAndPunctuation) {
  const platform::UsKeyboardLayout us;
  const NameCase cases[] = {{0x41, u"A"}, {0x4D, u"M"}, {0x5A, u"Z"}, {0x30, u"0"}, {0x31, u"1"},
                            {0x39, u"9"}, {0xBA, u";"}, {0xBC, u","}, {0xBF, u"/"}, {0xDC, u"\\"},
                            {0xDE, u"'"}, {0x07, u""},  {0x3A, u""},  {0x5E, u""},  {0xE8, u""}};
  for (const auto& c : cases) EXPECT_EQ(KeyName(c.code, us), c.text) << std::hex << int{c.code};
}

TEST(KeyNames, TheSystemLayoutNamesLetterKeys) {
  // Natively the fixed US layout, under Wine the real translation: letters read the same in both.
  EXPECT_EQ(KeyName(0x41), u"A");
  EXPECT_EQ(KeyName(0x51), u"Q");
  EXPECT_EQ(KeyName(0x0D), u"Enter");
  EXPECT_EQ(EventKeyName(0x02), u"Right Button");
  for (std::uint8_t code : {0x01, 0x02, 0x04, 0x07, 0x3A, 0xE8}) EXPECT_EQ(KeyName(code), u"") << int{code};
}

TEST(ModifierNames, NameTheThreeModifiersAndNothingElse) {
  EXPECT_EQ(ModifierName(1), u"Ctrl");
  EXPECT_EQ(ModifierName(2), u"Shift");
  EXPECT_EQ(ModifierName(3), u"Alt");
  for (int m : {0, 4, 255}) EXPECT_EQ(ModifierName(static_cast<std::uint8_t>(m)), u"") << m;
}

struct SwitchCase {
  std::uint32_t custom;
  std::uint8_t code[3];
  std::u16string_view text;
};

const SwitchCase kSwitchCases[] = {
    {0, {0, 0, 0}, u"Shift + Esc"},
    {0, {1, 2, 0x41}, u"Shift + Esc"},  // a stored code counts only while the flag is set
    {1, {3, 0, 0x70}, u"Alt+F1"},
    {1, {0, 0, 0x70}, u"F1"},
    {1, {1, 2, 0x41}, u"Ctrl+Shift+A"},
    {1, {1, 1, 0x41}, u"Ctrl+Ctrl+A"},  // the two modifiers are not compared
    {1, {0, 3, 0x31}, u"Alt+1"},
    {1, {4, 9, 0x41}, u"A"},  // unknown modifier bytes add nothing
    {1, {2, 0, 0x00}, u"Shift+"},
    {1, {1, 0, 0x6C}, u"Ctrl+\\"},
    {7, {2, 0, 0x1B}, u"Shift+Esc"},  // any flag other than 0 means custom
};

TEST(SwitchCombination, ReadsTheDefaultOrTheCustomCode) {
  const platform::UsKeyboardLayout us;
  for (const auto& c : kSwitchCases)
    EXPECT_EQ(SwitchCombinationText(c.custom, c.code, us), c.text)
        << c.custom << " " << int{c.code[0]} << " " << int{c.code[1]} << " " << int{c.code[2]};
}

TEST(SwitchCombination, ReadsTheStoreHeader) {
  store::StoreHeader header{};
  header.SwitchCode[0] = 1;
  header.SwitchCode[2] = 0x7A;
  EXPECT_EQ(SwitchCombinationText(header), u"Shift + Esc");
  header.bCustomSwitch = 1;
  EXPECT_EQ(SwitchCombinationText(header), u"Ctrl+F11");
}

}  // namespace
}  // namespace catalogue
