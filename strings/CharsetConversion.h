#pragma once
// Conversions between encodings: code pages through the platform, and the reader's own UTF-32
// (kUtf32CodePage, little-endian 32-bit units), which no Windows conversion offers.

#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePages.h"

namespace strings {

// Each 32-bit unit becomes one UTF-16 unit or a surrogate pair; a unit that is no character (a
// surrogate, beyond U+10FFFF) and a cut-off last unit become U+FFFD.
std::u16string Utf32ToUtf16(std::string_view bytes);
// UTF-8 to 32-bit units; each invalid sequence becomes "?".
std::string Utf8ToUtf32(std::string_view bytes);
// UTF-16 to 32-bit units; an unpaired surrogate becomes "?".
std::string Utf16ToUtf32(std::u16string_view text);

// Bytes in `codePage` (or kUtf32CodePage) to UTF-16; nullopt when the platform lacks the code page.
std::optional<std::u16string> CodePageToUtf16(unsigned codePage, std::string_view bytes,
                                              const platform::CodePages& codePages);
// UTF-16 to bytes in `codePage` (or kUtf32CodePage).
std::optional<std::string> Utf16ToCodePage(unsigned codePage, std::u16string_view text,
                                           const platform::CodePages& codePages);
// Between two code pages, through UTF-16 (UTF-8 to UTF-32 directly, where an invalid sequence
// becomes "?").
std::optional<std::string> ConvertCodePage(unsigned from, unsigned to, std::string_view bytes,
                                           const platform::CodePages& codePages);

}  // namespace strings
