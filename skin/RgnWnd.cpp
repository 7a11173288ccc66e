#include "skin/RgnWnd.h"

#include <windowsx.h>

#include <optional>
#include <vector>

#include "framework/DeviceContext.h"
#include "skin/BmpFile.h"
#include "skin/SkinImage.h"

namespace skin {
namespace {

// Region-button pictures are small; anything larger is not one of them.
constexpr LONGLONG kMaxPictureFileSize = 64LL * 1024 * 1024;

std::optional<std::vector<std::uint8_t>> ReadPictureFile(const std::wstring& path) {
  win::File file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !::GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxPictureFileSize) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!bytes.empty() && (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                         read != bytes.size()))
    return std::nullopt;
  return bytes;
}

}  // namespace

bool CRgnWnd::Create(HWND parent, UINT id) {
  return CreateEx(0, kRgnButtonClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, RECT{0, 0, 0, 0}, parent, id);
}

bool CRgnWnd::PreCreateWindow(CREATESTRUCTW& cs) {
  WNDCLASSEXW wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kRgnButtonClass;
  if (!RegisterClassOnce(wc)) return false;
  cs.lpszClass = kRgnButtonClass;
  return true;
}

int CRgnWnd::OnCreate(CREATESTRUCTW& cs) {
  BuildRegion();
  return CWnd::OnCreate(cs);
}

void CRgnWnd::BuildRegion() {
  // The outline is the first file's; every face has the same shape, so when that file is missing or
  // damaged the next readable one keeps the button clickable instead of leaving it 0 × 0.
  for (const std::wstring& path : m_files) {
    const auto bytes = ReadPictureFile(path);
    if (!bytes) continue;
    const auto layout = ReadBmpLayout(*bytes);
    if (!layout.ok()) continue;
    win::Region region = RegionFromRuns(KeyColourRuns(*bytes, kRegionButtonOutside));
    RECT box{};
    if (!region || ::GetRgnBox(region.get(), &box) == NULLREGION) continue;
    // The window gets a copy; this one stays for hit tests.
    win::Region shape(::CreateRectRgn(0, 0, 0, 0));
    if (shape && ::CombineRgn(shape.get(), region.get(), nullptr, RGN_COPY) != ERROR &&
        ::SetWindowRgn(m_hWnd, shape.get(), TRUE))
      (void)shape.release();  // the window owns it now
    m_region = std::move(region);
    MoveWindow(0, 0, layout.width, layout.height);
    return;
  }
}

bool CRgnWnd::Inside(int x, int y) const {
  return m_region && ::PtInRegion(m_region.get(), x, y);
}

void CRgnWnd::TrackPress(int x, int y) {
  if (!m_captured) return;
  const bool inside = Inside(x, y);
  if (inside == m_pressedInside) return;
  m_pressedInside = inside;
  Invalidate(false);
}

void CRgnWnd::OnPaint() {
  win::PaintDC dc(m_hWnd);
  SkinBitmap picture;
  LoadSkinBitmap(m_files[m_pressedInside ? 2 : 0].c_str(), picture);
  if (!picture) return;
  win::MemDC source(::CreateCompatibleDC(dc.get()));
  win::SelectGuard selected(source.get(), picture.get());
  ::BitBlt(dc.get(), 0, 0, 200, 200, source.get(), 0, 0, SRCCOPY);
}

LRESULT CRgnWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return TRUE;  // the picture covers the whole shape
    case WM_LBUTTONDOWN:
      m_captured = true;
      m_pressedInside = true;
      Invalidate(false);
      return 0;
    case WM_LBUTTONUP:
      m_captured = false;
      m_pressedInside = false;
      Invalidate(false);
      return 0;
    case WM_MOUSEMOVE:
      TrackPress(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_NCDESTROY:
      m_region.reset();
      break;
  }
  return CWnd::WindowProc(msg, wParam, lParam);
}

}  // namespace skin
