#include "strings/CharsetConversion.h"

#include <cstdint>

#include "strings/CharsetTable.h"
#include "strings/XmlText.h"

namespace strings {

namespace {

constexpr unsigned kUtf8CodePage = 65001;
constexpr char32_t kReplacement = 0xFFFD;

bool IsCharacter(char32_t cp) { return cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF); }

char32_t UnitAt(std::string_view bytes, std::size_t i) {
  return static_cast<char32_t>(static_cast<unsigned char>(bytes[i])) |
         static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8 |
         static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 2])) << 16 |
         static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 3])) << 24;
}

void AppendUnit(std::string& out, char32_t cp) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((cp >> shift) & 0xFF));
}

}  // namespace

std::u16string Utf32ToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size() / 4 + 1);
  std::size_t i = 0;
  for (; i + 4 <= bytes.size(); i += 4) {
    const char32_t cp = UnitAt(bytes, i);
    AppendCodePoint(out, IsCharacter(cp) ? cp : kReplacement);
  }
  if (i < bytes.size()) out.push_back(static_cast<char16_t>(kReplacement));
  return out;
}

std::string Utf8ToUtf32(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 4);
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i++]);
    if (lead < 0x80) {
      AppendUnit(out, lead);
      continue;
    }
    const int extra = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : 0;
    char32_t cp = lead & (0x3F >> extra);
    int taken = 0;
    while (taken < extra && i < bytes.size() && (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80) {
      cp = (cp << 6) | (static_cast<unsigned char>(bytes[i++]) & 0x3F);
      ++taken;
    }
    constexpr char32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
    const bool valid = extra > 0 && taken == extra && cp >= kShortest[extra] && IsCharacter(cp);
    AppendUnit(out, valid ? cp : U'?');
  }
  return out;
}

std::string Utf16ToUtf32(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 4);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
    else if (cp >= 0xD800 && cp <= 0xDFFF)
      cp = U'?';
    AppendUnit(out, cp);
  }
  return out;
}

std::optional<std::u16string> CodePageToUtf16(unsigned codePage, std::string_view bytes,
                                              const platform::CodePages& codePages) {
  if (codePage == kUtf32CodePage) return Utf32ToUtf16(bytes);
  return codePages.ToUtf16(codePage, bytes);
}

std::optional<std::string> Utf16ToCodePage(unsigned codePage, std::u16string_view text,
                                           const platform::CodePages& codePages) {
  if (codePage == kUtf32CodePage) return Utf16ToUtf32(text);
  return codePages.FromUtf16(codePage, text);
}

std::optional<std::string> ConvertCodePage(unsigned from, unsigned to, std::string_view bytes,
                                           const platform::CodePages& codePages) {
  if (from == to) return std::string(bytes);
  if (from == kUtf8CodePage && to == kUtf32CodePage) return Utf8ToUtf32(bytes);
  const auto wide = CodePageToUtf16(from, bytes, codePages);
  if (!wide) return std::nullopt;
  return Utf16ToCodePage(to, *wide, codePages);
}

}  // namespace strings
