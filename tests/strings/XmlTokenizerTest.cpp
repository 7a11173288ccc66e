#include <gtest/gtest.h>

#include <string>

#include "strings/XmlTokenizer.h"

namespace strings {
namespace {

struct TokenCase {
  std::u16string_view text;
  XmlTokenKind kind;
  std::size_t end;
};

constexpr TokenCase kTokenCases[] = {
    {u"abc<", XmlTokenKind::Text, 3},
    {u" \t\r\n<", XmlTokenKind::WhiteSpace, 4},
    {u" x ", XmlTokenKind::Text, 3},
    {u"<a>", XmlTokenKind::StartTag, 3},
    {u"<a/>", XmlTokenKind::EmptyTag, 4},
    {u"<a b=\"/>\"/>x", XmlTokenKind::EmptyTag, 11},
    {u"<a b='>'>x", XmlTokenKind::StartTag, 9},
    {u"<a b = '>'>x", XmlTokenKind::StartTag, 11},
    {u"<a b=c/>x", XmlTokenKind::StartTag, 8},  // the '/' belongs to the unquoted value
    {u"<a \"b>", XmlTokenKind::StartTag, 6},   // a quote outside a value is not tracked
    {u"<_a>", XmlTokenKind::StartTag, 4},
    {u"<:a>", XmlTokenKind::StartTag, 4},
    {u"<{a>", XmlTokenKind::StartTag, 4},
    {u"<\u00e9>", XmlTokenKind::StartTag, 3},
    {u"</a >x", XmlTokenKind::EndTag, 5},
    {u"<?pi a?b ?>x", XmlTokenKind::ProcessingInstruction, 11},
    {u"<!-- a -- b -->x", XmlTokenKind::Comment, 15},
    {u"<![CDATA[a]]b]]>x", XmlTokenKind::CData, 16},
    {u"<!DOCTYPE a SYSTEM \"a>b\">x", XmlTokenKind::Doctype, 25},
    {u"<!DOCTYPE a [<!ELEMENT a (#PCDATA)><!ENTITY e '>'><?p ]?><!-- ] -->]>x", XmlTokenKind::Doctype, 69},
    {u"<!ENTITY e \"a>b\">x", XmlTokenKind::Declaration, 17},
    {u"<1>", XmlTokenKind::Error, 1},
    {u"<>", XmlTokenKind::Error, 1},
    {u"<!x>", XmlTokenKind::Error, 1},
    {u"<a b='", XmlTokenKind::Error, 6},
    {u"", XmlTokenKind::End, 0},
};

TEST(XmlTokenizer, TokenKindsAndExtents) {
  for (const TokenCase& c : kTokenCases) {
    const XmlToken token = NextXmlToken(c.text, 0);
    EXPECT_EQ(token.kind, c.kind) << std::string(c.text.begin(), c.text.end());
    EXPECT_EQ(token.end, c.end) << std::string(c.text.begin(), c.text.end());
  }
}

TEST(XmlTokenizer, ErrorTexts) {
  EXPECT_EQ(XmlTokenErrorText(NextXmlToken(u"ab<a b='", 2)), u"Element tag at offset 2 unterminated");
  EXPECT_EQ(XmlTokenErrorText(NextXmlToken(u"x<!-", 1)), u"Comment at offset 1 unterminated");
  EXPECT_EQ(XmlTokenErrorText(NextXmlToken(u"x<![", 1)), u"tag at offset 1 unterminated");
  EXPECT_EQ(XmlTokenErrorText(NextXmlToken(u"<!ENTITY x", 0)), u"tag at offset 0 unterminated");
  EXPECT_EQ(XmlTokenErrorText(NextXmlToken(u"<!DOCTYPE a [ ]", 0)), u"Doctype at offset 0 unterminated");
}

TEST(XmlTokenizer, NamesEndAtTheirTerminators) {
  const std::u16string_view ends = u" \t\n\r<>=\\/?!\"';";
  for (char16_t end : ends) {
    const std::u16string tag = std::u16string(u"<ab") + end + u"c>";
    EXPECT_EQ(XmlTagName(tag, 0), u"ab") << static_cast<int>(end);
  }
  EXPECT_EQ(XmlTagName(u"</ab>", 0), u"ab");
  EXPECT_EQ(XmlTagName(u"<?xml ?>", 0), u"xml");
  EXPECT_EQ(XmlTagName(u"<a-b.c:d>", 0), u"a-b.c:d");
  EXPECT_EQ(XmlTagName(u"<", 0), u"");
}

struct AttributeCase {
  std::u16string_view tag;
  std::u16string_view name;
  std::optional<std::u16string_view> value;
};

const AttributeCase kAttributeCases[] = {
    {u"<a x=\"1\" y='2'>", u"y", u"2"},
    {u"<a x=1 y=2>", u"y", u"2"},
    {u"<a x=1>", u"x", u"1"},
    {u"<a x>", u"x", u""},
    {u"<a x = \"sp aced\">", u"x", u"sp aced"},
    {u"<a x=\"1\"/>", u"x", u"1"},
    {u"<a/ x=\"1\">", u"x", std::nullopt},  // the scan stops at '/'
    {u"<?xml version='1.0' encoding='utf-8'?>", u"encoding", u"utf-8"},
    {u"<a xx=\"1\">", u"x", std::nullopt},
    {u"<a \"junk\" x=\"1\">", u"x", u"1"},
    {u"<a x=\"unclosed>", u"x", u"unclosed>"},
};

TEST(XmlTokenizer, AttributeScanning) {
  for (const AttributeCase& c : kAttributeCases)
    EXPECT_EQ(FindXmlAttribute(c.tag, c.name, false), c.value) << std::string(c.tag.begin(), c.tag.end());
  EXPECT_EQ(FindXmlAttribute(u"<meta HTTP-EQUIV=x>", u"http-equiv", true), u"x");
}

}  // namespace
}  // namespace strings
