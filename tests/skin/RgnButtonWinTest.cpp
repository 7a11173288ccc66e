#include <gtest/gtest.h>

#include "skin/RgnButton.h"
#include "tests/skin/WinSkinSupport.h"

namespace skin {
namespace {

using skintest::HostWindow;
using skintest::Near;
using skintest::WindowPixel;

constexpr int kWidth = 60, kHeight = 40;
constexpr POINT kPlace{50, 50};
constexpr COLORREF kNormal = RGB(200, 0, 0);
constexpr COLORREF kHover = RGB(0, 200, 0);
constexpr COLORREF kPressed = RGB(0, 0, 200);
constexpr COLORREF kDisabled = RGB(120, 120, 120);

// The top-left corner (x + y < 15) is key-coloured, so outside; everything else, the right-most column
// included, is the button.
bool InShape(int x, int y) { return x + y >= 15; }
skintest::Colourer Picture(COLORREF face) {
  return [face](int x, int y) { return InShape(x, y) ? skintest::Solid(face) : kRegionButtonOutside; };
}

class RgnButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::MoveAway();
    skintest::WriteBmp(File(L"n"), kWidth, kHeight, Picture(kNormal));
    skintest::WriteBmp(File(L"o"), kWidth, kHeight, Picture(kHover));
    skintest::WriteBmp(File(L"d"), kWidth, kHeight, Picture(kPressed));
    skintest::WriteBmp(File(L"x"), kWidth, kHeight, Picture(kDisabled));
  }
  std::wstring File(const std::wstring& face) const { return folder.File(L"mouse left_" + face + L".bmp"); }
  void Make(CRgnButton& button, bool pump = true) {
    button.SetFiles(File(L"n"), File(L"o"), File(L"d"), File(L"x"));
    ASSERT_TRUE(button.Create(host.GetHwnd()));
    button.SetWindowPos(nullptr, kPlace.x, kPlace.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    if (pump) skintest::PumpFor(30);
  }
  int Commands() const { return static_cast<int>(host.commandsFrom().size()); }

  skintest::ScratchFolder folder;
  HostWindow host;
};

TEST_F(RgnButtonTest, TakesItsSizeAndShapeFromTheFirstPicture) {
  CRgnButton button;
  Make(button);
  const RECT rect = button.GetWindowRect();
  EXPECT_EQ(rect.right - rect.left, kWidth);
  EXPECT_EQ(rect.bottom - rect.top, kHeight);
  ASSERT_NE(button.GetRegion(), nullptr);
  for (int y = 0; y < kHeight; y += 3)
    for (int x = 0; x < kWidth; x += 3) ASSERT_EQ(button.Inside(x, y), InShape(x, y)) << x << "," << y;
  EXPECT_TRUE(button.Inside(kWidth - 1, 0)) << "a run reaching the right edge keeps the last column";
  EXPECT_FALSE(button.Inside(kWidth, 20));

  win::Region shape(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(button.GetHwnd(), shape.get()), ERROR);
  EXPECT_TRUE(::EqualRgn(shape.get(), button.GetRegion())) << "the window's shape is a copy of the kept outline";
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), 30, 20), kNormal));
}

TEST_F(RgnButtonTest, OnlyClicksOnTheShapeReachTheButton) {
  CRgnButton button;
  Make(button);
  skintest::ClickAt(button.GetHwnd(), POINT{2, 2});  // key-coloured corner
  skintest::PumpFor(100);
  EXPECT_EQ(Commands(), 0);
  EXPECT_EQ(host.backgroundPresses, 1) << "the corner's click goes to the window below";

  skintest::ClickAt(button.GetHwnd(), POINT{kWidth - 1, 5});
  ASSERT_TRUE(skintest::PumpUntil([&] { return Commands() == 1; }));
  EXPECT_EQ(host.commandsFrom().front(), button.GetHwnd());
}

TEST_F(RgnButtonTest, ReleasingOutsideAfterPressingInsideSendsNothing) {
  CRgnButton button;
  Make(button);
  skintest::MoveTo(button.GetHwnd(), POINT{40, 20});
  skintest::LeftDown();
  EXPECT_EQ(button.GetState(), RgnState::Pressed);
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), 40, 20), kPressed));
  skintest::MoveTo(host.GetHwnd(), POINT{400, 300});
  skintest::LeftUp();
  skintest::PumpFor(100);
  EXPECT_EQ(Commands(), 0);
  EXPECT_EQ(button.GetState(), RgnState::Normal);
}

