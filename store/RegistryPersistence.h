#pragma once
// The settings store in the current user's registry: one REG_BINARY value per field and per key
// record, under "Software\Dadezorevuru\Setting" and its "Profile0".."Profile9" subkeys.
// The companion program reads the same values, so names, sizes and order are fixed.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Registry.h"
#include "platform/WindowMessenger.h"
#include "store/SettingsStore.h"

namespace store {

inline constexpr char16_t kSettingsKeyPath[] = u"Software\\Dadezorevuru\\Setting";
inline constexpr int kHeaderValuesWritten = 9;
inline constexpr int kProfileValuesWritten = 7 + kLayerCount * kKeyCount;
inline constexpr int kValuesWritten = kHeaderValuesWritten + kProfileCount * kProfileValuesWritten;  // 3,379

std::u16string ProfileKeyPath(int profile);            // ...\Setting\Profile%d
std::u16string KeyValueName(int layer, int key);      // Layer%dButton%.3d

// Clears the store and fills it from the registry, creating missing keys. A value that is larger than
// its field leaves the field zero; a shorter one fills only its bytes. ProfileCurrent and Keymap
// values out of range are put back to 0.
void LoadSettings(SettingsStore& store, platform::Registry& registry);

struct SaveReport {
  int valuesWritten = 0;
  int valuesFailed = 0;  // writes refused, including those of keys that could not be opened
  bool ok() const { return valuesFailed == 0; }
};

// Writes every value (Language excepted), then tells the companion program, whether or not every
// write succeeded: whatever did reach the registry is what it should read.
SaveReport SaveSettings(const SettingsStore& store, platform::Registry& registry,
                        platform::WindowMessenger& messenger);

// Language as LoadSettings takes it: none when the user has no value the program reads (missing, empty,
// or longer than its 4 bytes). Creates nothing.
std::optional<std::uint32_t> ReadLanguage(platform::Registry& registry);
// Language is the installer's to write, never the program's: 4 bytes, little-endian.
bool WriteLanguage(platform::Registry& registry, std::uint32_t value);

}  // namespace store
