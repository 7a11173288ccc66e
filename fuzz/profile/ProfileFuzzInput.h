#pragma once
// One fuzz input through the profile file reader. The input describes a file rather than being one
// (a real file is 526,420 bytes, far beyond what a fuzzer mutates well): a length near, at, below or
// above one record, then patches written over a file of zeros. The reader's verdict is checked
// against the file's own fields, and a refused file must leave the record untouched. Shared by the
// libFuzzer target and the test that replays the seed corpus.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/FuzzInput.h"
#include "store/ProfileFile.h"

namespace profilefuzz {

using fuzzing::Require;
using fuzzing::Reader;

// Patch offsets aim at the fields a reader checks as often as at the rest of the record.
inline std::size_t PatchOffset(std::uint32_t raw, std::size_t length) {
  using store::ProfileRecord;
  static constexpr std::size_t kAims[] = {0,
                                          offsetof(ProfileRecord, Name),
                                          offsetof(ProfileRecord, Exe) - 2,
                                          offsetof(ProfileRecord, Exe),
                                          offsetof(ProfileRecord, AutoSwitch) - 2,
                                          offsetof(ProfileRecord, keys),
                                          offsetof(ProfileRecord, ButtonInfoChanged),
                                          offsetof(ProfileRecord, Keymap),
                                          store::kProfileSize - 1};
  if (length == 0) return 0;
  if ((raw & 1) == 0) return (raw >> 1) % length;
  return (kAims[(raw >> 1) % std::size(kAims)] + ((raw >> 8) & 0x3FF)) % length;
}

// Fills `file`, whose memory is kept between inputs: a fresh half-megabyte buffer per input would cost
// more than the reader.
inline void BuildFile(Reader& in, std::vector<std::uint8_t>& file) {
  const std::uint8_t mode = in.Byte();
  std::size_t length = store::kProfileSize;
  switch (mode & 3) {
    case 1: length += in.Byte() + 1u; break;                        // longer: the tail is ignored
    case 2: length = in.U32() % store::kProfileSize; break;           // shorter: refused
    default: break;
  }
  file.assign(length, 0);
  while (!in.AtEnd()) {
    const std::size_t at = PatchOffset(in.U32(), length);
    const std::size_t count = std::min<std::size_t>(in.Byte() % 64 + 1, length - at);
    if (length == 0) break;
    for (std::size_t i = 0; i < count; ++i) file[at + i] = in.Byte();
    if ((mode & 4) && at + count < length) file[at + count] = 0;  // often a terminator behind the patch
  }
}

// The verdict the file deserves, from its own fields.
inline store::ProfileFileStatus Deserved(const std::vector<std::uint8_t>& file) {
  using store::ProfileFileStatus;
  using store::ProfileRecord;
  if (file.size() < store::kProfileSize) return ProfileFileStatus::TooShort;
  auto terminated = [&](std::size_t offset) {
    for (std::size_t unit = 0; unit < store::kPathCapacity; ++unit)
      if (file[offset + 2 * unit] == 0 && file[offset + 2 * unit + 1] == 0) return true;
    return false;
  };
  if (!terminated(offsetof(ProfileRecord, Name))) return ProfileFileStatus::NameUnterminated;
  if (!terminated(offsetof(ProfileRecord, Exe))) return ProfileFileStatus::ExeUnterminated;
  const std::size_t k = offsetof(ProfileRecord, Keymap);
  const std::uint32_t keymap = file[k] | file[k + 1] << 8 | file[k + 2] << 16 | static_cast<std::uint32_t>(file[k + 3]) << 24;
  return keymap <= 2 ? ProfileFileStatus::Ok : ProfileFileStatus::KeymapOutOfRange;
}

inline constexpr std::uint8_t kUntouched = 0xA5;

inline void CheckRead(const std::vector<std::uint8_t>& file, store::ProfileFileResult result,
                      const store::ProfileRecord& record) {
  Require(result.status == Deserved(file));
  Require(result.description() != nullptr);
  static const std::vector<std::uint8_t> untouched(store::kProfileSize, kUntouched);
  Require(std::memcmp(&record, result.ok() ? file.data() : untouched.data(), store::kProfileSize) == 0);
}

inline void RunInput(const std::uint8_t* data, std::size_t size) {
  static const auto record = std::make_unique<store::ProfileRecord>();
  Reader in(data, size);
  static std::vector<std::uint8_t> file;
  const bool throughFile = size > 0 && (data[0] & 0x38) == 0x38;
  BuildFile(in, file);

  std::memset(static_cast<void*>(record.get()), kUntouched, store::kProfileSize);
  CheckRead(file, store::ReadProfileBytes(file, *record), *record);

  if (!throughFile) return;
  // The same bytes as a file on disk, read by the import's own entry point.
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("trelm-fuzz-profile-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + ".prof");
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  std::memset(static_cast<void*>(record.get()), kUntouched, store::kProfileSize);
  const auto result = store::ReadProfileFile(path, *record);
  std::filesystem::remove(path);
  CheckRead(file, result, *record);
}

}  // namespace profilefuzz
