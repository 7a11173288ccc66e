#pragma once
// One fuzz input through the XML reader: load, parse, check the index is consistent, and walk it
// with the cursor. Shared by the libFuzzer target and the test that replays the seed corpus.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/FuzzInput.h"
#include "strings/EntityTable.h"
#include "strings/XmlLoading.h"
#include "strings/XmlParser.h"
#include "strings/XmlReader.h"

namespace xmlfuzz {

using fuzzing::Require;

// Every link stays inside the index, every extent inside the text, and the child lists are the
// doubly linked rings the reader relies on.
inline void CheckIndex(const strings::CXmlReader& xml) {
  const auto& records = xml.Elements();
  const std::size_t count = records.Count();
  const std::size_t textLength = xml.DocumentText().size();
  Require(count >= 1);
  for (strings::ElementIndex i = 0; i < count; ++i) {
    const auto& r = records[i];
    Require(r.parent < count && r.firstChild < count && r.nextSibling < count && r.previousSibling < count);
    if (i > 0) {
      Require(std::size_t{r.start} + r.length <= textLength);
      const auto content = strings::XmlContentOf(xml.DocumentText(), r);
      Require(content.begin <= content.end && content.end <= textLength);
    }
    if (r.firstChild == 0) continue;
    std::size_t steps = 0;
    strings::ElementIndex last = 0;
    for (strings::ElementIndex c = r.firstChild; c != 0; c = records[c].nextSibling) {
      Require(records[c].parent == i && ++steps <= count);
      if (c != r.firstChild) Require(records[c].previousSibling == last);
      last = c;
    }
    Require(records[r.firstChild].previousSibling == last);
  }
}

inline void Walk(strings::CXmlReader& xml) {
  std::size_t budget = 4096;
  while (budget-- > 0) {
    if (!xml.FindChild()) {
      if (!xml.FindChild(u"a b") && !xml.EnterChild()) break;
      continue;
    }
    const std::u16string_view name = xml.ChildName();
    (void)xml.ChildText();
    (void)xml.ChildAttribute(u"a");
    (void)xml.ChildAttribute(name);
    if (name.size() % 2 == 0) xml.EnterChild();
  }
}

inline void RunInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  strings::CXmlReader xml;
  if (size > 0) xml.SetCaseInsensitiveNames((data[0] & 1) != 0);
  xml.LoadDocumentBytes(bytes);
  const bool wellFormed = xml.ParseDocument();
  Require(wellFormed == xml.IsWellFormed());
  Require(!xml.ErrorText().empty() || wellFormed);
  CheckIndex(xml);
  Walk(xml);
  (void)strings::DecodeEntities(xml.DocumentText());
  (void)strings::SniffXmlEncoding(xml.DocumentText());
}

}  // namespace xmlfuzz
