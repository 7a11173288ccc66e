#include "strings/XmlLoading.h"

#include <algorithm>
#include <cstring>

#include "strings/CharsetConversion.h"
#include "strings/CharsetTable.h"
#include "strings/XmlText.h"
#include "strings/XmlTokenizer.h"
#include "strings/XmlUtf8.h"

namespace strings {

namespace {

constexpr unsigned kUtf8CodePage = 65001;

struct Mark {
  std::string_view bytes;
  XmlByteOrderMark mark;
  std::u16string_view name;
  std::size_t unit;
};

// Compared in this order. FF FE 00 00 comes before FF FE: read as UTF-16, a UTF-32 file would lose
// its zero units and every character beyond U+FFFF.
constexpr Mark kMarks[] = {
    {"\xEF\xBB\xBF", XmlByteOrderMark::Utf8, u"UTF-8", 1},
    {std::string_view("\xFF\xFE\x00\x00", 4), XmlByteOrderMark::Utf32LE, u"UTF-32", 4},
    {"\xFF\xFE", XmlByteOrderMark::Utf16LE, u"UTF-16LE", 2},
    {"\xFE\xFF", XmlByteOrderMark::Utf16BE, u"UTF-16BE", 2},
};

// The words of a Content-Type value: runs between white space and ';', with '=' a word of its own.
std::u16string CharsetOfContentType(std::u16string_view content) {
  std::u16string_view words[3];
  std::size_t i = 0;
  while (i < content.size()) {
    const char16_t c = content[i];
    if (IsXmlSpace(c) || c == u';') {
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    if (c != u'=')
      while (end < content.size() && !IsXmlSpace(content[end]) && content[end] != u';' && content[end] != u'=') ++end;
    words[0] = words[1], words[1] = words[2], words[2] = content.substr(i, end - i);
    if (AsciiEqualIgnoringCase(words[0], u"charset") && words[1] == u"=") return std::u16string(words[2]);
    i = end;
  }
  return {};
}

std::u16string_view TokenText(std::u16string_view text, const XmlToken& token) {
  return text.substr(token.start, token.end - token.start);
}

// Zero units (bytes, 16-bit or 32-bit units) taken out; returns how many.
std::size_t RemoveZeroBytes(std::string& data) {
  const auto kept = std::remove(data.begin(), data.end(), '\0');
  const std::size_t removed = static_cast<std::size_t>(data.end() - kept);
  data.erase(kept, data.end());
  return removed;
}

std::size_t RemoveZeroUnits32(std::string& data) {
  std::size_t out = 0, removed = 0, i = 0;
  for (; i + 4 <= data.size(); i += 4) {
    if (data[i] == 0 && data[i + 1] == 0 && data[i + 2] == 0 && data[i + 3] == 0) {
      ++removed;
      continue;
    }
    std::memmove(&data[out], &data[i], 4);
    out += 4;
  }
  for (; i < data.size(); ++i) data[out++] = data[i];  // a cut-off last unit stays for the conversion
  data.resize(out);
  return removed;
}

std::u16string Utf16Units(std::string_view data, bool bigEndian, std::size_t& removed) {
  std::u16string text;
  text.resize(data.size() / 2);
  std::size_t n = 0;
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    const auto a = static_cast<unsigned char>(data[i]), b = static_cast<unsigned char>(data[i + 1]);
    const auto unit = static_cast<char16_t>(bigEndian ? (a << 8 | b) : (a | b << 8));
    if (unit != 0) text[n++] = unit;
  }
  removed = text.size() - n;
  text.resize(n);
  return text;
}

std::u16string Widen(std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<unsigned char>(bytes[i]);
  return text;
}

// 8-bit data to UTF-16. A code page the platform cannot convert falls back to the ANSI code page,
// as an unknown name does; UTF-16 cannot be 8-bit data, so its names fall back too.
std::u16string ConvertBytes(unsigned codePage, std::string_view data, const platform::CodePages& codePages) {
  if (codePage != 0 && codePage != 1200 && codePage != 1201)
    if (auto text = CodePageToUtf16(codePage, data, codePages)) return std::move(*text);
  if (auto text = codePages.ToUtf16(codePages.AnsiCodePage(), data)) return std::move(*text);
  return Widen(data);
}

void AppendWideChars(std::u16string& details, std::size_t units) {
  details.append(u"to ");
  AppendDecimal(details, units);
  details.append(u" wide chars ");
}

}  // namespace

bool LooksLikeUtf8(std::string_view bytes) {
  std::size_t i = 0;
  const std::size_t n = bytes.size();
  while (i < n) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == 0) return true;
    ++i;
    if (b < 0x80) continue;
    const std::size_t extra = !(b & 0x20) ? 1 : !(b & 0x10) ? 2 : !(b & 0x08) ? 3 : 0;
    if (extra == 0 || n - i < extra) return false;
    for (std::size_t k = 0; k < extra; ++k, ++i)
      if (!(static_cast<unsigned char>(bytes[i]) & 0x80)) return false;
  }
  return true;
}