TEST_F(RgnButtonTest, HoverLookEndsSoonAfterTheCursorLeaves) {
  CRgnButton button;
  Make(button);
  skintest::MoveTo(button.GetHwnd(), POINT{40, 20});
  skintest::MoveTo(button.GetHwnd(), POINT{41, 21});
  EXPECT_EQ(button.GetState(), RgnState::Hover);
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), 40, 20), kHover));
  skintest::MoveTo(host.GetHwnd(), POINT{400, 300});
  EXPECT_TRUE(skintest::PumpUntil([&] { return button.GetState() == RgnState::Normal; }, 400));
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), 40, 20), kNormal));
}

TEST_F(RgnButtonTest, ToggleFlipsOnEachClickAndShowsThePressedPictureWhileChecked) {
  CRgnButton button;
  Make(button);
  button.SetToggleMode(1);
  for (int click = 1; click <= 3; ++click) {
    skintest::ClickAt(button.GetHwnd(), POINT{40, 20});
    ASSERT_TRUE(skintest::PumpUntil([&] { return Commands() == click; }));
    EXPECT_EQ(button.GetChecked(), click % 2);
  }
  skintest::MoveAway();
  skintest::PumpFor(150);
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), 40, 20), kPressed));
}

TEST_F(RgnButtonTest, DisabledShowsTheFourthPictureUntilEnabledAgain) {
  CRgnButton button;
  Make(button);
  button.EnableWindow(false);
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), 40, 20), kDisabled));
  button.EnableWindow(true);
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), 40, 20), kNormal));
}

TEST_F(RgnButtonTest, TooltipAndPictureChangesKeepTheOutline) {
  CRgnButton button;
  Make(button);
  button.SetTooltip(L"Enter");
  EXPECT_EQ(button.TooltipText(), L"Enter");
  HRGN outline = button.GetRegion();
  button.SetFiles(File(L"d"), File(L"d"), File(L"d"), File(L"n"));
  EXPECT_EQ(button.GetRegion(), outline);
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), 40, 20), kPressed));
}

TEST_F(RgnButtonTest, TopDownFilesWithAGapBeforeThePixelsGiveTheSameShape) {
  CRgnButton bottomUp;
  Make(bottomUp);
  skintest::WriteBmp(File(L"n"), kWidth, kHeight, Picture(kNormal), {.topDown = true, .gapAfterHeaders = 16});
  CRgnButton topDown;
  Make(topDown);
  ASSERT_NE(topDown.GetRegion(), nullptr);
  EXPECT_TRUE(::EqualRgn(topDown.GetRegion(), bottomUp.GetRegion()));
}

TEST_F(RgnButtonTest, UnreadableFirstFilesTakeTheOutlineFromTheNextFaceAndNoneLeaveAnEmptyButton) {
  auto header = skintest::MakeBmp(kWidth, kHeight, Picture(kNormal));
  auto truncated = header;
  truncated.resize(truncated.size() / 2);
  auto lying = header;
  lying[22] = 0xFF;  // height 255 + ..., far more rows than the file holds
  lying[23] = 0x7F;
  const std::vector<std::vector<std::uint8_t>> damaged = {{}, {'P', 'K', 3, 4}, truncated, lying};
  CRgnButton reference;
  Make(reference);
  for (std::size_t i = 0; i < damaged.size(); ++i) {
    skintest::WriteBytes(File(L"n"), damaged[i]);
    CRgnButton button;
    Make(button);
    ASSERT_NE(button.GetRegion(), nullptr) << i;  // the over face's outline, the same shape
    EXPECT_TRUE(::EqualRgn(button.GetRegion(), reference.GetRegion())) << i;
    const RECT rect = button.GetWindowRect();
    EXPECT_EQ(rect.right - rect.left, kWidth) << i;
  }
  CRgnButton missing;
  missing.SetFiles(folder.File(L"none.bmp"), L"", L"", L"");
  ASSERT_TRUE(missing.Create(host.GetHwnd()));
  EXPECT_EQ(missing.GetRegion(), nullptr);
  const RECT rect = missing.GetWindowRect();
  EXPECT_EQ(rect.right - rect.left, 0);
  skintest::ClickAt(host.GetHwnd(), POINT{5, 5});
  skintest::PumpFor(50);
  EXPECT_EQ(Commands(), 0);
}

TEST_F(RgnButtonTest, FiveHundredButtonsLeaveNothingBehind) {
  const long handles = win::LiveHandleCount();
  const int windows = skintest::ThreadWindowCount();
  for (int i = 0; i < 500; ++i) {
    CRgnButton button;
    Make(button, false);
    button.SetTooltip(L"tip");
    ::UpdateWindow(button.GetHwnd());
  }
  EXPECT_EQ(win::LiveHandleCount(), handles);
  EXPECT_EQ(skintest::ThreadWindowCount(), windows);
  EXPECT_EQ(::GetWindow(host.GetHwnd(), GW_CHILD), nullptr);
}

}  // namespace
}  // namespace skin
