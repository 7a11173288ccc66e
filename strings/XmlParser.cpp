#include "strings/XmlParser.h"

#include <vector>

#include "strings/XmlText.h"
#include "strings/XmlTokenizer.h"

namespace strings {

namespace {

class IndexBuilder {
 public:
  IndexBuilder(std::u16string_view text, XmlRecordStore& records, bool ignoreCase)
      : m_text(text), m_records(records), m_ignoreCase(ignoreCase) {}

  XmlParseOutcome Run() {
    m_records.Reset(static_cast<std::uint32_t>(m_text.size() / 64 + 8));
    m_open.reserve(32);
    const std::size_t n = m_text.size();
    std::size_t pos = 0;
    while (pos < n) {
      const std::size_t lt = FindXmlMarkup(m_text, pos);
      if (lt == n) break;
      if (const std::size_t end = QuickClose(lt)) {
        Close(m_open.size() - 1, lt, end);
        pos = end;
        continue;
      }
      const XmlToken token = ReadXmlMarkup(m_text, lt);
      if (token.kind == XmlTokenKind::Error) {
        Error(XmlTokenErrorText(token), Innermost());
        // After an unterminated token nothing is left; after a bad '<' the rest is read on.
        pos = token.error == XmlTokenError::Unterminated ? n : lt + 1;
        continue;
      }
      if (token.kind == XmlTokenKind::StartTag || token.kind == XmlTokenKind::EmptyTag) {
        if (!StartElement(token)) break;
      } else if (token.kind == XmlTokenKind::EndTag) {
        EndElement(token);
      }
      pos = token.end;
    }
    CloseNotEnded(0);
    return std::move(m_outcome);
  }

 private:
  struct Open {
    ElementIndex index;
    std::uint32_t start;
    std::uint32_t startTagLength;  // unpacked: the record keeps only 22 bits
  };

  XmlElementRecord& At(ElementIndex i) { return m_records[i]; }
  ElementIndex Innermost() const { return m_open.empty() ? 0 : m_open.back().index; }
  std::u16string_view NameOf(const Open& open) const { return XmlNameAt(m_text, open.start + 1); }
  bool SameName(std::u16string_view a, std::u16string_view b) const {
    return m_ignoreCase ? AsciiEqualIgnoringCase(a, b) : a == b;
  }

  void Error(std::u16string text, ElementIndex holder) {
    if (!m_outcome.hadError) m_outcome.firstError = std::move(text);
    m_outcome.hadError = true;
    // Ancestors of a marked element are marked already, so the climb stops early.
    for (ElementIndex e = holder;; e = At(e).parent) {
      XmlElementRecord& record = At(e);
      if (record.Has(XmlElementRecord::kErrorInSubtree)) break;
      record.Set(XmlElementRecord::kErrorInSubtree);
      if (e == 0) break;
    }
    At(0).Set(XmlElementRecord::kNotWellFormed);
  }

  bool StartElement(const XmlToken& token) {
    const ElementIndex parent = Innermost();
    const auto start = static_cast<std::uint32_t>(token.start);
    const auto tagLength = static_cast<std::uint32_t>(token.end - token.start);
    const ElementIndex index = m_records.AppendUnfilled();
    if (index == 0) {
      Error(u"Too many elements", parent);
      return false;
    }
    // Each field written once, straight into its place.
    XmlElementRecord& record = At(index);
    record.start = start;
    record.length = tagLength;
    record.tagLengths = 0;
    record.SetStartTagLength(tagLength);
    record.depthFlags = 0;
    record.SetDepth(static_cast<std::uint32_t>(m_open.size() + 1));
    if (token.kind == XmlTokenKind::EmptyTag) record.Set(XmlElementRecord::kEmpty);
    record.parent = parent;
    record.firstChild = 0;
    record.nextSibling = 0;
    XmlElementRecord& parentRecord = At(parent);
    if (parentRecord.firstChild == 0) {
      parentRecord.firstChild = index;
      record.previousSibling = index;
    } else {
      XmlElementRecord& first = At(parentRecord.firstChild);
      const ElementIndex last = first.previousSibling;
      At(last).nextSibling = index;
      record.previousSibling = last;
      first.previousSibling = index;
    }
    if (token.kind != XmlTokenKind::EmptyTag) m_open.push_back({index, start, tagLength});
    return true;
  }

  // The usual case, read in one step: markup at `pos` that is `</name>` for the innermost open
  // element. Returns one past its '>', or 0. The open start tag ends in '>', a name end, so the
  // walk through its name stays inside it.
  std::size_t QuickClose(std::size_t pos) const {
    const std::size_t n = m_text.size();
    if (m_open.empty() || pos + 1 >= n || m_text[pos + 1] != u'/') return 0;
    const char16_t* t = m_text.data();
    for (std::size_t a = m_open.back().start + 1, b = pos + 2; b < n; ++a, ++b) {
      if (IsXmlNameEnd(t[a])) return t[b] == u'>' ? b + 1 : 0;
      if (m_ignoreCase ? AsciiLower(t[a]) != AsciiLower(t[b]) : t[a] != t[b]) return 0;
    }
    return 0;
  }

