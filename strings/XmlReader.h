#pragma once
// CXmlReader: reads a text file of any common encoding into one UTF-16 string, indexes its elements
// once, and then answers navigation questions (find a child by name, step into it, give its text)
// without copying the document into a tree of objects.
//
//   CXmlReader xml;
//   if (xml.LoadDocumentFile(path) && xml.ParseDocument() && xml.FindChild(u"MAIN") && xml.EnterChild() &&
//       xml.FindChild(u"NAME"))
//     caption = xml.ChildText();

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "strings/XmlElementIndex.h"
#include "strings/XmlLoading.h"
#include "strings/XmlMarks.h"

namespace strings {

class CXmlReader {
 public:
  // An empty document, already parsed: ErrorText() reads "Empty document".
  CXmlReader();

  // Replaces the document with the decoded contents of the file. The load report ("UTF-8 length 12
  // to 12 wide chars ") goes to the error text. False, with the platform's message in the error
  // text and an empty document, when the file cannot be opened or read.
  bool LoadDocumentFile(const std::filesystem::path& path);
  // The same decoding over bytes already in memory. False only when the bytes are too many to index.
  bool LoadDocumentBytes(std::string_view bytes);
  // Takes text that is already UTF-16; the load report is cleared.
  void SetDocumentText(std::u16string text);

  // Builds the element index and clears the cursor. True when the document is well-formed: no error,
  // a root element, and nothing beside the root. Loading discards the index; parse again after it.
  bool ParseDocument();
  bool IsWellFormed() const { return m_wellFormed; }

  // The load report followed by the first parse error, e.g. "UTF-8 length 8 to 8 wide chars Element
  // 'b' at offset 3 not ended".
  const std::u16string& ErrorText() const { return m_errorText; }
  const std::u16string& DocumentText() const { return m_text; }
  XmlByteOrderMark ByteOrderMark() const { return m_byteOrderMark; }

  // Off unless set (loading never sets it): with it on, element names compare ignoring ASCII case.
  void SetCaseInsensitiveNames(bool on) { m_caseInsensitive = on; }
  bool CaseInsensitiveNames() const { return m_caseInsensitive; }

  // Navigation. The cursor is (parent, current element, current child), all 0 after parsing.
  // FindChild: when nothing is current, the parent's first element becomes current (at the start,
  // the root); then the current element's children are searched, after the current child, for the
  // next element called `name` (any element when `name` is empty). On success that element becomes
  // the current child; on failure the cursor does not change.
  bool FindChild(std::u16string_view name = {});
  // The current element becomes the parent and the current child becomes current. False without a
  // current child.
  bool EnterChild();
  // The way back: the current element becomes the current child again, its parent current. False when
  // nothing is current.
  bool LeaveChild();
  // The current child's text, entities decoded and CDATA taken as it stands; empty for an empty
  // element, an element holding elements, or no current child.
  std::u16string ChildText() const;
  // The current child's element name; empty without one.
  std::u16string_view ChildName() const;
  // The value of an attribute in the current child's start tag, entities decoded.
  std::optional<std::u16string> ChildAttribute(std::u16string_view name) const;
  // Back to the state after parsing: nothing current.
  void ResetCursor() { m_parent = m_current = m_child = 0; }

  ElementIndex CursorParent() const { return m_parent; }
  ElementIndex CursorCurrent() const { return m_current; }
  ElementIndex CursorChild() const { return m_child; }

  // The element index, for inspection.
  const XmlRecordStore& Elements() const { return m_elements; }

 private:
  void ClearIndex();
  void SetParseError(std::u16string_view error);
  bool NameIs(ElementIndex element, std::u16string_view name) const;
  // `child` or the first of its following siblings called `name`; 0 when none is.
  ElementIndex FirstChildNamed(ElementIndex child, std::u16string_view name) const;

  std::u16string m_text;
  std::u16string m_loadReport;
  std::u16string m_errorText;
  XmlRecordStore m_elements;
  // The marks of m_text, found while decoding or by the first parse (m_hasMarks).
  XmlMarkList m_marks;
  bool m_hasMarks = false;
  ElementIndex m_parent = 0;
  ElementIndex m_current = 0;
  ElementIndex m_child = 0;
  XmlByteOrderMark m_byteOrderMark = XmlByteOrderMark::None;
  bool m_caseInsensitive = false;
  bool m_wellFormed = false;
  bool m_parseErrorSet = false;
};

}  // namespace strings
