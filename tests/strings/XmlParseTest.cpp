#include <gtest/gtest.h>

#include <string>

#include "strings/XmlReader.h"

namespace strings {
namespace {

struct ParseCase {
  std::u16string_view text;
  bool wellFormed;
  std::u16string_view error;
};

// Offsets count UTF-16 units of the decoded text: the emoji below is two.
constexpr ParseCase kParseCases[] = {
    {u"<a><b>x</b><c/></a>", true, u""},
    {u"<?xml version='1.0'?>\n<!-- c --><!DOCTYPE a [<!ENTITY x \"a>b\"><!-- ] -->]><a x='>'/>", true, u""},
    {u"<a><![CDATA[</a>]]></a>", true, u""},
    {u"<a><b></a>", false, u"End tag 'a' at offset 6 does not match start tag 'b' at offset 3"},
    {u"<a>\U0001F600<b></a>", false, u"End tag 'a' at offset 8 does not match start tag 'b' at offset 5"},
    {u"<a><b><c></a>", false, u"End tag 'a' at offset 9 does not match start tag 'c' at offset 6"},
    {u"<a><b>", false, u"Element 'b' at offset 3 not ended"},
    {u"</x>", false, u"No start tag for end tag 'x' at offset 0"},
    {u"<a></>", false, u"No start tag for end tag '' at offset 3"},
    {u"<1a>", false, u"Incorrect tag name character at offset 0"},
    {u"<a>< b/></a>", false, u"Incorrect tag name character at offset 3"},
    {u"<a><!x></a>", false, u"Incorrect ! tag at offset 3"},
    {u"<a><!-x></a>", false, u"Incorrect comment tag at offset 3"},
    {u"<a><![x></a>", false, u"Incorrect tag at offset 3"},
    {u"<a></a", false, u"Element end tag at offset 3 unterminated"},
    {u"<a b='x>", false, u"Element tag at offset 0 unterminated"},
    {u"<a><![CDATA[x</a>", false, u"CDATA Section at offset 3 unterminated"},
    {u"<a><?pi </a>", false, u"Processing instruction at offset 3 unterminated"},
    {u"<a><!-- x</a>", false, u"Comment at offset 3 unterminated"},
    {u"<!DOCTYPE a [<!ENTITY x 'y'>", false, u"Doctype at offset 0 unterminated"},
    {u"<a><", false, u"tag at offset 3 unterminated"},
    {u"", false, u"Empty document"},
    {u" \r\n\t", false, u"No root element"},
    {u"<!-- only --><?pi?>", false, u"No root element"},
    {u"<a/><b/>", false, u"Root element has sibling"},
    {u"<a/>text", true, u""},
    // Only the first error is kept.
    {u"</x><1a>", false, u"No start tag for end tag 'x' at offset 0"},
    {u"<a><1></b></a>", false, u"Incorrect tag name character at offset 3"},
};

TEST(XmlParse, VerdictAndFirstErrorText) {
  for (const ParseCase& c : kParseCases) {
    CXmlReader xml;
    xml.SetDocumentText(std::u16string(c.text));
    EXPECT_EQ(xml.ParseDocument(), c.wellFormed) << std::string(c.text.begin(), c.text.end());
    EXPECT_EQ(xml.IsWellFormed(), c.wellFormed);
    EXPECT_EQ(xml.ErrorText(), c.error);
    EXPECT_EQ(xml.Elements()[0].Has(XmlElementRecord::kNotWellFormed), !c.wellFormed);
  }
}

TEST(XmlParse, NewReaderIsAnEmptyParsedDocument) {
  CXmlReader xml;
  EXPECT_EQ(xml.ErrorText(), u"Empty document");
  EXPECT_FALSE(xml.IsWellFormed());
  EXPECT_FALSE(xml.FindChild());
}

TEST(XmlParse, ErrorTextFollowsTheLoadReport) {
  CXmlReader xml;
  xml.LoadDocumentBytes("<a><b></a>");
  EXPECT_EQ(xml.ErrorText(), u"UTF-8 length 10 to 10 wide chars ");
  xml.ParseDocument();
  xml.ParseDocument();  // a second parse does not repeat the error
  EXPECT_EQ(xml.ErrorText(),
            u"UTF-8 length 10 to 10 wide chars End tag 'a' at offset 6 does not match start tag 'b' at offset 3");
}

TEST(XmlParse, CaseInsensitiveNamesAlsoCloseElements) {
  CXmlReader xml;
  xml.SetDocumentText(u"<A></a>");
  EXPECT_FALSE(xml.ParseDocument());
  xml.SetCaseInsensitiveNames(true);
  EXPECT_TRUE(xml.ParseDocument());
}

// Records of "<r><a/><b>t</b><c></c></r>": r=1, a=2, b=3, c=4.
TEST(XmlIndex, RecordsLinkParentsChildrenAndSiblings) {
  CXmlReader xml;
  xml.SetDocumentText(u"<r><a/><b>t</b><c></c></r>");
  ASSERT_TRUE(xml.ParseDocument());
  const XmlRecordStore& e = xml.Elements();
  ASSERT_EQ(e.Count(), 5u);
  EXPECT_EQ(e[0].firstChild, 1u);
  EXPECT_EQ(e[1].firstChild, 2u);
  EXPECT_EQ(e[2].previousSibling, 4u) << "the first child points back to the last";
  EXPECT_EQ(e[2].nextSibling, 3u);
  EXPECT_EQ(e[3].previousSibling, 2u);
  EXPECT_EQ(e[4].previousSibling, 3u);
  EXPECT_EQ(e[4].nextSibling, 0u);
  for (ElementIndex i : {2u, 3u, 4u}) EXPECT_EQ(e[i].parent, 1u);
  EXPECT_EQ(e[1].Depth(), 1u);
  EXPECT_EQ(e[3].Depth(), 2u);
  EXPECT_TRUE(e[2].Has(XmlElementRecord::kEmpty));
  EXPECT_FALSE(e[4].Has(XmlElementRecord::kEmpty));

  EXPECT_EQ(e[3].start, 7u);
  EXPECT_EQ(e[3].length, 8u);  // <b>t</b>
  EXPECT_EQ(e[3].StartTagLength(), 3u);
  EXPECT_EQ(e[3].EndTagLength(), 4u);
  EXPECT_EQ(e[2].length, 4u);  // <a/>: the start tag alone
  EXPECT_EQ(e[1].length, 26u);
}

TEST(XmlIndex, NotEndedElementKeepsItsStartTagAndFreesItsChildren) {
  CXmlReader xml;
  xml.SetDocumentText(u"<r><a x='1'><b/><c>t</c></r>");
  EXPECT_FALSE(xml.ParseDocument());
  const XmlRecordStore& e = xml.Elements();
  ASSERT_EQ(e.Count(), 5u);  // r, a, b, c
  EXPECT_TRUE(e[2].Has(XmlElementRecord::kNotEnded));
  EXPECT_EQ(e[2].length, 9u);
  EXPECT_EQ(e[2].firstChild, 0u);
  // r's children are now a, b, c in document order.
  EXPECT_EQ(e[1].firstChild, 2u);
  EXPECT_EQ(e[2].nextSibling, 3u);
  EXPECT_EQ(e[3].nextSibling, 4u);
  EXPECT_EQ(e[3].previousSibling, 2u);
  EXPECT_EQ(e[2].previousSibling, 4u);
  EXPECT_EQ(e[3].parent, 1u);
  EXPECT_EQ(e[4].parent, 1u);
  // r itself was ended by its end tag; the error sits below it.
  EXPECT_FALSE(e[1].Has(XmlElementRecord::kNotEnded));
  EXPECT_EQ(e[1].length, 28u);
  EXPECT_TRUE(e[2].Has(XmlElementRecord::kErrorInSubtree));
  EXPECT_TRUE(e[1].Has(XmlElementRecord::kErrorInSubtree));
  EXPECT_FALSE(e[3].Has(XmlElementRecord::kErrorInSubtree));
}

TEST(XmlIndex, ElementsOpenAtTheEndBecomeTopLevelInOrder) {
  CXmlReader xml;
  xml.SetDocumentText(u"<a><b><c/><d>");
  EXPECT_FALSE(xml.ParseDocument());
  EXPECT_EQ(xml.ErrorText(), u"Element 'd' at offset 10 not ended");
  const XmlRecordStore& e = xml.Elements();
  std::u16string order;
  for (ElementIndex i = e[0].firstChild; i != 0; i = e[i].nextSibling) {
    order.push_back(xml.DocumentText()[e[i].start + 1]);
    EXPECT_EQ(e[i].parent, 0u);
  }
  EXPECT_EQ(order, u"abcd");
  EXPECT_EQ(e[e[0].firstChild].previousSibling, 4u);
}

TEST(XmlIndex, ReservesOneRecordPer64CharactersAndGrowsInSegments) {
  CXmlReader xml;
  std::u16string text = u"<r>" + std::u16string(6400, u' ') + u"</r>";
  xml.SetDocumentText(text);
  ASSERT_TRUE(xml.ParseDocument());
  EXPECT_EQ(xml.Elements().Capacity(), text.size() / 64 + 8);

  // More elements than one segment holds, with a text to find past the boundary.
  constexpr int kElements = 70000;
  text = u"<r>";
  for (int i = 0; i < kElements; ++i) text += u"<e/>";
  text += u"<last>end</last></r>";
  xml.SetDocumentText(text);
  ASSERT_TRUE(xml.ParseDocument());
  EXPECT_EQ(xml.Elements().Count(), kElements + 3u);
  EXPECT_GE(xml.Elements().SegmentCount(), 2u);
  ASSERT_TRUE(xml.FindChild(u"last"));
  EXPECT_EQ(xml.ChildText(), u"end");
}

TEST(XmlIndex, DeepNestingNeedsNoRecursionAndSaturatesDepth) {
  constexpr int kDepth = 70000;
  std::u16string text;
  for (int i = 0; i < kDepth; ++i) text += u"<a>";
  for (int i = 0; i < kDepth; ++i) text += u"</a>";
  CXmlReader xml;
  xml.SetDocumentText(text);
  ASSERT_TRUE(xml.ParseDocument());
  EXPECT_EQ(xml.Elements()[kDepth].Depth(), XmlElementRecord::kMaxDepth);
  // Unclosed, every one of them is flattened to the top level without quadratic work.
  xml.SetDocumentText(text.substr(0, 3 * kDepth));
  EXPECT_FALSE(xml.ParseDocument());
  EXPECT_EQ(xml.Elements()[kDepth].parent, 0u);
}

TEST(XmlIndex, TagsLongerThanTheirPackedFieldsStillGiveTheRightText) {
  CXmlReader xml;
  const std::u16string longStart = u"<k" + std::u16string(XmlElementRecord::kMaxStartTagLength + 10, u' ') + u">x</k>";
  xml.SetDocumentText(u"<r>" + longStart + u"</r>");
  ASSERT_TRUE(xml.ParseDocument());
  EXPECT_EQ(xml.Elements()[2].StartTagLength(), XmlElementRecord::kMaxStartTagLength);
  ASSERT_TRUE(xml.FindChild(u"k"));
  EXPECT_EQ(xml.ChildText(), u"x");

  xml.SetDocumentText(u"<r><k>y</k" + std::u16string(2000, u' ') + u"></r>");
  ASSERT_TRUE(xml.ParseDocument());
  EXPECT_EQ(xml.Elements()[2].EndTagLength(), XmlElementRecord::kMaxEndTagLength);
  ASSERT_TRUE(xml.FindChild(u"k"));
  EXPECT_EQ(xml.ChildText(), u"y");
}

TEST(XmlIndex, LoadingDropsTheOldIndex) {
  CXmlReader xml;
  xml.SetDocumentText(u"<r><a>long text here</a></r>");
  ASSERT_TRUE(xml.ParseDocument());
  ASSERT_TRUE(xml.FindChild(u"a"));
  xml.LoadDocumentBytes("<r/>");
  EXPECT_FALSE(xml.IsWellFormed());
  EXPECT_EQ(xml.Elements().Count(), 1u);
  EXPECT_EQ(xml.ChildText(), u"");
  EXPECT_FALSE(xml.FindChild(u"a"));
}

}  // namespace
}  // namespace strings
