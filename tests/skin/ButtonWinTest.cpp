#include <gtest/gtest.h>

#include "skin/BitmapBtn.h"
#include "skin/BitmapBtn2.h"
#include "skin/SkinImage.h"
#include "tests/skin/WinSkinSupport.h"

namespace skin {
namespace {

using skintest::HostWindow;
using skintest::Near;
using skintest::WindowPixel;

constexpr COLORREF kNormal = RGB(200, 0, 0);
constexpr COLORREF kOver = RGB(0, 200, 0);
constexpr COLORREF kDown = RGB(0, 0, 200);
constexpr COLORREF kDisabled = RGB(200, 200, 0);
constexpr RECT kButtonRect{40, 40, 148, 65};  // 108 × 25

class BitmapBtn2Test : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::MoveAway();
    ASSERT_TRUE(button.Create(kButtonRect, host.GetHwnd()));
    button.SetFaces(normal.get(), over.get(), down.get(), disabled.get(), kButtonRect.left, kButtonRect.top,
                    kButtonRect.right, kButtonRect.bottom);
    button.Invalidate(false);
    skintest::PumpFor(30);
  }
  // The face colour shows at the button's top-left corner, away from any caption.
  COLORREF Corner() { return WindowPixel(button.GetHwnd(), 1, 1); }

  HostWindow host;
  win::Bitmap normal = skintest::SolidBitmap(300, 200, kNormal);
  win::Bitmap over = skintest::SolidBitmap(300, 200, kOver);
  win::Bitmap down = skintest::SolidBitmap(300, 200, kDown);
  win::Bitmap disabled = skintest::SolidBitmap(300, 200, kDisabled);
  CBitmapBtn2 button;
};

TEST_F(BitmapBtn2Test, FacesAreCutAtTheButtonsRectangle) {
  EXPECT_EQ(BitmapSize(button.GetFace(Face::Normal)).cx, 108);
  EXPECT_EQ(BitmapSize(button.GetFace(Face::Down)).cy, 25);
  EXPECT_EQ(button.GetStyle() & (WS_TABSTOP | WS_BORDER), 0u);
  EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
  EXPECT_TRUE(Near(Corner(), kNormal));
}

TEST_F(BitmapBtn2Test, AClickSendsOneCommandNamingTheButton) {
  skintest::ClickAt(button.GetHwnd(), skintest::CentreOf(button.GetHwnd()));
  ASSERT_TRUE(skintest::PumpUntil([&] { return !host.commandsFrom().empty(); }));
  skintest::PumpFor(50);
  const auto commands = host.Received(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(reinterpret_cast<HWND>(commands[0].lParam), button.GetHwnd());
  EXPECT_EQ(HIWORD(commands[0].wParam), BN_CLICKED);
}

TEST_F(BitmapBtn2Test, HoverShowsTheOverFaceUntilTheMouseLeaves) {
  skintest::MoveTo(button.GetHwnd(), skintest::CentreOf(button.GetHwnd()));
  EXPECT_TRUE(skintest::PumpUntil([&] { return button.IsHighlighted(); }));
  EXPECT_TRUE(Near(Corner(), kOver));
  skintest::MoveTo(host.GetHwnd(), POINT{400, 300});
  EXPECT_TRUE(skintest::PumpUntil([&] { return !button.IsHighlighted(); }));
  EXPECT_TRUE(Near(Corner(), kNormal));
}

TEST_F(BitmapBtn2Test, DisabledShowsTheDisabledFaceAndTakesNoClick) {
  button.EnableWindow(false);
  EXPECT_TRUE(Near(Corner(), kDisabled));
  skintest::ClickAt(button.GetHwnd(), skintest::CentreOf(button.GetHwnd()));
  skintest::PumpFor(100);
  EXPECT_TRUE(host.commandsFrom().empty());
}

TEST_F(BitmapBtn2Test, ToggleFlipsOnEveryClickAndShowsCheckedEvenWhileDisabled) {
  button.toggleMode = 1;
  for (int click = 1; click <= 3; ++click) {
    skintest::ClickAt(button.GetHwnd(), skintest::CentreOf(button.GetHwnd()));
    ASSERT_TRUE(skintest::PumpUntil([&] { return static_cast<int>(host.commandsFrom().size()) == click; }))
        << click << " checked " << button.GetChecked() << " commands " << host.commandsFrom().size();
    EXPECT_EQ(button.GetChecked(), click % 2);
  }
  skintest::PumpFor(50);
  EXPECT_EQ(host.commandsFrom().size(), 3u);
  EXPECT_TRUE(Near(Corner(), kDown));
  skintest::MoveAway();
  button.EnableWindow(false);
  EXPECT_TRUE(Near(Corner(), kDown));
  button.SetChecked(0);
  EXPECT_TRUE(Near(Corner(), kNormal));
}

TEST_F(BitmapBtn2Test, TooltipIsMadeWhenTheMouseComesAndFollowsItsText) {
  button.SetTooltip(L"F1");
  EXPECT_FALSE(button.GetTooltip().IsCreated());
  fwtest::MoveTo(button.GetHwnd(), fwtest::CentreOf(button.GetHwnd()));
  skintest::PumpFor(50);
  ASSERT_TRUE(button.GetTooltip().IsCreated());
  EXPECT_EQ(button.GetTooltip().GetToolText(button.GetHwnd()), L"F1");
  button.SetTooltip(L"Mute");
  EXPECT_EQ(button.GetTooltip().GetToolText(button.GetHwnd()), L"Mute");
  skintest::MoveAway();
}

TEST_F(BitmapBtn2Test, CaptionIsDrawnInTheColourOfTheState) {
  constexpr COLORREF kText = RGB(255, 255, 255);
  button.textColour = kText;
  button.SetCaption(L"\x2588\x2588\x2588\x2588\x2588\x2588");  // full blocks: ink in the middle
  const POINT middle = skintest::CentreOf(button.GetHwnd());
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), middle.x, middle.y), kText, 40));
  button.EnableWindow(false);
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), middle.x, middle.y), kDisabledTextColour, 40));
}