std::u16string SniffXmlEncoding(std::u16string_view head) {
  bool inHtml = false;
  std::size_t pos = 0;
  while (true) {
    const XmlToken token = NextXmlToken(head, pos);
    switch (token.kind) {
      case XmlTokenKind::End:
      case XmlTokenKind::Error:
        return {};
      case XmlTokenKind::ProcessingInstruction:
        if (XmlTagName(head, token.start) == u"xml") {
          const auto encoding = FindXmlAttribute(TokenText(head, token), u"encoding", false);
          return encoding ? std::u16string(*encoding) : std::u16string();
        }
        break;
      case XmlTokenKind::StartTag:
      case XmlTokenKind::EmptyTag: {
        const std::u16string_view name = XmlTagName(head, token.start);
        if (!inHtml) {
          if (!AsciiEqualIgnoringCase(name, u"html")) return {};
          inHtml = true;
        } else if (AsciiEqualIgnoringCase(name, u"meta")) {
          const std::u16string_view tag = TokenText(head, token);
          const auto equiv = FindXmlAttribute(tag, u"http-equiv", true);
          const auto content = FindXmlAttribute(tag, u"content", true);
          if (equiv && content && AsciiEqualIgnoringCase(*equiv, u"Content-Type")) {
            std::u16string charset = CharsetOfContentType(*content);
            if (!charset.empty()) return charset;
          }
        }
        break;
      }
      case XmlTokenKind::EndTag:
        if (AsciiEqualIgnoringCase(XmlTagName(head, token.start), u"head")) return {};
        break;
      default:
        break;
    }
    pos = token.end;
  }
}

XmlDecodedText DecodeXmlBytes(std::string_view bytes, const platform::CodePages& codePages) {
  XmlDecodedText result;
  std::u16string encoding;
  std::size_t unit = 1;
  for (const Mark& mark : kMarks) {
    if (bytes.substr(0, mark.bytes.size()) != mark.bytes) continue;
    result.byteOrderMark = mark.mark;
    encoding = mark.name;
    unit = mark.unit;
    bytes.remove_prefix(mark.bytes.size());
    break;
  }
  if (result.byteOrderMark == XmlByteOrderMark::None && !bytes.empty()) {
    const std::string_view head = bytes.substr(0, kXmlSniffBytes);
    const auto headText = codePages.ToUtf16(kUtf8CodePage, head);
    encoding = SniffXmlEncoding(headText ? std::u16string_view(*headText) : std::u16string_view());
    if (encoding.empty() && bytes[0] == '<') encoding = u"UTF-8";
  }
  unsigned codePage = encoding.empty() ? 0 : CodePageOfCharset(encoding);
  if (codePage == kUtf32CodePage) unit = 4;

  std::u16string details;
  std::size_t removed = 0;
  if (bytes.empty()) {
    details = u"0 length ";
  } else {
    details.append(u"length ");
    AppendDecimal(details, bytes.size() / unit);
    details.push_back(u' ');
    const auto noteNulls = [&] {
      if (removed == 0) return;
      details.append(u"(");
      AppendDecimal(details, removed);
      details.append(u" nulls removed) ");
    };
    if (unit == 2) {
      const bool bigEndian = result.byteOrderMark == XmlByteOrderMark::Utf16BE;
      result.text = Utf16Units(bytes, bigEndian, removed);
      noteNulls();
      if (bigEndian) details.append(u"endian swap ");
    } else if (unit == 1 && (codePage == kUtf8CodePage || encoding.empty()) &&
               DecodeWellFormedUtf8(bytes, result.text, result.marks)) {
      // What the general path below finds for such bytes: no NULs, and they pass the UTF-8 check.
      result.hasMarks = true;
      if (encoding.empty()) {
        details.append(u"(used UTF-8 detection) ");
        encoding = u"UTF-8";
      }
      AppendWideChars(details, result.text.size());
    } else {
      std::string data;
      std::string_view kept = bytes;
      if (unit == 4 || std::memchr(bytes.data(), 0, bytes.size()) != nullptr) {
        data.assign(bytes);
        removed = unit == 4 ? RemoveZeroUnits32(data) : RemoveZeroBytes(data);
        kept = data;
      }
      noteNulls();
      if (encoding.empty()) {
        details.append(u"(used UTF-8 detection) ");
        if (LooksLikeUtf8(kept)) encoding = u"UTF-8", codePage = kUtf8CodePage;
      }
      result.text = ConvertBytes(codePage, kept, codePages);
      AppendWideChars(details, result.text.size());
    }
  }
  if (encoding.empty()) {
    result.report = u"ANSI ";
  } else {
    result.report = encoding;
    if (result.byteOrderMark != XmlByteOrderMark::None) result.report.append(u" BOM +");
    result.report.push_back(u' ');
  }
  result.report.append(details);
  return result;
}

}  // namespace strings
