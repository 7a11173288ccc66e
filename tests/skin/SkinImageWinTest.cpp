#include "skin/SkinImage.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/skin/WinSkinSupport.h"

namespace skin {
namespace {

using skintest::ScratchFolder;
using skintest::Solid;

constexpr COLORREF kRed = RGB(200, 30, 40);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A picture whose every pixel says where it is, so a face cut from the wrong spot shows.
Bgr Positional(int x, int y) { return {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 77}; }
COLORREF PositionalColour(int x, int y) { return RGB(77, y & 0xFF, x & 0xFF); }

TEST(LoadSkinBitmap, DecodesBmpAndJpegFiles) {
  ScratchFolder folder;
  skintest::WriteBmp(folder.File(L"a.bmp"), 30, 20, Positional);
  ASSERT_TRUE(skintest::WriteJpeg(folder.File(L"a.jpg"), 40, 24, [](int, int) { return Solid(kRed); }));

  SkinBitmap bitmap;
  SIZE size = LoadSkinBitmap(folder.File(L"a.bmp").c_str(), bitmap);
  EXPECT_EQ(size.cx, 30);
  EXPECT_EQ(size.cy, 20);
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(skintest::PixelOf(bitmap.get(), 29, 19), PositionalColour(29, 19));
  EXPECT_EQ(skintest::PixelOf(bitmap.get(), 3, 0), PositionalColour(3, 0));

  size = LoadSkinBitmap(folder.File(L"a.jpg").c_str(), bitmap);
  EXPECT_EQ(size.cx, 40);
  EXPECT_EQ(size.cy, 24);
  const COLORREF jpeg = skintest::PixelOf(bitmap.get(), 20, 12);
  EXPECT_NEAR(GetRValue(jpeg), 200, 8);
  EXPECT_NEAR(GetGValue(jpeg), 30, 8);
}

TEST(LoadSkinBitmap, MissingOrDamagedFilesGiveAnEmptyBitmap) {
  ScratchFolder folder;
  skintest::WriteBmp(folder.File(L"good.bmp"), 8, 8, Positional);
  skintest::WriteBytes(folder.File(L"junk.jpg"), std::vector<std::uint8_t>(300, 0x5A));
  skintest::WriteBytes(folder.File(L"empty.jpg"), {});
  auto cut = skintest::MakeBmp(8, 8, Positional);
  cut.resize(20);  // headers cut short
  skintest::WriteBytes(folder.File(L"cut.bmp"), cut);

  const long start = win::LiveHandleCount();
  for (const wchar_t* name : {L"missing.jpg", L"junk.jpg", L"empty.jpg", L"cut.bmp"}) {
    SkinBitmap bitmap;
    LoadSkinBitmap(folder.File(L"good.bmp").c_str(), bitmap);
    ASSERT_TRUE(bitmap);
    const SIZE size = LoadSkinBitmap(folder.File(name).c_str(), bitmap);
    EXPECT_EQ(size.cx, 0) << name;
    EXPECT_EQ(size.cy, 0) << name;
    EXPECT_FALSE(bitmap) << name;
    EXPECT_EQ(win::LiveHandleCount(), start) << name << ": the previous picture must be released";
  }
  SkinBitmap none;
  EXPECT_EQ(LoadSkinBitmap(nullptr, none).cx, 0);
}

TEST(LoadSkinBitmap, ThePictureLivesExactlyAsLongAsItsBitmap) {
  ScratchFolder folder;
  skintest::WriteBmp(folder.File(L"a.bmp"), 16, 16, Positional);
  const long start = win::LiveHandleCount();
  HBITMAP handle = nullptr;
  {
    SkinBitmap first;
    LoadSkinBitmap(folder.File(L"a.bmp").c_str(), first);
    handle = first.get();
    EXPECT_EQ(win::LiveHandleCount(), start + 1);
    SkinBitmap second(std::move(first));
    EXPECT_EQ(second.get(), handle);
    EXPECT_FALSE(first);
    EXPECT_EQ(BitmapSize(handle).cx, 16);  // still usable after the move
  }
  EXPECT_EQ(win::LiveHandleCount(), start);
  EXPECT_EQ(BitmapSize(handle).cx, 0) << "released with its picture";
  for (int i = 0; i < 500; ++i) {
    SkinBitmap bitmap;
    LoadSkinBitmap(folder.File(L"a.bmp").c_str(), bitmap);
  }
  EXPECT_EQ(win::LiveHandleCount(), start);
}

// A mask bitmap made from rows of characters: '.' white, 'w' (255, 255, 254), anything else black.
win::Bitmap MaskFrom(std::initializer_list<const char*> rows) {
  const int height = static_cast<int>(rows.size());
  const int width = static_cast<int>(std::char_traits<char>::length(*rows.begin()));
  std::vector<std::string> lines(rows.begin(), rows.end());
  auto bytes = skintest::MakeBmp(width, height, [&](int x, int y) {
    const char c = lines[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    return c == '.' ? Bgr{255, 255, 255} : c == 'w' ? Bgr{254, 255, 255} : Bgr{0, 0, 0};
  });
  auto* info = reinterpret_cast<BITMAPINFO*>(bytes.data() + 14);
  HDC screen = ::GetDC(nullptr);
  win::Bitmap bitmap(::CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, bytes.data() + 54, info, DIB_RGB_COLORS));
  ::ReleaseDC(nullptr, screen);
  return bitmap;
}

TEST(RegionFromMask, RunsReachTheRightEdgeAndOnlyPureWhiteIsOutside) {
  const auto mask = MaskFrom({"..##", "w..#", "####"});
  const auto region = RegionFromMask(mask.get());
  ASSERT_TRUE(region);
  EXPECT_TRUE(::PtInRegion(region.get(), 3, 0));   // the right-most column
  EXPECT_TRUE(::PtInRegion(region.get(), 3, 1));
  EXPECT_TRUE(::PtInRegion(region.get(), 0, 1));   // (255, 255, 254)
  EXPECT_FALSE(::PtInRegion(region.get(), 1, 1));
  EXPECT_FALSE(::PtInRegion(region.get(), 0, 0));
  EXPECT_FALSE(::PtInRegion(region.get(), 4, 2));  // nothing past the picture
}

TEST(RegionFromMask, AllWhiteIsEmptyAndNoWhiteIsTheWholePicture) {
  RECT box{};
  const auto white = RegionFromMask(MaskFrom({"...", "..."}).get());
  ASSERT_TRUE(white);
  EXPECT_EQ(::GetRgnBox(white.get(), &box), NULLREGION);

  const auto black = RegionFromMask(MaskFrom({"###", "###"}).get());
  ASSERT_TRUE(black);
  EXPECT_EQ(::GetRgnBox(black.get(), &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 3);
  EXPECT_EQ(box.bottom, 2);

  EXPECT_FALSE(RegionFromMask(nullptr));
}

TEST(RegionFromMask, ManyRunsGiveTheSameRegionAsOneRequest) {
  // Every other pixel black: 100 runs a row, 5,000 in all, more than two batches.
  constexpr int kWidth = 200, kHeight = 50;
  std::vector<std::string> rows(kHeight, std::string(kWidth, '.'));
  std::vector<RECT> rects;
  for (int y = 0; y < kHeight; ++y)
    for (int x = (y % 2); x < kWidth; x += 2) {
      rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = '#';
      rects.push_back({x, y, x + 1, y + 1});
    }
  auto bytes = skintest::MakeBmp(kWidth, kHeight, [&](int x, int y) {
    return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#' ? Bgr{0, 0, 0} : Bgr{255, 255, 255};
  });
  auto* info = reinterpret_cast<BITMAPINFO*>(bytes.data() + 14);
  HDC screen = ::GetDC(nullptr);
  win::Bitmap mask(::CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, bytes.data() + 54, info, DIB_RGB_COLORS));
  ::ReleaseDC(nullptr, screen);

  std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rects.size());
  header->rcBound = {0, 0, kWidth, kHeight};
  std::memcpy(data.data() + sizeof(RGNDATAHEADER), rects.data(), rects.size() * sizeof(RECT));
  win::Region single(::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data())));
  ASSERT_TRUE(single);

  const auto batched = RegionFromMask(mask.get());
  ASSERT_TRUE(batched);
  EXPECT_TRUE(::EqualRgn(batched.get(), single.get()));
}

