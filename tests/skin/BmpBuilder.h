#pragma once
// Builds small bitmap files in memory for the tests, so no test depends on the generated skin art.

#include <cstdint>
#include <functional>
#include <vector>

#include "skin/RegionRuns.h"

namespace skintest {

struct BmpOptions {
  int bitsPerPixel = 24;
  bool topDown = false;
  std::uint32_t gapAfterHeaders = 0;  // bytes between the headers and the pixels
};

// A BITMAPFILEHEADER + BITMAPINFOHEADER file whose pixel (x, y), y = 0 at the top, is colour(x, y).
inline std::vector<std::uint8_t> MakeBmp(int width, int height, const std::function<skin::Bgr(int, int)>& colour,
                                         BmpOptions options = {}) {
  const int bytesPerPixel = options.bitsPerPixel / 8;
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * options.bitsPerPixel + 31) / 32 * 4;
  const std::uint32_t offset = 54 + options.gapAfterHeaders;
  const std::uint32_t size = offset + stride * static_cast<std::uint32_t>(height);
  std::vector<std::uint8_t> file(size, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, size);
  put32(10, offset);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(options.topDown ? -height : height));
  file[26] = 1;
  file[28] = static_cast<std::uint8_t>(options.bitsPerPixel);
  put32(34, stride * static_cast<std::uint32_t>(height));
  for (int y = 0; y < height; ++y) {
    const int stored = options.topDown ? y : height - 1 - y;
    for (int x = 0; x < width; ++x) {
      const auto c = colour(x, y);
      auto* p = &file[offset + static_cast<std::size_t>(stored) * stride + static_cast<std::size_t>(x) * bytesPerPixel];
      p[0] = c.blue;
      p[1] = c.green;
      p[2] = c.red;
    }
  }
  return file;
}

}  // namespace skintest
