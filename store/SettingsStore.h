#pragma once
// The settings store: the whole configuration of the keyboard as one fixed block of 5,264,240 bytes,
// a 40-byte header of global preferences followed by ten profile records. Every window reads and
// writes it in place; the registry and profile files hold it byte for byte.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "store/KeyRecord.h"

namespace store {

inline constexpr int kProfileCount = 10;
inline constexpr int kLayerCount = 3;
inline constexpr int kKeyCount = 110;
inline constexpr int kEnterKeySlot = 51;

struct StoreHeader {
  std::uint32_t Language;        // layout variant 0..2; read, never written by this program
  std::uint32_t ProfileTotle;    // kept for the companion program
  std::uint32_t ProfileCurrent;  // 0..9
  std::uint32_t AutoSwitch;      // kept for the companion program
  std::uint32_t ShowScreen;      // kept for the companion program
  std::uint32_t TrayIcon;        // kept for the companion program
  std::uint32_t LightOption;
  std::uint32_t MediaOption;
  std::uint32_t bCustomSwitch;
  std::uint8_t SwitchCode[3];    // first modifier, second modifier, key code
  std::uint8_t reserved;
};

struct ProfileRecord {
  std::uint32_t DeviceMode;      // kept for the companion program
  char16_t Name[kPathCapacity];
  char16_t Exe[kPathCapacity];
  std::uint32_t AutoSwitch;
  KeyRecord keys[kLayerCount][kKeyCount];
  std::uint32_t ButtonInfoChanged;  // kept for the companion program
  std::uint32_t Keymap;             // layer 0..2 last shown
  std::uint32_t KeymapChanged;      // kept for the companion program
};

// Not copyable by accident: the one copy that is wanted (a dialog's working copy) says so with CopyFrom.
struct SettingsStore {
  StoreHeader header;
  ProfileRecord profiles[kProfileCount];

  SettingsStore() = default;
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  void CopyFrom(const SettingsStore& other);
};

inline constexpr std::size_t kLayerStride = sizeof(KeyRecord) * kKeyCount;
inline constexpr std::size_t kProfileSize = 526420;
inline constexpr std::size_t kStoreSize = 5264240;

static_assert(sizeof(StoreHeader) == 40);
static_assert(offsetof(StoreHeader, Language) == 0);
static_assert(offsetof(StoreHeader, ProfileTotle) == 4);
static_assert(offsetof(StoreHeader, ProfileCurrent) == 8);
static_assert(offsetof(StoreHeader, AutoSwitch) == 12);
static_assert(offsetof(StoreHeader, ShowScreen) == 16);
static_assert(offsetof(StoreHeader, TrayIcon) == 20);
static_assert(offsetof(StoreHeader, LightOption) == 24);
static_assert(offsetof(StoreHeader, MediaOption) == 28);
static_assert(offsetof(StoreHeader, bCustomSwitch) == 32);
static_assert(offsetof(StoreHeader, SwitchCode) == 36);
static_assert(offsetof(StoreHeader, reserved) == 39);

static_assert(kLayerStride == 175120);
static_assert(sizeof(ProfileRecord) == kProfileSize);
static_assert(offsetof(ProfileRecord, DeviceMode) == 0);
static_assert(offsetof(ProfileRecord, Name) == 4);
static_assert(offsetof(ProfileRecord, Exe) == 524);
static_assert(offsetof(ProfileRecord, AutoSwitch) == 1044);
static_assert(offsetof(ProfileRecord, keys) == 1048);
static_assert(offsetof(ProfileRecord, ButtonInfoChanged) == 526408);
static_assert(offsetof(ProfileRecord, Keymap) == 526412);
static_assert(offsetof(ProfileRecord, KeymapChanged) == 526416);

static_assert(sizeof(SettingsStore) == kStoreSize);
static_assert(offsetof(SettingsStore, header) == 0);
static_assert(offsetof(SettingsStore, profiles) == 40);

// Allocates one zero-filled store on the heap (it is far too large for a stack).
std::unique_ptr<SettingsStore> MakeStore();

// Store offset of the record of (profile, layer, key): 1088 + p × 526,420 + l × 175,120 + k × 1592.
constexpr std::size_t KeyRecordOffset(int profile, int layer, int key) {
  return offsetof(SettingsStore, profiles) + static_cast<std::size_t>(profile) * kProfileSize +
         offsetof(ProfileRecord, keys) + static_cast<std::size_t>(layer) * kLayerStride +
         static_cast<std::size_t>(key) * kKeyRecordSize;
}
static_assert(KeyRecordOffset(0, 0, 0) == 1088);
static_assert(KeyRecordOffset(9, 2, 109) == 5262636);

constexpr bool ValidProfile(std::int64_t p) { return p >= 0 && p < kProfileCount; }
constexpr bool ValidLayer(std::int64_t l) { return l >= 0 && l < kLayerCount; }
constexpr bool ValidKey(std::int64_t k) { return k >= 0 && k < kKeyCount; }

// The record of (profile, layer, key); null when any index is out of range.
KeyRecord* FindKeyRecord(SettingsStore& store, int profile, int layer, int key);
const KeyRecord* FindKeyRecord(const SettingsStore& store, int profile, int layer, int key);

// The current profile's index and record. ProfileCurrent is kept in range by every writer; should it
// still be out of range, profile 0 is used rather than memory outside the store.
int CurrentProfileIndex(const SettingsStore& store);
ProfileRecord& CurrentProfile(SettingsStore& store);
const ProfileRecord& CurrentProfile(const SettingsStore& store);

void ClearStore(SettingsStore& store);
// Clears everything but Language.
void ResetAll(SettingsStore& store);
// Clears the 110 records of one layer of one profile; out-of-range indices do nothing.
void ResetLayer(SettingsStore& store, int profile, int layer);
// Clears one key record; out-of-range indices do nothing.
void ResetKey(SettingsStore& store, int profile, int layer, int key);

// Puts an out-of-range ProfileCurrent or Keymap back to 0, so they can be used as indices.
// Returns true when something had to be changed.
bool ClampIndices(SettingsStore& store);
bool ClampKeymap(ProfileRecord& profile);

}  // namespace store
