#include "strings/XmlTokenizer.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "strings/XmlText.h"

namespace strings {

namespace {

constexpr auto npos = std::u16string_view::npos;

using xmlscan::FindUnit;
using xmlscan::Token;
using xmlscan::Unterminated;

XmlToken Incorrect(XmlTokenError error, std::size_t start) {
  return {XmlTokenKind::Error, error, {}, start, start + 1};
}

// One past the end of `terminator` searched from `from`, or npos.
std::size_t PastNext(std::u16string_view text, std::u16string_view terminator, std::size_t from) {
  for (std::size_t at = FindUnit(text, from, terminator[0]); at < text.size();
       at = FindUnit(text, at + 1, terminator[0])) {
    if (text.size() - at >= terminator.size() && text.compare(at, terminator.size(), terminator) == 0)
      return at + terminator.size();
  }
  return npos;
}

// One past the '>' of a markup declaration (<!ENTITY, <!ATTLIST, <!NOTATION); quoted literals may
// hold '>'.
std::size_t PastDeclaration(std::u16string_view text, std::size_t i) {
  while (i < text.size()) {
    const char16_t c = text[i];
    if (c == u'>') return i + 1;
    if (c == u'"' || c == u'\'') {
      const std::size_t close = text.find(c, i + 1);
      if (close == npos) return npos;
      i = close + 1;
      continue;
    }
    ++i;
  }
  return npos;
}

bool StartsWith(std::u16string_view text, std::size_t at, std::u16string_view prefix) {
  return text.size() - at >= prefix.size() && text.compare(at, prefix.size(), prefix) == 0;
}

bool IsDeclarationStart(char16_t c) { return c == u'E' || c == u'A' || c == u'N'; }

// One past the '>' of <!DOCTYPE ...>, which may hold an internal subset in square brackets.
std::size_t PastDoctype(std::u16string_view text, std::size_t i) {
  bool inSubset = false;
  while (i < text.size()) {
    const char16_t c = text[i];
    if (!inSubset) {
      if (c == u'>') return i + 1;
      if (c == u'[') {
        inSubset = true;
      } else if (c == u'"' || c == u'\'') {
        const std::size_t close = text.find(c, i + 1);
        if (close == npos) return npos;
        i = close;
      }
      ++i;
      continue;
    }
    if (c == u']') {
      inSubset = false;
      ++i;
    } else if (c != u'<') {
      ++i;
    } else if (StartsWith(text, i, u"<!--")) {
      i = PastNext(text, u"-->", i + 4);
    } else if (StartsWith(text, i, u"<?")) {
      i = PastNext(text, u"?>", i + 2);
    } else if (i + 2 < text.size() && text[i + 1] == u'!' && IsDeclarationStart(text[i + 2])) {
      i = PastDeclaration(text, i + 3);
    } else {
      ++i;
    }
  }
  return npos;
}

XmlToken ReadBang(std::u16string_view text, std::size_t pos) {
  const std::size_t n = text.size();
  if (pos + 2 >= n) return Unterminated(u"tag", pos, n);
  const char16_t c = text[pos + 2];
  std::size_t end = npos;
  XmlTokenKind kind;
  std::u16string_view what;
  if (c == u'-') {
    if (pos + 3 >= n) return Unterminated(u"Comment", pos, n);
    if (text[pos + 3] != u'-') return Incorrect(XmlTokenError::CommentTag, pos);
    kind = XmlTokenKind::Comment, what = u"Comment", end = PastNext(text, u"-->", pos + 4);
  } else if (c == u'[') {
    if (pos + 3 >= n) return Unterminated(u"tag", pos, n);
    if (text[pos + 3] != u'C') return Incorrect(XmlTokenError::BracketTag, pos);
    kind = XmlTokenKind::CData, what = u"CDATA Section", end = PastNext(text, u"]]>", pos + 4);
  } else if (c == u'D') {
    kind = XmlTokenKind::Doctype, what = u"Doctype", end = PastDoctype(text, pos + 3);
  } else if (IsDeclarationStart(c)) {
    kind = XmlTokenKind::Declaration, what = u"tag", end = PastDeclaration(text, pos + 3);
  } else {
    return Incorrect(XmlTokenError::BangTag, pos);
  }
  return end == npos ? Unterminated(what, pos, n) : Token(kind, pos, end);
}

}  // namespace

namespace xmlscan {

XmlToken ReadOtherMarkup(std::u16string_view text, std::size_t pos) {
  const std::size_t n = text.size();
  if (pos + 1 >= n) return Unterminated(u"tag", pos, n);
  const char16_t c = text[pos + 1];
  if (c == u'?') {
    const std::size_t end = PastNext(text, u"?>", pos + 2);
    return end == npos ? Unterminated(u"Processing instruction", pos, n)
                       : Token(XmlTokenKind::ProcessingInstruction, pos, end);
  }
  if (c == u'!') return ReadBang(text, pos);
  return Incorrect(XmlTokenError::TagNameCharacter, pos);
}

}  // namespace xmlscan

XmlToken NextXmlToken(std::u16string_view text, std::size_t pos) {
  if (pos >= text.size()) return Token(XmlTokenKind::End, text.size(), text.size());
  if (text[pos] == u'<') return ReadXmlMarkup(text, pos);
  const std::size_t end = FindXmlMarkup(text, pos);
  for (std::size_t i = pos; i < end; ++i)
    if (!IsXmlSpace(text[i])) return Token(XmlTokenKind::Text, pos, end);
  return Token(XmlTokenKind::WhiteSpace, pos, end);
}

std::u16string XmlTokenErrorText(const XmlToken& token) {
  std::u16string out;
  if (token.error == XmlTokenError::Unterminated) {
    out.append(token.unterminatedKind).append(u" at offset ");
    AppendDecimal(out, token.start);
    out.append(u" unterminated");
    return out;
  }
  std::u16string_view what;
  switch (token.error) {
    case XmlTokenError::TagNameCharacter: what = u"tag name character"; break;
    case XmlTokenError::BangTag: what = u"! tag"; break;
    case XmlTokenError::CommentTag: what = u"comment tag"; break;
    case XmlTokenError::BracketTag: what = u"tag"; break;
    default: return out;
  }
  out.append(u"Incorrect ").append(what).append(u" at offset ");
  AppendDecimal(out, token.start);
  return out;
}

std::u16string_view XmlTagName(std::u16string_view text, std::size_t tagStart) {
  std::size_t pos = tagStart + 1;
  if (pos < text.size() && (text[pos] == u'/' || text[pos] == u'?')) ++pos;
  return XmlNameAt(text, pos);
}

bool AsciiEqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

bool XmlNameMatches(std::u16string_view elementName, std::u16string_view requested, bool ignoreCase) {
  const std::size_t n = elementName.size();
  if (requested.size() < n) return false;
  const std::u16string_view head = requested.substr(0, n);
  if (ignoreCase ? !AsciiEqualIgnoringCase(head, elementName) : head != elementName) return false;
  if (requested.size() == n) return true;
  switch (requested[n]) {
    case u' ': case u'=': case u'/': case u'[': case u']': return true;
    default: return false;
  }
}

std::optional<std::u16string_view> FindXmlAttribute(std::u16string_view tag, std::u16string_view name,
                                                    bool ignoreCase) {
  const std::size_t n = tag.size();
  std::size_t i = 1;
  if (i < n && tag[i] == u'?') ++i;
  i += XmlNameAt(tag, i).size();
  while (true) {
    while (i < n && IsXmlSpace(tag[i])) ++i;
    if (i >= n || tag[i] == u'/' || tag[i] == u'>' || tag[i] == u'?') return std::nullopt;
    const std::u16string_view attribute = XmlNameAt(tag, i);
    if (attribute.empty()) {  // a stray character such as a quote: step over it
      ++i;
      continue;
    }
    i += attribute.size();
    while (i < n && IsXmlSpace(tag[i])) ++i;
    std::u16string_view value;
    if (i < n && tag[i] == u'=') {
      ++i;
      while (i < n && IsXmlSpace(tag[i])) ++i;
      if (i < n && (tag[i] == u'"' || tag[i] == u'\'')) {
        std::size_t close = tag.find(tag[i], i + 1);
        if (close == npos) close = n;
        value = tag.substr(i + 1, close - i - 1);
        i = close + 1;
      } else {
        const std::size_t begin = i;
        while (i < n && !IsXmlSpace(tag[i]) && tag[i] != u'>') ++i;
        value = tag.substr(begin, i - begin);
      }
    }
    if (ignoreCase ? AsciiEqualIgnoringCase(attribute, name) : attribute == name) return value;
  }
}

}  // namespace strings
