#include "skin/RegionRuns.h"

#include <algorithm>

namespace skin {

void AppendRowRuns(std::span<const std::uint8_t> row, int width, int bytesPerPixel, Bgr outside, int y,
                   std::vector<RunRect>& runs) {
  if (width <= 0 || bytesPerPixel < 3) return;
  const auto readable = static_cast<int>(
      std::min<std::size_t>(static_cast<std::size_t>(width), row.size() / static_cast<std::size_t>(bytesPerPixel)));
  int start = -1;
  for (int x = 0; x < readable; ++x) {
    const auto* pixel = row.data() + static_cast<std::size_t>(x) * static_cast<std::size_t>(bytesPerPixel);
    const bool isOutside = pixel[0] == outside.blue && pixel[1] == outside.green && pixel[2] == outside.red;
    if (!isOutside && start < 0) {
      start = x;
    } else if (isOutside && start >= 0) {
      runs.push_back({start, y, x, y + 1});
      start = -1;
    }
  }
  if (start >= 0) runs.push_back({start, y, readable, y + 1});
}

std::vector<RunRect> MaskRuns(std::span<const std::uint8_t> pixels, int width, int height,
                              std::size_t stride) {
  std::vector<RunRect> runs;
  if (width <= 0 || height <= 0) return runs;
  for (int y = 0; y < height; ++y) {
    const auto offset = static_cast<std::size_t>(y) * stride;
    if (offset >= pixels.size()) break;
    AppendRowRuns(pixels.subspan(offset, std::min(stride, pixels.size() - offset)), width, 4, kMaskOutside, y,
                  runs);
  }
  return runs;
}

RunRect BoundingBox(std::span<const RunRect> runs) {
  if (runs.empty()) return {};
  RunRect box = runs.front();
  for (const auto& r : runs.subspan(1)) {
    box.left = std::min(box.left, r.left);
    box.top = std::min(box.top, r.top);
    box.right = std::max(box.right, r.right);
    box.bottom = std::max(box.bottom, r.bottom);
  }
  return box;
}

}  // namespace skin
