#pragma once
// Skin files as drawable images: JPEG and BMP through the OLE picture loader, PNG through GDI+; masks
// as window regions; control faces cut out of a window's whole images.

#include <windows.h>
// The OLE picture interface needs the COM base types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <ocidl.h>
#include <olectl.h>

#include <initializer_list>
#include <span>

#include "platform/win32/Handles.h"
#include "skin/RegionRuns.h"

namespace skin {

// A bitmap decoded by the OLE picture loader. The picture object owns the bitmap, so both live and die
// together: the bitmap stays valid exactly as long as this object holds the picture, and nothing is
// kept once it lets go (a dialog opened many times leaks nothing).
class SkinBitmap {
 public:
  SkinBitmap() = default;
  SkinBitmap(const SkinBitmap&) = delete;
  SkinBitmap& operator=(const SkinBitmap&) = delete;
  SkinBitmap(SkinBitmap&& other) noexcept;
  SkinBitmap& operator=(SkinBitmap&& other) noexcept;
  ~SkinBitmap() { reset(); }

  HBITMAP get() const { return m_bitmap; }
  explicit operator bool() const { return m_bitmap != nullptr; }
  SIZE size() const { return m_size; }
  // Releases the picture and with it the bitmap.
  void reset();
  // Takes a loaded picture; its bitmap is what get() answers from now on.
  void Attach(IPicture* picture, HBITMAP bitmap, SIZE size);

 private:
  IPicture* m_picture = nullptr;
  HBITMAP m_bitmap = nullptr;
  SIZE m_size{0, 0};
};

// Reads the whole file, decodes it with OleLoadPicture and puts the result in `bitmap`, releasing what it
// held before. Returns the picture's size in pixels; a missing or undecodable file leaves `bitmap` empty
// and returns 0 × 0.
SIZE LoadSkinBitmap(const wchar_t* path, SkinBitmap& bitmap);

// A PNG (or any GDI+ format) skin image straight from its file; null when it cannot be loaded.
win::GdiplusBitmap LoadSkinImage(const wchar_t* path);
// Width and height of a GDI+ image; 0 × 0 for none.
SIZE ImageSize(Gdiplus::Bitmap* image);

// The window region of a mask: every pixel that is not pure white is inside. A null or empty bitmap gives
// no region; an all-white mask gives an empty one.
win::Region RegionFromMask(HBITMAP mask);

// A region made of rectangles, requested from the system in batches of at most kRegionBatchSize.
win::Region RegionFromRuns(std::span<const RunRect> runs);

// Puts the part of `source` inside `rect` into `destination` as a new screen-compatible bitmap of the
// rectangle's size. A null source leaves `destination` untouched; otherwise what it held is deleted first.
void CutFace(win::Bitmap& destination, HBITMAP source, const RECT& rect);

// Cuts many faces with one set of device contexts. Making and freeing them dominates a single cut, and
// the keyboard picture cuts 440 faces at every layer switch.
class FaceCutter {
 public:
  FaceCutter();
  // As CutFace.
  void Cut(win::Bitmap& destination, HBITMAP source, const RECT& rect) const;

 private:
  win::MemDC m_from, m_to;
};

// The GDI+ form: the rectangle (x, y, width, height) of `source` cloned into a new image; null for a null
// source or a rectangle outside it.
win::GdiplusBitmap CutImageFace(Gdiplus::Bitmap* source, int x, int y, int width, int height);

// Width and height of a GDI bitmap; 0 × 0 for none.
SIZE BitmapSize(HBITMAP bitmap);

// The first size that is not empty, or 0 × 0. All faces of a set share one size, so a window whose
// main picture is missing or damaged still takes its size from another face rather than vanishing.
SIZE FirstNonEmptySize(std::initializer_list<SIZE> sizes);

// Copies the whole of `bitmap` to (x, y) of `dc`; a null bitmap draws nothing.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);
// Copies the piece `part` of `bitmap` to (x, y) of `dc`; a null bitmap draws nothing.
void DrawBitmapPart(HDC dc, HBITMAP bitmap, const RECT& part, int x, int y);

}  // namespace skin
