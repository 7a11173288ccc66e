#pragma once
// Window outlines as runs of inside pixels: one rectangle, one pixel high, per run of a row.
// Masks call pure white outside; region-button pictures call their key colour outside.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace skin {

struct RunRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const RunRect&, const RunRect&) = default;
};

// A colour as it is stored in a bitmap row: blue, green, red.
struct Bgr {
  std::uint8_t blue = 0, green = 0, red = 0;
};

inline constexpr Bgr kMaskOutside{255, 255, 255};
// The key colour of region-button pictures: red 255, green 0, blue 200.
inline constexpr Bgr kRegionButtonOutside{200, 0, 255};

// Appends the runs of one row of `width` pixels (each `bytesPerPixel` bytes, blue first) whose colour is
// not `outside`, as rectangles from (run start, y) to (run end, y + 1). A run still open at the end of
// the row ends at x = width. A row shorter than width × bytesPerPixel is read only as far as it goes.
void AppendRowRuns(std::span<const std::uint8_t> row, int width, int bytesPerPixel, Bgr outside, int y,
                   std::vector<RunRect>& runs);

// The runs of a whole 32-bit image whose rows are stored from the top, `stride` bytes apart.
std::vector<RunRect> MaskRuns(std::span<const std::uint8_t> pixels, int width, int height,
                              std::size_t stride);

// Regions are requested in batches, so a ragged mask never needs one huge request.
inline constexpr std::size_t kRegionBatchSize = 2000;

// The smallest rectangle around all of `runs`; empty (all zero) for none.
RunRect BoundingBox(std::span<const RunRect> runs);

// Calls `batch` with consecutive slices of at most `batchSize` runs, in order.
template <typename Fn>
void ForEachBatch(std::span<const RunRect> runs, std::size_t batchSize, Fn&& batch) {
  for (std::size_t start = 0; start < runs.size(); start += batchSize) {
    const auto count = runs.size() - start < batchSize ? runs.size() - start : batchSize;
    batch(runs.subspan(start, count));
  }
}

}  // namespace skin
