#include "platform/portable/PortableCodePages.h"

#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// windows-1252 at 0x80..0x9F; the rest of the page is ISO-8859-1. Unassigned bytes map to themselves,
// as Windows does.
constexpr std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Writes straight into a buffer sized for the worst case (one unit per byte) and widens runs of
// ASCII sixteen or eight bytes at a time: language files are mostly ASCII.
std::u16string FromUtf8(std::string_view bytes) {
  std::u16string out(bytes.size(), u'\0');
  char16_t* o = out.data();
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  while (p < end) {
#if defined(__SSE2__)
    while (end - p >= 16) {
      const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      if (_mm_movemask_epi8(chunk) != 0) break;
      const __m128i zero = _mm_setzero_si128();
      _mm_storeu_si128(reinterpret_cast<__m128i*>(o), _mm_unpacklo_epi8(chunk, zero));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 8), _mm_unpackhi_epi8(chunk, zero));
      o += 16, p += 16;
    }
#endif
    while (end - p >= 8) {
      std::uint64_t word;
      std::memcpy(&word, p, 8);
      if (word & 0x8080808080808080ull) break;
      for (int k = 0; k < 8; ++k) o[k] = p[k];
      o += 8, p += 8;
    }
    if (p == end) break;
    const unsigned char b = *p;
    if (b < 0x80) {
      *o++ = b;
      ++p;
      continue;
    }
    const int extra = (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : 0;
    bool valid = extra > 0 && end - p > extra;
    char32_t cp = b & (0x3F >> extra);
    for (int k = 1; valid && k <= extra; ++k) {
      valid = (p[k] & 0xC0) == 0x80;
      cp = (cp << 6) | (p[k] & 0x3F);
    }
    constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (!valid || cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      *o++ = kReplacement;  // one replacement per bad lead byte, then resynchronise
      ++p;
      continue;
    }
    if (cp < 0x10000) {
      *o++ = static_cast<char16_t>(cp);
    } else {  // four bytes in, two units out: still within the buffer
      cp -= 0x10000;
      *o++ = static_cast<char16_t>(0xD800 + (cp >> 10));
      *o++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
    p += extra + 1;
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = kReplacement;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

// ISO-8859-15 differs from ISO-8859-1 in eight places, the euro sign among them.
char16_t Latin9(unsigned char b) {
  switch (b) {
    case 0xA4: return 0x20AC;
    case 0xA6: return 0x0160;
    case 0xA8: return 0x0161;
    case 0xB4: return 0x017D;
    case 0xB8: return 0x017E;
    case 0xBC: return 0x0152;
    case 0xBD: return 0x0153;
    case 0xBE: return 0x0178;
    default: return b;
  }
}

char16_t SingleByte(unsigned codePage, unsigned char b) {
  if (codePage == 20127) return b < 0x80 ? b : kReplacement;
  if (codePage == 1252 && b >= 0x80 && b < 0xA0) return kWindows1252High[b - 0x80];
  if (codePage == 28605) return Latin9(b);
  return b;
}

}  // namespace

std::optional<std::u16string> PortableCodePages::ToUtf16(unsigned codePage, std::string_view bytes) const {
  switch (codePage) {
    case 65001: return FromUtf8(bytes);
    case 1200:
    case 1201: {
      std::u16string out(bytes.size() / 2, u'\0');
      for (std::size_t i = 0; i < out.size(); ++i) {
        const auto a = static_cast<unsigned char>(bytes[2 * i]), b = static_cast<unsigned char>(bytes[2 * i + 1]);
        out[i] = static_cast<char16_t>(codePage == 1200 ? (a | b << 8) : (a << 8 | b));
      }
      return out;
    }
    case 20127:
    case 28591:
    case 28605:
    case 1252: {
      std::u16string out;
      out.reserve(bytes.size());
      for (char c : bytes) out.push_back(SingleByte(codePage, static_cast<unsigned char>(c)));
      return out;
    }
    default: return std::nullopt;
  }
}

std::optional<std::string> PortableCodePages::FromUtf16(unsigned codePage, std::u16string_view text) const {
  switch (codePage) {
    case 65001: return ToUtf8(text);
    case 20127:
    case 28591:
    case 28605:
    case 1252: {
      std::string out;
      for (char16_t c : text) {
        char byte = '?';
        for (unsigned b = 0; b < 256; ++b)
          if (SingleByte(codePage, static_cast<unsigned char>(b)) == c) {
            byte = static_cast<char>(b);
            break;
          }
        out.push_back(byte);
      }
      return out;
    }
    default: return std::nullopt;
  }
}

}  // namespace platform
