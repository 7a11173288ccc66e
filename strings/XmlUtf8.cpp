#include "strings/XmlUtf8.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace strings {

namespace {

// One character of two to four bytes at `p` (before `end`) as one or two UTF-16 units at `out`.
// Returns the bytes taken, or 0 when the sequence is not well-formed: a byte that leads nothing, a
// missing continuation byte, an overlong form, a surrogate or a value beyond U+10FFFF.
std::size_t DecodeSequence(const unsigned char* p, const unsigned char* end, char16_t*& out) {
  const unsigned char lead = *p;
  const std::size_t extra = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : 0;
  if (extra == 0 || static_cast<std::size_t>(end - p) <= extra) return 0;
  char32_t cp = lead & (0x3F >> extra);
  for (std::size_t k = 1; k <= extra; ++k) {
    if ((p[k] & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (p[k] & 0x3F);
  }
  constexpr char32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kShortest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  if (cp < 0x10000) {
    *out++ = static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    *out++ = static_cast<char16_t>(0xD800 + (cp >> 10));
    *out++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
  return extra + 1;
}

#if defined(__SSE2__)
// Writes the offsets (from `at` up) of the bits set in `found` to `mark`.
inline std::uint32_t* AppendMarks(std::uint32_t* mark, std::uint32_t at, unsigned found) {
  for (; found != 0; found &= found - 1) *mark++ = at + static_cast<std::uint32_t>(__builtin_ctz(found));
  return mark;
}

// The bits of the bytes that are '<', '=' or '>': those whose distance above '<' is at most 2.
inline unsigned MarkBits(__m128i chunk) {
  const __m128i fromLt = _mm_subs_epu8(_mm_sub_epi8(chunk, _mm_set1_epi8('<')), _mm_set1_epi8(2));
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(fromLt, _mm_setzero_si128())));
}

// The bits of the bytes beyond ASCII and of the NUL bytes.
inline unsigned SpecialBits(__m128i chunk) {
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(chunk, _mm_cmpeq_epi8(chunk, _mm_setzero_si128()))));
}

inline void StoreWidened(char16_t* out, __m128i chunk) {
  const __m128i zero = _mm_setzero_si128();
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(chunk, zero));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(chunk, zero));
}
#endif

}  // namespace

bool DecodeWellFormedUtf8(std::string_view bytes, std::u16string& text, XmlMarkList& marks) {
  // Never more units than bytes: one byte gives at most one unit, four bytes at most two. So the
  // units written never pass the bytes read, and sixteen units fit wherever sixteen bytes are left.
  text.resize(bytes.size());
  char16_t* const first = text.data();
  char16_t* out = first;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  std::uint32_t* mark = marks.BeginWriting(bytes.size() / 8);
  while (p != end) {
#if defined(__SSE2__)
    // Sixteen plain ASCII bytes (no NUL) at a time, widened, with their marks.
    while (end - p >= 16) {
      const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      if (SpecialBits(chunk) != 0) break;
      StoreWidened(out, chunk);
      if (const unsigned found = MarkBits(chunk))
        mark = AppendMarks(marks.MakeRoom(mark), static_cast<std::uint32_t>(out - first), found);
      out += 16, p += 16;
    }
#endif
    // Then one byte at a time, up to and including the next character beyond ASCII.
    while (p != end) {
      const unsigned char b = *p;
      if (b >= 0x80) {
        const std::size_t taken = DecodeSequence(p, end, out);
        if (taken == 0) return false;
        p += taken;
        break;
      }
      if (b == 0) return false;
      if (IsXmlMark(b)) {
        mark = marks.MakeRoom(mark);
        *mark++ = static_cast<std::uint32_t>(out - first);
      }
      *out++ = b;
      ++p;
    }
  }
  marks.FinishWriting(mark);
  text.resize(static_cast<std::size_t>(out - first));
  return true;
}

}  // namespace strings
