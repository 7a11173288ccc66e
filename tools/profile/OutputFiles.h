#pragma once
// Writing a result where the user said, without ever losing a file to a surprise: a symbolic link is
// written through to its target, a device or pipe is written directly, a regular file is written beside
// itself and then moved over the old one, so a failed write leaves the old file whole. A folder is refused.

#include <filesystem>
#include <string>
#include <string_view>

namespace profiletool {

struct WriteResult {
  bool ok = true;
  std::string error;  // the system's message
};

WriteResult WriteFileSafely(const std::filesystem::path& path, std::string_view bytes);

// The file that a chain of symbolic links ends at; `path` itself when it is no link.
std::filesystem::path FinalTarget(const std::filesystem::path& path);

// Whether writing to `path` goes to a device rather than a file ("NUL" on Windows, a node under /dev).
bool IsSpecialFile(const std::filesystem::path& path);

}  // namespace profiletool
