#pragma once
// The whole settings (header and ten profiles) to a folder of JSON documents and back into the registry,
// written exactly as the program's save writes them and followed by the same notice to the companion.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/WindowMessenger.h"
#include "tools/profile/ProfileFiles.h"

namespace profiletool {

struct BackupResult {
  Outcome outcome = Outcome::Ok;
  std::vector<std::string> messages;  // errors, or warnings when the outcome is Ok
};

// "Setting.json" and "Profile0.json" .. "Profile9.json", named like the registry keys they come from.
std::string HeaderFileName();
std::string ProfileFileName(int profile);

BackupResult BackupSettings(platform::Registry& registry, const std::filesystem::path& folder);

// Reads and checks all eleven documents first; writes nothing unless every one is sound.
BackupResult RestoreSettings(platform::Registry& registry, platform::WindowMessenger& messenger,
                             const std::filesystem::path& folder);

}  // namespace profiletool
