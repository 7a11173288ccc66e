#pragma once
// Writing a whole file so that the one it replaces survives any failure: the bytes go to a new file beside
// it, which takes its place only once it is complete and on the disk. A full disk or a stick pulled out
// half-way leaves the old file as it was, and no half-written file behind.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace platform {

enum class FileReplaceStatus {
  Ok,
  CannotCreate,   // the new file could not be made beside the target
  CannotWrite,    // not every byte reached the disk
  CannotReplace,  // the complete new file could not take the target's place
};

struct FileReplaceResult {
  FileReplaceStatus status = FileReplaceStatus::Ok;
  // The system's error code (errno, or GetLastError on Windows), 0 when there is none; on Windows the
  // thread's last error holds it as well.
  int systemError = 0;
  bool ok() const { return status == FileReplaceStatus::Ok; }
};

// The file replaced keeps who may read and write it.
FileReplaceResult ReplaceFileContents(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// The system's own words for a FileReplaceResult's error, in UTF-8.
std::string SystemErrorText(int systemError);

}  // namespace platform
