#pragma once
// UTF-16 (the stored texts) to UTF-8 (JSON, messages) and back, and the comparison of words people type.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace profiletool {

// Nothing when `text` holds an unpaired surrogate, which UTF-8 cannot carry.
std::optional<std::string> Utf8Of(std::u16string_view text);
// For messages: an unpaired surrogate becomes U+FFFD.
std::string Readable(std::u16string_view text);
// Nothing when `text` is not well-formed UTF-8.
std::optional<std::u16string> Utf16Of(std::string_view text);
// For words from the command line and the JSON, already checked: malformed bytes become U+FFFD.
std::u16string Utf16Lenient(std::string_view text);

// UTF-8 as code points, malformed bytes as U+FFFD, and back.
std::u32string CodePoints(std::string_view text);
std::string Utf8OfCodePoints(std::u32string_view text);

// A word as people may type it: letters in lower case (Latin, Greek, Cyrillic), spaces and
// underscores left out, so "Num Lock", "numlock" and "NUM_LOCK" compare equal.
std::u16string Folded(std::u16string_view word);

// The candidates nearest to `word` (a few letters typed wrong, or the start of a candidate), nearest
// first, at most `count`; none when nothing is near.
std::vector<std::u16string> Nearest(std::u16string_view word, const std::vector<std::u16string>& candidates,
                                    std::size_t count = 3);

// The text in double quotes. (Built by appending: GCC 12 warns falsely about "\"" + std::string.)
std::string Quoted(std::string_view text);

// "\"F5\"", "\"F5\" or \"F6\"", "\"A\", \"B\" or \"C\"".
std::string QuotedChoice(const std::vector<std::u16string>& words);

}  // namespace profiletool
