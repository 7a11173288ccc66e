#include "tools/profile/OutputFiles.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

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

// A new file beside `target` that no one else has: created exclusively, under a name of this process.
std::FILE* CreateBeside(const fs::path& target, fs::path& created) {
#ifdef _WIN32
  const int process = _getpid();
#else
  const int process = static_cast<int>(getpid());
#endif
  for (int attempt = 0; attempt < 100; ++attempt) {
    created = target;
    std::string suffix = ".";
    suffix += std::to_string(process) + "-" + std::to_string(attempt) + ".part";
    created += suffix;
#ifdef _WIN32
    const int fd = _wopen(created.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd >= 0) return _fdopen(fd, "wb");
#else
    const int fd = open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fdopen(fd, "wb");
#endif
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

WriteResult WriteBesideAndReplace(const fs::path& target, std::string_view bytes) {
  std::error_code error;
  const fs::file_status old = fs::status(target, error);
  fs::path temporary;
  errno = 0;
  Stream stream{CreateBeside(target, temporary)};
  if (!stream.file) return {false, SystemMessage(errno)};
  WriteResult result = WriteAndClose(stream, bytes);
  if (result.ok && fs::exists(old)) fs::permissions(temporary, old.permissions(), error);  // keep who may read it
  if (result.ok) {
    fs::rename(temporary, target, error);
    if (error) result = {false, error.message()};
  }
  if (!result.ok) fs::remove(temporary, error);
  return result;
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
