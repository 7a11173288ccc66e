#pragma once
// Device contexts as scoped owners, counted in test builds like the other handle owners.

#include <windows.h>

#include <optional>

#include "platform/win32/Handles.h"

namespace win {

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDC {
 public:
  explicit PaintDC(HWND hwnd);
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  ~PaintDC();
  HDC get() const { return m_dc; }
  const PAINTSTRUCT& paint() const { return m_paint; }

 private:
  HWND m_hwnd;
  PAINTSTRUCT m_paint{};
  HDC m_dc;
};

// GetDC (client area) or GetWindowDC (whole window), released with ReleaseDC.
class WindowDC {
 public:
  enum class Area { Client, Window };
  explicit WindowDC(HWND hwnd, Area area = Area::Client);
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC();
  HDC get() const { return m_dc; }
  explicit operator bool() const { return m_dc != nullptr; }

 private:
  HWND m_hwnd;
  HDC m_dc;
};

// A picture composed off-screen and then copied in one step, so a window never shows half a paint.
class OffscreenBuffer {
 public:
  OffscreenBuffer(HDC target, int width, int height);
  HDC get() const { return m_dc.get(); }
  explicit operator bool() const { return m_selected.has_value(); }
  int width() const { return m_width; }
  int height() const { return m_height; }
  // Copies the whole buffer to (x, y) of `target`.
  bool CopyTo(HDC target, int x = 0, int y = 0) const;

 private:
  MemDC m_dc;
  Bitmap m_bitmap;
  std::optional<SelectGuard> m_selected;  // destroyed first: the bitmap leaves the DC before it dies
  int m_width;
  int m_height;
};

}  // namespace win
