#include "tools/profile/Listings.h"

#include <cstdio>

#include "catalogue/FunctionCatalogue.h"
#include "catalogue/KeyLayout.h"
#include "store/SettingsStore.h"
#include "tools/profile/KeyWords.h"
#include "tools/profile/KeyboardVariants.h"
#include "tools/profile/SlotNames.h"
#include "tools/profile/Text.h"

namespace profiletool {
namespace {

// A line of a table, without the padding its last column leaves.
std::string Line(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text + "\n";
}

// Pads by characters, not bytes, so names beyond ASCII line up too.
std::string Padded(const std::string& text, std::size_t width) {
  std::size_t characters = 0;
  for (const char c : text) characters += (c & 0xC0) != 0x80;
  return text + std::string(characters < width ? width - characters : 1, ' ');
}

std::string Hex(std::uint8_t code) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", code);
  return text;
}

std::string Aliases(const std::u16string& name) {
  std::string text;
  for (const auto& alias : KeyAliases(name)) text += (text.empty() ? "" : ", ") + Readable(alias);
  return text;
}

constexpr const char* kVariantNames[] = {"104 keys, US", "105 keys, one more beside the left Shift", "109 keys, Japanese"};

struct Needs {
  std::uint8_t kind;
  const char* members;
};

constexpr Needs kNeeds[] = {
    {store::kind::kNone, "no function: the key does what it always does"},
    {store::kind::kSingleKey, "\"sends\": a key name (list-keys)"},
    {store::kind::kMacro,
     "\"macro\": {\"events\": [\"A Press\", \"50ms\", \"A Release\"], \"repeat\": \"count\", \"repeatCount\": 1, ...}"},
    {store::kind::kProfileSwitch, "\"switchTo\": {\"profile\": 1 to 10, \"layer\": 1 to 3, \"onScreen\": true or false}"},
    {store::kind::kLaunchProgram, "\"launch\": {\"path\": \"C:\\\\...\\\\game.exe\", \"name\": \"Game\"}"},
};

}  // namespace

std::string KeyListing(int variant) {
  variant = Variant(variant);
  std::string text = "Keys of layout variant " + std::to_string(variant) + " (" + kVariantNames[variant] +
                     "), for \"key\", \"sends\" and macro lines:\n" +
                     Line(Padded("slot", 6) + Padded("key", 15) + Padded("code", 6) + "also");
  for (int slot = 0; slot < store::kKeyCount; ++slot) {
    const auto name = SlotName(variant, slot);
    if (name.empty()) continue;
    text += Line(Padded(std::string(slot < 10 ? "   " : slot < 100 ? "  " : " ") + std::to_string(slot), 6) +
                 Padded(Readable(name), 15) + Padded(Hex(SlotKeyCode(variant, slot)), 6) + Aliases(name));
  }
  text += "\nOther keys that a single key may send and macro lines may name:\n" +
          Line(Padded("code", 6) + Padded("name", 15) + "also");
  for (int code = 1; code < 255; ++code) {
    const auto vk = static_cast<std::uint8_t>(code);
    const auto name = KeyWord(vk, variant, KeyNaming::Events);
    if (OnKeyboard(variant, vk) || name.starts_with(u"0x")) continue;
    const bool eventsOnly = KeyWord(vk, variant).starts_with(u"0x");
    text += Line(Padded(Hex(vk), 6) + Padded(Readable(name), 15) + Aliases(name) + (eventsOnly ? " (macro lines only)" : ""));
  }
  text += R"(
Any key may also be written by its code, such as "0x41". Case and spaces do not matter. The number pad
also answers to Numpad, Num, Keypad or KP with its sign or word ("Numpad 7", "KP +", "Num Enter"),
letters and digits to KeyA and Digit1. Macro lines are a key with " Press" or " Release", or a pause
of a multiple of 50 ms up to 12750 ms, such as "200ms".
)";
  return text;
}

std::string FunctionListing(const Labels& labels, const std::string& labelsName) {
  bool other = false;  // a language besides English
  for (const auto& function : catalogue::Functions())
    other |= labels.Text(FunctionTextKey(function.kind)) != Labels::English().Text(FunctionTextKey(function.kind));
  std::string text = Line(Padded("kind", 6) + Padded("function", 15) + Padded("English", 20) +
                          (other ? Padded("label", 22) : "") + "needs");
  for (const auto& function : catalogue::Functions()) {
    const std::string_view key = FunctionTextKey(function.kind);
    std::string needs;
    for (const Needs& row : kNeeds)
      if (row.kind == function.kind) needs = row.members;
    text += Line(Padded(std::string(function.kind < 10 ? "  " : " ") + std::to_string(function.kind), 6) +
                 Padded(std::string(key), 15) + Padded(Labels::English().Text(key), 20) +
                 (other ? Padded(labels.Text(key), 22) : "") + needs);
  }
  text += "\nA function may be named by its text key, its English label";
  text += other ? " or its label in " + labelsName : std::string();
  text += ", in any case, with or without spaces: \"MUTE\", \"Mute\", \"volume up\".\n";
  return text;
}

}  // namespace profiletool
