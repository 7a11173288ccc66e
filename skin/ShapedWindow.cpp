#include "skin/ShapedWindow.h"

#include <windowsx.h>

#include "framework/DeviceContext.h"
#include "platform/win32/Text.h"
#include "skin/BitmapBtn2.h"

namespace skin {

void DialogSkin::Load(const DialogSkinFiles& files) {
  LoadSkinBitmap(win::Wide(files.mask.c_str()), m_mask);
  LoadSkinBitmap(win::Wide(files.normal.c_str()), m_normal);
  LoadSkinBitmap(win::Wide(files.over.c_str()), m_over);
  LoadSkinBitmap(win::Wide(files.down.c_str()), m_down);
  m_size = FirstNonEmptySize({m_normal.size(), m_over.size(), m_down.size(), m_mask.size()});
}

void DialogSkin::Place(HWND window, int x, int y) const {
  const SIZE picture = size();
  const UINT keepSize = picture.cx > 0 && picture.cy > 0 ? 0 : SWP_NOSIZE;
  ::SetWindowPos(window, nullptr, x, y, picture.cx, picture.cy, SWP_NOZORDER | SWP_NOACTIVATE | keepSize);
}

bool DialogSkin::AddButton(CBitmapBtn2& button, HWND window, const RECT& rect) const {
  if (!button.Create(rect, window)) return false;
  button.SetFaces(normal(), over(), down(), normal(), rect.left, rect.top, rect.right, rect.bottom);
  return true;
}

void DialogSkin::Finish(HWND window) {
  m_over.reset();
  m_down.reset();
  ShapeWindowFromMask(window, mask());
}

void DialogSkin::Paint(HWND window, const std::function<void(HDC)>& drawTexts) const {
  PaintOffscreen(window, [&](HDC dc, SIZE) {
    DrawBitmap(dc, normal(), 0, 0);
    if (drawTexts) drawTexts(dc);
  });
}

bool ShapeWindowFromMask(HWND window, HBITMAP mask) {
  win::Region region = RegionFromMask(mask);
  RECT box{};
  if (!region || ::GetRgnBox(region.get(), &box) == NULLREGION) return false;
  if (!::SetWindowRgn(window, region.get(), TRUE)) return false;
  (void)region.release();  // the window owns it now
  return true;
}

void PaintOffscreen(HWND window, const std::function<void(HDC, SIZE)>& compose) {
  win::PaintDC dc(window);
  RECT client{};
  ::GetClientRect(window, &client);
  win::OffscreenBuffer buffer(dc.get(), client.right, client.bottom);
  if (!buffer) return;
  compose(buffer.get(), SIZE{client.right, client.bottom});
  buffer.CopyTo(dc.get());
}

void MoveByBody(HWND window, LPARAM clientPoint) {
  POINT point{GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)};
  // The non-client message speaks screen coordinates.
  ::ClientToScreen(window, &point);
  ::PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

bool IsEnterOrEscKey(const MSG& msg) {
  return (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
}

}  // namespace skin
