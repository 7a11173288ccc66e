#include "skin/HyperLinkLogic.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace skin {
namespace {

// The shell's results each have a text of their own after one prefix; any other shows its number.
TEST(HyperlinkErrorMessage, KnownShellResultsAreNamedAndOthersShowTheirNumber) {
  const std::u16string prefix = u"Unable to open hyperlink:\n\n";
  const long known[] = {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32};
  std::set<std::u16string> texts;
  for (const long result : known) {
    const std::u16string text = HyperlinkErrorMessage(result);
    EXPECT_TRUE(text.starts_with(prefix) && text.size() > prefix.size()) << result;
    EXPECT_EQ(text.find(u"Unknown Error"), std::u16string::npos) << result;
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), std::size(known));
  EXPECT_EQ(HyperlinkErrorMessage(2), prefix + u"The specified file was not found.");
  for (const long result : {1L, 4L, 33L, -5L}) {
    const std::string number = std::to_string(result);
    EXPECT_EQ(HyperlinkErrorMessage(result),
              prefix + u"Unknown Error (" + std::u16string(number.begin(), number.end()) + u") occurred.");
  }
}

TEST(HyperlinkLook, ColoursAndUnderline) {
  const LinkColours colours;
  EXPECT_EQ(LinkTextColour(colours, false, false), 0xEE0000u);
  EXPECT_EQ(LinkTextColour(colours, false, true), 0x8B1A55u);
  EXPECT_EQ(LinkTextColour(colours, true, true), 0x0000FFu);
  EXPECT_TRUE(LinkUnderlined(LinkUnderline::Hover, true));
  EXPECT_FALSE(LinkUnderlined(LinkUnderline::Hover, false));
  EXPECT_TRUE(LinkUnderlined(LinkUnderline::Always, false));
  EXPECT_FALSE(LinkUnderlined(LinkUnderline::Never, true));
  EXPECT_FALSE(LinkUnderlined(static_cast<LinkUnderline>(0), true));
}

TEST(HyperlinkSize, KeepsTheControlsAlignment) {
  const Rect old{100, 50, 300, 80};  // 200 × 30
  // Text 60 × 16 with a frame of 2 × 2: 62 × 18.
  EXPECT_EQ(LinkRectForText(old, 60, 16, 2, 2, false, LinkHAlign::Left), (Rect{100, 50, 162, 68}));
  EXPECT_EQ(LinkRectForText(old, 60, 16, 2, 2, true, LinkHAlign::Left), (Rect{100, 56, 162, 74}));
  EXPECT_EQ(LinkRectForText(old, 60, 16, 2, 2, false, LinkHAlign::Centre), (Rect{169, 50, 231, 68}));
  EXPECT_EQ(LinkRectForText(old, 60, 16, 2, 2, false, LinkHAlign::Right), (Rect{238, 50, 300, 68}));
}

TEST(HtmFallbackCommand, CutsAtThePlaceholder) {
  EXPECT_EQ(HtmFallbackCommand(u"\"C:\\b.exe\" -url \"%1\"", u"http://x"), u"\"C:\\b.exe\" -url  http://x");
  EXPECT_EQ(HtmFallbackCommand(u"C:\\b.exe %1 -new", u"a.htm"), u"C:\\b.exe  a.htm");
  EXPECT_EQ(HtmFallbackCommand(u"C:\\b.exe", u"a.htm"), u"C:\\b.exe a.htm");
  EXPECT_EQ(HtmFallbackCommand(u"", u"a.htm"), u" a.htm");
}

}  // namespace
}  // namespace skin
