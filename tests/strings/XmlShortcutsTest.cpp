// The reader's shortcuts must give exactly what the general paths give: its own decoding of
// well-formed UTF-8 what the platform's conversion gives, the marks of a decoded text the marks
// found in the text, and tags read from the marks the index the tokenizer builds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CodePages.h"
#include "strings/XmlMarks.h"
#include "strings/XmlReader.h"
#include "strings/XmlTokenizer.h"

namespace strings {
namespace {

using namespace std::string_literals;

// The index in one line: per element its name, [start,length,end-tag length], flags (E empty,
// N not ended, X error inside), ^parent and >next sibling.
std::string Describe(const CXmlReader& xml) {
  std::string out;
  const XmlRecordStore& e = xml.Elements();
  for (ElementIndex i = 1; i < e.Count(); ++i) {
    const XmlElementRecord& r = e[i];
    for (char16_t c : XmlTagName(xml.DocumentText(), r.start)) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    out += "[" + std::to_string(r.start) + "," + std::to_string(r.length) + ",";
    out += std::to_string(r.EndTagLength()) + "]";
    if (r.Has(XmlElementRecord::kEmpty)) out += "E";
    if (r.Has(XmlElementRecord::kNotEnded)) out += "N";
    if (r.Has(XmlElementRecord::kErrorInSubtree)) out += "X";
    out += "^" + std::to_string(r.parent) + ">" + std::to_string(r.nextSibling) + " ";
  }
  return out;
}

std::string Narrow(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

// Each case was checked against the tokenizer-driven index: names that agree only in part, name
// ends inside end tags, '>' and '=' in text and quotes, comments and processing instructions whose
// ends are near misses, case folding, and markup cut off at the end.
struct ParseCase {
  std::u16string_view text;
  bool ignoreCase;
  std::string_view index;
  std::string_view error;
};

const ParseCase kParseCases[] = {
    {u"<a></ab>", false, "a[0,3,0]NX^0>0 ", "No start tag for end tag 'ab' at offset 3"},
    {u"<ab></a>", false, "ab[0,4,0]NX^0>0 ", "No start tag for end tag 'a' at offset 4"},
    {u"<a b></a b>", false, "a[0,11,6]^0>0 ", ""},
    {u"<a></a >", false, "a[0,8,5]^0>0 ", ""},
    {u"<a></a\n>", false, "a[0,8,5]^0>0 ", ""},
    {u"<a>x>y=z</a>", false, "a[0,12,4]^0>0 ", ""},
    {u"<a x='>'>t</a>", false, "a[0,14,4]^0>0 ", ""},
    {u"<r><a x=\">\"/><b x=y>t</b></r>", false, "r[0,29,4]^0>0 a[3,10,0]E^1>3 b[13,12,4]^1>0 ", ""},
    {u"<r><k>v</k><k>w<!--c--></k><k><![CDATA[<x>]]></k></r>", false,
     "r[0,53,4]^0>0 k[3,8,4]^1>3 k[11,16,4]^1>4 k[27,22,4]^1>0 ", ""},
    {u"<a><!--<b/>-- ><c/>--></a>", false, "a[0,26,4]^0>0 ", ""},
    {u"<a><!---><b/>--></a>", false, "a[0,20,4]^0>0 ", ""},
    {u"<a><!---->t</a>", false, "a[0,15,4]^0>0 ", ""},
    {u"<a><?p?>t<?><b/>?></a>", false, "a[0,22,4]^0>0 ", ""},
    {u"<a><!-x><b/>--></a>", false, "a[0,19,4]X^0>0 b[8,4,0]E^1>0 ", "Incorrect comment tag at offset 3"},
    {u"<a><?p></a>", false, "a[0,3,0]NX^0>0 ", "Processing instruction at offset 3 unterminated"},
    {u"<a><!--x</a>", false, "a[0,3,0]NX^0>0 ", "Comment at offset 3 unterminated"},
    {u"<A><b></B></a>", true, "A[0,14,4]^0>0 b[3,7,4]^1>0 ", ""},
    {u"<A><b></B></a>", false, "A[0,3,0]NX^0>2 b[3,3,0]NX^0>0 ", "No start tag for end tag 'B' at offset 6"},
    {u"<abcdefghi></abcdefghj></abcdefghi>", false, "abcdefghi[0,35,12]X^0>0 ",
     "No start tag for end tag 'abcdefghj' at offset 11"},
    {u"<abcdefgh></abcdefgh>", false, "abcdefgh[0,21,11]^0>0 ", ""},
    {u"<ab></ac></ab>", false, "ab[0,14,5]X^0>0 ", "No start tag for end tag 'ac' at offset 4"},
    {u"<abc></abd></abc>", false, "abc[0,17,6]X^0>0 ", "No start tag for end tag 'abd' at offset 5"},
    {u"<a>t</b></a>", false, "a[0,12,4]X^0>0 ", "No start tag for end tag 'b' at offset 4"},
    {u"<r><a><b>t</a></r>", false, "r[0,18,4]X^0>0 a[3,11,4]X^1>0 b[6,3,0]NX^2>0 ",
     "End tag 'a' at offset 10 does not match start tag 'b' at offset 6"},
    {u"<a>text</a", false, "a[0,3,0]NX^0>0 ", "Element end tag at offset 7 unterminated"},
    {u"<a>text</", false, "a[0,3,0]NX^0>0 ", "Element end tag at offset 7 unterminated"},
    {u"<a>text<", false, "a[0,3,0]NX^0>0 ", "tag at offset 7 unterminated"},
    {u"<r><\u00e9>t</\u00e9><\u00e9\u00e8></\u00e9></r>", false, "r[0,23,4]X^0>0 ?[3,8,4]^1>3 ??[11,4,0]NX^1>0 ",
     "No start tag for end tag '?' at offset 15"},
    {u"<r>\U0001F600<k>=</k>\U0001F600</r>", false, "r[0,19,4]^0>0 k[5,8,4]^1>0 ", ""},
    {u"<r><e/><e />< e/><e/ ></r>", false, "r[0,26,4]X^0>0 e[3,4,0]E^1>3 e[7,5,0]E^1>4 e[17,5,0]NX^1>0 ",
     "Incorrect tag name character at offset 12"},
    {u"<a>></a><b/>", false, "a[0,8,4]^0>2 b[8,4,0]E^0>0 ", "Root element has sibling"},
};

TEST(XmlShortcuts, TagsReadFromTheMarksGiveTheTokenizersIndex) {
  for (const ParseCase& c : kParseCases) {
    CXmlReader xml;
    xml.SetCaseInsensitiveNames(c.ignoreCase);
    xml.SetDocumentText(std::u16string(c.text));
    xml.ParseDocument();
    EXPECT_EQ(Describe(xml), c.index) << Narrow(c.text);
    EXPECT_EQ(Narrow(xml.ErrorText()), c.error) << Narrow(c.text);
  }
}

// Units next to the marks in value, and units whose low byte is one.
TEST(XmlShortcuts, MarksAreEveryLtEqualsAndGtAtEveryPlaceInABlock) {
  constexpr char16_t kUnits[] = {u'<', u'=', u'>', u';', u'?', 0x013C, 0xFF3D, 0x3E00, u'\0'};
  for (char16_t unit : kUnits) {
    for (std::size_t at = 0; at < 40; ++at) {
      std::u16string text(41, u'x');
      text[at] = unit;
      text[40] = u'>';
      XmlMarkList marks;
      FindXmlMarks(text, marks);
      std::vector<std::uint32_t> expected;
      for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == u'<' || text[i] == u'=' || text[i] == u'>') expected.push_back(static_cast<std::uint32_t>(i));
      EXPECT_EQ(std::vector<std::uint32_t>(marks.begin(), marks.end()), expected) << int(unit) << " at " << at;
    }
  }
}

struct Character {
  const char* what;
  std::string bytes;
};

// Well-formed characters, and what makes a sequence ill-formed (the platform then converts).
const Character kCharacters[] = {
    {"two bytes", "\xC3\xA9"},
    {"three bytes", "\xE2\x82\xAC"},
    {"four bytes", "\xF0\x9F\x98\x80"},
    {"a lead byte before ASCII", "\xC3" "A"},
    {"a cut-off sequence", "\xE2\x82"},
    {"a surrogate", "\xED\xA0\x80"},
    {"an overlong form", "\xC0\xAF"},
    {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
    {"a stray continuation byte", "\x80"},
    {"a byte that leads nothing", "\xFF"},
    {"a NUL byte", "\0"s},
};

// Loading a document with the character after `at` ASCII bytes, with a mark ('<') right after it,
// and again at the document's end, with or without a byte-order mark: the text is the platform's
// conversion of the bytes without their NULs, and the index from the marks found while decoding is
// the one from the text's own marks.
void ExpectDecodedAsThePlatformDoes(const Character& c, std::size_t at, std::string_view bom) {
  const std::string body = "<r a='1'>" + std::string(at, 'x') + c.bytes + "<k>=</k>" + c.bytes;
  const std::string bytes = std::string(bom) + body;
  std::string kept;
  for (char b : body)
    if (b != '\0') kept.push_back(b);
  const auto platform = platform::SystemCodePages().ToUtf16(65001, kept);
  ASSERT_TRUE(platform.has_value());

  CXmlReader loaded;
  loaded.LoadDocumentBytes(bytes);
  SCOPED_TRACE(std::string(c.what) + " after " + std::to_string(at) + (bom.empty() ? "" : " with a BOM"));
  EXPECT_EQ(loaded.DocumentText(), *platform);
  const std::size_t nulls = body.size() - kept.size();
  const std::string report = (bom.empty() ? "UTF-8 " : "UTF-8 BOM + ") + "length "s + std::to_string(body.size()) +
                             " " + (nulls != 0 ? "(" + std::to_string(nulls) + " nulls removed) " : "") + "to " +
                             std::to_string(platform->size()) + " wide chars ";
  EXPECT_EQ(Narrow(loaded.ErrorText()), report);

  CXmlReader fromText;
  fromText.SetDocumentText(loaded.DocumentText());
  EXPECT_EQ(loaded.ParseDocument(), fromText.ParseDocument());
  EXPECT_EQ(Describe(loaded), Describe(fromText));
  EXPECT_EQ(loaded.ErrorText().substr(report.size()), fromText.ErrorText());
}

TEST(XmlShortcuts, Utf8DecodesAsThePlatformDoesAtEveryPlaceInABlock) {
  for (const Character& c : kCharacters)
    for (std::size_t at = 0; at < 34; ++at)
      for (std::string_view bom : {"", "\xEF\xBB\xBF"}) ExpectDecodedAsThePlatformDoes(c, at, bom);
}

TEST(XmlShortcuts, DetectedUtf8IsReportedAsDetected) {
  CXmlReader xml;
  xml.LoadDocumentBytes("\r\n<r>" + std::string(20, 'x') + "\xC3\xA9</r>");
  EXPECT_EQ(xml.ErrorText(), u"UTF-8 length 31 (used UTF-8 detection) to 30 wide chars ");
  EXPECT_TRUE(xml.ParseDocument());
}

}  // namespace
}  // namespace strings
