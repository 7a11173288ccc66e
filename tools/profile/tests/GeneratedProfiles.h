#pragma once
// Profiles for the tests: as the program writes them (every function kind through the record writers,
// macros that keep an earlier function's bytes, texts beyond ASCII) and of random bytes.

#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "store/SettingsStore.h"

namespace profiletool::testing {

inline std::unique_ptr<store::ProfileRecord> NewProfile() { return std::make_unique<store::ProfileRecord>(); }

inline void SetName(store::ProfileRecord& profile, std::u16string_view name, std::u16string_view exe) {
  store::CopyTerminated(profile.Name, store::kPathCapacity, name);
  store::CopyTerminated(profile.Exe, store::kPathCapacity, exe);
}

// A macro as the editor leaves it: recorded events over whatever the key held before.
inline void WriteRecordedMacro(store::KeyRecord& record, std::mt19937& random, int events) {
  store::KeyRecord copy = record;
  auto& macro = copy.macro;
  macro.DelayMode = static_cast<std::int32_t>(random() % 2);
  macro.IntervalOn = static_cast<std::int32_t>(random() % 2);
  macro.RepeatMode = static_cast<std::int32_t>(random() % 3);
  macro.IntervalIndex = static_cast<std::int32_t>(random() % 4);
  macro.RepeatCountIndex = static_cast<std::int32_t>(random() % 10);
  std::memset(macro.Events, 0, sizeof macro.Events);
  for (int i = 0; i < events; ++i) {
    const bool pause = random() % 3 == 0;
    macro.Events[i] = pause ? store::MacroEvent{0xFF, static_cast<std::uint8_t>(random())}
                            : store::MacroEvent{static_cast<std::uint8_t>(random() % 255), static_cast<std::uint8_t>(random() % 2)};
  }
  macro.EventCount = static_cast<std::uint16_t>(events);
  store::WriteMacro(record, copy);
}

// Every slot of every layer holds one of the 256 kind codes, each written the way the program writes it.
inline std::unique_ptr<store::ProfileRecord> EveryKindProfile(unsigned seed) {
  auto profile = NewProfile();
  std::mt19937 random(seed);
  SetName(*profile, u"Schnellfeuer \u2013 \u65E5\u672C\u8A9E \U0001F3AE \u00C6r\u00F8", u"sp\u00EBl.exe");
  profile->AutoSwitch = 1;
  profile->Keymap = 2;
  profile->DeviceMode = 3;
  profile->ButtonInfoChanged = 1;
  for (int layer = 0; layer < store::kLayerCount; ++layer)
    for (int slot = 0; slot < store::kKeyCount; ++slot) {
      store::KeyRecord& record = profile->keys[layer][slot];
      const auto kind = static_cast<std::uint8_t>((layer * store::kKeyCount + slot + seed) % 256);
      switch (kind) {
        case store::kind::kNone: break;
        case store::kind::kSingleKey: store::WriteSingleKey(record, static_cast<std::uint8_t>(random())); break;
        case store::kind::kMacro:
          store::WriteLaunchProgram(record, u"C:\\Spiele\\\u00DCbung.exe", u"\u00DCbung");  // kept by the macro
          WriteRecordedMacro(record, random, slot % 2 ? 256 : static_cast<int>(random() % 40));
          break;
        case store::kind::kProfileSwitch:
          store::WriteProfileSwitch(record, static_cast<std::int32_t>(random() % 10), static_cast<std::int32_t>(random() % 3),
                                    static_cast<std::int32_t>(random() % 2));
          break;
        case store::kind::kLaunchProgram:
          store::WriteLaunchProgram(record, u"C:\\Programme\\\u30B2\u30FC\u30E0\\run.exe", u"\u30B2\u30FC\u30E0 \U0001F680");
          break;
        default: store::WriteSimpleKind(record, kind);
      }
    }
  // The second key of each layer is a full macro over whatever kind the slot held.
  for (int layer = 0; layer < store::kLayerCount; ++layer) WriteRecordedMacro(profile->keys[layer][1], random, 256);
  return profile;
}

inline std::unique_ptr<store::ProfileRecord> RandomProfile(unsigned seed) {
  auto profile = NewProfile();
  std::mt19937 random(seed);
  auto* bytes = reinterpret_cast<std::uint8_t*>(profile.get());
  for (std::size_t i = 0; i < store::kProfileSize; ++i) bytes[i] = static_cast<std::uint8_t>(random());
  return profile;
}

}  // namespace profiletool::testing
