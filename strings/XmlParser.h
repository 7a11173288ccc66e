#pragma once
// Building the element index from the document text in one pass.

#include <string>
#include <string_view>

#include "strings/XmlElementIndex.h"
#include "strings/XmlMarks.h"

namespace strings {

struct XmlParseOutcome {
  bool hadError = false;
  std::u16string firstError;  // "End tag 'a' at offset 6 does not match start tag 'b' at offset 3"
};

// Fills `records` with one record per element of `text` (record 0 is the document), `marks` being
// the text's marks. Errors mark the elements that hold them and parsing goes on to the end; only the
// first error's text is kept.
XmlParseOutcome BuildXmlIndex(std::u16string_view text, const XmlMarkList& marks, XmlRecordStore& records,
                              bool ignoreCase);

// The element's content between its start and end tag, as offsets into `text`.
struct XmlContentRange {
  std::size_t begin = 0;
  std::size_t end = 0;
};
XmlContentRange XmlContentOf(std::u16string_view text, const XmlElementRecord& element);
// The element's start tag, '<' to '>'.
std::u16string_view XmlStartTagOf(std::u16string_view text, const XmlElementRecord& element);

}  // namespace strings
