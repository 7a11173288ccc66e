#include "skin/SkinImage.h"

#include <cstring>
#include <utility>
#include <vector>

#include "framework/DeviceContext.h"
#include "skin/BmpFile.h"

namespace skin {
namespace {

// The whole file in one movable global block, as a stream that frees the block when released.
IStream* FileStream(const wchar_t* path, DWORD& size) {
  win::File file(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                               nullptr));
  if (!file) return nullptr;
  LARGE_INTEGER length{};
  if (!::GetFileSizeEx(file.get(), &length) || length.QuadPart <= 0 || length.QuadPart > MAXDWORD) return nullptr;
  size = static_cast<DWORD>(length.QuadPart);

  win::GlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE, size));
  if (!block) return nullptr;
  void* bytes = ::GlobalLock(block.get());
  if (!bytes) return nullptr;
  DWORD read = 0;
  const bool complete = ::ReadFile(file.get(), bytes, size, &read, nullptr) && read == size &&
                        BitmapHeadersFit({static_cast<const std::uint8_t*>(bytes), size});
  ::GlobalUnlock(block.get());
  if (!complete) return nullptr;

  IStream* stream = nullptr;
  if (FAILED(::CreateStreamOnHGlobal(block.get(), TRUE, &stream)) || !stream) return nullptr;
  (void)block.release();  // the stream frees it now
  return stream;
}

}  // namespace

SkinBitmap::SkinBitmap(SkinBitmap&& other) noexcept
    : m_picture(std::exchange(other.m_picture, nullptr)),
      m_bitmap(std::exchange(other.m_bitmap, nullptr)),
      m_size(std::exchange(other.m_size, SIZE{0, 0})) {}

SkinBitmap& SkinBitmap::operator=(SkinBitmap&& other) noexcept {
  if (this != &other) {
    reset();
    m_picture = std::exchange(other.m_picture, nullptr);
    m_bitmap = std::exchange(other.m_bitmap, nullptr);
    m_size = std::exchange(other.m_size, SIZE{0, 0});
  }
  return *this;
}

void SkinBitmap::reset() {
  if (m_picture) {
    m_picture->Release();  // deletes the bitmap it owns
    win::CountLive(-1);
  }
  m_picture = nullptr;
  m_bitmap = nullptr;
  m_size = {0, 0};
}

void SkinBitmap::Attach(IPicture* picture, HBITMAP bitmap, SIZE size) {
  reset();
  if (!picture) return;
  m_picture = picture;
  m_bitmap = bitmap;
  m_size = size;
  win::CountLive(+1);
}