TEST(CutFace, CopiesExactlyTheRectangle) {
  ScratchFolder folder;
  skintest::WriteBmp(folder.File(L"dialog.bmp"), 400, 300, Positional);
  SkinBitmap dialog;
  LoadSkinBitmap(folder.File(L"dialog.bmp").c_str(), dialog);

  win::Bitmap face;
  CutFace(face, dialog.get(), RECT{258, 228, 366, 253});
  ASSERT_TRUE(face);
  EXPECT_EQ(BitmapSize(face.get()).cx, 108);
  EXPECT_EQ(BitmapSize(face.get()).cy, 25);
  for (const POINT p : {POINT{0, 0}, POINT{107, 24}, POINT{50, 12}})
    EXPECT_EQ(skintest::PixelOf(face.get(), p.x, p.y), PositionalColour(258 + p.x, 228 + p.y));

  const long start = win::LiveHandleCount();
  CutFace(face, nullptr, RECT{0, 0, 5, 5});
  EXPECT_TRUE(face) << "a missing source leaves the face as it was";
  CutFace(face, dialog.get(), RECT{10, 10, 10, 20});
  EXPECT_FALSE(face) << "an empty rectangle gives no face";
  EXPECT_EQ(win::LiveHandleCount(), start - 1);
}

TEST(CutImageFace, ClonesTheRectangleOfAGdiplusImage) {
  ScratchFolder folder;
  ASSERT_TRUE(skintest::WritePng(folder.File(L"menu.png"), 181, 295, Positional));
  auto image = LoadSkinImage(folder.File(L"menu.png").c_str());
  ASSERT_TRUE(image);
  EXPECT_EQ(ImageSize(image.get()).cx, 181);
  EXPECT_EQ(ImageSize(image.get()).cy, 295);

  auto face = CutImageFace(image.get(), 0, 90, 181, 20);
  ASSERT_TRUE(face);
  EXPECT_EQ(ImageSize(face.get()).cx, 181);
  Gdiplus::Color c;
  face.get()->GetPixel(180, 19, &c);
  EXPECT_EQ(c.GetR(), 77);
  EXPECT_EQ(c.GetG(), 109);
  EXPECT_EQ(c.GetB(), 180);

  EXPECT_FALSE(CutImageFace(image.get(), 0, 290, 181, 20)) << "past the bottom";
  EXPECT_FALSE(CutImageFace(nullptr, 0, 0, 5, 5));
  EXPECT_FALSE(LoadSkinImage(folder.File(L"missing.png").c_str()));
  EXPECT_EQ(ImageSize(nullptr).cx, 0);
}

}  // namespace
}  // namespace skin
