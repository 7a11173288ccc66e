#pragma once
// The XML tokenizer: one token at a time from a position in the document text, plus the name and
// attribute scanning that works inside a single tag. Offsets are character offsets into the text;
// nothing reads past the end of the view it is given.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace strings {

enum class XmlTokenKind : std::uint8_t {
  End,                    // no text left
  Text,                   // characters up to the next '<'
  WhiteSpace,             // a run of space, tab, line feed and carriage return only
  StartTag,               // <a ...>
  EmptyTag,               // <a .../>
  EndTag,                 // </a>
  ProcessingInstruction,  // <? ... ?>
  Comment,                // <!-- ... -->
  CData,                  // <![CDATA[ ... ]]>
  Doctype,                // <!DOCTYPE ... [ internal subset ] >
  Declaration,            // <!ENTITY ...>, <!ATTLIST ...>, <!NOTATION ...> outside a doctype
  Error,                  // see XmlTokenError; the token is the '<' alone
};

enum class XmlTokenError : std::uint8_t {
  None,
  TagNameCharacter,  // the character after '<' cannot start a name
  BangTag,           // '<!' followed by something else
  CommentTag,        // '<!-' not followed by '-'
  BracketTag,        // '<![' not followed by 'C'
  Unterminated,      // the text ends inside the token
};

struct XmlToken {
  XmlTokenKind kind = XmlTokenKind::End;
  XmlTokenError error = XmlTokenError::None;
  // For an unterminated token, what was being read: "Element tag", "Comment", ...
  std::u16string_view unterminatedKind;
  std::size_t start = 0;
  std::size_t end = 0;  // one past the token's last character
};

// The token that starts at `pos`.
XmlToken NextXmlToken(std::u16string_view text, std::size_t pos);
// The markup token that starts at the '<' at `pos`.
inline XmlToken ReadXmlMarkup(std::u16string_view text, std::size_t pos);
// Offset of the next '<' at or after `pos`, or text.size().
inline std::size_t FindXmlMarkup(std::u16string_view text, std::size_t pos);

// The texts of the parse errors a token can carry: "Incorrect tag name character at offset 4",
// "Comment at offset 9 unterminated".
std::u16string XmlTokenErrorText(const XmlToken& token);

inline bool IsXmlSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }
// The characters that end an element name: white space and < > = \\ / ? ! " ' ;
inline bool IsXmlNameEnd(char16_t c) {
  constexpr std::uint64_t kBelow64 = 1ull << '\t' | 1ull << '\n' | 1ull << '\r' | 1ull << ' ' | 1ull << '!' |
                                     1ull << '"' | 1ull << '\'' | 1ull << '/' | 1ull << ';' | 1ull << '<' |
                                     1ull << '=' | 1ull << '>' | 1ull << '?';
  return c < 64 ? ((kBelow64 >> c) & 1) != 0 : c == u'\\';
}

// The name that starts at `pos`: the run up to the first name-ending character.
inline std::u16string_view XmlNameAt(std::u16string_view text, std::size_t pos) {
  std::size_t end = pos;
  while (end < text.size() && !IsXmlNameEnd(text[end])) ++end;
  return pos < end ? text.substr(pos, end - pos) : std::u16string_view{};
}
// The name of the element whose tag starts at `tagStart` ('<' of a start tag, '<' of an end tag or
// '<?' of a processing instruction).
std::u16string_view XmlTagName(std::u16string_view text, std::size_t tagStart);

// Whether `requested` names the element called `elementName`: the two agree over the element name's
// length (ignoring ASCII case when asked) and `requested` ends there or goes on with one of
// space, '=', '/', '[' or ']'.
bool XmlNameMatches(std::u16string_view elementName, std::u16string_view requested, bool ignoreCase);

// The raw value of attribute `name` inside one tag (from its '<' to its '>'); an attribute without
// '=' has the empty value. nullopt when the tag has no such attribute.
std::optional<std::u16string_view> FindXmlAttribute(std::u16string_view tag, std::u16string_view name,
                                                    bool ignoreCase);

// ASCII-only case folding, the only folding names and entity references need.
inline char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }
bool AsciiEqualIgnoringCase(std::u16string_view a, std::u16string_view b);

