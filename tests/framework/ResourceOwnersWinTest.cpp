// Handle owners, device contexts, tooltips and GDI+, and the proof that windows and dialogs made and
// destroyed 500 times leave no handle and no window behind (Wine's GetGuiResources always says 0).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <utility>

#include "TestSupport.h"
#include "framework/Controls.h"
#include "framework/DeviceContext.h"
#include "framework/Dialog.h"
#include "framework/Gdiplus.h"
#include "framework/ToolTip.h"
#include "platform/win32/Handles.h"
#include "resources/Resource.h"

namespace {

long Live() { return win::LiveHandleCount(); }

TEST(Owners, CountWhatTheyHoldThroughMovesResetsAndHandOffs) {
  const long start = Live();
  {
    win::Bitmap first(::CreateBitmap(4, 4, 1, 32, nullptr));
    EXPECT_EQ(Live(), start + 1);
    win::Bitmap second = std::move(first);
    EXPECT_EQ(Live(), start + 1) << "a move hands over, it does not copy";
    second.reset(::CreateBitmap(2, 2, 1, 32, nullptr));
    EXPECT_EQ(Live(), start + 1) << "reset releases the old one";
    HBITMAP given = second.release();
    EXPECT_EQ(Live(), start);
    ::DeleteObject(given);
    win::File missing(INVALID_HANDLE_VALUE);
    EXPECT_EQ(Live(), start) << "an invalid handle is not counted";
    win::WindowDC dc(nullptr);
    EXPECT_EQ(Live(), start + 1);
  }
  EXPECT_EQ(Live(), start);
}

// Fills a 32-bit DIB section with one colour and reads a pixel back.
struct Canvas {
  Canvas(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels), nullptr, 0));
    dc.reset(::CreateCompatibleDC(nullptr));
    selected.emplace(dc.get(), bitmap.get());
    this->width = width;
  }
  DWORD At(int x, int y) const {
    ::GdiFlush();
    return pixels[y * width + x] & 0xFFFFFF;
  }
  win::Bitmap bitmap;
  win::MemDC dc;
  std::optional<win::SelectGuard> selected;
  DWORD* pixels = nullptr;
  int width = 0;
};

TEST(OffscreenBuffer, ComposesOffScreenAndCopiesInOneStep) {
  Canvas target(20, 10);
  win::OffscreenBuffer buffer(target.dc.get(), 8, 10);
  ASSERT_TRUE(buffer);
  RECT all{0, 0, 8, 10};
  win::Brush red(::CreateSolidBrush(RGB(255, 0, 0)));
  ::FillRect(buffer.get(), &all, red.get());
  EXPECT_EQ(target.At(6, 5), 0u) << "nothing reaches the target before the copy";
  ASSERT_TRUE(buffer.CopyTo(target.dc.get(), 5, 0));
  EXPECT_EQ(target.At(4, 5), 0u);
  EXPECT_EQ(target.At(5, 5), 0xFF0000u);  // DIB pixels are 0x00RRGGBB
  EXPECT_EQ(target.At(12, 9), 0xFF0000u);
  EXPECT_EQ(target.At(13, 9), 0u);

  win::OffscreenBuffer empty(target.dc.get(), 0, 5);  // a window not sized yet
  EXPECT_FALSE(empty);
  EXPECT_FALSE(empty.CopyTo(target.dc.get()));
}

