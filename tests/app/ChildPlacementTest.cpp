#include "app/ChildPlacement.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(ChildPlacement, AnEditorNearTheBottomLiftsTheMainWindowByTheOverflow) {
  struct Case {
    int mainTop, childHeight, fullScreen, lift;
  } cases[] = {
      {0, 134, 1000, 0},     // the usual case: plenty of room
      {327, 134, 1000, 0},   // ends exactly at the bottom
      {328, 134, 1000, 1},
      {600, 176, 1000, 315},
      {-50, 134, 600, 23},   // already partly above the screen
  };
  for (const auto& c : cases)
    EXPECT_EQ(LiftNeeded(c.mainTop, c.childHeight, c.fullScreen), c.lift) << c.mainTop << " " << c.childHeight;
}

TEST(ChildPlacement, SlidingOutAndInAgainReturnsToTheStart) {
  const auto out = SlideOutFrames(262);
  ASSERT_EQ(out.size(), 46u);  // 45 steps of 5 pixels, then the last 3
  EXPECT_EQ(out.front(), (SlideFrame{5, 15}));
  EXPECT_EQ(out[44], (SlideFrame{225, 235}));
  EXPECT_EQ(out.back(), (SlideFrame{228, 262}));

  const auto in = SlideInFrames(262);
  ASSERT_EQ(in.size(), 46u);
  EXPECT_EQ(in.front(), (SlideFrame{-5, 257}));
  EXPECT_EQ(in[44], (SlideFrame{-225, 37}));
  EXPECT_EQ(out.back().mainOffset + in.back().mainOffset, 0);
  for (const auto& frame : SlideInFrames(100)) EXPECT_GE(frame.panelHeight, 0);  // a small panel never goes negative
}

}  // namespace
}  // namespace app
