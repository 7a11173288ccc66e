#pragma once
// A profile file: one profile record, byte for byte, 526,420 bytes, no header.

#include <cstdint>
#include <filesystem>
#include <span>

#include "store/SettingsStore.h"

namespace store {

enum class ProfileFileStatus {
  Ok,
  CannotCreate,      // write: the file could not be created
  CannotWrite,       // write: not every byte reached the file
  CannotOpen,        // read: the file could not be opened
  CannotRead,        // read: reading failed part way
  TooShort,          // read: fewer than 526,420 bytes
  NameUnterminated,  // read: Name has no terminating 0 within its 260 units
  ExeUnterminated,   // read: Exe has no terminating 0 within its 260 units
  KeymapOutOfRange,  // read: Keymap is not 0, 1 or 2
};

struct ProfileFileResult {
  ProfileFileStatus status = ProfileFileStatus::Ok;
  bool ok() const { return status == ProfileFileStatus::Ok; }
  // A short English description of what happened, for logs and messages.
  const char* description() const;
};

// Writes the record to a new file beside `path` that replaces it only when whole: on any failure a file
// already at `path` keeps every byte and nothing else is left behind.
ProfileFileResult WriteProfileFile(const std::filesystem::path& path, const ProfileRecord& profile);

// Reads at most 526,420 bytes. The record changes only when the whole file was read and its fields
// are valid: the store's users rely on terminated texts and a Keymap of 0..2.
ProfileFileResult ReadProfileFile(const std::filesystem::path& path, ProfileRecord& profile);
// The same checks over a file's bytes already in memory; bytes beyond one record are ignored.
ProfileFileResult ReadProfileBytes(std::span<const std::uint8_t> bytes, ProfileRecord& profile);

}  // namespace store
