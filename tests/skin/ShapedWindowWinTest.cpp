#include <gtest/gtest.h>

#include <thread>

#include "framework/Dialog.h"
#include "platform/win32/Text.h"
#include "resources/Resource.h"
#include "skin/BitmapBtn2.h"
#include "skin/ShapedWindow.h"
#include "tests/skin/WinSkinSupport.h"

namespace skin {
namespace {

constexpr int kWidth = 400, kHeight = 300;
constexpr RECT kOkRect{258, 228, 366, 253};

// A dialog built the way every skinned dialog is.
class SkinnedDialog : public CDialog {
 public:
  explicit SkinnedDialog(DialogSkinFiles files) : CDialog(IDD_WARNING), m_files(std::move(files)) {}

  DialogSkin skin;
  CBitmapBtn2 ok;
  int paints = 0;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    skin.Load(m_files);
    skin.Place(m_hWnd, 120, 110);
    skin.AddButton(ok, m_hWnd, kOkRect);
    ok.SetCaption(L"OK");
    skin.Finish(m_hWnd);
    return TRUE;
  }
  void OnPaint() override {
    ++paints;
    skin.Paint(m_hWnd, [](HDC dc) {
      ::SetBkMode(dc, TRANSPARENT);
      ::TextOutW(dc, 10, 10, L"Title", 5);
    });
  }
  bool OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (reinterpret_cast<HWND>(lParam) == ok.GetHwnd()) {
      EndDialog(IDOK);
      return true;
    }
    return CDialog::OnCommand(wParam, lParam);
  }
  bool PreTranslateMessage(MSG& msg) override {
    if (IsEnterOrEscKey(msg)) return true;
    return CDialog::PreTranslateMessage(msg);
  }
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_LBUTTONDOWN) {
      MoveByBody(m_hWnd, lParam);
      return 0;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
  }

 private:
  DialogSkinFiles m_files;
};

// Each picture says which face it is in red and where each pixel is in green and blue.
skintest::Colourer Picture(std::uint8_t face) {
  return [face](int x, int y) { return Bgr{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), face}; };
}

class ShapedWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::MoveAway();
    files = DialogSkinSet(win::Utf16(folder.Folder()), u"warning", u"bmp");
    skintest::WriteBmp(Path(files.normal), kWidth, kHeight, Picture(10));
    skintest::WriteBmp(Path(files.over), kWidth, kHeight, Picture(20));
    skintest::WriteBmp(Path(files.down), kWidth, kHeight, Picture(30));
    // Outside: the top-left 20 × 20 corner.
    skintest::WriteBmp(Path(files.mask), kWidth, kHeight,
                       [](int x, int y) { return x < 20 && y < 20 ? Bgr{255, 255, 255} : Bgr{0, 0, 0}; });
  }
  static std::wstring Path(const std::u16string& path) { return win::Wide(path); }

  skintest::ScratchFolder folder;
  DialogSkinFiles files;
};

TEST_F(ShapedWindowTest, BuildsItsSizeShapeAndButtonFacesFromTheSkin) {
  SkinnedDialog dialog(files);
  ASSERT_TRUE(dialog.Create());
  dialog.ShowWindow(SW_SHOW);
  skintest::PumpFor(50);
  const RECT window = dialog.GetWindowRect();
  EXPECT_EQ(window.left, 120);
  EXPECT_EQ(window.right - window.left, kWidth);
  EXPECT_EQ(window.bottom - window.top, kHeight);

  win::Region shape(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(dialog.GetHwnd(), shape.get()), ERROR);
  EXPECT_FALSE(::PtInRegion(shape.get(), 5, 5));
  EXPECT_TRUE(::PtInRegion(shape.get(), 25, 5));

  // Faces of 108 × 25 from exactly (258, 228) of each picture; the normal one is also the disabled face.
  const std::pair<Face, std::uint8_t> faces[] = {
      {Face::Normal, 10}, {Face::Over, 20}, {Face::Down, 30}, {Face::Disabled, 10}};
  for (const auto& [face, red] : faces) {
    HBITMAP bitmap = dialog.ok.GetFace(face);
    ASSERT_EQ(BitmapSize(bitmap).cx, 108);
    ASSERT_EQ(BitmapSize(bitmap).cy, 25);
    EXPECT_EQ(skintest::PixelOf(bitmap, 0, 0), RGB(red, 228, 258 & 0xFF));
    EXPECT_EQ(skintest::PixelOf(bitmap, 107, 24), RGB(red, 252, 365 & 0xFF));
  }
  EXPECT_EQ(dialog.skin.over(), nullptr) << "the over and down pictures go once the faces are cut";
  EXPECT_EQ(dialog.skin.down(), nullptr);
  EXPECT_NE(dialog.skin.normal(), nullptr);

  // The background is the normal picture, composed with the texts.
  EXPECT_EQ(skintest::WindowPixel(dialog.GetHwnd(), 200, 150), RGB(10, 150, 200));
  EXPECT_GT(dialog.paints, 0);
}

