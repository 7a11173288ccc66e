#include "skin/BitmapBtn.h"

#include <windowsx.h>

#include "framework/DeviceContext.h"
#include "skin/ControlSupport.h"
#include "skin/DrawnTexts.h"
#include "skin/SkinImage.h"

namespace skin {
namespace {

// The box a caption of `extent` covers from `origin`: rotated captions run up (90) or down (270) from it.
RECT CaptionBounds(CaptionPlacement placement, Point origin, SIZE extent) {
  const auto [x, y] = origin;
  if (placement == CaptionPlacement::Rotated90) return {x, y - extent.cx, x + extent.cy, y};
  if (placement == CaptionPlacement::Rotated270) return {x - extent.cy, y, x, y + extent.cx};
  return {x, y, x + extent.cx, y + extent.cy};
}

}  // namespace

void CBitmapBtn::PreSubclassWindow() {
  ModifyStyle(WS_TABSTOP, 0);
}

void CBitmapBtn::SetImageFaces(int x, int y, int width, int height, Gdiplus::Bitmap* normal, Gdiplus::Bitmap* over,
                               Gdiplus::Bitmap* down, Gdiplus::Bitmap* disabled) {
  Gdiplus::Bitmap* sources[] = {normal, over, down, disabled};
  for (std::size_t i = 0; i < m_faces.size(); ++i) m_faces[i] = CutImageFace(sources[i], x, y, width, height);
  if (m_hWnd) ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
}

void CBitmapBtn::SetHighlight(bool highlight) {
  const bool changed = SetHovered(highlight) || m_highlighted != highlight;
  m_highlighted = highlight;
  if (changed && m_hWnd) Invalidate(false);
}

ButtonLook CBitmapBtn::CurrentLook(bool pressed) const {
  BitmapBtnState state;
  state.releaseClick = releaseClick;
  state.checked = checked;
  state.highlighted = m_highlighted;
  state.hover = IsHovered();
  state.pressed = pressed;
  state.disabled = m_hWnd && !IsWindowEnabled();
  return BitmapBtnLook(state, {textColour, hoverColour, pressedColour});
}

void CBitmapBtn::DrawItem(DRAWITEMSTRUCT& dis) {
  const ButtonLook look = CurrentLook((dis.itemState & ODS_SELECTED) != 0);
  const RECT client = GetClientRect();
  win::OffscreenBuffer buffer(dis.hDC, client.right, client.bottom);
  if (!buffer) return;
  // Faces may be partly transparent: they are laid over what the button shows now.
  ::BitBlt(buffer.get(), 0, 0, client.right, client.bottom, dis.hDC, 0, 0, SRCCOPY);
  if (Gdiplus::Bitmap* face = GetFace(look.face)) {
    Gdiplus::Graphics graphics(buffer.get());
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.DrawImage(face, Gdiplus::Rect(0, 0, client.right, client.bottom));
  }
  if (!caption.empty()) DrawCaption(buffer.get(), client, look.text);
  buffer.CopyTo(dis.hDC);
}

void CBitmapBtn::DrawCaption(HDC dc, const RECT& client, Colour colour) const {
  const int escapement = CaptionEscapement(placement);
  win::Font font(::CreateFontW(fontHeight, 0, escapement, escapement, fontWeight, FALSE, FALSE, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_SWISS, fontFace == CaptionFont::Arial ? L"Arial" : L"BankGothic Lt BT"));
  win::SelectGuard selected(dc, font.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, colour);
  const int length = static_cast<int>(caption.size());
  if (textInRect) {
    RECT rect = textRect;
    // Cut off at the rectangle's width; above and below it only the button's edges cut (DT_NOCLIP).
    ReportDrawnText(dc, caption, {rect.left, client.top, rect.right, client.bottom}, DT_LEFT);
    ::DrawTextW(dc, caption.c_str(), length, &rect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOCLIP);
    return;
  }
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, caption.c_str(), length, &extent);
  const Point origin = CaptionOrigin(placement, client.right, client.bottom, extent.cx, extent.cy);
  ReportDrawnText(dc, caption, client, CaptionBounds(placement, {origin.x + textOffset, origin.y}, extent));
  ::TextOutW(dc, origin.x + textOffset, origin.y, caption.c_str(), length);
}

// The popup menus follow the cursor through their entries: every move goes on to the parent, in screen
// coordinates.
void CBitmapBtn::ForwardMouseMove(WPARAM keys, LPARAM position) const {
  POINT screen{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  ::ClientToScreen(m_hWnd, &screen);
  if (HWND parent = GetParent())
    ::PostMessageW(parent, WM_MOUSEMOVE, keys,
                   MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(screen.x)), static_cast<WORD>(static_cast<SHORT>(screen.y))));
}

LRESULT CBitmapBtn::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  msg = AsSinglePress(msg);
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!TrackHover(wParam, lParam)) return 0;
      ForwardMouseMove(wParam, lParam);
      break;
    case WM_LBUTTONUP:
      if (releaseClick) {
        releaseClick = false;
        Invalidate(false);
        SendButtonClick(m_hWnd);  // the parent may destroy this button: nothing may follow
        return 0;
      }
      break;
  }
  return CSkinButton::WindowProc(msg, wParam, lParam);
}

}  // namespace skin
