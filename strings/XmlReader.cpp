#include "strings/XmlReader.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <system_error>

#include "platform/CodePages.h"
#include "strings/EntityTable.h"
#include "strings/XmlParser.h"
#include "strings/XmlText.h"
#include "strings/XmlTokenizer.h"

namespace strings {

namespace {

// Offsets are 32-bit; half of that keeps every sum of an offset and a length in range.
constexpr std::size_t kMaxDocumentLength = 0x7FFFFFFF;
constexpr std::size_t kMaxMessageLength = 100;

// The first line of a system message, at most 100 characters.
std::u16string MessageLine(const std::string& message) {
  std::u16string line;
  for (char c : message) {
    if (c == '\r' || c == '\n' || line.size() == kMaxMessageLength) break;
    line.push_back(static_cast<unsigned char>(c));
  }
  return line;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::u16string& error) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) {
    error = MessageLine(ec.message());
    return false;
  }
  if (size > kMaxDocumentLength) {
    error = u"File too large";
    return false;
  }
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = MessageLine(std::generic_category().message(errno != 0 ? errno : EACCES));
    return false;
  }
  bytes.resize(static_cast<std::size_t>(size));
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) {
    error = MessageLine(std::generic_category().message(errno != 0 ? errno : EIO));
    return false;
  }
  bytes.resize(static_cast<std::size_t>(file.gcount()));  // the file may have shrunk meanwhile
  return true;
}

}  // namespace

CXmlReader::CXmlReader() { ParseDocument(); }

bool CXmlReader::LoadDocumentFile(const std::filesystem::path& path) {
  std::string bytes;
  std::u16string error;
  if (!ReadWholeFile(path, bytes, error)) {
    m_text.clear();
    m_hasMarks = false;
    m_loadReport.clear();
    m_errorText = std::move(error);
    m_byteOrderMark = XmlByteOrderMark::None;
    ClearIndex();
    return false;
  }
  return LoadDocumentBytes(bytes);
}

bool CXmlReader::LoadDocumentBytes(std::string_view bytes) {
  if (bytes.size() > kMaxDocumentLength) {
    m_text.clear();
    m_hasMarks = false;
    m_loadReport.clear();
    m_errorText = u"File too large";
    m_byteOrderMark = XmlByteOrderMark::None;
    ClearIndex();
    return false;
  }
  XmlDecodedText decoded = DecodeXmlBytes(bytes, platform::SystemCodePages());
  m_text = std::move(decoded.text);
  m_loadReport = std::move(decoded.report);
  m_errorText = m_loadReport;
  m_byteOrderMark = decoded.byteOrderMark;
  m_marks = std::move(decoded.marks);
  m_hasMarks = decoded.hasMarks;
  ClearIndex();
  return true;
}

void CXmlReader::SetDocumentText(std::u16string text) {
  m_text = std::move(text);
  m_hasMarks = false;
  m_loadReport.clear();
  m_errorText.clear();
  m_byteOrderMark = XmlByteOrderMark::None;
  ClearIndex();
}

void CXmlReader::ClearIndex() {
  // The old records point into the old text: drop them before anyone navigates.
  m_elements.Clear();
  m_wellFormed = false;
  m_parseErrorSet = false;
  ResetCursor();
}

void CXmlReader::SetParseError(std::u16string_view error) {
  if (m_parseErrorSet) return;
  m_parseErrorSet = true;
  m_errorText.append(error);
  m_elements[0].Set(XmlElementRecord::kNotWellFormed);
}