TEST_F(ShapedWindowTest, EnterAndEscNeverCloseItOnlyItsButtonDoes) {
  SkinnedDialog dialog(files);
  ASSERT_TRUE(dialog.Create());
  dialog.ShowWindow(SW_SHOW);
  ::SetForegroundWindow(dialog.GetHwnd());
  skintest::PumpFor(50);
  for (WORD key : {VK_RETURN, VK_ESCAPE}) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
    skintest::PumpFor(80);
    EXPECT_TRUE(dialog.IsWindowVisible()) << key;
  }
  skintest::ClickAt(dialog.ok.GetHwnd(), skintest::CentreOf(dialog.ok.GetHwnd()));
  ASSERT_TRUE(skintest::PumpUntil([&] { return !dialog.IsWindowVisible(); }));
  EXPECT_EQ(dialog.GetResult(), IDOK);
}

TEST_F(ShapedWindowTest, DraggingTheBodyMovesTheWindow) {
  SkinnedDialog dialog(files);
  ASSERT_TRUE(dialog.Create());
  dialog.ShowWindow(SW_SHOW);
  skintest::PumpFor(50);
  const RECT before = dialog.GetWindowRect();
  skintest::MoveTo(dialog.GetHwnd(), POINT{100, 100});
  // The move runs its own loop once the press arrives; the rest of the drag comes from another thread.
  std::thread drag([&] {
    ::Sleep(300);
    skintest::SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, POINT{before.left + 140, before.top + 125});
    ::Sleep(150);
    skintest::SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, POINT{before.left + 160, before.top + 140});
    ::Sleep(150);
    skintest::SendMouse(MOUSEEVENTF_LEFTUP);
  });
  skintest::SendMouse(MOUSEEVENTF_LEFTDOWN);
  skintest::PumpUntil([&] { return dialog.GetWindowRect().left == before.left + 60; }, 2000);
  drag.join();
  skintest::PumpFor(100);
  const RECT after = dialog.GetWindowRect();
  EXPECT_EQ(after.left - before.left, 60);
  EXPECT_EQ(after.top - before.top, 40);
}

TEST_F(ShapedWindowTest, MissingPicturesLeaveTheTemplateSizeWithoutShape) {
  const auto missing = DialogSkinSet(win::Utf16(folder.Folder()), u"nothing", u"jpg");
  SkinnedDialog dialog(missing);
  ASSERT_TRUE(dialog.Create());
  dialog.ShowWindow(SW_SHOW);
  skintest::PumpFor(30);
  const RECT window = dialog.GetWindowRect();
  EXPECT_GT(window.right - window.left, 0);  // not a window of 0 × 0 that nobody can see or close
  EXPECT_GT(window.bottom - window.top, 0);
  win::Region shape(::CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(::GetWindowRgn(dialog.GetHwnd(), shape.get()), ERROR);
  EXPECT_EQ(dialog.ok.GetFace(Face::Normal), nullptr);
  EXPECT_TRUE(::IsWindow(dialog.ok.GetHwnd()));
}

// A damaged set: the normal picture missing sizes the window from the next face; a mask that leaves
// nothing inside gives no shape rather than an invisible window.
TEST_F(ShapedWindowTest, AMissingNormalPictureOrAnAllWhiteMaskStillLeavesAVisibleWindow) {
  ::DeleteFileW(Path(files.normal).c_str());
  skintest::WriteBmp(Path(files.mask), kWidth, kHeight, [](int, int) { return Bgr{255, 255, 255}; });
  SkinnedDialog dialog(files);
  ASSERT_TRUE(dialog.Create());
  const RECT window = dialog.GetWindowRect();
  EXPECT_EQ(window.right - window.left, kWidth);
  EXPECT_EQ(window.bottom - window.top, kHeight);
  win::Region shape(::CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(::GetWindowRgn(dialog.GetHwnd(), shape.get()), ERROR);
}

TEST_F(ShapedWindowTest, JpegSetsLoadLikeTheShippedDialogs) {
  const auto jpeg = DialogSkinSet(win::Utf16(folder.Folder()), u"key behavior", u"jpg");
  for (const auto* path : {&jpeg.normal, &jpeg.over, &jpeg.down})
    ASSERT_TRUE(skintest::WriteJpeg(Path(*path), kWidth, kHeight, Picture(100)));
  skintest::WriteBmp(Path(jpeg.mask), kWidth, kHeight, [](int, int) { return Bgr{0, 0, 0}; });
  SkinnedDialog dialog(jpeg);
  ASSERT_TRUE(dialog.Create());
  EXPECT_EQ(dialog.skin.size().cx, kWidth);
  EXPECT_EQ(BitmapSize(dialog.ok.GetFace(Face::Over)).cx, 108);
}

TEST_F(ShapedWindowTest, FiveHundredDialogsLeaveNothingBehind) {
  const long handles = win::LiveHandleCount();
  const int windows = skintest::ThreadWindowCount();
  for (int i = 0; i < 500; ++i) {
    SkinnedDialog dialog(files);
    ASSERT_TRUE(dialog.Create());
    dialog.ok.SetTooltip(L"OK");
    dialog.ShowWindow(SW_SHOW);
    ::UpdateWindow(dialog.GetHwnd());
  }
  EXPECT_EQ(win::LiveHandleCount(), handles);
  EXPECT_EQ(skintest::ThreadWindowCount(), windows);
}

}  // namespace
}  // namespace skin
