#pragma once
// The hash tables behind the charset and entity names: rows in a fixed array, chained in buckets
// keyed by the sum of the lower-cased name's characters. Built at compile time; chains keep table
// order, so of two rows with one folded name the earlier comes first.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "strings/XmlTokenizer.h"

namespace strings {

// The bucket key of a requested name; nullopt when it holds a character no table name has.
template <std::size_t Buckets>
std::optional<std::size_t> NameBucketOf(std::u16string_view name) {
  std::size_t sum = 0;
  for (char16_t c : name) {
    if (c >= 0x80) return std::nullopt;
    sum += AsciiLower(c);
  }
  return sum % Buckets;
}

// Whether a table name (ASCII) and a requested name agree, ignoring ASCII case.
inline bool SameNameIgnoringCase(std::string_view row, std::u16string_view name) {
  if (row.size() != name.size()) return false;
  for (std::size_t i = 0; i < row.size(); ++i)
    if (AsciiLower(static_cast<char16_t>(row[i])) != AsciiLower(name[i])) return false;
  return true;
}

template <std::size_t Rows, std::size_t Buckets>
class NameTable {
 public:
  template <class Row>
  constexpr explicit NameTable(const Row (&rows)[Rows]) {
    m_head.fill(-1);
    m_next.fill(-1);
    for (std::size_t i = Rows; i-- > 0;) {
      std::size_t sum = 0;
      for (char c : rows[i].name) sum += static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
      m_next[i] = m_head[sum % Buckets];
      m_head[sum % Buckets] = static_cast<std::int16_t>(i);
    }
  }

  // Calls visit(row index) for each row of the bucket, in table order, until it returns true.
  template <class Visit>
  void ForEachInBucket(std::size_t bucket, Visit visit) const {
    for (int i = m_head[bucket]; i >= 0; i = m_next[i])
      if (visit(static_cast<std::size_t>(i))) return;
  }

 private:
  std::array<std::int16_t, Buckets> m_head{};
  std::array<std::int16_t, Rows> m_next{};
};

}  // namespace strings
