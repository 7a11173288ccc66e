#pragma once
// Profiles read from either form, a profile file (.prof, or any name) or its JSON document (.json).

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/SettingsStore.h"
#include "tools/profile/FunctionWords.h"

namespace profiletool {

// What a command tells its caller, as the exit code 0, 1 or 2.
enum class Outcome { Ok = 0, InputProblem = 1, UsageOrIo = 2 };

struct LoadedProfile {
  Outcome outcome = Outcome::Ok;
  // Without a record, why; with one, what is odd about the file itself (its size). Without the file's name.
  std::vector<std::string> problems;
  std::unique_ptr<store::ProfileRecord> profile;  // null unless a whole record could be read
  int variant = 0;
  bool fromJson = false;
};

// ".json", ".prof": the name's extension in lower case.
std::string Extension(const std::filesystem::path& path);
bool IsJsonPath(const std::filesystem::path& path);
bool IsProfilePath(const std::filesystem::path& path);

// A file named .json is JSON and one named .prof a profile file; any other name, and standard input,
// is JSON when it starts with "{" and is not exactly a profile file's size.
bool LooksLikeJson(const std::filesystem::path& name, std::string_view bytes);
bool StartsLikeJson(std::string_view bytes);

// `variant` chooses the layout for names; without it a JSON document's own variant, else 0.
LoadedProfile LoadProfileBytes(std::string_view bytes, bool json, std::optional<int> variant,
                               const Labels& labels = Labels::English());
LoadedProfile LoadProfile(const std::filesystem::path& path, std::optional<int> variant,
                          const Labels& labels = Labels::English());

// The whole file, up to a limit far above any profile document; the reason when it cannot be read.
struct FileBytes {
  std::optional<std::string> bytes;
  std::string error;
  bool tooLarge = false;
};
FileBytes ReadWholeFile(const std::filesystem::path& path);
FileBytes ReadWholeStream(std::istream& in);

// "name" for messages, whatever characters the path holds.
std::string PathText(const std::filesystem::path& path);

}  // namespace profiletool
