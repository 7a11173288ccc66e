#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "strings/CharsetConversion.h"
#include "strings/CharsetTable.h"
#include "strings/XmlLoading.h"
#include "strings/XmlReader.h"

namespace strings {
namespace {

using namespace std::string_literals;

// Bytes of UTF-16 text in either byte order, or UTF-32LE.
std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string out;
  for (char16_t c : text) {
    const char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
    out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return out;
}

std::string Utf32Bytes(std::u32string_view text) {
  std::string out;
  for (char32_t c : text)
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((c >> shift) & 0xFF));
  return out;
}

std::u16string TextOfK(std::string_view bytes) {
  CXmlReader xml;
  xml.LoadDocumentBytes(bytes);
  if (!xml.ParseDocument() || !xml.FindChild(u"k")) return u"<not found>";
  return xml.ChildText();
}

TEST(XmlLoading, EveryEncodingYieldsTheSameText) {
  const std::u16string text = u"Gr\u00fc\u00dfe \u20ac";
  const std::u16string doc = u"<r><k>" + text + u"</k></r>";
  const std::string utf8 = "<r><k>Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC</k></r>";
  const struct {
    const char* name;
    std::string bytes;
  } files[] = {
      {"UTF-8", utf8},
      {"UTF-8 with mark", "\xEF\xBB\xBF" + utf8},
      {"UTF-16LE with mark", "\xFF\xFE" + Utf16Bytes(doc, false)},
      {"UTF-16BE with mark", "\xFE\xFF" + Utf16Bytes(doc, true)},
      {"UTF-32LE with mark", "\xFF\xFE\0\0"s + Utf32Bytes(U"<r><k>Gr\u00fc\u00dfe \u20ac</k></r>")},
      {"windows-1252 declared", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><r><k>Gr\xFC\xDF" "e \x80</k></r>"},
      {"ISO-8859-15 declared", "<?xml version='1.0' encoding='ISO-8859-15'?><r><k>Gr\xFC\xDF" "e \xA4</k></r>"},
      {"windows-1252 by the ANSI fallback", "\r\n<r><k>Gr\xFC\xDF" "e \x80</k></r>"},
      {"UTF-8 detected", "\r\n" + utf8},
      {"HTML meta charset", "<html><head><meta http-equiv=\"Content-Type\" "
                            "content=\"text/html; charset=windows-1252\"/></head><k>Gr\xFC\xDF" "e \x80</k></html>"},
  };
  for (const auto& f : files) EXPECT_EQ(TextOfK(f.bytes), text) << f.name;
}

#ifdef _WIN32
// The portable converter knows only a few code pages; Windows converts every installed one.
TEST(XmlLoading, DeclaredCodePagesConvertThroughWindows) {
  EXPECT_EQ(TextOfK("<?xml version=\"1.0\" encoding=\"shift_jis\"?><r><k>\x93\xFA\x96\x7B</k></r>"), u"\u65E5\u672C");
  EXPECT_EQ(TextOfK("<?xml version='1.0' encoding='koi8-r'?><r><k>\xF0\xD2\xC9\xD7\xC5\xD4</k></r>"),
            u"\u041F\u0440\u0438\u0432\u0435\u0442");
  EXPECT_EQ(TextOfK("<?xml version='1.0' encoding='iso-8859-7'?><r><k>\xC5\xEB\xEB\xDC\xE4\xE1</k></r>"),
            u"\u0395\u03BB\u03BB\u03AC\u03B4\u03B1");
}
#endif

TEST(XmlLoading, CharactersBeyondTheBasicPlane) {
  EXPECT_EQ(TextOfK("\xFF\xFE\0\0"s + Utf32Bytes(U"<r><k>\U0001F600</k></r>")), u"\U0001F600");
  EXPECT_EQ(TextOfK("\xFF\xFE" + Utf16Bytes(u"<r><k>\U0001F600</k></r>", false)), u"\U0001F600");
  EXPECT_EQ(TextOfK("<r><k>\xF0\x9F\x98\x80</k></r>"), u"\U0001F600");
}

struct ReportCase {
  std::string bytes;
  std::u16string_view report;
  XmlByteOrderMark mark;
};

TEST(XmlLoading, LoadReports) {
  const ReportCase cases[] = {
      {"", u"ANSI 0 length ", XmlByteOrderMark::None},
      {"\xEF\xBB\xBF", u"UTF-8 BOM + 0 length ", XmlByteOrderMark::Utf8},
      {"\xFF\xFE", u"UTF-16LE BOM + 0 length ", XmlByteOrderMark::Utf16LE},
      {"<a/>", u"UTF-8 length 4 to 4 wide chars ", XmlByteOrderMark::None},
      {"\xEF\xBB\xBF<a/>", u"UTF-8 BOM + length 4 to 4 wide chars ", XmlByteOrderMark::Utf8},
      {"\xFF\xFE<\0a\0\0\0/\0>\0"s, u"UTF-16LE BOM + length 5 (1 nulls removed) ", XmlByteOrderMark::Utf16LE},
      {"\xFE\xFF\0<\0a\0/\0>"s, u"UTF-16BE BOM + length 4 endian swap ", XmlByteOrderMark::Utf16BE},
      {"\xFF\xFE\0\0<\0\0\0\0\0\0\0a\0\0\0"s, u"UTF-32 BOM + length 3 (1 nulls removed) to 2 wide chars ",
       XmlByteOrderMark::Utf32LE},
      {"<a>\0b</a>"s, u"UTF-8 length 9 (1 nulls removed) to 8 wide chars ", XmlByteOrderMark::None},
      {"\n<a>\xC3\xA9</a>", u"UTF-8 length 10 (used UTF-8 detection) to 9 wide chars ", XmlByteOrderMark::None},
      {"\n<a>\xE9</a>", u"ANSI length 9 (used UTF-8 detection) to 9 wide chars ", XmlByteOrderMark::None},
      {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\xE9</a>",
       u"windows-1252 length 53 to 53 wide chars ", XmlByteOrderMark::None},
      {"<?xml version=\"1.0\" encoding=\"no-such-charset\"?><a/>",
       u"no-such-charset length 52 to 52 wide chars ", XmlByteOrderMark::None},
  };
  for (const ReportCase& c : cases) {
    CXmlReader xml;
    EXPECT_TRUE(xml.LoadDocumentBytes(c.bytes));
    EXPECT_EQ(xml.ErrorText(), c.report);
    EXPECT_EQ(xml.ByteOrderMark(), c.mark);
  }
}

TEST(XmlLoading, OnlyAMarkParsesAsAnEmptyDocument) {
  CXmlReader xml;
  xml.LoadDocumentBytes("\xEF\xBB\xBF");
  EXPECT_TRUE(xml.DocumentText().empty());
  EXPECT_FALSE(xml.ParseDocument());
  EXPECT_EQ(xml.ErrorText(), u"UTF-8 BOM + 0 length Empty document");
}

TEST(XmlLoading, Utf16DropsAnOddLastByte) {
  CXmlReader xml;
  xml.LoadDocumentBytes("\xFF\xFE" + Utf16Bytes(u"<a/>", false) + "x");
  EXPECT_EQ(xml.DocumentText(), u"<a/>");
}

struct SniffCase {
  std::u16string_view head;
  std::u16string_view encoding;
};

constexpr SniffCase kSniffCases[] = {
    {u"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r/>", u"ISO-8859-1"},
    {u"<?xml version='1.0' encoding = 'utf-8' ?>", u"utf-8"},
    {u"\n<!-- first --><?xml version='1.0' encoding='koi8-r'?>", u"koi8-r"},
    {u"<?xml version=\"1.0\"?><r encoding=\"big5\"/>", u""},
    {u"<?xml-stylesheet href='a' encoding='big5'?><r/>", u""},
    {u"<?xml version=\"1.0\" encoding=\"windows-1252\"", u""},
    {u"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></head>",
     u"windows-1251"},
    {u"<HTML><HEAD><META HTTP-EQUIV='refresh' CONTENT='5'><META HTTP-EQUIV='content-type' "
     u"CONTENT='text/html;charset = big5'/>",
     u"big5"},
    {u"<!DOCTYPE html>\n<html><meta http-equiv=\"Content-Type\" content=\"text/html; charset=koi8-r\">", u"koi8-r"},
    {u"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html\"></head>", u""},
    {u"<html><head></head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=big5\">", u""},
    {u"<root><meta http-equiv=\"Content-Type\" content=\"text/html; charset=big5\"/></root>", u""},
    {u"", u""},
};

TEST(XmlLoading, DeclarationSniffing) {
  for (const SniffCase& c : kSniffCases)
    EXPECT_EQ(SniffXmlEncoding(c.head), c.encoding) << std::string(c.head.begin(), c.head.end());
}

TEST(XmlLoading, OnlyTheFirstKilobyteIsSniffed) {
  const std::string padding = "<!--" + std::string(kXmlSniffBytes, '-') + "-->";
  const std::string meta = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
  CXmlReader xml;
  xml.LoadDocumentBytes("<html>" + padding + meta + "</html>");
  EXPECT_EQ(xml.ErrorText().substr(0, 13), u"UTF-8 length ") << "'<' first: UTF-8";
  xml.LoadDocumentBytes("<html>" + meta + padding + "</html>");
  EXPECT_EQ(xml.ErrorText().substr(0, 20), u"windows-1252 length ");
}

struct Utf8CheckCase {
  std::string bytes;
  bool passes;
};

TEST(XmlLoading, LenientUtf8Check) {
  const Utf8CheckCase cases[] = {
      {"", true},
      {"plain", true},
      {"\xC3\xA9", true},
      {"\xE2\x82\xAC", true},
      {"\xF0\x9F\x98\x80", true},
      {"\xC3\xC3", true},  // a continuation byte only needs its high bit
      {"\xC3", false},
      {"\xE2\x82", false},
      {"caf\xE9 ok", false},
      {"\xF8\x88\x80\x80\x80", false},
      {"\xC3(", false},
      {"a\0\xFF"s, true},  // a zero byte ends the check
  };
  for (const Utf8CheckCase& c : cases) EXPECT_EQ(LooksLikeUtf8(c.bytes), c.passes) << c.bytes;
}

// Records which code pages the reader asks the platform for.
class RecordingCodePages final : public platform::CodePages {
 public:
  unsigned AnsiCodePage() const override { return 1251; }
  std::optional<std::u16string> ToUtf16(unsigned codePage, std::string_view bytes) const override {
    asked.push_back(codePage);
    if (codePage == 932) return std::nullopt;  // not installed
    return std::u16string(bytes.begin(), bytes.end());
  }
  std::optional<std::string> FromUtf16(unsigned, std::u16string_view) const override { return std::nullopt; }
  mutable std::vector<unsigned> asked;
};

TEST(XmlLoading, ConversionGoesThroughThePlatform) {
  const struct {
    std::string bytes;
    std::vector<unsigned> asked;  // the sniffing read (65001) comes first when there is no mark
  } cases[] = {
      {"<?xml version='1.0' encoding='koi8-r'?><a/>", {65001, 20866}},
      {"<?xml version='1.0' encoding='shift_jis'?><a/>", {65001, 932, 1251}},  // unavailable: ANSI
      {"<?xml version='1.0' encoding='bogus'?><a/>", {65001, 1251}},
      {"<?xml version='1.0' encoding='UTF-16'?><a/>", {65001, 1251}},  // 8-bit data cannot be UTF-16
      {"\n<a>\xE9</a>", {65001, 1251}},
      {"<?xml version='1.0' encoding='UTF-32'?>", {65001}},  // the reader's own conversion
  };
  for (const auto& c : cases) {
    RecordingCodePages pages;
    DecodeXmlBytes(c.bytes, pages);
    EXPECT_EQ(pages.asked, c.asked) << c.bytes;
  }
}

TEST(XmlConversion, Utf32) {
  EXPECT_EQ(Utf32ToUtf16(Utf32Bytes(U"A\U0001F600")), u"A\U0001F600");
  EXPECT_EQ(Utf32ToUtf16(Utf32Bytes(U"\x110000") + Utf32Bytes(std::u32string(1, 0xD800))), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf32ToUtf16(Utf32Bytes(U"A") + "\x42\x00"s), u"A\uFFFD");
  EXPECT_EQ(Utf8ToUtf32("A\xC3\xA9\xF0\x9F\x98\x80"), Utf32Bytes(U"A\u00e9\U0001F600"));
  EXPECT_EQ(Utf8ToUtf32("\xC3" "A\xC0\x80\xED\xA0\x80\xFF"), Utf32Bytes(U"?A???"));
  EXPECT_EQ(Utf16ToUtf32(u"\U0001F600\xD800x"), Utf32Bytes(U"\U0001F600?x"));
}

TEST(XmlConversion, BetweenCodePagesThroughUtf16) {
  const platform::CodePages& pages = platform::SystemCodePages();
  EXPECT_EQ(ConvertCodePage(1252, 65001, "caf\xE9 \x80", pages), "caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(ConvertCodePage(65001, 1252, "caf\xC3\xA9", pages), "caf\xE9");
  EXPECT_EQ(ConvertCodePage(kUtf32CodePage, 1252, Utf32Bytes(U"\u00e9"), pages), "\xE9");
  EXPECT_EQ(ConvertCodePage(65001, kUtf32CodePage, "\xC3\xA9", pages), Utf32Bytes(U"\u00e9"));
  EXPECT_EQ(ConvertCodePage(kUtf32CodePage, 65001, Utf32Bytes(U"A\u00e9\u20ac\U0001F600\x110000"), pages),
            "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xEF\xBF\xBD");
}

class XmlFileLoading : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove(m_path); }
  std::filesystem::path Write(const std::string& bytes) {
    std::ofstream(m_path, std::ios::binary) << bytes;
    return m_path;
  }
  std::filesystem::path m_path = std::filesystem::temp_directory_path() / "trelm-xml-reader-test.xml";
};

TEST_F(XmlFileLoading, ReadsTheWholeFile) {
  CXmlReader xml;
  ASSERT_TRUE(xml.LoadDocumentFile(Write("\xFF\xFE" + Utf16Bytes(u"<r><k>v</k></r>", false))));
  EXPECT_EQ(xml.ErrorText(), u"UTF-16LE BOM + length 15 ");
  ASSERT_TRUE(xml.ParseDocument());
  ASSERT_TRUE(xml.FindChild(u"k"));
  EXPECT_EQ(xml.ChildText(), u"v");
}

TEST_F(XmlFileLoading, PathsBeyondAscii) {
  m_path = m_path.parent_path() / u"Strings-\u00e9\u65E5.xml";
  CXmlReader xml;
  ASSERT_TRUE(xml.LoadDocumentFile(Write("<r/>")));
  EXPECT_TRUE(xml.ParseDocument());
}

TEST_F(XmlFileLoading, MissingFileGivesTheSystemMessageAndAnEmptyDocument) {
  CXmlReader xml;
  xml.LoadDocumentBytes("<r/>");
  EXPECT_FALSE(xml.LoadDocumentFile(m_path.parent_path() / "no-such-dir" / "Strings.xml"));
  EXPECT_FALSE(xml.ErrorText().empty());
  EXPECT_LE(xml.ErrorText().size(), 100u);
  EXPECT_EQ(xml.ErrorText().find(u'\n'), std::u16string::npos);
  EXPECT_TRUE(xml.DocumentText().empty());
  EXPECT_FALSE(xml.ParseDocument());
  EXPECT_NE(xml.ErrorText().find(u"Empty document"), std::u16string::npos);
}

TEST_F(XmlFileLoading, AFolderIsNotAFile) {
  CXmlReader xml;
  EXPECT_FALSE(xml.LoadDocumentFile(m_path.parent_path()));
  EXPECT_FALSE(xml.ErrorText().empty());
}

}  // namespace
}  // namespace strings
