#include "strings/XmlParser.h"

#include <cstring>
#include <vector>

#include "strings/XmlMarks.h"
#include "strings/XmlText.h"
#include "strings/XmlTokenizer.h"

namespace strings {

namespace {

std::uint64_t FourUnits(const char16_t* p) {
  std::uint64_t units;
  std::memcpy(&units, p, sizeof units);
  return units;
}

std::uint32_t TwoUnits(const char16_t* p) {
  std::uint32_t units;
  std::memcpy(&units, p, sizeof units);
  return units;
}

// Names are short: compared four units at a time, the last group overlapping the one before.
bool SameUnitsExactly(const char16_t* a, const char16_t* b, std::size_t k) {
  if (k < 4) {
    if (k < 2) return k == 0 || a[0] == b[0];
    return TwoUnits(a) == TwoUnits(b) && TwoUnits(a + k - 2) == TwoUnits(b + k - 2);
  }
  for (std::size_t i = 0; i + 4 < k; i += 4)
    if (FourUnits(a + i) != FourUnits(b + i)) return false;
  return FourUnits(a + k - 4) == FourUnits(b + k - 4);
}

class IndexBuilder {
 public:
  IndexBuilder(std::u16string_view text, const XmlMarkList& marks, XmlRecordStore& records, bool ignoreCase)
      : m_text(text), m_marks(marks), m_last(marks.end()), m_records(records), m_ignoreCase(ignoreCase) {}

  // Steps from '<' to '<' along the marks. Markup in its usual form is read from the marks alone
  // (ReadUsualMarkup); all other markup is read from the text, and the marks up to its end skipped.
  XmlParseOutcome Run() {
    m_records.Reset(static_cast<std::uint32_t>(m_text.size() / 64 + 8));
    m_open.reserve(32);
    const std::size_t n = m_text.size();
    const std::uint32_t* mark = m_marks.begin();
    std::size_t pos = 0;
    while (pos < n && !m_full) {
      while (mark != m_last && (*mark < pos || m_text[*mark] != u'<')) ++mark;
      if (mark == m_last) break;
      if (const std::uint32_t* gt = ReadUsualMarkup(mark)) {
        pos = *gt + 1, mark = gt + 1;
        continue;
      }
      const std::size_t lt = *mark;
      const XmlToken token = ReadMarkup(mark);
      if (token.kind == XmlTokenKind::Error) {
        Error(XmlTokenErrorText(token), Innermost());
        // After an unterminated token nothing is left; after a bad '<' the rest is read on.
        pos = token.error == XmlTokenError::Unterminated ? n : lt + 1;
        continue;
      }
      if (token.kind == XmlTokenKind::StartTag || token.kind == XmlTokenKind::EmptyTag) {
        StartElement(token.start, token.end, token.kind == XmlTokenKind::EmptyTag);
      } else if (token.kind == XmlTokenKind::EndTag) {
        EndElement(token);
      }
      pos = token.end;
    }
    CloseNotEnded(0);
    return std::move(m_outcome);
  }

 private:
  // The first and last child so far of an open element, kept here so that appending a child reads
  // nothing back from the records.
  struct Children {
    ElementIndex first = 0;
    ElementIndex last = 0;
  };
  struct Open {
    ElementIndex index;
    std::uint32_t start;
    std::uint32_t startTagLength;  // unpacked: the record keeps only 22 bits
    Children children;
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

  Children& InnermostChildren() { return m_open.empty() ? m_documentChildren : m_open.back().children; }

