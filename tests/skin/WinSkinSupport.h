#pragma once
// What the skin's window tests share: GDI+ for the whole run, a scratch folder with image files made on
// the spot, a host window that records what its children tell it, real mouse input and pixel reads.

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "framework/Gdiplus.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Handles.h"
#include "tests/framework/TestSupport.h"
#include "tests/skin/BmpBuilder.h"

namespace skintest {

// Pumping and real input come from the shared window-test support.
using namespace fwtest;

// --- Pixels -------------------------------------------------------------------------------------------------

inline COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  win::MemDC dc(::CreateCompatibleDC(nullptr));
  win::SelectGuard selected(dc.get(), bitmap);
  return ::GetPixel(dc.get(), x, y);
}
// A pixel of a window as it is on screen now, after any pending paint.
inline COLORREF WindowPixel(HWND window, int x, int y) {
  ::UpdateWindow(window);
  HDC dc = ::GetDC(window);
  const COLORREF colour = ::GetPixel(dc, x, y);
  ::ReleaseDC(window, dc);
  return colour;
}

// A screen-compatible bitmap of one colour.
inline win::Bitmap SolidBitmap(int width, int height, COLORREF colour) {
  HDC screen = ::GetDC(nullptr);
  win::Bitmap bitmap(::CreateCompatibleBitmap(screen, width, height));
  ::ReleaseDC(nullptr, screen);
  win::MemDC dc(::CreateCompatibleDC(nullptr));
  {
    win::SelectGuard selected(dc.get(), bitmap.get());
    win::Brush brush(::CreateSolidBrush(colour));
    const RECT all{0, 0, width, height};
    ::FillRect(dc.get(), &all, brush.get());
  }
  return bitmap;
}

// A GDI+ image of one colour.
inline win::GdiplusBitmap SolidImage(int width, int height, COLORREF colour) {
  win::GdiplusBitmap image(new Gdiplus::Bitmap(width, height, PixelFormat32bppARGB));
  Gdiplus::Graphics graphics(image.get());
  graphics.Clear(Gdiplus::Color(255, GetRValue(colour), GetGValue(colour), GetBValue(colour)));
  return image;
}

inline bool Near(COLORREF a, COLORREF b, int tolerance = 6) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// --- Files --------------------------------------------------------------------------------------------------

// A fresh folder under the temporary folder, removed with everything in it at the end of the test.
class ScratchFolder {
 public:
  ScratchFolder() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    path_ = std::filesystem::path(temp) /
            (L"trelm-skin-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++serial));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::wstring File(const std::wstring& name) const { return (path_ / name).wstring(); }
  // The folder with a trailing backslash, as the executable's folder is given.
  std::wstring Folder() const { return path_.wstring() + L"\\"; }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

using Colourer = std::function<skin::Bgr(int, int)>;
inline skin::Bgr Solid(COLORREF c) { return {GetBValue(c), GetGValue(c), GetRValue(c)}; }

inline void WriteBmp(const std::wstring& path, int width, int height, const Colourer& colour, BmpOptions options = {}) {
  WriteBytes(path, MakeBmp(width, height, colour, options));
}

// Saves a picture through a GDI+ encoder ("image/png", "image/jpeg").
inline bool WriteEncoded(const std::wstring& path, int width, int height, const Colourer& colour,
                         const wchar_t* mimeType) {
  UINT count = 0, size = 0;
  Gdiplus::GetImageEncodersSize(&count, &size);
  std::vector<std::uint8_t> buffer(size);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  Gdiplus::GetImageEncoders(count, size, encoders);
  const CLSID* clsid = nullptr;
  for (UINT i = 0; i < count; ++i)
    if (std::wstring(encoders[i].MimeType) == mimeType) clsid = &encoders[i].Clsid;
  if (!clsid) return false;
  Gdiplus::Bitmap picture(width, height, PixelFormat32bppARGB);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto c = colour(x, y);
      picture.SetPixel(x, y, Gdiplus::Color(255, c.red, c.green, c.blue));
    }
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  return picture.Save(path.c_str(), clsid, nullptr) == Gdiplus::Ok;
}
inline bool WritePng(const std::wstring& path, int width, int height, const Colourer& colour) {
  return WriteEncoded(path, width, height, colour, L"image/png");
}
inline bool WriteJpeg(const std::wstring& path, int width, int height, const Colourer& colour) {
  return WriteEncoded(path, width, height, colour, L"image/jpeg");
}

// --- A host window for the controls ---------------------------------------------------------------------------

// A visible top-level window that records the commands and messages its children send it.
class HostWindow : public CWnd {
 public:
  struct Message {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
  };

  explicit HostWindow(RECT rect = {100, 100, 700, 500}) {
    CreateEx(0, nullptr, L"skin test host", WS_POPUP | WS_VISIBLE, rect, nullptr);
    ::SetForegroundWindow(m_hWnd);
    ::SetActiveWindow(m_hWnd);
    PumpFor(50);
  }
  ~HostWindow() override {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
  }

  std::vector<Message> messages;
  int backgroundPresses = 0;
  std::vector<HWND> commandsFrom() const {
    std::vector<HWND> from;
    for (const auto& m : messages)
      if (m.msg == WM_COMMAND) from.push_back(reinterpret_cast<HWND>(m.lParam));
    return from;
  }
  std::vector<Message> Received(UINT msg) const {
    std::vector<Message> found;
    for (const auto& m : messages)
      if (m.msg == msg) found.push_back(m);
    return found;
  }

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    switch (msg) {
      case wm::kSubmenuChoice:
      case wm::kMenuChoice:
        messages.push_back({msg, wParam, lParam});
        return 0;
      case WM_COMMAND:  // recorded, then reflected to the control as usual
      case WM_MOUSEMOVE:
        messages.push_back({msg, wParam, lParam});
        break;
      case WM_LBUTTONDOWN:
        ++backgroundPresses;
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
  }
};

}  // namespace skintest
