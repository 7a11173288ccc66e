#include "store/RegistryPathHelper.h"

#include <gtest/gtest.h>

#include "platform/fake/MemoryRegistry.h"

namespace store {
namespace {

using platform::MemoryRegistry;
using platform::RegistryRoot;

MemoryRegistry::Bytes Text(std::u16string_view text) {
  MemoryRegistry::Bytes bytes;
  for (char16_t c : text) {
    bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

TEST(RegistryPathHelper, NamedRootsAndTheLocalMachineDefault) {
  MemoryRegistry registry;
  registry.Set(u"Applications\\player.exe", u"", Text(u"C:\\Player"), RegistryRoot::ClassesRoot);
  registry.Set(u"SOFTWARE\\Vendor\\Player", u"", Text(u"C:\\Vendor"), RegistryRoot::LocalMachine);
  RegistryPathHelper helper(registry);

  ASSERT_TRUE(helper.Open(u"hkey_classes_root\\Applications\\player.exe"));
  EXPECT_EQ(helper.ReadDefaultValue(), u"C:\\Player");
  ASSERT_TRUE(helper.Open(u"SOFTWARE\\Vendor\\Player"));
  EXPECT_EQ(helper.ReadDefaultValue(), u"C:\\Vendor");
  ASSERT_TRUE(helper.Open(u"HKEY_LOCAL_MACHINE\\Software\\Vendor\\Player"));
}

TEST(RegistryPathHelper, AMissingKeyIsNeverCreated) {
  MemoryRegistry registry;
  RegistryPathHelper helper(registry);
  EXPECT_FALSE(helper.Open(u"SOFTWARE\\NotInstalled\\Player"));
  EXPECT_FALSE(registry.HasKey(u"SOFTWARE\\NotInstalled\\Player", RegistryRoot::LocalMachine));
  EXPECT_EQ(registry.KeyCount(), 0u);
  EXPECT_EQ(helper.ReadDefaultValue(), std::nullopt);
}

TEST(RegistryPathHelper, APathWithoutBackslashFailsOnAFreshHelper) {
  MemoryRegistry registry;
  RegistryPathHelper helper(registry);
  EXPECT_FALSE(helper.Open(u"Software"));
  EXPECT_EQ(helper.ReadDefaultValue(), std::nullopt);
}

TEST(RegistryPathHelper, OpeningAnotherKeyForgetsTheFirst) {
  MemoryRegistry registry;
  registry.Set(u"SOFTWARE\\A", u"", Text(u"a"), RegistryRoot::LocalMachine);
  RegistryPathHelper helper(registry);
  ASSERT_TRUE(helper.Open(u"SOFTWARE\\A"));
  EXPECT_FALSE(helper.Open(u"SOFTWARE\\B"));
  EXPECT_EQ(helper.ReadDefaultValue(), std::nullopt);
}

TEST(RegistryPathHelper, ADefaultValueOverTheLimitIsNotRead) {
  MemoryRegistry registry;
  registry.Set(u"SOFTWARE\\Long", u"", Text(std::u16string(300, u'x')), RegistryRoot::LocalMachine);
  RegistryPathHelper helper(registry);
  ASSERT_TRUE(helper.Open(u"SOFTWARE\\Long"));
  EXPECT_EQ(helper.ReadDefaultValue(), std::nullopt);
}

}  // namespace
}  // namespace store
