#include "platform/win32/Win32Registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "platform/fake/RecordingMessenger.h"
#include "store/RegistryPersistence.h"
#include "store/RegistryPathHelper.h"

namespace store {
namespace {

// Each test starts from a registry without the program's keys, as on a first run.
class Win32Registry : public ::testing::Test {
 protected:
  void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Dadezorevuru"); }
  void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Dadezorevuru"); }

  static bool KeyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
  }
  static bool Query(const wchar_t* path, const wchar_t* name, DWORD& type, std::vector<BYTE>& data) {
    data.assign(4096, 0);
    DWORD size = static_cast<DWORD>(data.size());
    if (::RegGetValueW(HKEY_CURRENT_USER, path, name, RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(), &size) !=
        ERROR_SUCCESS)
      return false;
    data.resize(size);
    return true;
  }
  static void SetBinary(const wchar_t* path, const wchar_t* name, const std::vector<BYTE>& data) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, path, name, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
  }

  platform::Win32Registry registry;
  platform::RecordingMessenger messenger;
  std::unique_ptr<SettingsStore> store = MakeStore();
};

TEST_F(Win32Registry, FirstLoadCreatesAllElevenKeys) {
  LoadSettings(*store, registry);
  EXPECT_TRUE(KeyExists(L"Software\\Dadezorevuru\\Setting"));
  for (int p = 0; p < kProfileCount; ++p)
    EXPECT_TRUE(KeyExists((L"Software\\Dadezorevuru\\Setting\\Profile" + std::to_wstring(p)).c_str())) << p;
  EXPECT_EQ(store->header.ProfileCurrent, 0u);
}

TEST_F(Win32Registry, ValuesAreBinaryWithTheirByteCounts) {
  store->header.ProfileCurrent = 3;
  WriteSimpleKind(store->profiles[3].keys[0][10], 39);
  ASSERT_TRUE(SaveSettings(*store, registry, messenger).ok());

  DWORD type = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(Query(L"Software\\Dadezorevuru\\Setting", L"ProfileCurrent", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(data, std::vector<BYTE>{3});
  ASSERT_TRUE(Query(L"Software\\Dadezorevuru\\Setting", L"SwitchCode", type, data));
  EXPECT_EQ(data.size(), 3u);
  EXPECT_FALSE(Query(L"Software\\Dadezorevuru\\Setting", L"Language", type, data));
  ASSERT_TRUE(Query(L"Software\\Dadezorevuru\\Setting\\Profile3", L"Name", type, data));
  EXPECT_EQ(data.size(), 260u);
  ASSERT_TRUE(Query(L"Software\\Dadezorevuru\\Setting\\Profile3", L"Layer0Button010", type, data));
  ASSERT_EQ(data.size(), 1592u);
  EXPECT_EQ(data[0], 39);
  EXPECT_TRUE(std::all_of(data.begin() + 1, data.end(), [](BYTE b) { return b == 0; }));
}

TEST_F(Win32Registry, RoundTripAndOddSizedValues) {
  WriteLaunchProgram(store->profiles[9].keys[2][109], u"C:\\Games\\x.exe", u"X");
  CopyTerminated(store->profiles[1].Name, kPathCapacity, u"Shooter");
  ASSERT_TRUE(SaveSettings(*store, registry, messenger).ok());

  SetBinary(L"Software\\Dadezorevuru\\Setting", L"Language", {1, 0, 0, 0});
  SetBinary(L"Software\\Dadezorevuru\\Setting\\Profile0", L"Layer0Button000", std::vector<BYTE>{10});
  SetBinary(L"Software\\Dadezorevuru\\Setting\\Profile0", L"Layer0Button001", std::vector<BYTE>(1600, 0x22));
  SetBinary(L"Software\\Dadezorevuru\\Setting", L"ProfileCurrent", {4, 0});

  auto loaded = MakeStore();
  LoadSettings(*loaded, registry);
  EXPECT_EQ(std::memcmp(&loaded->profiles[9].keys[2][109], &store->profiles[9].keys[2][109], kKeyRecordSize), 0);
  EXPECT_EQ(TerminatedView(loaded->profiles[1].Name, kPathCapacity), u"Shooter");
  EXPECT_EQ(loaded->header.Language, 1u);
  EXPECT_EQ(loaded->profiles[0].keys[0][0].FunctionKind, 10);
  EXPECT_EQ(loaded->profiles[0].keys[0][1].FunctionKind, 0);
  EXPECT_EQ(loaded->header.ProfileCurrent, 0u);
}

TEST_F(Win32Registry, ProbingAnotherProgramsKeyNeverCreatesIt) {
  RegistryPathHelper helper(registry);
  EXPECT_FALSE(helper.Open(u"SOFTWARE\\TrelmTestMissingPlayer\\Player"));
  HKEY key = nullptr;
  EXPECT_NE(::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TrelmTestMissingPlayer", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  // An existing key under the local machine is found read-only, as a standard user can.
  EXPECT_TRUE(helper.Open(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"));
}

}  // namespace
}  // namespace store