  // Appends a record for the element whose start tag is [start, tagEnd) as the last child of the
  // innermost open element, with every field written once. 0 when no further index can be given:
  // then the parse stops.
  ElementIndex AppendElement(std::size_t start, std::size_t tagEnd, std::uint16_t flags) {
    const ElementIndex parent = Innermost();
    const ElementIndex index = m_records.AppendUnfilled();
    if (index == 0) {
      Error(u"Too many elements", parent);
      m_full = true;
      return 0;
    }
    const auto tagLength = static_cast<std::uint32_t>(tagEnd - start);
    XmlElementRecord& record = At(index);
    record.start = static_cast<std::uint32_t>(start);
    record.length = tagLength;
    record.tagLengths = 0;
    record.SetStartTagLength(tagLength);
    record.depthFlags = 0;
    record.SetDepth(static_cast<std::uint32_t>(m_open.size() + 1));
    record.Set(flags);
    record.parent = parent;
    record.firstChild = 0;
    record.nextSibling = 0;
    Children& siblings = InnermostChildren();
    if (siblings.first == 0) {
      At(parent).firstChild = index;
      record.previousSibling = index;
      siblings.first = index;
    } else {
      At(siblings.last).nextSibling = index;
      record.previousSibling = siblings.last;
      At(siblings.first).previousSibling = index;
    }
    siblings.last = index;
    return index;
  }

  // The element whose start tag is [start, tagEnd), opened unless it is empty.
  void StartElement(std::size_t start, std::size_t tagEnd, bool empty) {
    const ElementIndex index = AppendElement(start, tagEnd, empty ? XmlElementRecord::kEmpty : 0);
    if (index != 0 && !empty)
      m_open.push_back({index, static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(tagEnd - start), {}});
  }

  // An element read whole: start tag [start, tagEnd), text, end tag [endTag, end). The record is
  // the one StartElement and Close write.
  void AddLeaf(std::size_t start, std::size_t tagEnd, std::size_t endTag, std::size_t end) {
    const ElementIndex index = AppendElement(start, tagEnd, 0);
    if (index == 0) return;
    XmlElementRecord& record = At(index);
    record.length = static_cast<std::uint32_t>(end - start);
    record.SetEndTagLength(static_cast<std::uint32_t>(end - endTag));
  }

  // The first mark after `mark` that is `a` or `b`; m_last when there is none.
  const std::uint32_t* NextMark(const std::uint32_t* mark, char16_t a, char16_t b) const {
    for (++mark; mark != m_last; ++mark)
      if (m_text[*mark] == a || m_text[*mark] == b) break;
    return mark;
  }

  // The first '>' mark after `mark` at `from` or later that comes right after `before`; m_last
  // when there is none: the end of a comment or processing instruction, as the tokenizer finds it.
  const std::uint32_t* NextGtAfter(const std::uint32_t* mark, std::size_t from, std::u16string_view before) const {
    for (++mark; mark != m_last; ++mark) {
      const std::size_t gt = *mark;
      if (gt >= from && m_text[gt] == u'>' && m_text.substr(gt - before.size(), before.size()) == before) break;
    }
    return mark;
  }

  // Markup in its usual form, read from the marks alone: an element tag without '=' (its end is
  // the next '>' or '=' mark, a '>'), the end tag of the innermost open element, a comment or a
  // processing instruction. An element that holds only text is read with its end tag. Returns the
  // mark of the last '>' read, or nullptr when the markup at `mark` is for the general path.
  const std::uint32_t* ReadUsualMarkup(const std::uint32_t* mark) {
    const std::size_t lt = *mark;
    const char16_t next = lt + 1 < m_text.size() ? m_text[lt + 1] : u'\0';
    if (next == u'!') {
      // "<!--" to the first "-->" that begins after it.
      if (m_text.substr(lt + 2, 2) != u"--") return nullptr;
      const std::uint32_t* gt = NextGtAfter(mark, lt + 6, u"--");
      return gt != m_last ? gt : nullptr;
    }
    if (next == u'?') {
      // "<?" to the first "?>" that begins after it.
      const std::uint32_t* gt = NextGtAfter(mark, lt + 3, u"?");
      return gt != m_last ? gt : nullptr;
    }
    if (next == u'/') {
      const std::uint32_t* gt = NextMark(mark, u'>', u'>');
      if (gt == m_last || m_open.empty() || !EndTagNames(m_open.back().start, lt, *gt)) return nullptr;
      Close(m_open.size() - 1, lt, *gt + 1);
      return gt;
    }
    if (!xmlscan::IsNameStart(next)) return nullptr;
    const std::uint32_t* stop = NextMark(mark, u'>', u'=');
    if (stop == m_last || m_text[*stop] != u'>') return nullptr;
    const std::size_t tagEnd = *stop + 1;
    if (m_text[*stop - 1] == u'/') {
      StartElement(lt, tagEnd, true);
      return stop;
    }
    if (const std::uint32_t* endGt = LeafEnd(lt, stop)) {
      AddLeaf(lt, tagEnd, stop[1], *endGt + 1);
      return endGt;
    }
    StartElement(lt, tagEnd, false);
    return stop;
  }

