#include "skin/ButtonLook.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

constexpr TextColours kColours{0x000001, 0x000002, 0x000003};
constexpr Colour N = kColours.normal, H = kColours.hover, P = kColours.pressed, G = kDisabledTextColour;

struct Btn2Case {
  BitmapBtn2State state;
  ButtonLook expected;
};

TEST(BitmapBtn2Look, PushButton) {
  const Btn2Case cases[] = {
      {{}, {Face::Normal, N}},
      {{.highlighted = true}, {Face::Over, H}},
      {{.pressed = true}, {Face::Down, P}},
      {{.checked = true}, {Face::Down, P}},
      {{.checked = true, .highlighted = true}, {Face::Down, P}},
      {{.disabled = true}, {Face::Disabled, G}},
      // The down and over faces win over the disabled face; the caption is still grey.
      {{.checked = true, .disabled = true}, {Face::Down, G}},
      {{.highlighted = true, .disabled = true}, {Face::Over, G}},
      // An inactive parent keeps the caption in its normal colour whatever the face.
      {{.highlighted = true, .parentActive = false}, {Face::Over, N}},
      {{.pressed = true, .parentActive = false}, {Face::Down, N}},
      {{.checked = true, .parentActive = false}, {Face::Down, N}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BitmapBtn2Look(c.state, kColours), c.expected)
        << c.state.checked << c.state.highlighted << c.state.pressed << c.state.disabled << c.state.parentActive;
  }
}

TEST(BitmapBtn2Look, ToggleFollowsCheckedEvenWhileDisabledOrPressed) {
  const Btn2Case cases[] = {
      {{.toggle = true}, {Face::Normal, N}},
      {{.toggle = true, .pressed = true}, {Face::Normal, N}},
      {{.toggle = true, .highlighted = true}, {Face::Over, H}},
      {{.toggle = true, .checked = true}, {Face::Down, P}},
      {{.toggle = true, .checked = true, .highlighted = true}, {Face::Down, P}},
      {{.toggle = true, .checked = true, .disabled = true}, {Face::Down, G}},
      {{.toggle = true, .disabled = true}, {Face::Normal, G}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BitmapBtn2Look(c.state, kColours), c.expected)
        << c.state.checked << c.state.highlighted << c.state.pressed << c.state.disabled;
  }
}

TEST(CaptionBox, AlignmentsNarrowTheClientArea) {
  const Rect client{0, 0, 100, 24};
  EXPECT_EQ(CaptionBox(CaptionAlign::Centre, client), client);
  EXPECT_EQ(CaptionBox(CaptionAlign::Left, client), (Rect{3, 0, 95, 24}));
  EXPECT_EQ(CaptionBox(CaptionAlign::Right, client), (Rect{0, 0, 80, 24}));
}

struct BtnCase {
  BitmapBtnState state;
  ButtonLook expected;
};

TEST(BitmapBtnLook, NormalMode) {
  const BtnCase cases[] = {
      {{}, {Face::Normal, N}},
      {{.hover = true}, {Face::Over, H}},
      {{.highlighted = true}, {Face::Over, H}},
      {{.hover = true, .pressed = true}, {Face::Down, P}},
      {{.checked = true}, {Face::Down, P}},
      {{.disabled = true}, {Face::Disabled, G}},
      {{.checked = true, .disabled = true}, {Face::Down, P}},
  };
  for (const auto& c : cases) EXPECT_EQ(BitmapBtnLook(c.state, kColours), c.expected);
}

TEST(BitmapBtnLook, ReleaseClickMode) {
  const BtnCase cases[] = {
      {{.releaseClick = true}, {Face::Normal, N}},
      {{.releaseClick = true, .hover = true}, {Face::Over, H}},
      // A press does not show in release-click mode, nor does the owner's highlight.
      {{.releaseClick = true, .pressed = true}, {Face::Normal, N}},
      {{.releaseClick = true, .highlighted = true}, {Face::Normal, N}},
      {{.releaseClick = true, .checked = true}, {Face::Down, P}},
      {{.releaseClick = true, .checked = true, .disabled = true}, {Face::Disabled, G}},
      {{.releaseClick = true, .disabled = true}, {Face::Disabled, G}},
  };
  for (const auto& c : cases) EXPECT_EQ(BitmapBtnLook(c.state, kColours), c.expected);
}

struct PlacementCase {
  CaptionPlacement placement;
  Point expected;
};

TEST(CaptionOrigin, EveryPlacementWithIntegerHalves) {
  // A 101 × 31 button and a caption of 41 × 15.
  const PlacementCase cases[] = {
      {CaptionPlacement::Rotated90, {50 - 7, 15 + 20}},
      {CaptionPlacement::Rotated270, {50 + 7, 15 - 20}},
      {CaptionPlacement::Left, {0, 15 - 7}},
      {CaptionPlacement::Right, {101 - 41, 15 - 7}},
      {CaptionPlacement::Centred, {50 - 20, 15 - 7}},
      {static_cast<CaptionPlacement>(1), {50 - 20, 15 - 7}},
      {static_cast<CaptionPlacement>(-7), {50 - 20, 15 - 7}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CaptionOrigin(c.placement, 101, 31, 41, 15), c.expected) << static_cast<int>(c.placement);
  // A caption wider than the button starts left of it when centred.
  EXPECT_EQ(CaptionOrigin(CaptionPlacement::Centred, 20, 10, 41, 15), (Point{10 - 20, 5 - 7}));
}

TEST(CaptionOrigin, RotatedPlacementsTurnTheFont) {
  EXPECT_EQ(CaptionEscapement(CaptionPlacement::Rotated90), 900);
  EXPECT_EQ(CaptionEscapement(CaptionPlacement::Rotated270), 2700);
  EXPECT_EQ(CaptionEscapement(CaptionPlacement::Left), 0);
  EXPECT_EQ(CaptionEscapement(CaptionPlacement::Centred), 0);
}

}  // namespace
}  // namespace skin
