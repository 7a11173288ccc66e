#pragma once
// UTF-16 (the stored texts) to UTF-8 (JSON, messages) and back.

#include <optional>
#include <string>
#include <string_view>

namespace profiletool {

// Nothing when `text` holds an unpaired surrogate, which UTF-8 cannot carry.
std::optional<std::string> Utf8Of(std::u16string_view text);
// For messages: an unpaired surrogate becomes U+FFFD.
std::string Readable(std::u16string_view text);
// Nothing when `text` is not well-formed UTF-8.
std::optional<std::u16string> Utf16Of(std::string_view text);

}  // namespace profiletool
