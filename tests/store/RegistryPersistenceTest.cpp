#include "store/RegistryPersistence.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/fake/MemoryRegistry.h"
#include "platform/fake/RecordingMessenger.h"
#include "store/Companion.h"

namespace store {
namespace {

using platform::MemoryRegistry;
using Bytes = MemoryRegistry::Bytes;

const std::u16string kHeader = kSettingsKeyPath;

class RegistryPersistence : public ::testing::Test {
 protected:
  MemoryRegistry registry;
  platform::RecordingMessenger messenger;
  std::unique_ptr<SettingsStore> store = MakeStore();
};

TEST(RegistryNames, KeyPathsAndValueNames) {
  EXPECT_EQ(ProfileKeyPath(0), u"Software\\Dadezorevuru\\Setting\\Profile0");
  EXPECT_EQ(ProfileKeyPath(9), u"Software\\Dadezorevuru\\Setting\\Profile9");
  EXPECT_EQ(KeyValueName(0, 0), u"Layer0Button000");
  EXPECT_EQ(KeyValueName(0, 51), u"Layer0Button051");
  EXPECT_EQ(KeyValueName(2, 109), u"Layer2Button109");
  EXPECT_EQ(kValuesWritten, 3379);
}

TEST_F(RegistryPersistence, FirstRunCreatesAllElevenKeysAndLeavesEverythingZero) {
  std::memset(static_cast<void*>(store.get()), 0x6B, kStoreSize);
  LoadSettings(*store, registry);
  EXPECT_TRUE(registry.HasKey(kHeader));
  for (int p = 0; p < kProfileCount; ++p) EXPECT_TRUE(registry.HasKey(ProfileKeyPath(p)));
  EXPECT_EQ(registry.KeyCount(), 11u);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(store.get());
  EXPECT_TRUE(std::all_of(bytes, bytes + kStoreSize, [](std::uint8_t b) { return b == 0; }));
  EXPECT_TRUE(registry.writes().empty());  // a load creates keys but writes no value
}

TEST_F(RegistryPersistence, SaveWritesEveryValueOnceInOrderWithItsSize) {
  LoadSettings(*store, registry);
  const auto report = SaveSettings(*store, registry, messenger);
  EXPECT_TRUE(report.ok());
  EXPECT_EQ(report.valuesWritten, 3379);

  const auto& writes = registry.writes();
  ASSERT_EQ(writes.size(), 3379u);
  const char16_t* headerNames[] = {u"ProfileTotle", u"ProfileCurrent", u"AutoSwitch", u"ShowScreen", u"TrayIcon",
                                   u"LightOption", u"MediaOption", u"bCustomSwitch", u"SwitchCode"};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(writes[i].path, kHeader);
    EXPECT_EQ(writes[i].name, headerNames[i]);
    EXPECT_EQ(writes[i].size, i == 8 ? 3u : 1u);
  }
  const char16_t* profileNames[] = {u"DeviceMode", u"AutoSwitch", u"ButtonInfoChanged", u"Keymap",
                                    u"KeymapChanged", u"Name", u"Exe"};
  std::size_t i = 9;
  for (int p = 0; p < kProfileCount; ++p) {
    for (int f = 0; f < 7; ++f, ++i) {
      EXPECT_EQ(writes[i].path, ProfileKeyPath(p));
      EXPECT_EQ(writes[i].name, profileNames[f]);
      EXPECT_EQ(writes[i].size, f < 5 ? 1u : 260u);
    }
    for (int l = 0; l < kLayerCount; ++l)
      for (int k = 0; k < kKeyCount; ++k, ++i) {
        ASSERT_EQ(writes[i].name, KeyValueName(l, k));
        ASSERT_EQ(writes[i].size, 1592u);
      }
  }
  for (const auto& write : writes) EXPECT_NE(write.name, u"Language");
}

TEST_F(RegistryPersistence, TheCompanionHearsOnceAndOnlyAfterTheLastWrite) {
  std::vector<std::size_t> writesAtPost;
  messenger.title = kCompanionTitle;
  messenger.onPost = [&](const platform::PostedMessage&) { writesAtPost.push_back(registry.writes().size()); };
  SaveSettings(*store, registry, messenger);
  ASSERT_EQ(messenger.posted.size(), 1u);
  EXPECT_EQ(messenger.posted[0], (platform::PostedMessage{1537, 7, 0}));
  EXPECT_EQ(writesAtPost, std::vector<std::size_t>{3379});
}

TEST_F(RegistryPersistence, SavingWithoutTheCompanionStillWritesEverything) {
  messenger.present = false;
  EXPECT_TRUE(SaveSettings(*store, registry, messenger).ok());
  EXPECT_EQ(registry.writes().size(), 3379u);
  EXPECT_TRUE(messenger.posted.empty());
}

TEST_F(RegistryPersistence, RoundTripKeepsWhatTheRegistryCanHold) {
  store->header.Language = 1;
  store->header.ProfileTotle = 4;
  store->header.ProfileCurrent = 7;
  store->header.MediaOption = 2;
  store->header.SwitchCode[0] = 0x11;
  store->header.SwitchCode[1] = 0x12;
  store->header.SwitchCode[2] = 0x41;
  store->profiles[7].Keymap = 2;
  store->profiles[7].AutoSwitch = 1;
  store->profiles[3].DeviceMode = 0x105;  // only the low byte is stored
  CopyTerminated(store->profiles[7].Exe, kPathCapacity, u"game.exe");
  CopyTerminated(store->profiles[7].Name, kPathCapacity, std::u16string(200, u'n'));
  WriteLaunchProgram(store->profiles[9].keys[2][109], u"C:\\x.exe", u"X");
  WriteSingleKey(store->profiles[0].keys[1][51], 0x70);

  SaveSettings(*store, registry, messenger);
  auto loaded = MakeStore();
  LoadSettings(*loaded, registry);

  EXPECT_EQ(loaded->header.Language, 0u);  // never written, so nothing to read back
  EXPECT_EQ(loaded->header.ProfileTotle, 4u);
  EXPECT_EQ(loaded->header.ProfileCurrent, 7u);
  EXPECT_EQ(loaded->header.MediaOption, 2u);
  EXPECT_EQ(std::memcmp(loaded->header.SwitchCode, store->header.SwitchCode, 3), 0);
  EXPECT_EQ(loaded->profiles[7].Keymap, 2u);
  EXPECT_EQ(loaded->profiles[7].AutoSwitch, 1u);
  EXPECT_EQ(loaded->profiles[3].DeviceMode, 0x05u);
  EXPECT_EQ(TerminatedView(loaded->profiles[7].Exe, kPathCapacity), u"game.exe");
  // 260 bytes hold 130 units; the zero-filled store supplies the terminator.
  EXPECT_EQ(TerminatedView(loaded->profiles[7].Name, kPathCapacity), std::u16string(130, u'n'));
  EXPECT_EQ(std::memcmp(&loaded->profiles[9].keys[2][109], &store->profiles[9].keys[2][109], kKeyRecordSize), 0);
  EXPECT_EQ(loaded->profiles[0].keys[1][51].singleKey.KeyCode, 0x70);
}

TEST_F(RegistryPersistence, LanguageIsReadWholeAndSurvivesSaves) {
  registry.Set(kHeader, u"Language", Bytes{2, 0, 0, 0});
  LoadSettings(*store, registry);
  EXPECT_EQ(store->header.Language, 2u);
  store->header.Language = 0;
  SaveSettings(*store, registry, messenger);
  EXPECT_EQ(*registry.Get(kHeader, u"Language"), (Bytes{2, 0, 0, 0}));
}

// The installer keeps a Language the program would read, and reads it as the program does.
TEST_F(RegistryPersistence, TheInstallersLanguageReadMatchesTheProgramsLoad) {
  const struct {
    std::optional<Bytes> stored;
    std::optional<std::uint32_t> read;
  } cases[] = {
      {std::nullopt, std::nullopt}, {Bytes{}, std::nullopt},           {Bytes{2, 0, 0, 0}, 2u},
      {Bytes{1}, 1u},               {Bytes{7, 1, 0, 0}, 0x107u},       {Bytes{2, 0, 0, 0, 0}, std::nullopt},
  };
  for (const auto& c : cases) {
    MemoryRegistry fresh;
    if (c.stored) fresh.Set(kHeader, u"Language", *c.stored);
    EXPECT_EQ(ReadLanguage(fresh), c.read);
    EXPECT_EQ(fresh.HasKey(kHeader), c.stored.has_value()) << "reading creates nothing";
    if (c.read) {
      LoadSettings(*store, fresh);
      EXPECT_EQ(store->header.Language, *c.read);
    }
  }
  ASSERT_TRUE(WriteLanguage(registry, 2));
  EXPECT_EQ(*registry.Get(kHeader, u"Language"), (Bytes{2, 0, 0, 0}));
}

TEST_F(RegistryPersistence, ShortValuesFillOnlyTheirBytesAndLongOnesNothing) {
  const auto path = ProfileKeyPath(2);
  registry.Set(path, u"Layer1Button005", Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                               0, 0, 0, 0x42});
  registry.Set(path, u"Layer1Button006", Bytes(1593, 0x09));
  registry.Set(path, u"Name", Bytes(262, 0x41));
  registry.Set(kHeader, u"ProfileCurrent", Bytes{3, 0});
  registry.Set(kHeader, u"MediaOption", Bytes{});
  LoadSettings(*store, registry);
  const KeyRecord& shortRecord = store->profiles[2].keys[1][5];
  EXPECT_EQ(shortRecord.FunctionKind, 1);
  EXPECT_EQ(shortRecord.singleKey.KeyCode, 0x42);
  EXPECT_EQ(shortRecord.bytes[27], 0);
  EXPECT_EQ(store->profiles[2].keys[1][6].FunctionKind, 0);
  EXPECT_EQ(store->profiles[2].keys[1][6].bytes[1591], 0);
  EXPECT_EQ(store->profiles[2].Name[0], 0);
  EXPECT_EQ(store->header.ProfileCurrent, 0u);
  EXPECT_EQ(store->header.MediaOption, 0u);
}