// The scanning every parse runs through for each character, kept inline for speed; the rarer
// markup (comments, CDATA, declarations, errors) is read out of line.
namespace xmlscan {

inline XmlToken Token(XmlTokenKind kind, std::size_t start, std::size_t end) {
  return {kind, XmlTokenError::None, {}, start, end};
}

inline XmlToken Unterminated(std::u16string_view kind, std::size_t start, std::size_t textEnd) {
  return {XmlTokenKind::Error, XmlTokenError::Unterminated, kind, start, textEnd};
}

// ':', '_', a letter, or anything above the grave accent (lower-case letters and all non-ASCII).
inline bool IsNameStart(char16_t c) { return c == u':' || c == u'_' || (c >= u'A' && c <= u'Z') || c > u'`'; }

// Offset of the first `c` at or after `pos`, or text.size(). Tests eight units per step where SSE2
// is there (four otherwise): most of a document is text between tags.
inline std::size_t FindUnit(std::u16string_view text, std::size_t pos, char16_t c) {
  if (pos >= text.size()) return text.size();
  const char16_t* p = text.data() + pos;
  const char16_t* const end = text.data() + text.size();
#if defined(__SSE2__)
  const __m128i pattern = _mm_set1_epi16(static_cast<short>(c));
  while (end - p >= 8) {
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int mask = _mm_movemask_epi8(_mm_cmpeq_epi16(units, pattern));
    if (mask != 0) return static_cast<std::size_t>(p - text.data()) + static_cast<std::size_t>(__builtin_ctz(mask)) / 2;
    p += 8;
  }
#else
  constexpr std::uint64_t kOnes = 0x0001000100010001ull, kHighs = 0x8000800080008000ull;
  const std::uint64_t pattern = kOnes * c;
  while (end - p >= 4) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    const std::uint64_t v = word ^ pattern;  // a zero unit where `c` is
    if ((v - kOnes) & ~v & kHighs) break;
    p += 4;
  }
#endif
  while (p < end && *p != c) ++p;
  return static_cast<std::size_t>(p - text.data());
}

// Offset of the first `a` or `b` at or after `pos`, or text.size().
inline std::size_t FindEither(std::u16string_view text, std::size_t pos, char16_t a, char16_t b) {
  if (pos >= text.size()) return text.size();
  const char16_t* p = text.data() + pos;
  const char16_t* const end = text.data() + text.size();
#if defined(__SSE2__)
  const __m128i first = _mm_set1_epi16(static_cast<short>(a)), second = _mm_set1_epi16(static_cast<short>(b));
  while (end - p >= 8) {
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(units, first), _mm_cmpeq_epi16(units, second)));
    if (mask != 0) return static_cast<std::size_t>(p - text.data()) + static_cast<std::size_t>(__builtin_ctz(mask)) / 2;
    p += 8;
  }
#endif
  while (p < end && *p != a && *p != b) ++p;
  return static_cast<std::size_t>(p - text.data());
}

// <a ...> or <a .../>. Quotes count only around attribute values; a '/' that ends an unquoted
// value belongs to the value, so `<a b=c/>` is not empty.
// `stop` is the offset of the first '>' or '=' after the '<' at `pos` (text.size() when there is none).
inline XmlToken FinishElementTag(std::u16string_view text, std::size_t pos, std::size_t stop) {
  const std::size_t n = text.size();
  const char16_t* t = text.data();
  // Most tags hold no attribute: then the first '>' ends them.
  if (stop == n) return Unterminated(u"Element tag", pos, n);
  if (t[stop] == u'>')
    return Token(t[stop - 1] == u'/' ? XmlTokenKind::EmptyTag : XmlTokenKind::StartTag, pos, stop + 1);
  std::size_t i = pos + 1;
  while (i < n) {
    const char16_t c = t[i];
    if (c == u'>') return Token(t[i - 1] == u'/' ? XmlTokenKind::EmptyTag : XmlTokenKind::StartTag, pos, i + 1);
    if (c != u'=') {
      ++i;
      continue;
    }
    ++i;
    while (i < n && IsXmlSpace(t[i])) ++i;
    if (i == n) break;
    const char16_t quote = t[i];
    if (quote == u'"' || quote == u'\'') {
      const std::size_t close = FindUnit(text, i + 1, quote);
      if (close == n) break;
      i = close + 1;
      continue;
    }
    while (i < n && !IsXmlSpace(t[i]) && t[i] != u'>') ++i;
    if (i < n && t[i] == u'>') return Token(XmlTokenKind::StartTag, pos, i + 1);
  }
  return Unterminated(u"Element tag", pos, n);
}

inline XmlToken ReadElementTag(std::u16string_view text, std::size_t pos) {
  return FinishElementTag(text, pos, FindEither(text, pos + 1, u'>', u'='));
}

// `gt` is the offset of the first '>' after the "</" at `pos` (text.size() when there is none).
inline XmlToken FinishEndTag(std::u16string_view text, std::size_t pos, std::size_t gt) {
  return gt < text.size() ? Token(XmlTokenKind::EndTag, pos, gt + 1)
                          : Unterminated(u"Element end tag", pos, text.size());
}

inline XmlToken ReadEndTag(std::u16string_view text, std::size_t pos) {
  return FinishEndTag(text, pos, FindUnit(text, pos + 2, u'>'));
}

XmlToken ReadOtherMarkup(std::u16string_view text, std::size_t pos);

}  // namespace xmlscan

inline std::size_t FindXmlMarkup(std::u16string_view text, std::size_t pos) {
  return xmlscan::FindUnit(text, pos, u'<');
}

inline XmlToken ReadXmlMarkup(std::u16string_view text, std::size_t pos) {
  if (pos + 1 < text.size()) {
    const char16_t c = text[pos + 1];
    if (c == u'/') return xmlscan::ReadEndTag(text, pos);
    if (xmlscan::IsNameStart(c)) return xmlscan::ReadElementTag(text, pos);
  }
  return xmlscan::ReadOtherMarkup(text, pos);
}

}  // namespace strings
