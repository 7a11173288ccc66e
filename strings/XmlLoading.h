#pragma once
// From the bytes of a file to the document text: byte-order marks, encoding declarations (the xml
// processing instruction, or an HTML meta element), UTF-8 detection, NUL removal and conversion.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/CodePages.h"
#include "strings/XmlMarks.h"

namespace strings {

// The byte-order mark a loaded file began with.
enum class XmlByteOrderMark : std::uint8_t { None, Utf8, Utf16LE, Utf16BE, Utf32LE };

struct XmlDecodedText {
  std::u16string text;
  // What was found, e.g. "UTF-16LE BOM + length 20 (2 nulls removed) " or "ANSI length 5 (used
  // UTF-8 detection) to 5 wide chars ".
  std::u16string report;
  XmlByteOrderMark byteOrderMark = XmlByteOrderMark::None;
  // The marks of `text`, when the decoding found them on the way (hasMarks).
  XmlMarkList marks;
  bool hasMarks = false;
};

// How many bytes of a file without a mark are searched for an encoding declaration.
inline constexpr std::size_t kXmlSniffBytes = 1024;

XmlDecodedText DecodeXmlBytes(std::string_view bytes, const platform::CodePages& codePages);

// The encoding a document declares within `head`: the encoding attribute of an xml processing
// instruction, or the charset of an HTML meta element's Content-Type (up to </head>). Empty when
// there is none.
std::u16string SniffXmlEncoding(std::u16string_view head);

// A lenient UTF-8 check: lead bytes announce their continuation bytes, which only need the high bit
// set; a cut-off sequence fails; a zero byte ends the check with a pass.
bool LooksLikeUtf8(std::string_view bytes);

}  // namespace strings
