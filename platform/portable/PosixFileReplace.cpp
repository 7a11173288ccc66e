#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

#include "platform/FileReplace.h"

namespace platform {
namespace {

FileReplaceResult Failed(FileReplaceStatus status, int error, int fd, const std::string& partial) {
  if (fd >= 0) ::close(fd);
  if (!partial.empty()) ::unlink(partial.c_str());
  return {status, error};
}

}  // namespace

FileReplaceResult ReplaceFileContents(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  static std::atomic<unsigned> counter{0};
  const std::string target = path.string();
  const std::string partial =
      target + "." + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".part";
  const int fd = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return Failed(FileReplaceStatus::CannotCreate, errno, -1, {});
  if (struct stat old {}; ::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);

  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return Failed(FileReplaceStatus::CannotWrite, written < 0 ? errno : EIO, fd, partial);
    done += static_cast<std::size_t>(written);
  }
  if (::fsync(fd) != 0) return Failed(FileReplaceStatus::CannotWrite, errno, fd, partial);
  if (::close(fd) != 0) return Failed(FileReplaceStatus::CannotWrite, errno, -1, partial);
  if (::rename(partial.c_str(), target.c_str()) != 0) return Failed(FileReplaceStatus::CannotReplace, errno, -1, partial);
  return {};
}

std::string SystemErrorText(int systemError) { return std::strerror(systemError); }

}  // namespace platform
