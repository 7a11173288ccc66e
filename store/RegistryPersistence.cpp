#include "store/RegistryPersistence.h"

#include <array>
#include <cstdio>
#include <span>

#include "store/Companion.h"

namespace store {

namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

// A persisted field: its value name, where it lies in its record, and how many of its bytes are stored.
struct Field {
  const char16_t* name;
  std::size_t offset;
  std::size_t bytes;
};

constexpr Field kLanguage{u"Language", offsetof(StoreHeader, Language), 4};

constexpr std::array<Field, kHeaderValuesWritten> kHeaderFields{{
    {u"ProfileTotle", offsetof(StoreHeader, ProfileTotle), 1},
    {u"ProfileCurrent", offsetof(StoreHeader, ProfileCurrent), 1},
    {u"AutoSwitch", offsetof(StoreHeader, AutoSwitch), 1},
    {u"ShowScreen", offsetof(StoreHeader, ShowScreen), 1},
    {u"TrayIcon", offsetof(StoreHeader, TrayIcon), 1},
    {u"LightOption", offsetof(StoreHeader, LightOption), 1},
    {u"MediaOption", offsetof(StoreHeader, MediaOption), 1},
    {u"bCustomSwitch", offsetof(StoreHeader, bCustomSwitch), 1},
    {u"SwitchCode", offsetof(StoreHeader, SwitchCode), 3},
}};

// Only the first 260 bytes (130 units) of Name and Exe are kept in the registry.
constexpr std::array<Field, 7> kProfileFields{{
    {u"DeviceMode", offsetof(ProfileRecord, DeviceMode), 1},
    {u"AutoSwitch", offsetof(ProfileRecord, AutoSwitch), 1},
    {u"ButtonInfoChanged", offsetof(ProfileRecord, ButtonInfoChanged), 1},
    {u"Keymap", offsetof(ProfileRecord, Keymap), 1},
    {u"KeymapChanged", offsetof(ProfileRecord, KeymapChanged), 1},
    {u"Name", offsetof(ProfileRecord, Name), 260},
    {u"Exe", offsetof(ProfileRecord, Exe), 260},
}};

// The 330 key record value names, made once.
const std::array<std::u16string, kLayerCount * kKeyCount>& KeyValueNames() {
  static const auto names = [] {
    std::array<std::u16string, kLayerCount * kKeyCount> all;
    for (int layer = 0; layer < kLayerCount; ++layer)
      for (int key = 0; key < kKeyCount; ++key) all[layer * kKeyCount + key] = KeyValueName(layer, key);
    return all;
  }();
  return names;
}

std::u16string Ascii(const char* text) { return std::u16string(text, text + std::char_traits<char>::length(text)); }

template <typename Record>
std::span<std::uint8_t> FieldBytes(Record& record, const Field& field) {
  return {reinterpret_cast<std::uint8_t*>(&record) + field.offset, field.bytes};
}

template <typename Record>
std::span<const std::uint8_t> FieldBytes(const Record& record, const Field& field) {
  return {reinterpret_cast<const std::uint8_t*>(&record) + field.offset, field.bytes};
}

std::span<std::uint8_t> RecordBytes(KeyRecord& record) { return record.bytes; }
std::span<const std::uint8_t> RecordBytes(const KeyRecord& record) { return record.bytes; }

// Reads are all-or-nothing per value: a value larger than its field is not taken at all.
void ReadInto(RegistryKey* key, const char16_t* name, std::span<std::uint8_t> field) {
  if (key) key->Read(name, field);
}

class WriteCounter {
 public:
  explicit WriteCounter(SaveReport& report) : report_(report) {}
  void Write(RegistryKey* key, std::u16string_view name, std::span<const std::uint8_t> data) {
    if (key && key->WriteBinary(name, data))
      ++report_.valuesWritten;
    else
      ++report_.valuesFailed;
  }

 private:
  SaveReport& report_;
};

}  // namespace

std::u16string ProfileKeyPath(int profile) {
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, "\\Profile%d", profile);
  return std::u16string(kSettingsKeyPath) + Ascii(suffix);
}

std::u16string KeyValueName(int layer, int key) {
  char name[32];
  std::snprintf(name, sizeof name, "Layer%dButton%.3d", layer, key);
  return Ascii(name);
}

void LoadSettings(SettingsStore& store, platform::Registry& registry) {
  auto header = registry.OpenOrCreate(RegistryRoot::CurrentUser, kSettingsKeyPath);
  ClearStore(store);
  ReadInto(header.get(), kLanguage.name, FieldBytes(store.header, kLanguage));
  for (const Field& field : kHeaderFields) ReadInto(header.get(), field.name, FieldBytes(store.header, field));
  header.reset();

  const auto& names = KeyValueNames();
  for (int p = 0; p < kProfileCount; ++p) {
    ProfileRecord& profile = store.profiles[p];
    auto key = registry.OpenOrCreate(RegistryRoot::CurrentUser, ProfileKeyPath(p));
    for (const Field& field : kProfileFields) ReadInto(key.get(), field.name, FieldBytes(profile, field));
    for (int layer = 0; layer < kLayerCount; ++layer)
      for (int k = 0; k < kKeyCount; ++k)
        ReadInto(key.get(), names[layer * kKeyCount + k].c_str(), RecordBytes(profile.keys[layer][k]));
  }
  ClampIndices(store);
}

SaveReport SaveSettings(const SettingsStore& store, platform::Registry& registry,
                        platform::WindowMessenger& messenger) {
  SaveReport report;
  WriteCounter out(report);
  {
    auto header = registry.OpenOrCreate(RegistryRoot::CurrentUser, kSettingsKeyPath);
    for (const Field& field : kHeaderFields) out.Write(header.get(), field.name, FieldBytes(store.header, field));
  }
  const auto& names = KeyValueNames();
  for (int p = 0; p < kProfileCount; ++p) {
    const ProfileRecord& profile = store.profiles[p];
    auto key = registry.OpenOrCreate(RegistryRoot::CurrentUser, ProfileKeyPath(p));
    for (const Field& field : kProfileFields) out.Write(key.get(), field.name, FieldBytes(profile, field));
    for (int layer = 0; layer < kLayerCount; ++layer)
      for (int k = 0; k < kKeyCount; ++k)
        out.Write(key.get(), names[layer * kKeyCount + k], RecordBytes(profile.keys[layer][k]));
  }
  AnnounceSave(messenger);
  return report;
}

std::optional<std::uint32_t> ReadLanguage(platform::Registry& registry) {
  auto header = registry.OpenForReading(RegistryRoot::CurrentUser, kSettingsKeyPath);
  std::array<std::uint8_t, kLanguage.bytes> bytes{};
  const platform::RegistryRead read = header ? header->Read(kLanguage.name, bytes) : platform::RegistryRead{};
  if (!read.copied || read.size == 0) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) value |= std::uint32_t{bytes[i]} << (8 * i);
  return value;
}

bool WriteLanguage(platform::Registry& registry, std::uint32_t value) {
  std::array<std::uint8_t, kLanguage.bytes> bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
  auto header = registry.OpenOrCreate(RegistryRoot::CurrentUser, kSettingsKeyPath);
  return header && header->WriteBinary(kLanguage.name, bytes);
}

}  // namespace store
