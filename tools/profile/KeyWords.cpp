#include "tools/profile/KeyWords.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

#include "catalogue/KeyLayout.h"
#include "catalogue/KeyNames.h"
#include "store/SettingsStore.h"
#include "tools/profile/KeyboardVariants.h"
#include "tools/profile/Text.h"

namespace profiletool {
namespace {

struct CodeName {
  std::uint8_t code;
  const char16_t* name;
};

// Keys of the Japanese keyboard that the program leaves without a name.
constexpr CodeName kUnnamedKeys[] = {
    {0x15, u"Kana"}, {0x1C, u"Henkan"}, {0x1D, u"Muhenkan"}, {0xF3, u"Zenkaku"}, {0xF4, u"Hankaku"},
};

// Codes that the program names like another key ("Enter" of VK_EXECUTE, "\" of the number pad's
// separator and of the key beside the left Shift) get these names where the other key wins.
constexpr CodeName kDistinctNames[] = {{0x2B, u"Execute"}, {0x6C, u"Separator"}, {0xE2, u"IntlBackslash"}};

struct Alias {
  const char16_t* name;
  const char16_t* alias;
};

// Spaces, underscores and case never matter, so "Caps Lock" needs no row of its own.
constexpr Alias kAliases[] = {
    {u"Esc", u"Escape"},
    {u"Backspace", u"BkSp"},
    {u"Enter", u"Return"},
    {u"Space", u"Spacebar"},
    {u"CapsLock", u"Caps"},
    {u"Snapshot", u"PrintScreen"},
    {u"Snapshot", u"PrtSc"},
    {u"Snapshot", u"PrtScn"},
    {u"Snapshot", u"PrtScr"},
    {u"Snapshot", u"SysRq"},
    {u"Scroll Lock", u"ScrLk"},
    {u"Pause", u"Break"},
    {u"Insert", u"Ins"},
    {u"Delete", u"Del"},
    {u"PageUp", u"PgUp"},
    {u"PageDown", u"PgDn"},
    {u"Up", u"ArrowUp"},
    {u"Up", u"Up Arrow"},
    {u"Down", u"ArrowDown"},
    {u"Down", u"Down Arrow"},
    {u"Left", u"ArrowLeft"},
    {u"Left", u"Left Arrow"},
    {u"Right", u"ArrowRight"},
    {u"Right", u"Right Arrow"},
    {u"Ctrl", u"Control"},
    {u"LShift", u"Left Shift"},
    {u"LShift", u"ShiftLeft"},
    {u"RShift", u"Right Shift"},
    {u"RShift", u"ShiftRight"},
    {u"LCtrl", u"Left Ctrl"},
    {u"LCtrl", u"LControl"},
    {u"LCtrl", u"ControlLeft"},
    {u"RCtrl", u"Right Ctrl"},
    {u"RCtrl", u"RControl"},
    {u"RCtrl", u"ControlRight"},
    {u"LAlt", u"Left Alt"},
    {u"LAlt", u"AltLeft"},
    {u"RAlt", u"Right Alt"},
    {u"RAlt", u"AltRight"},
    {u"RAlt", u"AltGr"},
    {u"LWin", u"Win"},
    {u"LWin", u"Windows"},
    {u"LWin", u"Left Win"},
    {u"LWin", u"MetaLeft"},
    {u"RWin", u"Right Win"},
    {u"RWin", u"MetaRight"},
    {u"App", u"Menu"},
    {u"App", u"ContextMenu"},
    {u"Clr", u"Clear"},
    {u"`", u"Backquote"},
    {u"`", u"Grave"},
    {u"-", u"Minus"},
    {u"=", u"Equal"},
    {u"[", u"BracketLeft"},
    {u"]", u"BracketRight"},
    {u"\\", u"Backslash"},
    {u";", u"Semicolon"},
    {u"'", u"Quote"},
    {u",", u"Comma"},
    {u".", u"Period"},
    {u"/", u"Slash"},
    {u"\u00A5", u"Yen"},
    {u"^", u"Caret"},
    {u"@", u"At"},
    {u":", u"Colon"},
    {u"IntlBackslash", u"OEM 102"},
    {u"IntlBackslash", u"ISO \\"},
    {u"Henkan", u"Convert"},
    {u"Muhenkan", u"NonConvert"},
    {u"Left Button", u"LButton"},
    {u"Left Button", u"Left Click"},
    {u"Right Button", u"RButton"},
    {u"Right Button", u"Right Click"},
    {u"Middle Button", u"MButton"},
    {u"Middle Button", u"Middle Click"},
};

// The number pad by a prefix and the key's sign or word: "Numpad 7", "KP+", "Num Enter".
constexpr const char16_t* kPadPrefixes[] = {u"numpad", u"keypad", u"num", u"kp"};
constexpr Alias kPadWords[] = {
    {u"(*)", u"*"}, {u"(*)", u"multiply"}, {u"(+)", u"+"}, {u"(+)", u"add"},     {u"(-)", u"-"},     {u"(-)", u"subtract"},
    {u"(.)", u"."}, {u"(.)", u"decimal"},  {u"(/)", u"/"}, {u"(/)", u"divide"},  {u"(Enter)", u"enter"},
};

std::u16string Hex(std::uint8_t code) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", code);
  return std::u16string(text, text + 4);
}

std::optional<std::uint8_t> HexCode(std::u16string_view word) {
  if (word.size() < 3 || word.size() > 4 || word[0] != u'0' || (word[1] != u'x' && word[1] != u'X')) return std::nullopt;
  int code = 0;
  for (const char16_t c : word.substr(2)) {
    const int digit = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'a' && c <= u'f' ? c - u'a' + 10
                    : c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
    if (digit < 0) return std::nullopt;
    code = code * 16 + digit;
  }
  return static_cast<std::uint8_t>(code);
}

struct NameTable {
  std::array<std::u16string, 256> names;
  std::map<std::u16string, std::uint8_t> codes;  // by folded name
};

NameTable BuildTable(int variant, KeyNaming naming) {
  NameTable table;
  const auto& layout = LayoutOf(variant);
  std::map<std::u16string, std::vector<std::uint8_t>> sharing;
  for (int code = 1; code < 256; ++code) {
    const auto vk = static_cast<std::uint8_t>(code);
    auto& name = table.names[vk];
    name = naming == KeyNaming::Events ? catalogue::EventKeyName(vk, layout) : catalogue::KeyName(vk, layout);
    for (const CodeName& unnamed : kUnnamedKeys)
      if (name.empty() && unnamed.code == vk) name = unnamed.name;
    if (!name.empty()) sharing[Folded(name)].push_back(vk);
  }
  // A name shared by several codes stays with the key on the keyboard (else the lowest code).
  for (const auto& [folded, codes] : sharing) {
    if (codes.size() < 2) continue;
    std::uint8_t keeper = codes.front();
    for (const std::uint8_t code : codes)
      if (OnKeyboard(variant, code)) {
        keeper = code;
        break;
      }
    for (const std::uint8_t code : codes) {
      if (code == keeper) continue;
      table.names[code] = Hex(code);
      for (const CodeName& distinct : kDistinctNames)
        if (distinct.code == code) table.names[code] = distinct.name;
    }
  }
  for (int code = 1; code < 256; ++code) {
    auto& name = table.names[code];
    if (name.empty()) name = Hex(static_cast<std::uint8_t>(code));
    table.codes.emplace(Folded(name), static_cast<std::uint8_t>(code));
  }
  for (int slot = 0; slot < store::kKeyCount; ++slot)
    if (const char16_t* own = SlotOwnName(variant, slot)) table.codes.emplace(Folded(own), SlotKeyCode(variant, slot));
  return table;
}

const NameTable& TableOf(int variant, KeyNaming naming) {
  static const auto tables = [] {
    std::array<std::array<NameTable, 2>, catalogue::kLayoutVariants> all;
    for (int v = 0; v < catalogue::kLayoutVariants; ++v) all[v] = {BuildTable(v, KeyNaming::Keys), BuildTable(v, KeyNaming::Events)};
    return all;
  }();
  return tables[Variant(variant)][naming == KeyNaming::Events ? 1 : 0];
}

}  // namespace

