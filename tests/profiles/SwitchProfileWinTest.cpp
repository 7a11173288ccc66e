// The profile-switch dialog for real under Wine, with the shipped texts and skin beside the test, driven
// by real clicks on its buttons from inside the modal run.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "platform/ProgramFolders.h"
#include "platform/win32/Text.h"
#include "profiles/SwitchProfile.h"
#include "skin/SkinImage.h"
#include "tests/framework/TestSupport.h"

namespace {

using Values = profiles::ProfileSwitchValues;
using D = CSwitchProfile;

constexpr RECT kButtonRects[] = {  // by button index
    {261, 98, 353, 120}, {354, 98, 446, 120}, {261, 9, 277, 22}, {261, 56, 277, 68},
    {362, 20, 375, 29},  {362, 57, 375, 65},  {70, 146, 82, 158},
};

void Click(D& dialog, D::Button button, int times = 1) {
  const RECT& r = kButtonRects[button];
  for (int i = 0; i < times; ++i) fwtest::ClickAt(dialog.GetHwnd(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}
bool Enabled(D& dialog, D::Button button) { return ::IsWindowEnabled(dialog.GetButton(button).GetHwnd()); }

INT_PTR RunAndAct(D& dialog, std::function<void(D&)> act) {
  return fwtest::DoModalAndAct(dialog, std::move(act));
}

TEST(SwitchProfile, StepsStopAtProfile10AndLayer3AndOkReturnsTheValues) {
  D dialog(0);
  dialog.SetValues(0, 0, 0);
  const INT_PTR result = RunAndAct(dialog, [](D& d) {
    const RECT rect = d.GetWindowRect();
    EXPECT_EQ(rect.right - rect.left, 458);  // the size of its skin
    EXPECT_EQ(rect.bottom - rect.top, 174);
    EXPECT_FALSE(Enabled(d, D::kProfileDown));
    Click(d, D::kProfileUp, 10);
    EXPECT_EQ(d.Values().profile, 9);
    EXPECT_FALSE(Enabled(d, D::kProfileUp));
    EXPECT_TRUE(Enabled(d, D::kProfileDown));
    Click(d, D::kLayerUp, 2);
    EXPECT_EQ(d.Values().layer, 2);
    EXPECT_FALSE(Enabled(d, D::kLayerUp));
    Click(d, D::kDisplay);
    EXPECT_EQ(d.Values().showOsd, 1);
    EXPECT_TRUE(d.GetButton(D::kDisplay).GetChecked());
    fwtest::PressKey(VK_RETURN);
    fwtest::PressKey(VK_ESCAPE);
    fwtest::PumpFor(200);
    EXPECT_TRUE(d.IsWindowVisible()) << "Enter and Esc must not close it";
    Click(d, D::kOk);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.Values(), (Values{9, 2, 1}));
}

TEST(SwitchProfile, OpensWithTheKeysValuesAndCancels) {
  D dialog(1);
  dialog.SetValues(1, 2, 1);
  const INT_PTR result = RunAndAct(dialog, [](D& d) {
    EXPECT_FALSE(Enabled(d, D::kLayerUp));
    EXPECT_TRUE(d.GetButton(D::kDisplay).GetChecked());
    Click(d, D::kProfileDown);
    EXPECT_FALSE(Enabled(d, D::kProfileDown));
    Click(d, D::kDisplay);
    EXPECT_FALSE(d.GetButton(D::kDisplay).GetChecked());
    Click(d, D::kCancel);
  });
  EXPECT_EQ(result, IDCANCEL);
}

COLORREF PixelOfSkin(const char16_t* file, POINT at) {
  skin::SkinBitmap picture;
  skin::LoadSkinBitmap(win::Wide(skin::SkinFilePath(platform::Folders().exe, file)).c_str(), picture);
  win::MemDC dc(::CreateCompatibleDC(nullptr));
  win::SelectGuard selected(dc.get(), picture.get());
  return ::GetPixel(dc.get(), at.x, at.y);
}

TEST(SwitchProfile, TheBackgroundFollowsTheLayerBeingEdited) {
  constexpr POINT kCard{40, 14};  // the profile card's outline, in each layer's colour
  const COLORREF first = PixelOfSkin(u"profile switch_normal1.jpg", kCard);
  const COLORREF second = PixelOfSkin(u"profile switch_normal2.jpg", kCard);
  const COLORREF third = PixelOfSkin(u"profile switch_normal3.jpg", kCard);
  ASSERT_TRUE(first != second && second != third && first != third);
  const std::pair<int, COLORREF> cases[] = {{0, first}, {1, second}, {2, third}, {3, first}};
  for (const auto& [layer, expected] : cases) {
    D dialog(layer);
    ASSERT_TRUE(dialog.Create(nullptr));
    dialog.ShowWindow(SW_SHOWNOACTIVATE);
    ::UpdateWindow(dialog.GetHwnd());
    HDC dc = ::GetDC(dialog.GetHwnd());
    EXPECT_EQ(::GetPixel(dc, kCard.x, kCard.y), expected) << layer;
    ::ReleaseDC(dialog.GetHwnd(), dc);
    dialog.DestroyWindow();
  }
}

}  // namespace
