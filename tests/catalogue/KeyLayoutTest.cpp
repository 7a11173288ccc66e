#include "catalogue/KeyLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace catalogue {
namespace {

struct Expected {
  int variant, slot;
  KeyRect rect;
};

// Spot checks of every kind of row: plain runs, shifted runs, the wide keys and each variant's differences.
const Expected kExpected[] = {
    {0, 0, {84, 209, 60, 45}},     {0, 4, {293, 209, 42, 45}},    {0, 15, {814, 209, 43, 45}},
    {0, 21, {296, 261, 42, 45}},   {0, 22, {336, 261, 42, 45}},   {0, 30, {672, 261, 42, 45}},
    {0, 33, {816, 261, 43, 45}},   {0, 37, {997, 262, 42, 45}},   {0, 46, {442, 307, 42, 45}},
    {0, 47, {483, 307, 42, 45}},   {0, 48, {524, 307, 42, 45}},   {0, 50, {608, 307, 42, 45}},
    {0, 58, {997, 306, 42, 86}},   {0, 64, {326, 352, 42, 43}},   {0, 65, {367, 352, 42, 43}},
    {0, 68, {492, 352, 42, 43}},   {0, 70, {576, 352, 42, 43}},   {0, 74, {86, 396, 94, 43}},
    {0, 84, {558, 396, 42, 43}},   {0, 85, {601, 396, 114, 43}},  {0, 90, {996, 393, 42, 84}},
    {0, 93, {195, 440, 53, 43}},   {0, 94, {250, 440, 247, 43}},  {0, 98, {660, 440, 53, 43}},
    {0, 103, {954, 434, 42, 43}},  {0, 104, {}},                  {0, 109, {}},
    {1, 74, {86, 396, 50, 43}},    {1, 75, {138, 396, 42, 43}},   {1, 76, {180, 396, 42, 43}},
    {1, 86, {601, 396, 114, 43}},  {1, 95, {250, 440, 247, 43}},  {1, 104, {954, 434, 42, 43}},
    {1, 105, {}},                  {2, 34, {874, 262, 42, 45}},   {2, 58, {1000, 306, 42, 86}},
    {2, 65, {368, 352, 42, 43}},   {2, 70, {578, 352, 42, 43}},   {2, 71, {620, 352, 42, 43}},
    {2, 74, {958, 351, 42, 43}},   {2, 75, {86, 396, 94, 43}},    {2, 86, {600, 396, 42, 43}},
    {2, 87, {644, 396, 72, 43}},   {2, 88, {772, 398, 42, 43}},   {2, 96, {249, 440, 53, 43}},
    {2, 97, {301, 440, 147, 43}},  {2, 102, {621, 440, 43, 43}},  {2, 103, {664, 440, 52, 43}},
    {2, 106, {814, 442, 43, 43}},  {2, 107, {874, 436, 81, 43}},  {2, 108, {957, 436, 42, 43}},
    {2, 109, {}},
};

TEST(KeyLayout, RectanglesFollowTheRowsOfEachVariant) {
  for (const auto& e : kExpected) EXPECT_EQ(KeyRectangle(e.variant, e.slot), e.rect) << e.variant << "/" << e.slot;
}

TEST(KeyLayout, EachVariantShowsItsKeyCount) {
  EXPECT_EQ(VisibleKeyCount(0), 104);
  EXPECT_EQ(VisibleKeyCount(1), 105);
  EXPECT_EQ(VisibleKeyCount(2), 109);
}

TEST(KeyLayout, TheWideBottomKeyMovesWithTheExtraKeys) {
  auto widest = [](int variant) {
    int best = -1;
    for (int slot = 0; slot < 110; ++slot)
      if (KeyRectangle(variant, slot).top == 440 &&
          (best < 0 || KeyRectangle(variant, slot).width > KeyRectangle(variant, best).width))
        best = slot;
    return best;
  };
  EXPECT_EQ(widest(0), 94);
  EXPECT_EQ(widest(1), 95);
  EXPECT_EQ(widest(2), 97);
}

TEST(KeyLayout, TheEnterKeyIsAShapedButtonOfItsOwn) {
  for (int v = 0; v < kLayoutVariants; ++v) EXPECT_TRUE(KeyRectangle(v, 51).empty());
  EXPECT_EQ(EnterKeyCorner(0), (Point{621, 307}));
  EXPECT_EQ(EnterKeyCorner(1), (Point{621, 307}));
  EXPECT_EQ(EnterKeyCorner(2), (Point{651, 309}));
}

TEST(KeyLayout, UnknownVariantsAndSlotsAreSafe) {
  EXPECT_EQ(LayoutVariant(0), 0);
  EXPECT_EQ(LayoutVariant(1), 1);
  EXPECT_EQ(LayoutVariant(2), 2);
  EXPECT_EQ(LayoutVariant(3), 0);
  EXPECT_EQ(LayoutVariant(0xFFFFFFFF), 0);
  EXPECT_TRUE(KeyRectangle(3, 0).empty());
  EXPECT_TRUE(KeyRectangle(-1, 0).empty());
  EXPECT_TRUE(KeyRectangle(0, -1).empty());
  EXPECT_TRUE(KeyRectangle(0, 110).empty());
}

TEST(KeyLayout, KeysOfAVariantOverlapAtMostByTheirTwoPixelSeams) {
  for (int v = 0; v < kLayoutVariants; ++v)
    for (int a = 0; a < 110; ++a)
      for (int b = a + 1; b < 110; ++b) {
        const KeyRect ra = KeyRectangle(v, a), rb = KeyRectangle(v, b);
        if (ra.empty() || rb.empty()) continue;
        const int overlapX = std::min(ra.left + ra.width, rb.left + rb.width) - std::max(ra.left, rb.left);
        const int overlapY = std::min(ra.top + ra.height, rb.top + rb.height) - std::max(ra.top, rb.top);
        EXPECT_FALSE(overlapX > 2 && overlapY > 2) << "variant " << v << ": slots " << a << " and " << b;
      }
}

}  // namespace
}  // namespace catalogue
