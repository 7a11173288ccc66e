#pragma once
// Reading the outline of a region button straight from its ".bmp" file. Every size and offset in the
// headers is checked against the bytes actually read, so a damaged or hostile file is rejected instead
// of being read past its end.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "skin/RegionRuns.h"

namespace skin {

enum class BmpStatus {
  Ok,
  TooShort,           // shorter than the two headers
  NotBmp,             // does not start with "BM"
  BadInfoHeader,      // information header smaller than 40 bytes or larger than the file
  Unsupported,        // not uncompressed 24 or 32 bits per pixel
  BadDimensions,      // width not positive, height zero
  BadPixelOffset,     // pixel data would start inside the headers
  PixelsOutsideFile,  // the rows do not fit in the file
};

inline constexpr std::size_t kBmpFileHeaderSize = 14;
inline constexpr std::size_t kBmpInfoHeaderSize = 40;

// Where the pixels of a bitmap file are and how to walk them.
struct BmpLayout {
  BmpStatus status = BmpStatus::TooShort;
  int width = 0;
  int height = 0;          // always positive; see topDown
  bool topDown = false;    // a negative height in the header: the first stored row is the top one
  int bytesPerPixel = 0;
  std::size_t pixelOffset = 0;
  std::size_t stride = 0;  // bytes per stored row, a multiple of 4

  bool ok() const { return status == BmpStatus::Ok; }
  // File offset of picture row y (0 = top).
  std::size_t RowOffset(int y) const;
};

BmpLayout ReadBmpLayout(std::span<const std::uint8_t> file);

// The runs of pixels that are not the key colour, with y = 0 the top row of the picture.
// A file that ReadBmpLayout rejects gives no runs.
std::vector<RunRect> KeyColourRuns(std::span<const std::uint8_t> file, Bgr keyColour);

std::string_view BmpStatusText(BmpStatus status);

// Whether a file that says it is a bitmap ("BM") holds its headers and starts its pixels inside itself, so
// a picture decoder is not handed one it would read past the end of. Other files are not judged here.
bool BitmapHeadersFit(std::span<const std::uint8_t> file);

}  // namespace skin