  // When the next mark after the '>' at `stop` of the start tag at `lt` begins its end tag (only
  // text between them): the mark of that end tag's '>'. Otherwise nullptr.
  const std::uint32_t* LeafEnd(std::size_t lt, const std::uint32_t* stop) const {
    const std::uint32_t* endTag = stop + 1;
    if (endTag == m_last || m_text[*endTag] != u'<' || *endTag + 1 >= m_text.size() || m_text[*endTag + 1] != u'/')
      return nullptr;
    const std::uint32_t* gt = NextMark(endTag, u'>', u'>');
    return gt != m_last && EndTagNames(lt, *endTag, *gt) ? gt : nullptr;
  }

  // ReadXmlMarkup for the '<' at `mark`, with the tag ends the marks already know.
  XmlToken ReadMarkup(const std::uint32_t* mark) const {
    const std::size_t lt = *mark;
    const auto offsetOf = [&](const std::uint32_t* m) { return m != m_last ? std::size_t{*m} : m_text.size(); };
    if (lt + 1 < m_text.size()) {
      const char16_t c = m_text[lt + 1];
      if (c == u'/') return xmlscan::FinishEndTag(m_text, lt, offsetOf(NextMark(mark, u'>', u'>')));
      if (xmlscan::IsNameStart(c)) return xmlscan::FinishElementTag(m_text, lt, offsetOf(NextMark(mark, u'>', u'=')));
    }
    return xmlscan::ReadOtherMarkup(m_text, lt);
  }

  // Whether `k` units at `a` and at `b` are the same (ignoring ASCII case when asked).
  bool SameUnits(const char16_t* a, const char16_t* b, std::size_t k) const {
    if (m_ignoreCase) {
      for (std::size_t i = 0; i < k; ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
      return true;
    }
    return SameUnitsExactly(a, b, k);
  }

  // Whether the end tag from the "</" at `endTag` to the '>' at `gt` names the element whose start
  // tag begins at `start` (before it), as EndElement would find. The names agree when the start
  // tag's name ends where the end tag's '>' is and the two are the same up to there: a name end
  // before that ends both names at the same place.
  bool EndTagNames(std::size_t start, std::size_t endTag, std::size_t gt) const {
    const char16_t* t = m_text.data();
    const std::size_t a = start + 1, b = endTag + 2, k = gt - b;
    return IsXmlNameEnd(t[a + k]) && SameUnits(t + a, t + b, k);
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
    record.length = static_cast<std::uint32_t>(end - m_open[open].start);
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
    Children& kept = InnermostChildren();
    kept.first = At(keeper).firstChild;
    kept.last = kept.first != 0 ? At(kept.first).previousSibling : 0;
  }

  std::u16string_view m_text;
  const XmlMarkList& m_marks;
  const std::uint32_t* m_last;  // the end of the marks
  XmlRecordStore& m_records;
  bool m_ignoreCase;
  bool m_full = false;  // no further element can be indexed
  std::vector<Open> m_open;
  Children m_documentChildren;
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

XmlParseOutcome BuildXmlIndex(std::u16string_view text, const XmlMarkList& marks, XmlRecordStore& records,
                              bool ignoreCase) {
  return IndexBuilder(text, marks, records, ignoreCase).Run();
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
