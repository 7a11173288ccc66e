#include "skin/HyperLinkLogic.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(HyperlinkErrorMessage, EveryShellResultHasItsText) {
  const std::u16string prefix = u"Unable to open hyperlink:\n\n";
  const struct {
    long result;
    const char16_t* text;
  } cases[] = {
      {0, u"The operating system is out\nof memory or resources."},
      {2, u"The specified file was not found."},
      {3, u"The specified path was not found."},
      {5, u"The operating system denied\naccess to the specified file."},
      {8, u"There was not enough memory to complete the operation."},
      {11, u"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
      {26, u"A sharing violation occurred. "},
      {27, u"The filename association is\nincomplete or invalid."},
      {28, u"The DDE transaction could not\nbe completed because the request timed out."},
      {29, u"The DDE transaction failed."},
      {30, u"The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
      {31, u"There is no application associated\nwith the given filename extension."},
      {32, u"The specified dynamic-link library was not found."},
      {1, u"Unknown Error (1) occurred."},
      {-5, u"Unknown Error (-5) occurred."},
  };
  for (const auto& c : cases) EXPECT_EQ(HyperlinkErrorMessage(c.result), prefix + c.text) << c.result;
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