bool CXmlReader::ParseDocument() {
  ClearIndex();
  m_errorText = m_loadReport;
  if (m_text.size() > kMaxDocumentLength) {
    SetParseError(u"File too large");
    return false;
  }
  if (m_text.empty()) {
    SetParseError(u"Empty document");
    return false;
  }
  if (!m_hasMarks) FindXmlMarks(m_text, m_marks);
  m_hasMarks = true;
  const XmlParseOutcome outcome = BuildXmlIndex(m_text, m_marks, m_elements, m_caseInsensitive);
  if (outcome.hadError) SetParseError(outcome.firstError);
  const ElementIndex root = m_elements[0].firstChild;
  if (root == 0)
    SetParseError(u"No root element");
  else if (m_elements[root].nextSibling != 0)
    SetParseError(u"Root element has sibling");
  m_wellFormed = !m_parseErrorSet;
  return m_wellFormed;
}

bool CXmlReader::NameIs(ElementIndex element, std::u16string_view name) const {
  return XmlNameMatches(XmlTagName(m_text, m_elements[element].start), name, m_caseInsensitive);
}

ElementIndex CXmlReader::FirstChildNamed(ElementIndex child, std::u16string_view name) const {
  for (; child != 0; child = m_elements[child].nextSibling)
    if (name.empty() || NameIs(child, name)) return child;
  return 0;
}

bool CXmlReader::FindChild(std::u16string_view name) {
  ElementIndex current = m_current;
  ElementIndex from;
  if (current == 0) {
    current = m_elements[m_parent].firstChild;
    if (current == 0) return false;
    from = m_elements[current].firstChild;
  } else {
    from = m_child != 0 ? m_elements[m_child].nextSibling : m_elements[current].firstChild;
  }
  const ElementIndex found = FirstChildNamed(from, name);
  if (found == 0) return false;
  m_current = current;
  m_child = found;
  return true;
}

bool CXmlReader::EnterChild() {
  if (m_child == 0) return false;
  m_parent = m_current;
  m_current = m_child;
  m_child = 0;
  return true;
}

bool CXmlReader::LeaveChild() {
  if (m_current == 0) return false;
  m_child = m_current;
  m_current = m_parent;
  m_parent = m_current != 0 ? m_elements[m_current].parent : 0;
  return true;
}

std::u16string CXmlReader::ChildText() const {
  if (m_child == 0) return {};
  const XmlElementRecord& element = m_elements[m_child];
  if (element.firstChild != 0 || element.Has(XmlElementRecord::kEmpty)) return {};
  const XmlContentRange range = XmlContentOf(m_text, element);
  const std::u16string_view text(m_text);
  const std::u16string_view content = text.substr(range.begin, range.end - range.begin);
  if (content.find(u'<') == std::u16string_view::npos) return DecodeEntities(content);

  // Markup inside: text is decoded, CDATA taken as it stands, the rest dropped.
  std::u16string out;
  const std::u16string_view bounded = text.substr(0, range.end);
  std::size_t pos = range.begin;
  while (pos < range.end) {
    const XmlToken token = NextXmlToken(bounded, pos);
    if (token.kind == XmlTokenKind::End || token.error == XmlTokenError::Unterminated) break;
    if (token.kind == XmlTokenKind::Error) {
      pos = token.start + 1;
      continue;
    }
    if (token.kind == XmlTokenKind::Text) {
      AppendDecodedEntities(out, text.substr(token.start, token.end - token.start));
    } else if (token.kind == XmlTokenKind::CData) {
      constexpr std::size_t kOpen = 9;  // <![CDATA[
      const std::size_t end = token.end - 3;
      const std::size_t begin = std::min(token.start + kOpen, end);
      out.append(text.substr(begin, end - begin));
    }
    pos = token.end;
  }
  return out;
}

std::u16string_view CXmlReader::ChildName() const {
  if (m_child == 0) return {};
  return XmlTagName(m_text, m_elements[m_child].start);
}

std::optional<std::u16string> CXmlReader::ChildAttribute(std::u16string_view name) const {
  if (m_child == 0) return std::nullopt;
  const std::u16string_view tag = XmlStartTagOf(m_text, m_elements[m_child]);
  const auto value = FindXmlAttribute(tag, name, m_caseInsensitive);
  if (!value) return std::nullopt;
  return DecodeEntities(*value);
}

}  // namespace strings
