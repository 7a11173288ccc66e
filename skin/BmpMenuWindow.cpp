#include "skin/BmpMenuWindow.h"

#include <algorithm>

#include "skin/ShapedWindow.h"

namespace skin {

void CBmpMenuWindow::LoadSkin(const MenuSkinPaths& paths) {
  m_images[0] = LoadSkinImage(paths.normal.c_str());
  m_images[1] = LoadSkinImage(paths.over.c_str());
  m_images[2] = LoadSkinImage(paths.down.c_str());
  m_images[3] = LoadSkinImage(paths.fourth.c_str());
  LoadSkinBitmap(paths.mask.c_str(), m_mask);
}

int CBmpMenuWindow::EntryOf(HWND button) const {
  if (!button) return -1;
  for (int i = 0; i < m_entryCount; ++i)
    if (m_entries[static_cast<std::size_t>(i)].GetHwnd() == button) return i;
  return -1;
}

void CBmpMenuWindow::PlaceAndShow(bool activate) {
  const SIZE size = ImageSize();
  // A popup menu stays above every other window while it is open (the owners close it when the program
  // loses the activation). Merely owned, it can fall behind its owner's owner when a submenu closes.
  const UINT keepSize = size.cx > 0 && size.cy > 0 ? 0 : SWP_NOSIZE;  // no picture at all: the template's
  SetWindowPos(HWND_TOPMOST, x, y, size.cx, size.cy, SWP_SHOWWINDOW | keepSize | (activate ? 0 : SWP_NOACTIVATE));
}

void CBmpMenuWindow::CreateEntries(const BmpMenuList& list, const std::vector<Rect>& rects,
                                   const EntryTextStyle& style) {
  const int count = std::min(static_cast<int>(std::min(list.size(), rects.size())), kMaxMenuEntries);
  for (int i = 0; i < count; ++i) {
    const auto& entry = list[static_cast<std::size_t>(i)];
    const Rect& r = rects[static_cast<std::size_t>(i)];
    CBitmapBtn& button = m_entries[static_cast<std::size_t>(i)];
    if (!button.Create(RECT{r.left, r.top, r.right, r.bottom}, m_hWnd)) continue;
    ++m_entryCount;
    button.SetImageFaces(r.left, r.top, r.width(), r.height(), m_images[0].get(), m_images[1].get(),
                         m_images[2].get(), m_images[3].get());
    button.caption.assign(entry.Text().begin(), entry.Text().end());
    button.textOffset = style.textOffset;
    button.placement = style.placement;
    button.hoverColour = style.hover;
    button.pressedColour = style.pressed;
    button.textColour = kMenuTextColour;
    button.fontWeight = kMenuFontWeight;
    button.fontFace = CaptionFont::Arial;
    button.fontHeight = style.fontHeight;
    button.textInRect = style.inRect;
    button.textRect = style.textRect;
    button.EnableWindow(entry.enabled != 0);
  }
}

void CBmpMenuWindow::ApplyShape() {
  ShapeWindowFromMask(m_hWnd, m_mask.get());
}

void CBmpMenuWindow::DestroyEntries() {
  for (int i = 0; i < m_entryCount; ++i) m_entries[static_cast<std::size_t>(i)].DestroyWindow();
  m_entryCount = 0;
}

void CBmpMenuWindow::ReleaseSkin() {
  for (auto& image : m_images) image.reset();
  m_mask.reset();
}

void CBmpMenuWindow::OnPaint() {
  PaintOffscreen(m_hWnd, [&](HDC dc, SIZE size) {
    if (!m_images[0]) return;
    Gdiplus::Graphics graphics(dc);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.DrawImage(m_images[0].get(), Gdiplus::Rect(0, 0, size.cx, size.cy));
  });
}

LRESULT CBmpMenuWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND) return TRUE;  // the paint covers everything
  return CDialog::WindowProc(msg, wParam, lParam);
}

}  // namespace skin
