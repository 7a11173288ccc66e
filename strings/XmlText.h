#pragma once
// Small helpers for building UTF-16 texts in the XML reader.

#include <cstddef>
#include <string>
#include <string_view>

namespace strings {

inline void AppendDecimal(std::u16string& out, std::size_t value) {
  char16_t digits[24];
  std::size_t n = 0;
  do {
    digits[n++] = static_cast<char16_t>(u'0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (n > 0) out.push_back(digits[--n]);
}

// A code point as one UTF-16 unit or a surrogate pair.
inline void AppendCodePoint(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

// ASCII bytes widened one to one.
inline std::u16string WidenAscii(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

}  // namespace strings