TEST(ToolTip, OneToolCoversTheWindowAndCarriesItsText) {
  CWnd window;
  ASSERT_TRUE(window.CreateEx(0, nullptr, L"tip", WS_POPUP, RECT{0, 0, 60, 30}, nullptr));
  CToolTip tip;
  ASSERT_TRUE(tip.Create(window.GetHwnd()));
  EXPECT_FALSE(tip.HasTool(window.GetHwnd()));
  ASSERT_TRUE(tip.AddTool(window.GetHwnd(), L"F1"));
  EXPECT_TRUE(tip.HasTool(window.GetHwnd()));
  EXPECT_EQ(tip.GetToolText(window.GetHwnd()), L"F1");
  tip.SetToolText(window.GetHwnd(), L"");
  EXPECT_EQ(tip.GetToolText(window.GetHwnd()), L"");

  window.MoveWindow(0, 0, 90, 40);
  tip.UpdateToolRect(window.GetHwnd());
  TTTOOLINFOW info{TTTOOLINFOW_V2_SIZE};
  info.hwnd = window.GetHwnd();
  info.uId = 1;
  tip.RelayEvent(MSG{window.GetHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)});
  ASSERT_TRUE(::SendMessageW(tip.GetHwnd(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(info.rect.right, 90);
  EXPECT_EQ(info.rect.bottom, 40);
}

// A window that uses every owner while it lives: paint and window DCs, an off-screen buffer, a font,
// a region handed to the system, a tooltip, GDI+ images, an owner-drawn child drawing its face.
class Busy : public CWnd {
 public:
  void OnPaint() override {
    win::PaintDC paint(m_hWnd);
    const RECT client = GetClientRect();
    win::OffscreenBuffer buffer(paint.get(), client.right, client.bottom);
    win::Font font(::CreateFontW(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS, L"Arial"));
    win::SelectGuard selected(buffer.get(), font.get());
    ::TextOutW(buffer.get(), 2, 2, L"busy", 4);
    buffer.CopyTo(paint.get());
  }
  int OnCreate(CREATESTRUCTW& cs) override {
    win::Region shape(::CreateRectRgn(0, 0, 50, 30));
    if (::SetWindowRgn(m_hWnd, shape.get(), FALSE)) (void)shape.release();  // the window owns it now
    tip.Create(m_hWnd);
    tip.AddTool(m_hWnd, L"busy");
    win::GdiplusBitmap picture(new Gdiplus::Bitmap(40, 20, PixelFormat32bppARGB));
    face.reset(picture.get()->Clone(0, 0, 20, 20, PixelFormat32bppARGB));
    win::WindowDC whole(m_hWnd, win::WindowDC::Area::Window);
    return CWnd::OnCreate(cs);
  }
  CToolTip tip;
  win::GdiplusBitmap face;
};

class FaceButton : public CButton {
 public:
  void DrawItem(DRAWITEMSTRUCT& dis) override {
    win::MemDC source(::CreateCompatibleDC(dis.hDC));
    win::Bitmap look(::CreateCompatibleBitmap(dis.hDC, 10, 10));
    win::SelectGuard selected(source.get(), look.get());
    ::BitBlt(dis.hDC, 0, 0, 10, 10, source.get(), 0, 0, SRCCOPY);
  }
};

class ButtonPanel : public CDialog {
 public:
  ButtonPanel() : CDialog(IDD_SINGLEKEY) {}
  BOOL OnInitDialog() override {
    button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{5, 5, 45, 25}, m_hWnd);
    PostMessage(WM_APP);
    return CDialog::OnInitDialog();
  }
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_APP) EndDialog(IDOK);
    return CDialog::WindowProc(msg, wParam, lParam);
  }
  FaceButton button;
};

TEST(Cycles, FiveHundredWindowsAndDialogsLeaveNothingBehind) {
  win::GdiplusSession gdiplus;
  ASSERT_TRUE(gdiplus.Started());
  const long handles = Live();
  const int windows = fwtest::ThreadWindowCount();
  constexpr int kCycles = 500;
  int okRuns = 0;
  for (int i = 0; i < kCycles; ++i) {
    {
      Busy busy;
      ASSERT_TRUE(busy.CreateEx(0, nullptr, L"busy", WS_POPUP | WS_VISIBLE, RECT{300, 300, 360, 340}, nullptr));
      ::UpdateWindow(busy.GetHwnd());
      ButtonPanel modeless;
      ASSERT_TRUE(modeless.Create(busy.GetHwnd()));
      modeless.ShowWindow(SW_SHOWNOACTIVATE);
      ::UpdateWindow(modeless.GetHwnd());
      modeless.DestroyWindow();
    }  // the busy window goes with its object
    ButtonPanel modal;
    okRuns += modal.DoModal() == IDOK;
  }
  fwtest::PumpFor(50);
  EXPECT_EQ(okRuns, kCycles);
  EXPECT_EQ(Live(), handles);
  EXPECT_EQ(fwtest::ThreadWindowCount(), windows);
}

}  // namespace
