#pragma once
// The names of keys in the tool's files and messages: the program's own names (catalogue::KeyName) in
// the fixed layout of a variant, made unique where two codes would share one, and the other words
// people type for them ("Escape", "PrtSc", "f9", "Numpad 7"), compared without regard to case or spaces.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace profiletool {

// Names for what a single key sends, or for a macro's events, which may be mouse buttons too.
enum class KeyNaming { Keys, Events };

// The one name of `code` in the variant: "A", "F5", "Enter"; "Execute" and "Separator" where the program
// shows a name another key already has ("Enter", "\"); "0xE9" for a code without a name; empty for 0.
std::u16string KeyWord(std::uint8_t code, int variant, KeyNaming naming = KeyNaming::Keys);

// The code that `word` names: a name, another word for it, a slot's own name such as "(Enter)", or
// a code written "0x41"; the empty word is code 0.
std::optional<std::uint8_t> CodeOfKeyWord(std::u16string_view word, int variant, KeyNaming naming = KeyNaming::Keys);

// The name that `word` stands for when it is another word for a key ("Escape" → "Esc"); else `word`.
std::u16string CanonicalKeyWord(std::u16string_view word);

// The other words accepted for the key named `name`.
std::vector<std::u16string> KeyAliases(std::u16string_view name);

// Up to three names near `word`, for "did you mean".
std::vector<std::u16string> NearestKeyWords(std::u16string_view word, int variant, KeyNaming naming = KeyNaming::Keys);

}  // namespace profiletool
