#pragma once
// Charset names as documents declare them ("utf-8", "iso-8859-1", "shift_jis", ...) and the Windows
// code pages that read them.

#include <cstddef>
#include <span>
#include <string_view>

namespace strings {

struct CharsetRow {
  std::string_view name;  // lower case
  unsigned codePage;
};

inline constexpr std::size_t kCharsetCount = 254;
inline constexpr std::size_t kCharsetBuckets = 150;
// Not a Windows code page: selects the reader's own UTF-32 conversion.
inline constexpr unsigned kUtf32CodePage = 65005;

std::span<const CharsetRow> CharsetRows();

// The code page of a charset name, ignoring ASCII case; "UTF-32" gives kUtf32CodePage. 0 when the
// name is unknown.
unsigned CodePageOfCharset(std::u16string_view name);

}  // namespace strings
