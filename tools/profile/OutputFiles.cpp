#include "tools/profile/OutputFiles.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <span>
#include <system_error>

#include "platform/FileReplace.h"

namespace profiletool {
namespace {

namespace fs = std::filesystem;

std::string SystemMessage(int error) { return std::generic_category().message(error); }

// Owns a C stream, closing it at the end unless it was closed to check the result.
struct Stream {
  std::FILE* file = nullptr;
  ~Stream() {
    if (file) std::fclose(file);
  }
};

WriteResult WriteAndClose(Stream& stream, std::string_view bytes) {
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream.file) == bytes.size() && std::fflush(stream.file) == 0;
  const int error = errno;
  const bool closed = std::fclose(stream.file) == 0;
  stream.file = nullptr;
  if (!written) return {false, SystemMessage(error)};
  if (!closed) return {false, SystemMessage(errno)};
  return {};
}

WriteResult WriteDirectly(const fs::path& path, std::string_view bytes) {
  errno = 0;
#ifdef _WIN32
  Stream stream{_wfopen(path.c_str(), L"wb")};
#else
  Stream stream{std::fopen(path.c_str(), "wb")};
#endif
  if (!stream.file) return {false, SystemMessage(errno)};
  return WriteAndClose(stream, bytes);
}

WriteResult WriteBesideAndReplace(const fs::path& target, std::string_view bytes) {
  const auto result = platform::ReplaceFileContents(
      target, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  if (result.ok()) return {};
  return {false, platform::SystemErrorText(result.systemError)};
}

}  // namespace

fs::path FinalTarget(const fs::path& path) {
  fs::path current = path;
  for (int hops = 0; hops < 40; ++hops) {  // a loop of links ends here; opening it then says so
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(current, error))) return current;
    const fs::path target = fs::read_symlink(current, error);
    if (error) return current;
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return current;
}

bool IsSpecialFile(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (fs::exists(status)) return !fs::is_regular_file(status) && !fs::is_directory(status);
#ifdef _WIN32
  // The devices every folder holds: "NUL", "CON", "COM1", also with an extension ("nul.json").
  auto stem = path.stem().wstring();
  for (auto& c : stem) c = static_cast<wchar_t>(c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c);
  static const wchar_t* const kDevices[] = {L"NUL", L"CON", L"PRN", L"AUX"};
  for (const wchar_t* device : kDevices)
    if (stem == device) return true;
  if (stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) && stem[3] >= L'1' && stem[3] <= L'9')
    return true;
#endif
  return false;
}

WriteResult WriteFileSafely(const fs::path& path, std::string_view bytes) {
  const fs::path target = FinalTarget(path);
  std::error_code error;
  if (fs::is_directory(target, error)) return {false, "is a folder"};
  if (IsSpecialFile(target)) return WriteDirectly(target, bytes);
  return WriteBesideAndReplace(target, bytes);
}

}  // namespace profiletool
