#include "skin/BmpFile.h"

namespace skin {
namespace {

// Bitmap headers are little-endian whatever the host.
std::uint32_t ReadLe32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}
std::uint16_t ReadLe16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

constexpr std::uint32_t kUncompressed = 0;  // BI_RGB

BmpLayout Rejected(BmpStatus status) {
  BmpLayout layout;
  layout.status = status;
  return layout;
}

}  // namespace

std::size_t BmpLayout::RowOffset(int y) const {
  const auto stored = topDown ? y : height - 1 - y;
  return pixelOffset + static_cast<std::size_t>(stored) * stride;
}

BmpLayout ReadBmpLayout(std::span<const std::uint8_t> file) {
  if (file.size() < kBmpFileHeaderSize + kBmpInfoHeaderSize) return Rejected(BmpStatus::TooShort);
  if (file[0] != 'B' || file[1] != 'M') return Rejected(BmpStatus::NotBmp);

  const std::uint64_t infoSize = ReadLe32(file, 14);
  if (infoSize < kBmpInfoHeaderSize || kBmpFileHeaderSize + infoSize > file.size())
    return Rejected(BmpStatus::BadInfoHeader);

  const auto width = static_cast<std::int32_t>(ReadLe32(file, 18));
  const auto rawHeight = static_cast<std::int32_t>(ReadLe32(file, 22));
  const auto bitsPerPixel = ReadLe16(file, 28);
  const auto compression = ReadLe32(file, 30);
  if ((bitsPerPixel != 24 && bitsPerPixel != 32) || compression != kUncompressed)
    return Rejected(BmpStatus::Unsupported);
  // INT32_MIN has no positive counterpart.
  if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) return Rejected(BmpStatus::BadDimensions);

  BmpLayout layout;
  layout.width = width;
  layout.height = rawHeight < 0 ? -rawHeight : rawHeight;
  layout.topDown = rawHeight < 0;
  layout.bytesPerPixel = bitsPerPixel / 8;
  // In 64 bits: a huge width would wrap a 32-bit size_t to a small row that seems to fit.
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;

  const std::uint64_t pixelOffset = ReadLe32(file, 10);
  if (pixelOffset < kBmpFileHeaderSize + infoSize) return Rejected(BmpStatus::BadPixelOffset);
  const std::uint64_t pixelBytes = stride * static_cast<std::uint64_t>(layout.height);
  if (pixelOffset > file.size() || pixelBytes > file.size() - pixelOffset)
    return Rejected(BmpStatus::PixelsOutsideFile);
  layout.stride = static_cast<std::size_t>(stride);  // no larger than the file
  layout.pixelOffset = static_cast<std::size_t>(pixelOffset);
  layout.status = BmpStatus::Ok;
  return layout;
}

std::vector<RunRect> KeyColourRuns(std::span<const std::uint8_t> file, Bgr keyColour) {
  std::vector<RunRect> runs;
  const auto layout = ReadBmpLayout(file);
  if (!layout.ok()) return runs;
  for (int y = 0; y < layout.height; ++y)
    AppendRowRuns(file.subspan(layout.RowOffset(y), layout.stride), layout.width, layout.bytesPerPixel, keyColour,
                  y, runs);
  return runs;
}

bool BitmapHeadersFit(std::span<const std::uint8_t> file) {
  if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') return true;
  constexpr std::size_t kCoreHeaderSize = 12;  // the oldest information header
  if (file.size() < kBmpFileHeaderSize + 4) return false;
  const std::uint64_t infoSize = ReadLe32(file, 14);
  if (infoSize < kCoreHeaderSize || kBmpFileHeaderSize + infoSize > file.size()) return false;
  return ReadLe32(file, 10) <= file.size();
}

std::string_view BmpStatusText(BmpStatus status) {
  switch (status) {
    case BmpStatus::Ok: return "ok";
    case BmpStatus::TooShort: return "shorter than the bitmap headers";
    case BmpStatus::NotBmp: return "not a bitmap file";
    case BmpStatus::BadInfoHeader: return "bad information header size";
    case BmpStatus::Unsupported: return "not an uncompressed 24- or 32-bit bitmap";
    case BmpStatus::BadDimensions: return "bad width or height";
    case BmpStatus::BadPixelOffset: return "pixel data overlaps the headers";
    case BmpStatus::PixelsOutsideFile: return "pixel data runs past the end of the file";
  }
  return "unknown";
}

}  // namespace skin
