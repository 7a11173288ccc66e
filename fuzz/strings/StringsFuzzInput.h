#pragma once
// One fuzz input through the string table: the bytes are a language file; lookups of fixed pairs, of
// the pairs the document itself names and of near misses of them. Every answer is checked against a
// plain walk of the element index that applies the name rule on its own. Shared by the libFuzzer
// target and the test that replays the seed corpus.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/FuzzInput.h"
#include "strings/StringTable.h"
#include "strings/XmlParser.h"
#include "strings/XmlReader.h"

namespace stringsfuzz {

using fuzzing::Require;

inline bool EndsName(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'<' || c == u'>' || c == u'=' ||
         c == u'\\' || c == u'/' || c == u'?' || c == u'!' || c == u'"' || c == u'\'' || c == u';';
}

// The element's name: from behind '<' to the first character that ends a name.
inline std::u16string_view NameOf(std::u16string_view text, const strings::XmlElementRecord& r) {
  std::size_t end = r.start + 1;
  while (end < text.size() && !EndsName(text[end])) ++end;
  return text.substr(r.start + 1, end - r.start - 1);
}

// The requested name matches over the element name's length and ends there or with ' ', '=', '/', '[', ']'.
inline bool Matches(std::u16string_view elementName, std::u16string_view wanted) {
  if (wanted.empty()) return true;
  if (wanted.size() < elementName.size() || wanted.substr(0, elementName.size()) != elementName) return false;
  if (wanted.size() == elementName.size()) return true;
  const char16_t next = wanted[elementName.size()];
  return next == u' ' || next == u'=' || next == u'/' || next == u'[' || next == u']';
}

struct Expected {
  strings::ElementIndex element = 0;  // 0: the lookup finds nothing
};

// The first key element in the first section of that name that holds one.
inline Expected Walk(const strings::CXmlReader& xml, std::u16string_view section, std::u16string_view key) {
  const auto& records = xml.Elements();
  const std::u16string_view text = xml.DocumentText();
  const strings::ElementIndex root = records[0].firstChild;
  if (root == 0) return {};
  for (auto s = records[root].firstChild; s != 0; s = records[s].nextSibling) {
    if (!Matches(NameOf(text, records[s]), section)) continue;
    for (auto k = records[s].firstChild; k != 0; k = records[k].nextSibling)
      if (Matches(NameOf(text, records[k]), key)) return {k};
  }
  return {};
}

inline void Check(strings::CXmlReader& xml, bool wellFormed, std::u16string_view section, std::u16string_view key) {
  const std::u16string got = strings::LookUpStringIn(xml, section, key);
  if (!wellFormed) return;  // the string table never asks a damaged document; it only must not fail
  const Expected expected = Walk(xml, section, key);
  if (expected.element == 0) {
    Require(got.empty());
    return;
  }
  const auto& r = xml.Elements()[expected.element];
  const std::u16string_view text = xml.DocumentText();
  const auto content = strings::XmlContentOf(text, r);
  Require(content.begin <= content.end && content.end <= text.size());
  const std::u16string_view raw = text.substr(content.begin, content.end - content.begin);
  // Plain content (no markup, no references) is the text as it stands; empty elements and elements
  // holding elements have none.
  if (r.firstChild != 0 || r.Has(strings::XmlElementRecord::kEmpty))
    Require(got.empty());
  else if (raw.find_first_of(u"<&") == std::u16string_view::npos)
    Require(got == raw);
}

inline void RunInput(const std::uint8_t* data, std::size_t size) {
  strings::CXmlReader xml;
  xml.LoadDocumentBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  const bool wellFormed = xml.ParseDocument();

  std::vector<std::pair<std::u16string, std::u16string>> pairs = {
      {u"MAIN", u"NAME"}, {u"MAIN", u"OK"}, {u"", u""}, {u"MAIN ", u"OK="}, {u"a", u"b"}};
  // Pairs the document names, and near misses of them: one character short, one more, a space behind.
  const auto& records = xml.Elements();
  const std::u16string_view text = xml.DocumentText();
  int sections = 0;
  for (auto s = records[0].firstChild ? records[records[0].firstChild].firstChild : 0; s != 0 && sections < 6;
       s = records[s].nextSibling, ++sections) {
    int keys = 0;
    for (auto k = records[s].firstChild; k != 0 && keys < 4; k = records[k].nextSibling, ++keys)
      pairs.emplace_back(NameOf(text, records[s]), NameOf(text, records[k]));
  }
  const std::size_t named = pairs.size();
  for (std::size_t i = 5; i < named && i < 9; ++i) {
    auto [section, key] = pairs[i];
    pairs.emplace_back(section + u' ', key + u'x');
    pairs.emplace_back(section, key.substr(0, key.size() - (key.empty() ? 0 : 1)));
  }
  for (const auto& [section, key] : pairs) Check(xml, wellFormed, section, key);
}

}  // namespace stringsfuzz
