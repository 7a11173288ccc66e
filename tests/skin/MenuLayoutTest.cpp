#include "skin/MenuLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace skin {
namespace {

std::vector<int> Tops(const std::vector<Rect>& rects) {
  std::vector<int> tops;
  for (const auto& r : rects) tops.push_back(r.top);
  return tops;
}

TEST(MenuEntryRects, KeyMenuLeavesGapsBeforeEntries3And7) {
  const auto rects = MenuEntryRects(kKeyFunctionMenu, 11, 181, 295);
  EXPECT_EQ(Tops(rects), (std::vector<int>{10, 32, 54, 90, 112, 134, 156, 192, 214, 236, 258}));
  for (const auto& r : rects) {
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, 181);
    EXPECT_EQ(r.height(), 20);
  }
}

struct KindCase {
  MenuKind kind;
  std::vector<int> tops;
  int height;
};

TEST(MenuEntryRects, OtherKindsStackWithoutGaps) {
  const KindCase cases[] = {
      {kModifierMenu, {5, 25, 45, 65}, 18},
      {kMediaPlayerMenu, {16, 47, 78, 109}, 29},
      {kMacroMenu, {5, 26, 47, 68}, 19},
      {kMacroSecondMenu, {9, 30, 51, 72}, 19},
  };
  for (const auto& c : cases) {
    const auto rects = MenuEntryRects(c.kind, 4, 120, 500);
    EXPECT_EQ(Tops(rects), c.tops) << c.kind;
    EXPECT_EQ(rects[0].height(), c.height) << c.kind;
  }
}

TEST(MenuEntryRects, BottomsAreCutToTheImageAndNoMoreThan20Entries) {
  const auto cut = MenuEntryRects(kMediaPlayerMenu, 3, 100, 70);
  EXPECT_EQ(cut[1].bottom, 70);      // 47 + 29 = 76 passes the image
  EXPECT_EQ(cut[2].top, 78);         // lies wholly below the image: empty, never negative in height
  EXPECT_EQ(cut[2].height(), 0);
  EXPECT_EQ(MenuEntryRects(kKeyFunctionMenu, 35, 181, 2000).size(), 20u);
  EXPECT_TRUE(MenuEntryRects(kKeyFunctionMenu, -1, 181, 295).empty());
  EXPECT_EQ(Tops(MenuEntryRects(static_cast<MenuKind>(9), 4, 181, 295)), Tops(MenuEntryRects(kKeyFunctionMenu, 4, 181, 295)));
}

TEST(MenuStyle, KindTable) {
  EXPECT_EQ(MenuStyle(kKeyFunctionMenu).textOffset, 10);
  EXPECT_EQ(MenuStyle(kKeyFunctionMenu).placement, CaptionPlacement::Left);
  EXPECT_EQ(MenuStyle(kKeyFunctionMenu).hover, 0x00AFFFu);
  EXPECT_EQ(MenuStyle(kModifierMenu).placement, CaptionPlacement::Centred);
  EXPECT_EQ(MenuStyle(kModifierMenu).pressed, 0x00AFFFu);
  EXPECT_EQ(MenuStyle(kMacroMenu).textOffset, 6);
  EXPECT_EQ(MenuFontHeight(kMacroMenu, 1), 14);
  EXPECT_EQ(MenuFontHeight(kMacroSecondMenu, 1), 14);
  EXPECT_EQ(MenuFontHeight(kMacroSecondMenu, 0), 16);
  EXPECT_EQ(MenuFontHeight(kKeyFunctionMenu, 1), 16);
}

TEST(SubmenuLayout, FirstTopsByKindAndFixedEntrySize) {
  EXPECT_EQ(Tops(SubmenuEntryRects(kKeyFunctionMenu, 3)), (std::vector<int>{12, 34, 56}));
  EXPECT_EQ(Tops(SubmenuEntryRects(kModifierMenu, 3)), (std::vector<int>{10, 32, 54}));
  EXPECT_EQ(Tops(SubmenuEntryRects(kMediaPlayerMenu, 3)), (std::vector<int>{14, 36, 58}));
  EXPECT_EQ(SubmenuEntryRects(kKeyFunctionMenu, 13)[12], (Rect{0, 12 + 12 * 22, 180, 12 + 12 * 22 + 20}));
  EXPECT_EQ(SubmenuEntryRects(kKeyFunctionMenu, 21).size(), 20u);
}

TEST(SubmenuLayout, KindsByParentPosition) {
  const int expected[] = {0, 0, 0, 1, 0, 2, 1, 0, 0, 0};
  for (int position = 0; position < 10; ++position) EXPECT_EQ(SubmenuKindFor(position), expected[position]);
}

TEST(SubmenuLayout, OpensToTheLeftAtTheScreenEdge) {
  EXPECT_EQ(SubmenuLeft(500, 200, 1280), 500);
  EXPECT_EQ(SubmenuLeft(1080, 200, 1280), 1080);  // ends exactly at the edge
  EXPECT_EQ(SubmenuLeft(1081, 200, 1280), 681);
}

TEST(ChoiceMessages, TopLevelEntry) {
  const auto p = TopLevelChoice(7, 8);
  EXPECT_EQ(p, (ChoiceParams{7u << 16, 8u << 16}));
  EXPECT_EQ(ChoiceParentPosition(p.wParam), 7);
  EXPECT_EQ(ChoiceSubmenuPosition(p.wParam), 0);
}

TEST(ChoiceMessages, SecondEntryOfASubmenu) {
  // Key menu: MEDIA (position 5, category 6), second submenu entry STOP (kind 33).
  const auto fromSubmenu = SubmenuChoice(5, 1, 33);
  EXPECT_EQ(fromSubmenu, (ChoiceParams{5u * 65536u + 1u, 33u}));
  const auto toOwner = ChoiceFromSubmenu(fromSubmenu.wParam, fromSubmenu.lParam, 6);
  EXPECT_EQ(toOwner, (ChoiceParams{5u * 65536u + 1u, 6u * 65536u + 33u}));
}

TEST(ChoiceMessages, OnlyTheLow16BitsOfASubmenuValueTravel) {
  EXPECT_EQ(SubmenuChoice(0, 2, 0x12345).lParam, 0x2345u);
  EXPECT_EQ(SubmenuChoice(0, 2, -1).lParam, 0xFFFFu);
  EXPECT_EQ(ChoiceFromSubmenu(2, 0xABCDEF, 1).lParam, 0x1CDEFu);
  EXPECT_EQ(TopLevelChoice(0, -1).lParam, 0xFFFF0000u);
}

}  // namespace
}  // namespace skin
