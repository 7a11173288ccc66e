#pragma once
// Language files written by the tests: each in its own uniquely named temporary file, because the
// native tests run as parallel processes.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace strings::testing {

class TempFile {
 public:
  explicit TempFile(std::string_view bytes) : m_path(UniquePath()) { Write(bytes); }
  ~TempFile() {
    std::error_code ignored;
    std::filesystem::remove(m_path, ignored);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  void Write(std::string_view bytes) const {
    std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  std::u16string Path() const { return m_path.u16string(); }
  const std::filesystem::path& FsPath() const { return m_path; }

 private:
  static std::filesystem::path UniquePath() {
    std::random_device entropy;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto tag = std::to_string(entropy()) + "-" + std::to_string(now);
    return std::filesystem::temp_directory_path() / ("trelm-strings-" + tag + ".xml");
  }

  std::filesystem::path m_path;
};

// UTF-16 text as file bytes, little- or big-endian.
inline std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

}  // namespace strings::testing
