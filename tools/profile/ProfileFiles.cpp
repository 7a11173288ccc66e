#include "tools/profile/ProfileFiles.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#include "tools/profile/ProfileJson.h"

namespace profiletool {
namespace {

constexpr std::uintmax_t kLargestJson = 64u << 20;  // a full profile document is a few megabytes

}  // namespace

std::string PathText(const std::filesystem::path& path) {
  const auto text = path.u8string();
  return std::string(text.begin(), text.end());
}

bool IsJsonPath(const std::filesystem::path& path) {
  auto extension = PathText(path.extension());
  for (auto& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return extension == ".json";
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return std::nullopt;
  const auto size = std::filesystem::file_size(path, error);
  if (error || size > kLargestJson) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(file), {}};
  if (file.bad()) return std::nullopt;
  return bytes;
}

bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary = path;
  temporary += ".part";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    if (!file) {
      file.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

LoadedProfile LoadProfile(const std::filesystem::path& path, std::optional<int> variant) {
  LoadedProfile loaded;
  loaded.fromJson = IsJsonPath(path);
  const std::string name = PathText(path);
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (error || std::filesystem::is_directory(path, error)) {
    loaded.outcome = Outcome::UsageOrIo;
    loaded.problems.push_back(name + ": cannot be read");
    return loaded;
  }
  if (loaded.fromJson) {
    const auto text = ReadWholeFile(path);
    if (!text) {
      loaded.outcome = size > kLargestJson ? Outcome::InputProblem : Outcome::UsageOrIo;
      loaded.problems.push_back(name + (size > kLargestJson ? ": is far too large for a profile document" : ": cannot be read"));
      return loaded;
    }
    auto profile = std::make_unique<store::ProfileRecord>();
    const JsonResult result = ProfileFromJson(*text, *profile, &loaded.variant);
    if (!result.ok) {
      loaded.outcome = Outcome::InputProblem;
      loaded.problems.push_back(name + ": " + result.message);
      return loaded;
    }
    loaded.profile = std::move(profile);
    if (variant) loaded.variant = *variant;
    return loaded;
  }
  loaded.variant = variant.value_or(0);
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    loaded.outcome = Outcome::UsageOrIo;
    loaded.problems.push_back(name + ": cannot be read");
    return loaded;
  }
  auto profile = std::make_unique<store::ProfileRecord>();
  file.read(reinterpret_cast<char*>(profile.get()), static_cast<std::streamsize>(store::kProfileSize));
  if (file.bad()) {
    loaded.outcome = Outcome::UsageOrIo;
    loaded.problems.push_back(name + ": cannot be read");
    return loaded;
  }
  const auto read = static_cast<std::uintmax_t>(file.gcount());
  if (read < store::kProfileSize) {
    loaded.outcome = Outcome::InputProblem;
    loaded.problems.push_back(name + ": the file has " + std::to_string(read) + " bytes; a profile file has 526420");
    return loaded;
  }
  if (size > store::kProfileSize)
    loaded.problems.push_back(name + ": the file has " + std::to_string(size) +
                              " bytes; a profile file has 526420, and the bytes after them are ignored");
  loaded.profile = std::move(profile);
  return loaded;
}

}  // namespace profiletool
