#include "skin/BmpFile.h"

#include <gtest/gtest.h>

#include "tests/skin/BmpBuilder.h"

namespace skin {
namespace {

using skintest::BmpOptions;
using skintest::MakeBmp;

constexpr Bgr kKey = kRegionButtonOutside;
constexpr Bgr kInk{10, 20, 30};

// A 5 × 3 picture: key colour around a shape of "#" pixels.
//   ..#..
//   .####     (the run reaches the right edge)
//   #...#
Bgr Picture(int x, int y) {
  static const char* rows[] = {"..#..", ".####", "#...#"};
  return rows[y][x] == '#' ? kInk : kKey;
}
const std::vector<RunRect> kPictureRuns = {{2, 0, 3, 1}, {1, 1, 5, 2}, {0, 2, 1, 3}, {4, 2, 5, 3}};

TEST(KeyColourRuns, BottomUpTopDownAndOffsetPixelsReadTheSamePicture) {
  EXPECT_EQ(KeyColourRuns(MakeBmp(5, 3, Picture), kKey), kPictureRuns);
  EXPECT_EQ(KeyColourRuns(MakeBmp(5, 3, Picture, {.topDown = true}), kKey), kPictureRuns);
  EXPECT_EQ(KeyColourRuns(MakeBmp(5, 3, Picture, {.gapAfterHeaders = 84}), kKey), kPictureRuns);
  EXPECT_EQ(KeyColourRuns(MakeBmp(5, 3, Picture, {.bitsPerPixel = 32}), kKey), kPictureRuns);
}

TEST(KeyColourRuns, NearKeyColoursAreInside) {
  const auto file = MakeBmp(3, 1, [](int x, int) { return x == 1 ? Bgr{200, 0, 254} : kKey; });
  EXPECT_EQ(KeyColourRuns(file, kKey), (std::vector<RunRect>{{1, 0, 2, 1}}));
}

std::vector<std::uint8_t> Good() { return MakeBmp(5, 3, Picture); }
void Put32(std::vector<std::uint8_t>& f, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) f[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

struct DamageCase {
  const char* what;
  std::function<void(std::vector<std::uint8_t>&)> damage;
  BmpStatus expected;
};

TEST(ReadBmpLayout, DamagedFilesAreRejectedWithoutReadingPastTheirEnd) {
  const DamageCase cases[] = {
      {"empty", [](auto& f) { f.clear(); }, BmpStatus::TooShort},
      {"headers cut", [](auto& f) { f.resize(53); }, BmpStatus::TooShort},
      {"not BM", [](auto& f) { f[0] = 'P'; }, BmpStatus::NotBmp},
      {"core header", [](auto& f) { Put32(f, 14, 12); }, BmpStatus::BadInfoHeader},
      {"info header past end", [](auto& f) { Put32(f, 14, 0x7FFFFFF0); }, BmpStatus::BadInfoHeader},
      {"8 bits", [](auto& f) { f[28] = 8; }, BmpStatus::Unsupported},
      {"16 bits", [](auto& f) { f[28] = 16; }, BmpStatus::Unsupported},
      {"run-length", [](auto& f) { Put32(f, 30, 1); }, BmpStatus::Unsupported},
      {"zero width", [](auto& f) { Put32(f, 18, 0); }, BmpStatus::BadDimensions},
      {"negative width", [](auto& f) { Put32(f, 18, 0xFFFFFFFB); }, BmpStatus::BadDimensions},
      {"zero height", [](auto& f) { Put32(f, 22, 0); }, BmpStatus::BadDimensions},
      {"most negative height", [](auto& f) { Put32(f, 22, 0x80000000u); }, BmpStatus::BadDimensions},
      {"pixels inside headers", [](auto& f) { Put32(f, 10, 20); }, BmpStatus::BadPixelOffset},
      {"pixel offset past end", [](auto& f) { Put32(f, 10, 0xFFFFFF00u); }, BmpStatus::PixelsOutsideFile},
      {"last row cut", [](auto& f) { f.pop_back(); }, BmpStatus::PixelsOutsideFile},
      {"height larger than file", [](auto& f) { Put32(f, 22, 4); }, BmpStatus::PixelsOutsideFile},
      {"huge width", [](auto& f) { Put32(f, 18, 0x7FFFFFFF); }, BmpStatus::PixelsOutsideFile},
      {"huge top-down height", [](auto& f) { Put32(f, 22, 0x80000001u); }, BmpStatus::PixelsOutsideFile},
  };
  for (const auto& c : cases) {
    auto file = Good();
    c.damage(file);
    EXPECT_EQ(ReadBmpLayout(file).status, c.expected) << c.what;
    EXPECT_TRUE(KeyColourRuns(file, kKey).empty()) << c.what;
  }
}

TEST(ReadBmpLayout, LayoutOfAGoodFile) {
  const auto layout = ReadBmpLayout(MakeBmp(5, 3, Picture));
  ASSERT_TRUE(layout.ok());
  EXPECT_EQ(layout.width, 5);
  EXPECT_EQ(layout.height, 3);
  EXPECT_FALSE(layout.topDown);
  EXPECT_EQ(layout.stride, 16u);  // 15 bytes rounded up to 4
  EXPECT_EQ(layout.RowOffset(2), 54u);  // the bottom row is stored first
  EXPECT_EQ(layout.RowOffset(0), 54u + 32u);
  // A larger (version 5) information header is accepted when the pixels follow it.
  auto v5 = MakeBmp(5, 3, Picture, {.gapAfterHeaders = 84});
  Put32(v5, 14, 124);
  EXPECT_TRUE(ReadBmpLayout(v5).ok());
  EXPECT_EQ(KeyColourRuns(v5, kKey), kPictureRuns);
}

TEST(BitmapHeadersFit, OnlyBitmapsWhoseHeadersAndPixelStartLieInsideTheFile) {
  const auto good = Good();
  EXPECT_TRUE(BitmapHeadersFit(good));
  auto cut = good;
  cut.resize(20);
  EXPECT_FALSE(BitmapHeadersFit(cut));
  auto bigHeader = good;
  Put32(bigHeader, 14, 4000);
  EXPECT_FALSE(BitmapHeadersFit(bigHeader));
  auto farPixels = good;
  Put32(farPixels, 10, static_cast<std::uint32_t>(good.size()) + 1);
  EXPECT_FALSE(BitmapHeadersFit(farPixels));
  auto core = good;
  Put32(core, 14, 12);  // a core header is still a bitmap the decoder reads
  EXPECT_TRUE(BitmapHeadersFit(core));
  // Not a bitmap: left to the decoder.
  const std::vector<std::uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0};
  EXPECT_TRUE(BitmapHeadersFit(jpeg));
  EXPECT_TRUE(BitmapHeadersFit({}));
}

}  // namespace
}  // namespace skin
