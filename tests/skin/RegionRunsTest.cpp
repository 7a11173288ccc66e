#include "skin/RegionRuns.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace skin {
namespace {

// A 32-bit top-down image (blue, green, red, unused) from rows of characters: '.' white, '#' black,
// 'w' (255, 255, 254).
struct Image32 {
  std::vector<std::uint8_t> pixels;
  int width = 0, height = 0;
  std::size_t stride = 0;
};
Image32 FromRows(std::initializer_list<const char*> rows) {
  Image32 image;
  image.height = static_cast<int>(rows.size());
  image.width = static_cast<int>(std::char_traits<char>::length(*rows.begin()));
  image.stride = static_cast<std::size_t>(image.width) * 4;
  for (const char* row : rows) {
    for (int x = 0; x < image.width; ++x) {
      const Bgr c = row[x] == '.' ? Bgr{255, 255, 255} : row[x] == 'w' ? Bgr{254, 255, 255} : Bgr{0, 0, 0};
      image.pixels.insert(image.pixels.end(), {c.blue, c.green, c.red, 0});
    }
  }
  return image;
}
std::vector<RunRect> Runs(const Image32& image) {
  return MaskRuns(image.pixels, image.width, image.height, image.stride);
}

TEST(MaskRuns, RunsReachingTheRightEdgeIncludeTheLastColumn) {
  const auto image = FromRows({"..###", "#...#", "#####"});
  EXPECT_EQ(Runs(image), (std::vector<RunRect>{{2, 0, 5, 1}, {0, 1, 1, 2}, {4, 1, 5, 2}, {0, 2, 5, 3}}));
}

TEST(MaskRuns, OnlyPureWhiteIsOutside) {
  const auto image = FromRows({".w.", "www"});
  EXPECT_EQ(Runs(image), (std::vector<RunRect>{{1, 0, 2, 1}, {0, 1, 3, 2}}));
}

TEST(MaskRuns, AllWhiteGivesNothingAndNoWhiteGivesWholeRows) {
  EXPECT_TRUE(Runs(FromRows({"....", "...."})).empty());
  EXPECT_EQ(Runs(FromRows({"##", "##"})), (std::vector<RunRect>{{0, 0, 2, 1}, {0, 1, 2, 2}}));
}

TEST(MaskRuns, TheFourthByteIsIgnored) {
  auto image = FromRows({".#"});
  image.pixels[3] = 0xFF;  // alpha of the white pixel
  image.pixels[7] = 0xFF;
  EXPECT_EQ(Runs(image), (std::vector<RunRect>{{1, 0, 2, 1}}));
}

TEST(MaskRuns, PaddedStrideAndShortBuffersAreSafe) {
  Image32 image = FromRows({"#.#"});
  image.pixels.resize(16, 0xAB);  // padding after the row must not be read as pixels
  image.stride = 16;
  EXPECT_EQ(Runs(image), (std::vector<RunRect>{{0, 0, 1, 1}, {2, 0, 3, 1}}));
  // Claims two rows but holds one and a half: the missing half is never read.
  std::vector<std::uint8_t> half(12 + 6, 0);
  EXPECT_EQ(MaskRuns(half, 3, 2, 12), (std::vector<RunRect>{{0, 0, 3, 1}, {0, 1, 1, 2}}));
  EXPECT_TRUE(MaskRuns({}, 3, 2, 12).empty());
  EXPECT_TRUE(MaskRuns(half, 0, 2, 12).empty());
}

TEST(AppendRowRuns, KeyColourOfRegionButtons) {
  // 24-bit row: shape, key colour, shape, shape.
  const std::vector<std::uint8_t> row = {1, 2, 3, 200, 0, 255, 9, 9, 9, 200, 0, 254};
  std::vector<RunRect> runs;
  AppendRowRuns(row, 4, 3, kRegionButtonOutside, 7, runs);
  EXPECT_EQ(runs, (std::vector<RunRect>{{0, 7, 1, 8}, {2, 7, 4, 8}}));
}

TEST(RegionBatches, EveryRunLandsInExactlyOneBatchOfAtMost2000) {
  std::vector<RunRect> runs;
  for (int i = 0; i < 4321; ++i) runs.push_back({i % 7, i, i % 7 + 1, i + 1});
  std::vector<std::size_t> sizes;
  std::vector<RunRect> joined;
  ForEachBatch(runs, kRegionBatchSize, [&](std::span<const RunRect> batch) {
    sizes.push_back(batch.size());
    joined.insert(joined.end(), batch.begin(), batch.end());
  });
  EXPECT_EQ(sizes, (std::vector<std::size_t>{2000, 2000, 321}));
  EXPECT_EQ(joined, runs);

  sizes.clear();
  ForEachBatch(std::span<const RunRect>(runs).first(2000), kRegionBatchSize,
               [&](std::span<const RunRect> batch) { sizes.push_back(batch.size()); });
  EXPECT_EQ(sizes, (std::vector<std::size_t>{2000}));
}

TEST(RegionBatches, BoundingBoxOfABatch) {
  const std::vector<RunRect> runs = {{5, 3, 9, 4}, {1, 7, 2, 8}, {4, 4, 12, 5}};
  EXPECT_EQ(BoundingBox(runs), (RunRect{1, 3, 12, 8}));
  EXPECT_EQ(BoundingBox({}), (RunRect{}));
}

}  // namespace
}  // namespace skin