class BitmapBtnTest : public ::testing::Test {
 protected:
  void SetUp() override { skintest::MoveAway(); }
  void Make(const RECT& rect) {
    ASSERT_TRUE(button.Create(rect, host.GetHwnd()));
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    button.SetImageFaces(0, 0, w, h, normal.get(), over.get(), down.get(), normal.get());
    button.Invalidate(false);
    skintest::PumpFor(30);
  }

  HostWindow host;
  win::GdiplusBitmap normal = skintest::SolidImage(300, 300, RGB(0, 0, 0));
  win::GdiplusBitmap over = skintest::SolidImage(300, 300, kOver);
  win::GdiplusBitmap down = skintest::SolidImage(300, 300, kDown);
  CBitmapBtn button;
};

TEST_F(BitmapBtnTest, ReleaseClickModeTakesAReleaseOfAPressStartedElsewhere) {
  Make(RECT{40, 40, 221, 60});
  button.releaseClick = 1;
  skintest::MoveTo(host.GetHwnd(), POINT{400, 300});
  skintest::LeftDown();
  skintest::MoveTo(button.GetHwnd(), skintest::CentreOf(button.GetHwnd()));
  skintest::LeftUp();
  ASSERT_TRUE(skintest::PumpUntil([&] { return !host.commandsFrom().empty(); }));
  EXPECT_EQ(host.commandsFrom().front(), button.GetHwnd());
  EXPECT_EQ(button.releaseClick, 0) << "the mode ends with its click";

  // Afterwards it is an ordinary button again: the same gesture does nothing.
  skintest::MoveTo(host.GetHwnd(), POINT{400, 300});
  skintest::LeftDown();
  skintest::MoveTo(button.GetHwnd(), skintest::CentreOf(button.GetHwnd()));
  skintest::LeftUp();
  skintest::PumpFor(100);
  EXPECT_EQ(host.commandsFrom().size(), 1u);
}

TEST_F(BitmapBtnTest, MovesAreForwardedToTheParentInScreenCoordinates) {
  Make(RECT{40, 40, 221, 60});
  const POINT client{30, 10};
  skintest::MoveTo(button.GetHwnd(), client);
  const POINT screen = skintest::ScreenPoint(button.GetHwnd(), client);
  ASSERT_TRUE(skintest::PumpUntil([&] { return !host.Received(WM_MOUSEMOVE).empty(); }));
  const auto moves = host.Received(WM_MOUSEMOVE);
  const auto last = moves.back();
  EXPECT_EQ(static_cast<SHORT>(LOWORD(last.lParam)), screen.x);
  EXPECT_EQ(static_cast<SHORT>(HIWORD(last.lParam)), screen.y);
  EXPECT_TRUE(button.IsHovered());
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), 1, 1), kOver));
}