  void EndElement(const XmlToken& token) {
    const std::u16string_view name = XmlTagName(m_text, token.start);
    std::size_t k = m_open.size();
    while (k > 0 && !SameName(NameOf(m_open[k - 1]), name)) --k;
    if (k == 0) {
      std::u16string error = u"No start tag for end tag '";
      error.append(name).append(u"' at offset ");
      AppendDecimal(error, token.start);
      Error(std::move(error), Innermost());
      return;
    }
    const std::size_t match = k - 1;
    if (match + 1 != m_open.size()) {
      const ElementIndex inner = m_open.back().index;
      std::u16string error = u"End tag '";
      error.append(name).append(u"' at offset ");
      AppendDecimal(error, token.start);
      error.append(u" does not match start tag '").append(NameOf(m_open.back())).append(u"' at offset ");
      AppendDecimal(error, m_open.back().start);
      Error(std::move(error), inner);
      CloseNotEnded(match + 1);
    }
    Close(match, token.start, token.end);
  }

  // Ends the open element m_open[open], the innermost one, with the end tag [start, end).
  void Close(std::size_t open, std::size_t start, std::size_t end) {
    XmlElementRecord& record = At(m_open[open].index);
    record.length = static_cast<std::uint32_t>(end - record.start);
    record.SetEndTagLength(static_cast<std::uint32_t>(end - start));
    m_open.pop_back();
  }

  // Closes the open elements from m_open[from] inward as not ended. Each keeps only its start tag,
  // and what was inside it follows it as siblings, so all of them end up children of the element
  // that stays open (or of the document), in document order. Each element moves at most once.
  void CloseNotEnded(std::size_t from) {
    for (std::size_t i = m_open.size(); i-- > from;) {
      const ElementIndex e = m_open[i].index;
      std::u16string error = u"Element '";
      error.append(NameOf(m_open[i])).append(u"' at offset ");
      AppendDecimal(error, m_open[i].start);
      error.append(u" not ended");
      Error(std::move(error), e);
    }
    const ElementIndex keeper = from == 0 ? 0 : m_open[from - 1].index;
    for (std::size_t i = from; i < m_open.size(); ++i) {
      const ElementIndex e = m_open[i].index;
      XmlElementRecord& record = At(e);
      record.length = m_open[i].startTagLength;
      record.Set(XmlElementRecord::kNotEnded);
      const ElementIndex first = record.firstChild;
      if (first == 0) continue;
      record.firstChild = 0;
      const ElementIndex last = At(first).previousSibling;
      for (ElementIndex c = first; c != 0; c = At(c).nextSibling) At(c).parent = keeper;
      // e is the keeper's last child: its children follow it.
      At(e).nextSibling = first;
      At(first).previousSibling = e;
      At(At(keeper).firstChild).previousSibling = last;
    }
    m_open.resize(from);
  }

  std::u16string_view m_text;
  XmlRecordStore& m_records;
  bool m_ignoreCase;
  std::vector<Open> m_open;
  XmlParseOutcome m_outcome;
};

// The end tag that closes an element whose end-tag length did not fit its field: read the content
// again up to the token that ends where the element ends.
std::size_t MeasureEndTag(std::u16string_view text, std::size_t contentBegin, std::size_t elementEnd) {
  const std::u16string_view bounded = text.substr(0, elementEnd);
  std::size_t pos = contentBegin;
  while (pos < elementEnd) {
    const XmlToken token = NextXmlToken(bounded, pos);
    if (token.kind == XmlTokenKind::EndTag && token.end == elementEnd) return token.end - token.start;
    if (token.kind == XmlTokenKind::End || token.error == XmlTokenError::Unterminated) break;
    pos = token.kind == XmlTokenKind::Error ? token.start + 1 : token.end;
  }
  return 0;
}

std::size_t StartTagLengthOf(std::u16string_view text, const XmlElementRecord& element) {
  const std::size_t packed = element.StartTagLength();
  if (packed < XmlElementRecord::kMaxStartTagLength) return packed;
  return ReadXmlMarkup(text, element.start).end - element.start;
}

}  // namespace

XmlParseOutcome BuildXmlIndex(std::u16string_view text, XmlRecordStore& records, bool ignoreCase) {
  return IndexBuilder(text, records, ignoreCase).Run();
}

std::u16string_view XmlStartTagOf(std::u16string_view text, const XmlElementRecord& element) {
  return text.substr(element.start, StartTagLengthOf(text, element));
}

XmlContentRange XmlContentOf(std::u16string_view text, const XmlElementRecord& element) {
  const std::size_t begin = element.start + StartTagLengthOf(text, element);
  const std::size_t end = std::size_t{element.start} + element.length;
  if (end <= begin) return {begin, begin};
  std::size_t endTag = element.EndTagLength();
  if (endTag == XmlElementRecord::kMaxEndTagLength) endTag = MeasureEndTag(text, begin, end);
  return {begin, end - endTag < begin ? begin : end - endTag};
}

}  // namespace strings
