#include "store/ProfileFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#if !defined(_WIN32)
#include <sys/resource.h>

#include <csignal>
#endif

namespace store {
namespace {

namespace fs = std::filesystem;

class ProfileFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("trelm-profile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::vector<char> Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void WriteRaw(const fs::path& path, const std::vector<char>& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  std::vector<char> BytesOf(const ProfileRecord& profile) {
    const char* begin = reinterpret_cast<const char*>(&profile);
    return {begin, begin + kProfileSize};
  }

  fs::path dir;
  std::unique_ptr<SettingsStore> store = MakeStore();
};

TEST_F(ProfileFile, ExportThenImportIntoAnotherRowMakesAnExactCopy) {
  ProfileRecord& source = store->profiles[2];
  source.DeviceMode = 3;
  CopyTerminated(source.Name, kPathCapacity, std::u16string(180, u'N'));  // longer than the registry keeps
  CopyTerminated(source.Exe, kPathCapacity, u"game.exe");
  source.AutoSwitch = 1;
  source.Keymap = 2;
  source.KeymapChanged = 9;
  WriteSingleKey(source.keys[1][51], 0x0D);
  WriteProfileSwitch(source.keys[2][109], 9, 2, 1);

  const fs::path path = dir / "mine.dat";  // the name does not matter, only the bytes
  ASSERT_TRUE(WriteProfileFile(path, source).ok());
  EXPECT_EQ(fs::file_size(path), kProfileSize);
  ASSERT_TRUE(ReadProfileFile(path, store->profiles[6]).ok());
  EXPECT_EQ(std::memcmp(&store->profiles[6], &source, kProfileSize), 0);
}

TEST_F(ProfileFile, AnUnusedProfileExportsAsZeros) {
  const fs::path path = dir / "empty.prof";
  ASSERT_TRUE(WriteProfileFile(path, store->profiles[0]).ok());
  const auto bytes = Contents(path);
  ASSERT_EQ(bytes.size(), kProfileSize);
  EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char b) { return b == 0; }));
}

TEST_F(ProfileFile, ALongerFileIsReadUpToOneRecord) {
  std::vector<char> bytes(kProfileSize + 100, 0);
  bytes[offsetof(ProfileRecord, keys)] = 10;
  std::fill(bytes.begin() + kProfileSize, bytes.end(), 0x7F);
  WriteRaw(dir / "long.prof", bytes);
  ASSERT_TRUE(ReadProfileFile(dir / "long.prof", store->profiles[1]).ok());
  EXPECT_EQ(store->profiles[1].keys[0][0].FunctionKind, 10);
  EXPECT_EQ(store->profiles[1].Keymap, 0u);
}

TEST_F(ProfileFile, AnyKeyRecordContentImportsUnchanged) {
  std::vector<char> bytes(kProfileSize, 0);
  for (std::size_t i = offsetof(ProfileRecord, keys); i < offsetof(ProfileRecord, ButtonInfoChanged); ++i)
    bytes[i] = static_cast<char>(i * 7);
  WriteRaw(dir / "odd.prof", bytes);
  ASSERT_TRUE(ReadProfileFile(dir / "odd.prof", store->profiles[0]).ok());
  EXPECT_EQ(BytesOf(store->profiles[0]), bytes);
}

struct DamagedCase {
  const char* name;
  ProfileFileStatus expected;
  void (*damage)(std::vector<char>&);
};

class DamagedProfileFile : public ProfileFile, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedProfileFile, IsRefusedAndLeavesTheRecordAsItWas) {
  std::vector<char> bytes(kProfileSize, 0);
  GetParam().damage(bytes);
  WriteRaw(dir / "bad.prof", bytes);
  ProfileRecord& target = store->profiles[3];
  CopyTerminated(target.Name, kPathCapacity, u"keep me");
  target.Keymap = 1;
  const auto before = BytesOf(target);
  const auto result = ReadProfileFile(dir / "bad.prof", target);
  EXPECT_EQ(result.status, GetParam().expected);
  EXPECT_STRNE(result.description(), "");
  EXPECT_EQ(BytesOf(target), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedProfileFile,
    ::testing::Values(
        DamagedCase{"Empty", ProfileFileStatus::TooShort, [](std::vector<char>& b) { b.clear(); }},
        DamagedCase{"OneByteShort", ProfileFileStatus::TooShort, [](std::vector<char>& b) { b.pop_back(); }},
        DamagedCase{"NameUnterminated", ProfileFileStatus::NameUnterminated,
                    [](std::vector<char>& b) { std::fill(b.begin() + 4, b.begin() + 524, 'a'); }},
        DamagedCase{"ExeUnterminated", ProfileFileStatus::ExeUnterminated,
                    [](std::vector<char>& b) { std::fill(b.begin() + 524, b.begin() + 1044, 'e'); }},
        DamagedCase{"Keymap3", ProfileFileStatus::KeymapOutOfRange, [](std::vector<char>& b) { b[526412] = 3; }},
        DamagedCase{"KeymapHighByte", ProfileFileStatus::KeymapOutOfRange,
                    [](std::vector<char>& b) { b[526415] = 1; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileFile, FilesThatCannotBeOpenedOrCreatedAreReported) {
  ProfileRecord& target = store->profiles[0];
  EXPECT_EQ(ReadProfileFile(dir / "missing.prof", target).status, ProfileFileStatus::CannotOpen);
  EXPECT_EQ(WriteProfileFile(dir / "no-such-folder" / "x.prof", target).status, ProfileFileStatus::CannotCreate);
  EXPECT_EQ(ReadProfileFile(dir, target).status == ProfileFileStatus::Ok, false);  // a folder is not a file
}

// An export over an existing backup that fails, wherever it fails, leaves that backup byte for byte and no
// other file in its folder; one that succeeds replaces it whole.
TEST_F(ProfileFile, AFailedExportLeavesTheExistingFileIntact) {
  ProfileRecord& old = store->profiles[1];
  ProfileRecord& fresh = store->profiles[2];
  WriteSingleKey(old.keys[0][5], 0x41);
  WriteSingleKey(fresh.keys[2][80], 0x42);
  const fs::path path = dir / "backup.prof";
  ASSERT_TRUE(WriteProfileFile(path, old).ok());
  const auto only = [&] { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()) == 1; };

  // The target is a folder: the new file is written, but cannot take its place.
  EXPECT_EQ(WriteProfileFile(dir, fresh).status, ProfileFileStatus::CannotWrite);
  EXPECT_TRUE(fs::is_directory(dir));

#if !defined(_WIN32)
  // Writes that stop part-way, as on a full disk: the system refuses every byte past the limit.
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  for (const rlim_t limit : {rlim_t{0}, rlim_t{4096}, rlim_t{kProfileSize - 1}}) {
    rlimit small = saved;
    small.rlim_cur = limit;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = WriteProfileFile(path, fresh);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(result.status, ProfileFileStatus::CannotWrite) << limit;
    EXPECT_EQ(Contents(path), BytesOf(old)) << limit;
    EXPECT_TRUE(only()) << limit << ": a part-written file was left behind";
  }
  std::signal(SIGXFSZ, previous);
#endif

  ASSERT_TRUE(WriteProfileFile(path, fresh).ok());
  EXPECT_EQ(Contents(path), BytesOf(fresh));
  EXPECT_TRUE(only());
}

}  // namespace
}  // namespace store