TEST_F(RegistryPersistence, OutOfRangeIndicesFromTheRegistryAreClampedOnLoad) {
  registry.Set(kHeader, u"ProfileCurrent", Bytes{12});
  registry.Set(ProfileKeyPath(0), u"Keymap", Bytes{3});
  registry.Set(ProfileKeyPath(1), u"Keymap", Bytes{255});
  registry.Set(ProfileKeyPath(2), u"Keymap", Bytes{2});
  LoadSettings(*store, registry);
  EXPECT_EQ(store->header.ProfileCurrent, 0u);
  EXPECT_EQ(store->profiles[0].Keymap, 0u);
  EXPECT_EQ(store->profiles[1].Keymap, 0u);
  EXPECT_EQ(store->profiles[2].Keymap, 2u);
}

TEST_F(RegistryPersistence, FailedWritesAreReportedAndTheCompanionIsStillTold) {
  registry.allowWrite = [](const MemoryRegistry::Write& w) { return w.name != u"Layer2Button100"; };
  auto report = SaveSettings(*store, registry, messenger);
  EXPECT_FALSE(report.ok());
  EXPECT_EQ(report.valuesFailed, 10);  // once per profile
  EXPECT_EQ(report.valuesWritten, 3369);
  EXPECT_EQ(messenger.posted.size(), 1u);

  MemoryRegistry locked;
  locked.deniedKeys.insert(u"software\\dadezorevuru\\setting\\profile4");
  report = SaveSettings(*store, locked, messenger);
  EXPECT_EQ(report.valuesFailed, 337);
}

TEST_F(RegistryPersistence, AnUnreachableKeyLoadsAsZero) {
  registry.Set(ProfileKeyPath(4), u"Keymap", Bytes{2});
  registry.deniedKeys.insert(u"software\\dadezorevuru\\setting\\profile4");
  store->profiles[4].Keymap = 1;
  LoadSettings(*store, registry);
  EXPECT_EQ(store->profiles[4].Keymap, 0u);
}

}  // namespace
}  // namespace store
