#include "tools/profile/SettingsBackup.h"

#include <system_error>

#include "catalogue/KeyLayout.h"
#include "store/RegistryPersistence.h"
#include "tools/profile/OutputFiles.h"
#include "tools/profile/ProfileCheck.h"
#include "tools/profile/ProfileJson.h"

namespace profiletool {

std::string HeaderFileName() { return "Setting.json"; }
std::string ProfileFileName(int profile) { return "Profile" + std::to_string(profile) + ".json"; }

BackupResult BackupSettings(platform::Registry& registry, const std::filesystem::path& folder) {
  BackupResult result;
  // Loading creates missing keys; a machine without settings has nothing to back up, so look first.
  if (!registry.OpenForReading(platform::RegistryRoot::CurrentUser, store::kSettingsKeyPath)) {
    result.outcome = Outcome::UsageOrIo;
    result.messages.push_back("there are no settings in the registry to back up");
    return result;
  }
  const auto store = store::MakeStore();
  store::LoadSettings(*store, registry);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const int variant = catalogue::LayoutVariant(store->header.Language);
  const auto write = [&](const std::string& name, const std::string& text) {
    if (const WriteResult written = WriteFileSafely(folder / name, text); !written.ok) {
      result.outcome = Outcome::UsageOrIo;
      result.messages.push_back(PathText(folder / name) + ": cannot be written: " + written.error);
    }
  };
  write(HeaderFileName(), HeaderToJson(store->header));
  for (int p = 0; p < store::kProfileCount; ++p) {
    write(ProfileFileName(p), ProfileToJson(store->profiles[p], variant));
    for (const auto& problem : CheckProfile(store->profiles[p], variant))
      result.messages.push_back(ProfileFileName(p) + ": warning: " + problem.text +
                                (problem.severity == Severity::Fault ? " (restore refuses it until it is put right)" : ""));
  }
  return result;
}

BackupResult RestoreSettings(platform::Registry& registry, platform::WindowMessenger& messenger,
                             const std::filesystem::path& folder) {
  BackupResult result;
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    result.outcome = Outcome::UsageOrIo;
    result.messages.push_back(PathText(folder) + ": no such folder; nothing was written to the registry");
    return result;
  }
  const auto store = store::MakeStore();
  std::vector<std::string> warnings;  // told only when the restore goes ahead
  const auto fail = [&](Outcome outcome, const std::string& message) {
    if (result.outcome != Outcome::UsageOrIo) result.outcome = outcome;
    result.messages.push_back(message);
  };

  const FileBytes headerText = ReadWholeFile(folder / HeaderFileName());
  if (!headerText.bytes) {
    fail(Outcome::UsageOrIo, PathText(folder / HeaderFileName()) + ": cannot be read: " + headerText.error);
  } else if (const JsonResult read = HeaderFromJson(*headerText.bytes, store->header); !read.ok) {
    fail(Outcome::InputProblem, HeaderFileName() + ": " + read.message);
  } else {
    for (const auto& problem : CheckRegistryFit(store->header)) fail(Outcome::InputProblem, HeaderFileName() + ": " + problem.text);
  }
  for (int p = 0; p < store::kProfileCount; ++p) {
    const std::string name = ProfileFileName(p);
    const LoadedProfile loaded = LoadProfile(folder / name, std::nullopt);
    if (!loaded.profile) {
      for (const auto& problem : loaded.problems) fail(loaded.outcome, name + ": " + problem);
      continue;
    }
    store->profiles[p] = *loaded.profile;
    for (const auto& problem : CheckProfile(*loaded.profile, loaded.variant)) {
      if (problem.severity == Severity::Fault) fail(Outcome::InputProblem, name + ": " + problem.text);
      else warnings.push_back(name + ": warning: " + problem.text);
    }
    for (const auto& problem : CheckRegistryFit(*loaded.profile)) fail(Outcome::InputProblem, name + ": " + problem.text);
  }
  if (result.outcome != Outcome::Ok) {
    result.messages.push_back("nothing was written to the registry");
    return result;
  }
  result.messages = std::move(warnings);
  const store::SaveReport report = store::SaveSettings(*store, registry, messenger);
  if (!report.ok())
    fail(Outcome::UsageOrIo, std::to_string(report.valuesFailed) + " of " + std::to_string(store::kValuesWritten) +
                                 " registry values could not be written");
  return result;
}

}  // namespace profiletool
