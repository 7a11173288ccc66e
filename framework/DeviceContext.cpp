#include "framework/DeviceContext.h"

namespace win {

PaintDC::PaintDC(HWND hwnd) : m_hwnd(hwnd), m_dc(::BeginPaint(hwnd, &m_paint)) {
  if (m_dc) CountLive(+1);
}

PaintDC::~PaintDC() {
  if (!m_dc) return;
  ::EndPaint(m_hwnd, &m_paint);
  CountLive(-1);
}

WindowDC::WindowDC(HWND hwnd, Area area)
    : m_hwnd(hwnd), m_dc(area == Area::Window ? ::GetWindowDC(hwnd) : ::GetDC(hwnd)) {
  if (m_dc) CountLive(+1);
}

WindowDC::~WindowDC() {
  if (!m_dc) return;
  ::ReleaseDC(m_hwnd, m_dc);
  CountLive(-1);
}

OffscreenBuffer::OffscreenBuffer(HDC target, int width, int height)
    : m_dc(::CreateCompatibleDC(target)), m_width(width > 0 ? width : 0), m_height(height > 0 ? height : 0) {
  // A zero-sized bitmap cannot be created; such a buffer stays empty and copies nothing.
  if (!m_dc || m_width == 0 || m_height == 0) return;
  m_bitmap.reset(::CreateCompatibleBitmap(target, m_width, m_height));
  if (m_bitmap) m_selected.emplace(m_dc.get(), m_bitmap.get());
}

bool OffscreenBuffer::CopyTo(HDC target, int x, int y) const {
  if (!m_selected) return false;
  return ::BitBlt(target, x, y, m_width, m_height, m_dc.get(), 0, 0, SRCCOPY) != FALSE;
}

}  // namespace win
