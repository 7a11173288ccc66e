#include "strings/XmlReader.h"

namespace strings {

CXmlReader::CXmlReader() { ParseDocument(); }
bool CXmlReader::LoadDocumentFile(const std::filesystem::path&) { return false; }
bool CXmlReader::LoadDocumentBytes(std::string_view) { return false; }
void CXmlReader::SetDocumentText(std::u16string text) { m_text = std::move(text); }
bool CXmlReader::ParseDocument() { m_errorText = u"Empty document"; m_elements.Reset(8); return false; }
bool CXmlReader::FindChild(std::u16string_view) { return false; }
bool CXmlReader::EnterChild() { return false; }
std::u16string CXmlReader::ChildText() const { return {}; }
std::u16string_view CXmlReader::ChildName() const { return {}; }
std::optional<std::u16string> CXmlReader::ChildAttribute(std::u16string_view) const { return std::nullopt; }

}  // namespace strings