SIZE LoadSkinBitmap(const wchar_t* path, SkinBitmap& bitmap) {
  bitmap.reset();
  DWORD size = 0;
  IStream* stream = path ? FileStream(path, size) : nullptr;
  if (!stream) return {0, 0};
  IPicture* picture = nullptr;
  const HRESULT loaded = ::OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                          reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(loaded) || !picture) return {0, 0};

  short type = PICTYPE_UNINITIALIZED;
  OLE_HANDLE handle = 0;
  if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle)) ||
      !handle) {
    picture->Release();  // an icon or metafile is no skin
    return {0, 0};
  }
  auto* hbitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
  bitmap.Attach(picture, hbitmap, BitmapSize(hbitmap));
  return bitmap.size();
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || ::GetObjectW(bitmap, sizeof(info), &info) != sizeof(info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

SIZE FirstNonEmptySize(std::initializer_list<SIZE> sizes) {
  for (const SIZE& size : sizes)
    if (size.cx > 0 && size.cy > 0) return size;
  return {0, 0};
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  const SIZE size = BitmapSize(bitmap);
  DrawBitmapPart(dc, bitmap, RECT{0, 0, size.cx, size.cy}, x, y);
}

void DrawBitmapPart(HDC dc, HBITMAP bitmap, const RECT& part, int x, int y) {
  if (!bitmap || part.right <= part.left || part.bottom <= part.top) return;
  win::MemDC source(::CreateCompatibleDC(dc));
  if (!source) return;
  win::SelectGuard selected(source.get(), bitmap);
  ::BitBlt(dc, x, y, part.right - part.left, part.bottom - part.top, source.get(), part.left, part.top, SRCCOPY);
}

win::GdiplusBitmap LoadSkinImage(const wchar_t* path) {
  if (!path) return {};
  win::GdiplusBitmap image(Gdiplus::Bitmap::FromFile(path));
  if (!image || image.get()->GetLastStatus() != Gdiplus::Ok) return {};
  return image;
}

SIZE ImageSize(Gdiplus::Bitmap* image) {
  if (!image) return {0, 0};
  return {static_cast<LONG>(image->GetWidth()), static_cast<LONG>(image->GetHeight())};
}

win::Region RegionFromRuns(std::span<const RunRect> runs) {
  win::Region result(::CreateRectRgn(0, 0, 0, 0));
  if (!result) return result;
  std::vector<std::byte> data;
  ForEachBatch(runs, kRegionBatchSize, [&](std::span<const RunRect> batch) {
    data.assign(sizeof(RGNDATAHEADER) + batch.size() * sizeof(RECT), std::byte{0});
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(batch.size());
    header.nRgnSize = static_cast<DWORD>(batch.size() * sizeof(RECT));
    const auto box = BoundingBox(batch);
    header.rcBound = RECT{box.left, box.top, box.right, box.bottom};
    std::memcpy(data.data(), &header, sizeof(header));
    for (std::size_t i = 0; i < batch.size(); ++i) {
      const RECT r{batch[i].left, batch[i].top, batch[i].right, batch[i].bottom};
      std::memcpy(data.data() + sizeof(header) + i * sizeof(RECT), &r, sizeof(r));
    }
    win::Region part(::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                       reinterpret_cast<const RGNDATA*>(data.data())));
    if (part) ::CombineRgn(result.get(), result.get(), part.get(), RGN_OR);
  });
  return result;
}

win::Region RegionFromMask(HBITMAP mask) {
  const SIZE size = BitmapSize(mask);
  if (size.cx <= 0 || size.cy <= 0) return {};
  // A 32-bit top-down copy, whatever the mask's own format.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const std::size_t stride = static_cast<std::size_t>(size.cx) * 4;
  std::vector<std::uint8_t> pixels(stride * static_cast<std::size_t>(size.cy));
  win::WindowDC screen(nullptr);
  if (!screen || ::GetDIBits(screen.get(), mask, 0, static_cast<UINT>(size.cy), pixels.data(), &info,
                             DIB_RGB_COLORS) == 0)
    return {};
  return RegionFromRuns(MaskRuns(pixels, size.cx, size.cy, stride));
}

void CutFace(win::Bitmap& destination, HBITMAP source, const RECT& rect) {
  if (source) FaceCutter().Cut(destination, source, rect);
}

FaceCutter::FaceCutter() : m_from(::CreateCompatibleDC(nullptr)), m_to(::CreateCompatibleDC(nullptr)) {}

void FaceCutter::Cut(win::Bitmap& destination, HBITMAP source, const RECT& rect) const {
  if (!source) return;
  destination.reset();
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0 || !m_from || !m_to) return;
  win::SelectGuard fromSelected(m_from.get(), source);
  if (::GetCurrentObject(m_from.get(), OBJ_BITMAP) != source) return;  // not a bitmap we can read
  // Compatible with the source rather than the screen itself: the same pixels, and under Wine ten times
  // quicker to make than a bitmap of the display.
  win::Bitmap face(::CreateCompatibleBitmap(m_from.get(), width, height));
  if (!face) return;
  {
    win::SelectGuard toSelected(m_to.get(), face.get());
    ::StretchBlt(m_to.get(), 0, 0, width, height, m_from.get(), rect.left, rect.top, width, height, SRCCOPY);
  }
  destination = std::move(face);
}

win::GdiplusBitmap CutImageFace(Gdiplus::Bitmap* source, int x, int y, int width, int height) {
  if (!source || width <= 0 || height <= 0 || x < 0 || y < 0) return {};
  const SIZE size = ImageSize(source);
  if (x + width > size.cx || y + height > size.cy) return {};
  win::GdiplusBitmap face(source->Clone(Gdiplus::Rect(x, y, width, height), source->GetPixelFormat()));
  if (!face || face.get()->GetLastStatus() != Gdiplus::Ok) return {};
  return face;
}

}  // namespace skin
