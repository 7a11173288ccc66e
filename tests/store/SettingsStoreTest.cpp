#include "store/SettingsStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace store {
namespace {

std::size_t OffsetIn(const SettingsStore& store, const void* field) {
  return static_cast<std::size_t>(static_cast<const std::uint8_t*>(field) -
                                  reinterpret_cast<const std::uint8_t*>(&store));
}

void FillWith(SettingsStore& store, std::uint8_t byte) { std::memset(static_cast<void*>(&store), byte, kStoreSize); }

bool AllZero(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  return std::all_of(bytes, bytes + size, [](std::uint8_t b) { return b == 0; });
}

TEST(SettingsStoreLayout, TheLastRecordAndProfileTailSitAtTheirOffsets) {
  auto store = MakeStore();
  EXPECT_EQ(OffsetIn(*store, FindKeyRecord(*store, 9, 2, 109)), 5262636u);
  EXPECT_EQ(OffsetIn(*store, FindKeyRecord(*store, 9, 2, 109)) + kKeyRecordSize - 1, 5264227u);
  EXPECT_EQ(OffsetIn(*store, &store->profiles[9].ButtonInfoChanged), 5264228u);
  EXPECT_EQ(OffsetIn(*store, &store->profiles[9].Keymap), 5264232u);
  EXPECT_EQ(OffsetIn(*store, &store->profiles[9].KeymapChanged), 5264236u);
  for (int p : {0, 4, 9})
    for (int l : {0, 2})
      for (int k : {0, 51, 109})
        EXPECT_EQ(OffsetIn(*store, FindKeyRecord(*store, p, l, k)), KeyRecordOffset(p, l, k));
}

TEST(SettingsStoreLayout, MakeStoreStartsZeroFilled) {
  auto store = MakeStore();
  EXPECT_TRUE(AllZero(store.get(), kStoreSize));
}

TEST(SettingsStoreAddressing, OutOfRangeIndicesFindNothing) {
  auto store = MakeStore();
  EXPECT_EQ(FindKeyRecord(*store, 10, 0, 0), nullptr);
  EXPECT_EQ(FindKeyRecord(*store, -1, 0, 0), nullptr);
  EXPECT_EQ(FindKeyRecord(*store, 0, 3, 0), nullptr);
  EXPECT_EQ(FindKeyRecord(*store, 0, 0, 110), nullptr);
  EXPECT_EQ(FindKeyRecord(*store, 0, 0, -1), nullptr);
  FillWith(*store, 0x5A);
  ResetKey(*store, 0, 0, -1);
  ResetLayer(*store, 0, 3);
  ResetLayer(*store, 10, 0);
  EXPECT_EQ(store->profiles[0].keys[0][0].bytes[0], 0x5A);
}

TEST(SettingsStoreReset, ResetAllKeepsOnlyLanguage) {
  auto store = MakeStore();
  FillWith(*store, 0xEE);
  store->header.Language = 2;
  ResetAll(*store);
  EXPECT_EQ(store->header.Language, 2u);
  EXPECT_EQ(store->header.ProfileCurrent, 0u);
  EXPECT_EQ(store->header.bCustomSwitch, 0u);
  EXPECT_TRUE(AllZero(store->header.SwitchCode, 3));
  EXPECT_TRUE(AllZero(store->profiles, sizeof store->profiles));
}

TEST(SettingsStoreReset, ResetLayerTouchesOnlyThatLayerOfThatProfile) {
  auto store = MakeStore();
  FillWith(*store, 0x11);
  ResetLayer(*store, 3, 1);
  EXPECT_TRUE(AllZero(store->profiles[3].keys[1], kLayerStride));
  EXPECT_EQ(store->profiles[3].keys[0][109].bytes[kKeyRecordSize - 1], 0x11);
  EXPECT_EQ(store->profiles[3].keys[2][0].bytes[0], 0x11);
  EXPECT_EQ(store->profiles[3].Name[0], 0x1111);
  EXPECT_EQ(store->profiles[3].Keymap, 0x11111111u);
  EXPECT_EQ(store->profiles[2].keys[1][0].bytes[0], 0x11);
  EXPECT_EQ(store->profiles[4].keys[1][0].bytes[0], 0x11);
}

TEST(SettingsStoreIndices, OutOfRangeProfileAndKeymapAreClampedToZero) {
  auto store = MakeStore();
  store->header.ProfileCurrent = 10;
  store->profiles[4].Keymap = 3;
  store->profiles[5].Keymap = 2;
  EXPECT_TRUE(ClampIndices(*store));
  EXPECT_EQ(store->header.ProfileCurrent, 0u);
  EXPECT_EQ(store->profiles[4].Keymap, 0u);
  EXPECT_EQ(store->profiles[5].Keymap, 2u);
  EXPECT_FALSE(ClampIndices(*store));
}

TEST(SettingsStoreIndices, CurrentProfileNeverIndexesOutside) {
  auto store = MakeStore();
  store->header.ProfileCurrent = 0xFFFFFFFF;
  EXPECT_EQ(&CurrentProfile(*store), &store->profiles[0]);
  store->header.ProfileCurrent = 9;
  EXPECT_EQ(&CurrentProfile(*store), &store->profiles[9]);
}

TEST(SettingsStoreCopy, CopyFromTakesEveryByte) {
  auto a = MakeStore();
  auto b = MakeStore();
  FillWith(*a, 0x3C);
  b->CopyFrom(*a);
  EXPECT_EQ(std::memcmp(a.get(), b.get(), kStoreSize), 0);
}

}  // namespace
}  // namespace store
