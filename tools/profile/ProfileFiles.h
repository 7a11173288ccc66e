#pragma once
// Profiles read from either form, a profile file (.prof, or any name) or its JSON document (.json).

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/SettingsStore.h"

namespace profiletool {

// What a command tells its caller, as the exit code 0, 1 or 2.
enum class Outcome { Ok = 0, InputProblem = 1, UsageOrIo = 2 };

struct LoadedProfile {
  Outcome outcome = Outcome::Ok;
  std::vector<std::string> problems;  // with a record: what is wrong with the file itself (its size)
  std::unique_ptr<store::ProfileRecord> profile;  // null unless a whole record could be read
  int variant = 0;
  bool fromJson = false;
};

bool IsJsonPath(const std::filesystem::path& path);

// `variant` chooses the layout for names; without it a JSON document's own variant, else 0.
LoadedProfile LoadProfile(const std::filesystem::path& path, std::optional<int> variant);

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);
// Writes through a temporary file beside the target, so a failed write leaves no half file behind.
bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// "name" for messages, whatever characters the path holds.
std::string PathText(const std::filesystem::path& path);

}  // namespace profiletool
