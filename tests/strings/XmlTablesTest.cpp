#include <gtest/gtest.h>

#include <set>
#include <string>

#include "strings/CharsetTable.h"
#include "strings/EntityTable.h"
#include "strings/XmlText.h"

namespace strings {
namespace {

#include "tests/strings/XmlExpectedTables.inc"

std::u16string Widen(std::string_view s) { return WidenAscii(s); }

std::u16string Reference(std::string_view name) {
  std::u16string reference(1, u'&');
  reference += Widen(name);
  reference += u';';
  return reference;
}

TEST(XmlEntityTable, EveryHtml4NameAndAposDecodes) {
  ASSERT_EQ(std::size(kExpectedEntities), kEntityCount);
  ASSERT_EQ(EntityRows().size(), kEntityCount);
  for (const ExpectedEntity& e : kExpectedEntities) {
    std::u16string expected;
    AppendCodePoint(expected, e.codePoint);
    EXPECT_EQ(DecodeEntities(Reference(e.name)), expected) << e.name;
  }
}

TEST(XmlEntityTable, NamesAreUniqueAsSpelt) {
  std::set<std::string_view> names;
  for (const EntityRow& row : EntityRows()) EXPECT_TRUE(names.insert(row.name).second) << row.name;
}

struct DecodeCase {
  std::u16string_view in;
  std::u16string_view out;
};

constexpr DecodeCase kDecodeCases[] = {
    {u"&AMP;", u"&"},
    {u"&amp", u"&amp"},
    {u"&amp;amp;", u"&amp;"},
    {u"&&amp;", u"&&"},
    {u"a&b", u"a&b"},
    {u"&#0;", u"&#0;"},
    {u"&#x0;", u"&#x0;"},
    {u"&#x1F600;", u"\U0001F600"},
    {u"&#128512;", u"\U0001F600"},
    {u"&#x10FFFF;", u"\U0010FFFF"},
    {u"&#x110000;", u"&#x110000;"},
    {u"&#xD800;", u"&#xD800;"},
    {u"&#65;&#x42;&#X43;", u"ABC"},
    {u"&#00000065;", u"A"},             // nine characters before ';'
    {u"&#000000065;", u"&#000000065;"},  // ten: too long
    {u"&#;", u"&#;"},
    {u"&#x;", u"&#x;"},
    {u"&#12a;", u"&#12a;"},
    {u"&#xG1;", u"&#xG1;"},
    {u"&;", u"&;"},
    {u"&unknown;", u"&unknown;"},
    {u"&\u00e9;", u"&\u00e9;"},
    {u"&thetasym;", u"\u03d1"},
    {u"&apos;&quot;&lt;&gt;", u"'\"<>"},
    // Names that differ only in case: the one spelt as written, else the capital one.
    {u"&Aacute;&aacute;&AACUTE;", u"\u00c1\u00e1\u00c1"},
    {u"&Dagger;&dagger;&DAGGER;", u"\u2021\u2020\u2021"},
    {u"&rArr;&rarr;&RARR;", u"\u21d2\u2192\u21d2"},
    {u"&Sigma;&sigma;&SIGMA;", u"\u03a3\u03c3\u03a3"},
};

TEST(XmlEntityDecoding, Rules) {
  for (const DecodeCase& c : kDecodeCases)
    EXPECT_EQ(DecodeEntities(c.in), c.out) << std::string(c.in.begin(), c.in.end());
}

TEST(XmlEntityDecoding, ReferenceCutOffByTheEndOfTheRange) {
  EXPECT_EQ(DecodeEntities(u"x&am"), u"x&am");
  EXPECT_EQ(DecodeEntities(u"&"), u"&");
}

TEST(XmlCharsetTable, EveryNameGivesItsPublishedCodePage) {
  ASSERT_EQ(std::size(kExpectedCharsets), kCharsetCount);
  ASSERT_EQ(CharsetRows().size(), kCharsetCount);
  for (const ExpectedCharset& c : kExpectedCharsets) {
    const unsigned page = CodePageOfCharset(Widen(c.name));
    EXPECT_TRUE(page != 0 && (page == c.pages[0] || page == c.pages[1] || page == c.pages[2]))
        << c.name << " gave " << page;
  }
}

TEST(XmlCharsetTable, NamesAreUnique) {
  std::set<std::string_view> names;
  for (const CharsetRow& row : CharsetRows()) EXPECT_TRUE(names.insert(row.name).second) << row.name;
}

struct CharsetCase {
  std::u16string_view name;
  unsigned codePage;
};

constexpr CharsetCase kCharsetCases[] = {
    {u"utf-8", 65001},        {u"UTF-8", 65001},         {u"utf-16", 1200},      {u"unicode", 1200},
    {u"unicodeFFFE", 1201},   {u"iso-8859-1", 28591},    {u"Latin1", 28591},     {u"us-ascii", 20127},
    {u"Windows-1252", 1252},  {u"shift_jis", 932},       {u"gb2312", 936},       {u"big5", 950},
    {u"euc-kr", 949},         {u"KOI8-R", 20866},        {u"UTF-32", kUtf32CodePage},
    {u"utf-32", kUtf32CodePage}, {u"utf-8 ", 0},         {u"x-klingon", 0},      {u"", 0},
    {u"utf\u00e9", 0},
};

TEST(XmlCharsetTable, LookUpIgnoresCaseAndKnowsUtf32) {
  for (const CharsetCase& c : kCharsetCases)
    EXPECT_EQ(CodePageOfCharset(c.name), c.codePage) << std::string(c.name.begin(), c.name.end());
}

}  // namespace
}  // namespace strings
