#include "tools/profile/SettingsBackup.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/fake/MemoryRegistry.h"
#include "platform/fake/RecordingMessenger.h"
#include "platform/WindowMessages.h"
#include "store/RegistryPersistence.h"
#include "tools/profile/FunctionWords.h"
#include "tools/profile/OutputFiles.h"
#include "tools/profile/tests/GeneratedProfiles.h"

namespace profiletool {
namespace {

namespace fs = std::filesystem;
using namespace profiletool::testing;
using platform::MemoryRegistry;

class SettingsBackup : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("trelm-backup-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    // Settings as a save of the program leaves them.
    const auto store = store::MakeStore();
    store->header = {1, 4, 7, 1, 1, 1, 2, 3, 1, {1, 0, 0x7A}, 0};
    for (int p = 0; p < store::kProfileCount; ++p) {
      auto profile = EveryKindProfile(static_cast<unsigned>(p) * 31);
      // Only known kinds, as the program writes them; names the registry keeps whole.
      for (auto& layer : profile->keys)
        for (auto& key : layer)
          if (!FindFunctionKnown(key.FunctionKind)) store::ClearRecord(key);
      SetName(*profile, u"Profil \u00C4 " + std::u16string(1, static_cast<char16_t>(u'0' + p)), u"spiel.exe");
      store->profiles[p] = *profile;
    }
    store::SaveSettings(*store, source, messenger);
    messenger.posted.clear();
  }
  void TearDown() override { fs::remove_all(folder); }

  static bool FindFunctionKnown(std::uint8_t kind);

  MemoryRegistry source, target;
  platform::RecordingMessenger messenger;
  fs::path folder;
};

bool SettingsBackup::FindFunctionKnown(std::uint8_t kind) { return kind == 0 || !FunctionTextKey(kind).empty(); }

TEST_F(SettingsBackup, RestoreWritesTheRegistryExactlyAsTheBackedUpSaveDid) {
  ASSERT_EQ(BackupSettings(source, folder).outcome, Outcome::Ok);
  EXPECT_TRUE(fs::exists(folder / "Setting.json"));
  EXPECT_TRUE(fs::exists(folder / "Profile9.json"));
  const BackupResult restored = RestoreSettings(target, messenger, folder);
  ASSERT_EQ(restored.outcome, Outcome::Ok) << (restored.messages.empty() ? "" : restored.messages[0]);
  int compared = 0;
  for (const auto& write : source.writes()) {
    const auto* written = target.Get(write.path, write.name);
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(*written, *source.Get(write.path, write.name));
    ++compared;
  }
  EXPECT_EQ(compared, store::kValuesWritten);
  EXPECT_EQ(messenger.posted, (std::vector<platform::PostedMessage>{{wm::kCompanionSettingsOrProfile, wm::kSettingsSaved, 0}}));
}

TEST_F(SettingsBackup, RestoreWritesNothingWhenOneDocumentHasAProblem) {
  ASSERT_EQ(BackupSettings(source, folder).outcome, Outcome::Ok);
  const std::pair<const char*, std::string> damages[] = {
      {"Profile4.json", "{\"layers\": ["},
      {"Profile4.json", R"({"layerShown": 5})"},
      {"Profile4.json", R"({"layers":[{"keys":[{"key":"F5","function":"MACRO","macro":{"repeat":4}}]}]})"},
      {"Profile4.json", R"({"companion": {"deviceMode": 256}})"},
      {"Setting.json", R"({"currentProfile": 11})"},
  };
  for (const auto& [file, text] : damages) {
    const auto original = ReadWholeFile(folder / file).bytes;
    ASSERT_TRUE(WriteFileSafely(folder / file, text).ok);
    const BackupResult result = RestoreSettings(target, messenger, folder);
    EXPECT_EQ(result.outcome, Outcome::InputProblem) << text;
    EXPECT_NE(result.messages.front().find(file), std::string::npos) << result.messages.front();
    EXPECT_TRUE(target.writes().empty());
    EXPECT_TRUE(messenger.posted.empty());
    ASSERT_TRUE(WriteFileSafely(folder / file, *original).ok);
  }
  EXPECT_EQ(RestoreSettings(target, messenger, folder / "missing").outcome, Outcome::UsageOrIo);
  fs::remove(folder / "Profile0.json");
  EXPECT_EQ(RestoreSettings(target, messenger, folder).outcome, Outcome::UsageOrIo);
  EXPECT_TRUE(target.writes().empty());
}

TEST_F(SettingsBackup, NoSettingsNoBackup) {
  EXPECT_EQ(BackupSettings(target, folder).outcome, Outcome::UsageOrIo);
  EXPECT_EQ(target.KeyCount(), 0u);
}

}  // namespace
}  // namespace profiletool
