#include "tools/profile/ProfileFiles.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "tools/profile/ProfileJson.h"

namespace profiletool {
namespace {

constexpr std::size_t kLargestInput = 64u << 20;  // a full profile document is a few megabytes

FileBytes ReadAll(std::istream& in) {
  FileBytes read;
  std::string bytes;
  char buffer[1 << 16];
  while (in && bytes.size() <= kLargestInput) {
    in.read(buffer, sizeof buffer);
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) {
    read.error = errno ? std::generic_category().message(errno) : "cannot be read";
    return read;
  }
  read.tooLarge = bytes.size() > kLargestInput;
  read.bytes = std::move(bytes);
  return read;
}

}  // namespace

std::string PathText(const std::filesystem::path& path) {
  const auto text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string Extension(const std::filesystem::path& path) {
  auto extension = PathText(path.extension());
  for (auto& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return extension;
}

bool IsJsonPath(const std::filesystem::path& path) { return Extension(path) == ".json"; }
bool IsProfilePath(const std::filesystem::path& path) { return Extension(path) == ".prof"; }

bool StartsLikeJson(std::string_view bytes) {
  const auto first = bytes.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && bytes[first] == '{';
}

bool LooksLikeJson(const std::filesystem::path& name, std::string_view bytes) {
  if (IsJsonPath(name)) return true;
  return !IsProfilePath(name) && bytes.size() != store::kProfileSize && StartsLikeJson(bytes);
}

FileBytes ReadWholeStream(std::istream& in) { return ReadAll(in); }

FileBytes ReadWholeFile(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return {std::nullopt, "is a folder"};
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) return {std::nullopt, errno ? std::generic_category().message(errno) : "cannot be opened"};
  return ReadAll(file);
}

LoadedProfile LoadProfileBytes(std::string_view bytes, bool json, std::optional<int> variant, const Labels& labels) {
  LoadedProfile loaded;
  loaded.fromJson = json;
  if (json) {
    auto profile = std::make_unique<store::ProfileRecord>();
    const JsonResult result = ProfileFromJson(bytes, *profile, &loaded.variant, labels);
    if (!result.ok) {
      loaded.outcome = Outcome::InputProblem;
      loaded.problems.push_back(result.message);
      return loaded;
    }
    loaded.profile = std::move(profile);
    if (variant) loaded.variant = *variant;
    return loaded;
  }
  loaded.variant = variant.value_or(0);
  if (bytes.size() < store::kProfileSize) {
    loaded.outcome = Outcome::InputProblem;
    std::string problem = "the file has " + std::to_string(bytes.size()) + " bytes; a profile file has 526420";
    if (StartsLikeJson(bytes)) problem += " (it holds JSON: name it .json)";
    loaded.problems.push_back(problem);
    return loaded;
  }
  auto profile = std::make_unique<store::ProfileRecord>();
  std::memcpy(static_cast<void*>(profile.get()), bytes.data(), store::kProfileSize);
  if (bytes.size() > store::kProfileSize)
    loaded.problems.push_back("the file has " + std::to_string(bytes.size()) +
                              " bytes; a profile file has 526420, and the bytes after them are ignored");
  loaded.profile = std::move(profile);
  return loaded;
}

LoadedProfile LoadProfile(const std::filesystem::path& path, std::optional<int> variant, const Labels& labels) {
  const FileBytes read = ReadWholeFile(path);
  if (!read.bytes) {
    LoadedProfile loaded;
    loaded.outcome = Outcome::UsageOrIo;
    loaded.problems.push_back("cannot be read: " + read.error);
    return loaded;
  }
  const bool json = LooksLikeJson(path, *read.bytes);
  if (read.tooLarge && json) {
    LoadedProfile loaded;
    loaded.outcome = Outcome::InputProblem;
    loaded.problems.push_back("is far too large for a profile document");
    return loaded;
  }
  return LoadProfileBytes(*read.bytes, json, variant, labels);
}

}  // namespace profiletool
