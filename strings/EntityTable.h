#pragma once
// Character references: the named entities of HTML 4 plus "apos", and the decoding of a range of
// text that holds them.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace strings {

struct EntityRow {
  std::string_view name;  // spelt as HTML 4 spells it
  char16_t codePoint;
};

inline constexpr std::size_t kEntityCount = 253;
inline constexpr std::size_t kEntityBuckets = 130;

std::span<const EntityRow> EntityRows();

// The code point of a named reference (without '&' and ';'), 0 when the name is unknown. Names are
// found ignoring ASCII case; of two names that differ only in case (Aacute, aacute) the one spelt
// exactly as written wins, else the capital one.
char16_t LookUpEntity(std::u16string_view name);

// Copies `text`, replacing "&name;", "&#65;" and "&#x41;" by their characters. A reference that
// cannot be decoded (unknown name, no ';' within nine characters, code point 0, a surrogate or
// beyond U+10FFFF) is copied as it stands.
void AppendDecodedEntities(std::u16string& out, std::u16string_view text);
std::u16string DecodeEntities(std::u16string_view text);

}  // namespace strings
