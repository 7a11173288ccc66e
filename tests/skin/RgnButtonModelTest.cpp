#include "skin/RgnButtonModel.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(RgnButtonModel, ClickInsideSendsOneCommand) {
  RgnButtonModel m;
  EXPECT_TRUE(m.Move(true).restartHoverTimer);
  EXPECT_EQ(m.state(), RgnState::Hover);
  EXPECT_TRUE(m.ButtonDown(true).repaint);
  EXPECT_TRUE(m.captured());
  EXPECT_EQ(m.state(), RgnState::Pressed);
  EXPECT_EQ(m.Picture(), 2);
  const auto up = m.ButtonUp(true);
  EXPECT_TRUE(up.command);
  EXPECT_FALSE(m.captured());
  EXPECT_EQ(m.state(), RgnState::Normal);
}

TEST(RgnButtonModel, ReleasingOutsideTheShapeSendsNothing) {
  RgnButtonModel m;
  m.ButtonDown(true);
  m.Move(true);
  m.Move(false);
  EXPECT_FALSE(m.pressedInside());
  EXPECT_FALSE(m.ButtonUp(false).command);
  EXPECT_EQ(m.state(), RgnState::Normal);
}

TEST(RgnButtonModel, PressTrackingFollowsTheCursorWhileCaptured) {
  RgnButtonModel m;
  m.ButtonDown(true);
  EXPECT_TRUE(m.Move(true).repaint);   // pressed inside becomes 1
  EXPECT_TRUE(m.pressedInside());
  m.Move(true);
  EXPECT_EQ(m.state(), RgnState::Pressed);
  m.Move(false);
  EXPECT_FALSE(m.pressedInside());
  m.Move(false);
  EXPECT_EQ(m.state(), RgnState::Hover);
  // Without a press there is nothing to track.
  RgnButtonModel idle;
  idle.Move(true);
  EXPECT_FALSE(idle.pressedInside());
}

TEST(RgnButtonModel, ToggleFlipsOnEachCompletedClickAndShowsTheThirdPicture) {
  RgnButtonModel m;
  m.toggle = true;
  for (int click = 1; click <= 4; ++click) {
    m.ButtonDown(true);
    EXPECT_FALSE(m.Move(true).restartHoverTimer);  // a held toggle only tracks the press
    EXPECT_TRUE(m.ButtonUp(true).command);
    EXPECT_EQ(m.checked, click % 2 == 1);
    EXPECT_EQ(m.Picture(), m.checked ? 2 : 0);
    m.Move(true);
    EXPECT_EQ(m.Picture(), m.checked ? 2 : 1);
  }
}

TEST(RgnButtonModel, ToggleReleasedOutsideKeepsItsState) {
  RgnButtonModel m;
  m.toggle = true;
  m.ButtonDown(true);
  m.Move(false);
  EXPECT_FALSE(m.ButtonUp(false).command);
  EXPECT_FALSE(m.checked);
}

TEST(RgnButtonModel, HoverEndsOnlyWhenTheCursorIsOutAndNobodyHoldsTheCapture) {
  RgnButtonModel m;
  m.Move(true);
  EXPECT_FALSE(m.HoverTimer(true, false).repaint);
  EXPECT_FALSE(m.HoverTimer(false, true).repaint);
  EXPECT_EQ(m.state(), RgnState::Hover);
  EXPECT_TRUE(m.HoverTimer(false, false).repaint);
  EXPECT_EQ(m.state(), RgnState::Normal);
}

TEST(RgnButtonModel, DisabledShowsTheFourthPictureUntilEnabled) {
  RgnButtonModel m;
  m.SyncEnabled(false);
  EXPECT_EQ(m.Picture(), 3);
  m.SyncEnabled(true);
  EXPECT_EQ(m.Picture(), 0);
  m.Move(true);
  m.SyncEnabled(true);
  EXPECT_EQ(m.Picture(), 1);  // enabling leaves other states alone
  m.checked = true;
  m.SyncEnabled(false);
  EXPECT_EQ(m.Picture(), 2);
}

}  // namespace
}  // namespace skin