std::u16string KeyWord(std::uint8_t code, int variant, KeyNaming naming) {
  return code == 0 ? std::u16string() : TableOf(variant, naming).names[code];
}

std::u16string CanonicalKeyWord(std::u16string_view word) {
  const std::u16string folded = Folded(word);
  for (const Alias& alias : kAliases)
    if (Folded(alias.alias) == folded) return alias.name;
  for (const std::u16string_view prefix : kPadPrefixes) {
    if (!folded.starts_with(prefix) || folded.size() == prefix.size()) continue;
    const std::u16string_view rest = std::u16string_view(folded).substr(prefix.size());
    if (rest.size() == 1 && rest[0] >= u'0' && rest[0] <= u'9') return u"(" + std::u16string(rest) + u")";
    for (const Alias& pad : kPadWords)
      if (rest == pad.alias) return pad.name;
  }
  // The names web pages give keys: "KeyA", "Digit1".
  if (folded.size() == 4 && folded.starts_with(u"key") && folded[3] >= u'a' && folded[3] <= u'z')
    return std::u16string(1, static_cast<char16_t>(folded[3] - u'a' + u'A'));
  if (folded.size() == 6 && folded.starts_with(u"digit") && folded[5] >= u'0' && folded[5] <= u'9')
    return std::u16string(1, folded[5]);
  return std::u16string(word);
}

std::optional<std::uint8_t> CodeOfKeyWord(std::u16string_view word, int variant, KeyNaming naming) {
  if (word.empty()) return std::uint8_t{0};
  if (const auto code = HexCode(word)) return code;
  const auto& codes = TableOf(variant, naming).codes;
  for (const std::u16string& candidate : {Folded(word), Folded(CanonicalKeyWord(word))})
    if (const auto found = codes.find(candidate); found != codes.end()) return found->second;
  return std::nullopt;
}

std::vector<std::u16string> KeyAliases(std::u16string_view name) {
  std::vector<std::u16string> aliases;
  for (const Alias& alias : kAliases)
    if (alias.name == name) aliases.emplace_back(alias.alias);
  return aliases;
}

std::vector<std::u16string> NearestKeyWords(std::u16string_view word, int variant, KeyNaming naming) {
  const auto& table = TableOf(variant, naming);
  std::vector<std::u16string> candidates;
  for (const auto& name : table.names)
    if (!name.empty() && !HexCode(name)) candidates.push_back(name);
  for (const Alias& alias : kAliases)
    if (table.codes.count(Folded(alias.name))) candidates.emplace_back(alias.alias);
  std::vector<std::u16string> nearest;
  for (const auto& near : Nearest(word, candidates, 6)) {
    const std::u16string name = KeyWord(*CodeOfKeyWord(near, variant, naming), variant, naming);
    if (std::find(nearest.begin(), nearest.end(), name) == nearest.end() && nearest.size() < 3) nearest.push_back(name);
  }
  return nearest;
}

}  // namespace profiletool
