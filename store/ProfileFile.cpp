#include "store/ProfileFile.h"

#include <cstring>
#include <fstream>
#include <vector>

#include "platform/FileReplace.h"

namespace store {

const char* ProfileFileResult::description() const {
  switch (status) {
    case ProfileFileStatus::Ok: return "No error";
    case ProfileFileStatus::CannotCreate: return "The profile file could not be created";
    case ProfileFileStatus::CannotWrite: return "The profile file could not be written completely";
    case ProfileFileStatus::CannotOpen: return "The profile file could not be opened";
    case ProfileFileStatus::CannotRead: return "The profile file could not be read";
    case ProfileFileStatus::TooShort: return "The file is too short to be a profile";
    case ProfileFileStatus::NameUnterminated: return "The profile name in the file is damaged";
    case ProfileFileStatus::ExeUnterminated: return "The program name in the file is damaged";
    case ProfileFileStatus::KeymapOutOfRange: return "The layer choice in the file is out of range";
  }
  return "Unknown error";
}

ProfileFileResult WriteProfileFile(const std::filesystem::path& path, const ProfileRecord& profile) {
  // A backup the user already has is worth more than the new one: it is replaced only by a whole file.
  const auto result = platform::ReplaceFileContents(
      path, std::span(reinterpret_cast<const std::uint8_t*>(&profile), kProfileSize));
  switch (result.status) {
    case platform::FileReplaceStatus::Ok: return {};
    case platform::FileReplaceStatus::CannotCreate: return {ProfileFileStatus::CannotCreate};
    case platform::FileReplaceStatus::CannotWrite:
    case platform::FileReplaceStatus::CannotReplace: break;
  }
  return {ProfileFileStatus::CannotWrite};
}

ProfileFileResult ReadProfileFile(const std::filesystem::path& path, ProfileRecord& profile) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {ProfileFileStatus::CannotOpen};

  // Read into a scratch record first, so a refused file leaves the caller's record as it was.
  std::vector<std::uint8_t> bytes(kProfileSize);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) return {ProfileFileStatus::CannotRead};
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return ReadProfileBytes(bytes, profile);
}

ProfileFileResult ReadProfileBytes(std::span<const std::uint8_t> bytes, ProfileRecord& profile) {
  if (bytes.size() < kProfileSize) return {ProfileFileStatus::TooShort};

  // memcpy rather than a cast: the bytes have no alignment promise.
  char16_t name[kPathCapacity], exe[kPathCapacity];
  std::uint32_t keymap = 0;
  std::memcpy(name, bytes.data() + offsetof(ProfileRecord, Name), sizeof name);
  std::memcpy(exe, bytes.data() + offsetof(ProfileRecord, Exe), sizeof exe);
  std::memcpy(&keymap, bytes.data() + offsetof(ProfileRecord, Keymap), sizeof keymap);
  if (TerminatedView(name, kPathCapacity).size() == kPathCapacity) return {ProfileFileStatus::NameUnterminated};
  if (TerminatedView(exe, kPathCapacity).size() == kPathCapacity) return {ProfileFileStatus::ExeUnterminated};
  if (!ValidLayer(keymap)) return {ProfileFileStatus::KeymapOutOfRange};

  std::memcpy(static_cast<void*>(&profile), bytes.data(), kProfileSize);
  return {};
}

}  // namespace store
