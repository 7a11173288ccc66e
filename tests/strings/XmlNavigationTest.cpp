#include <gtest/gtest.h>

#include <string>

#include "strings/XmlReader.h"
#include "strings/XmlTokenizer.h"

namespace strings {
namespace {

CXmlReader Parsed(std::u16string_view text) {
  CXmlReader xml;
  xml.SetDocumentText(std::u16string(text));
  xml.ParseDocument();
  return xml;
}

constexpr std::u16string_view kStrings =
    u"<Strings>\n"
    u" <MAIN><NAME>Trelm</NAME><OK> OK </OK></MAIN>\n"
    u" <MENU><CUT>Cut</CUT></MENU>\n"
    u" <MAIN><CANCEL>Cancel</CANCEL></MAIN>\n"
    u"</Strings>";

TEST(XmlNavigation, SectionThenKeyAsTheStringTableAsks) {
  CXmlReader xml = Parsed(kStrings);
  ASSERT_TRUE(xml.IsWellFormed());
  ASSERT_TRUE(xml.FindChild(u"MAIN"));
  EXPECT_EQ(xml.CursorCurrent(), 1u) << "the root became current";
  ASSERT_TRUE(xml.EnterChild());
  ASSERT_TRUE(xml.FindChild(u"OK"));
  EXPECT_EQ(xml.ChildText(), u" OK ");
  EXPECT_EQ(xml.ChildName(), u"OK");
}

TEST(XmlNavigation, FindChildGoesOnAfterTheCurrentChild) {
  CXmlReader xml = Parsed(kStrings);
  ASSERT_TRUE(xml.FindChild(u"MAIN"));
  const ElementIndex first = xml.CursorChild();
  ASSERT_TRUE(xml.FindChild(u"MAIN"));
  const ElementIndex second = xml.CursorChild();
  EXPECT_NE(first, second);
  EXPECT_FALSE(xml.FindChild(u"MAIN"));
  EXPECT_EQ(xml.CursorChild(), second) << "a failed search leaves the cursor";
  ASSERT_TRUE(xml.EnterChild());
  ASSERT_TRUE(xml.FindChild(u"CANCEL"));
  EXPECT_EQ(xml.ChildText(), u"Cancel");
}

TEST(XmlNavigation, LeaveChildGoesBackToTheSectionAndSearchesOn) {
  CXmlReader xml = Parsed(kStrings);
  EXPECT_FALSE(xml.LeaveChild()) << "nothing is current yet";
  ASSERT_TRUE(xml.FindChild(u"MAIN"));
  const ElementIndex first = xml.CursorChild();
  ASSERT_TRUE(xml.EnterChild());
  ASSERT_TRUE(xml.FindChild(u"NAME"));
  ASSERT_TRUE(xml.LeaveChild());
  EXPECT_EQ(xml.CursorChild(), first);
  EXPECT_EQ(xml.CursorCurrent(), 1u);
  ASSERT_TRUE(xml.FindChild(u"MAIN"));
  EXPECT_NE(xml.CursorChild(), first);
  ASSERT_TRUE(xml.EnterChild());
  ASSERT_TRUE(xml.FindChild(u"CANCEL"));
  EXPECT_EQ(xml.ChildText(), u"Cancel");
}

TEST(XmlNavigation, EmptyNameVisitsEveryChildInOrder) {
  CXmlReader xml = Parsed(kStrings);
  std::u16string names;
  while (xml.FindChild()) names.append(xml.ChildName()).push_back(u',');
  EXPECT_EQ(names, u"MAIN,MENU,MAIN,");
}

TEST(XmlNavigation, FailuresLeaveTheCursorAlone) {
  CXmlReader xml = Parsed(kStrings);
  EXPECT_FALSE(xml.EnterChild());
  EXPECT_FALSE(xml.FindChild(u"ABOUT"));
  EXPECT_EQ(xml.CursorCurrent(), 0u);
  EXPECT_EQ(xml.CursorChild(), 0u);
  EXPECT_EQ(xml.ChildText(), u"");
  ASSERT_TRUE(xml.FindChild(u"MENU"));
  ASSERT_TRUE(xml.EnterChild());
  EXPECT_FALSE(xml.EnterChild());
  EXPECT_FALSE(xml.FindChild(u"NAME")) << "NAME is in MAIN, not in MENU";
  xml.ResetCursor();
  EXPECT_TRUE(xml.FindChild(u"MAIN"));
}

TEST(XmlNavigation, NamesCompareExactlyUnlessAskedOtherwise) {
  CXmlReader xml = Parsed(u"<r><Main/><MAINX/><MAIN;x/></r>");
  EXPECT_FALSE(xml.FindChild(u"main"));
  EXPECT_FALSE(xml.FindChild(u"MAI"));
  ASSERT_TRUE(xml.FindChild(u"MAIN"));
  EXPECT_EQ(xml.ChildName(), u"MAIN") << "';' ends the element name";
  xml.ResetCursor();
  xml.SetCaseInsensitiveNames(true);
  ASSERT_TRUE(xml.FindChild(u"main"));
  EXPECT_EQ(xml.ChildName(), u"Main");
}

struct NameCase {
  std::u16string_view element;
  std::u16string_view requested;
  bool ignoreCase;
  bool matches;
};

constexpr NameCase kNameCases[] = {
    {u"MAIN", u"MAIN", false, true},   {u"MAIN", u"MAINX", false, false}, {u"MAIN", u"MAI", false, false},
    {u"MAIN", u"MAIN a", false, true}, {u"MAIN", u"MAIN=", false, true},  {u"MAIN", u"MAIN/", false, true},
    {u"MAIN", u"MAIN[", false, true},  {u"MAIN", u"MAIN]", false, true},  {u"MAIN", u"MAIN\t", false, false},
    {u"MAIN", u"main", false, false},  {u"MAIN", u"main", true, true},    {u"é", u"É", true, false},
    {u"MAIN", u"", false, false},
};

TEST(XmlNavigation, NameMatchingRule) {
  for (const NameCase& c : kNameCases)
    EXPECT_EQ(XmlNameMatches(c.element, c.requested, c.ignoreCase), c.matches)
        << std::string(c.requested.begin(), c.requested.end());
}

struct TextCase {
  std::u16string_view document;  // the text of <k> is asked for
  std::u16string_view text;
};

constexpr TextCase kTextCases[] = {
    {u"<r><k>OK</k></r>", u"OK"},
    {u"<r><k> A </k></r>", u" A "},
    {u"<r><k>A &amp; B</k></r>", u"A & B"},
    {u"<r><k>&#65;&#x42;</k></r>", u"AB"},
    {u"<r><k><![CDATA[a<b &amp;]]></k></r>", u"a<b &amp;"},
    {u"<r><k/></r>", u""},
    {u"<r><k></k></r>", u""},
    {u"<r><k>a<x/>b</k></r>", u""},
    {u"<r><k>a<!-- c -->b<?p x?> &lt;c</k></r>", u"ab <c"},
    {u"<r><k> <![CDATA[x]]> </k></r>", u"x"},
    {u"<r><k> \n </k></r>", u" \n "},
    {u"<r><k>line1\r\nline2</k></r>", u"line1\r\nline2"},
    {u"<r><k>a]]>b</k></r>", u"a]]>b"},
};

TEST(XmlNavigation, ChildText) {
  for (const TextCase& c : kTextCases) {
    CXmlReader xml = Parsed(c.document);
    ASSERT_TRUE(xml.IsWellFormed()) << std::string(c.document.begin(), c.document.end());
    ASSERT_TRUE(xml.FindChild(u"k"));
    EXPECT_EQ(xml.ChildText(), c.text) << std::string(c.document.begin(), c.document.end());
  }
}

TEST(XmlNavigation, ChildAttributes) {
  CXmlReader xml = Parsed(u"<r><k a=\"1 &amp; 2\" b='x' c=y d e = \"spaced\">t</k></r>");
  ASSERT_TRUE(xml.FindChild(u"k"));
  EXPECT_EQ(xml.ChildAttribute(u"a"), u"1 & 2");
  EXPECT_EQ(xml.ChildAttribute(u"b"), u"x");
  EXPECT_EQ(xml.ChildAttribute(u"c"), u"y");
  EXPECT_EQ(xml.ChildAttribute(u"d"), u"");
  EXPECT_EQ(xml.ChildAttribute(u"e"), u"spaced");
  EXPECT_EQ(xml.ChildAttribute(u"f"), std::nullopt);
  EXPECT_EQ(xml.ChildAttribute(u"A"), std::nullopt);
}

TEST(XmlNavigation, MalformedDocumentsStillNavigateSafely) {
  CXmlReader xml = Parsed(u"<r><k>one<k>two</k></r>");
  EXPECT_FALSE(xml.IsWellFormed());
  std::u16string texts;
  while (xml.FindChild(u"k")) texts += xml.ChildText() + u"|";
  EXPECT_EQ(texts, u"|two|") << "the unended k keeps only its start tag";
}

}  // namespace
}  // namespace strings