TEST_F(BitmapBtnTest, HighlightAndCheckedPickTheirFaces) {
  Make(RECT{40, 40, 221, 60});
  button.SetHighlight(1);
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), 1, 1), kOver));
  button.SetHighlight(0);
  button.checked = 1;
  button.Invalidate(false);
  EXPECT_TRUE(Near(WindowPixel(button.GetHwnd(), 1, 1), kDown));
}

// Where the caption's ink lies: bounding box and how much of it is in the lower half.
struct Ink {
  RECT box{10000, 10000, -1, -1};
  int lower = 0, upper = 0;
};
Ink InkOf(HWND window) {
  const RECT client = [&] {
    RECT r{};
    ::GetClientRect(window, &r);
    return r;
  }();
  ::UpdateWindow(window);
  HDC dc = ::GetDC(window);
  Ink ink;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) {
      if (GetRValue(::GetPixel(dc, x, y)) < 128) continue;
      ink.box = {std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y), std::max<LONG>(ink.box.right, x),
                 std::max<LONG>(ink.box.bottom, y)};
      (y >= client.bottom / 2 ? ink.lower : ink.upper)++;
    }
  ::ReleaseDC(window, dc);
  return ink;
}

TEST_F(BitmapBtnTest, RotatedCaptionsRunAlongTheVerticalCentreLine) {
  Make(RECT{40, 40, 80, 260});  // 40 × 220
  button.caption = L"WWWWWW......";
  button.fontFace = CaptionFont::Arial;
  button.textColour = RGB(255, 255, 255);
  button.placement = CaptionPlacement::Rotated90;
  button.Invalidate(false);
  Ink ink = InkOf(button.GetHwnd());
  ASSERT_GT(ink.box.right, ink.box.left);
  EXPECT_GT(ink.box.bottom - ink.box.top, 3 * (ink.box.right - ink.box.left)) << "the text runs vertically";
  EXPECT_NEAR((ink.box.left + ink.box.right) / 2, 20, 6);
  EXPECT_GT(ink.lower, ink.upper) << "90 degrees reads bottom-up: the Ws start at the bottom";

  button.placement = CaptionPlacement::Rotated270;
  button.Invalidate(false);
  ink = InkOf(button.GetHwnd());
  EXPECT_GT(ink.box.bottom - ink.box.top, 3 * (ink.box.right - ink.box.left));
  EXPECT_GT(ink.upper, ink.lower) << "270 degrees reads top-down";
}

TEST(ButtonLifetime, FiveHundredButtonsLeaveNothingBehind) {
  HostWindow host;
  win::Bitmap picture = skintest::SolidBitmap(200, 100, kNormal);
  win::GdiplusBitmap image = skintest::SolidImage(200, 100, kOver);
  const long handles = win::LiveHandleCount();
  const int windows = skintest::ThreadWindowCount();
  for (int i = 0; i < 500; ++i) {
    {
      CBitmapBtn2 gdi;
      ASSERT_TRUE(gdi.Create(RECT{0, 0, 50, 20}, host.GetHwnd()));
      gdi.SetFaces(picture.get(), picture.get(), picture.get(), picture.get(), 0, 0, 50, 20);
      gdi.SetCaption(L"OK");
      gdi.SetTooltip(L"tip");
      ::UpdateWindow(gdi.GetHwnd());
    }
    {
      CBitmapBtn gdiplus;
      ASSERT_TRUE(gdiplus.Create(RECT{0, 30, 50, 50}, host.GetHwnd()));
      gdiplus.SetImageFaces(0, 0, 50, 20, image.get(), image.get(), image.get(), image.get());
      gdiplus.caption = L"Menu";
      gdiplus.SetTooltip(L"tip");
      ::UpdateWindow(gdiplus.GetHwnd());
    }
  }
  EXPECT_EQ(win::LiveHandleCount(), handles);
  EXPECT_EQ(::GetWindow(host.GetHwnd(), GW_CHILD), nullptr);
  EXPECT_EQ(skintest::ThreadWindowCount(), windows) << "every tooltip went with its button";
}

}  // namespace
}  // namespace skin
