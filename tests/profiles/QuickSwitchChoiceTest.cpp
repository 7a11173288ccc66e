#include "profiles/QuickSwitchChoice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace profiles {
namespace {

using Modifiers = std::vector<std::uint8_t>;

store::StoreHeader Header(std::uint32_t custom, SwitchCode code) {
  store::StoreHeader header{};
  header.bCustomSwitch = custom;
  header.SwitchCode[0] = code.first;
  header.SwitchCode[1] = code.second;
  header.SwitchCode[2] = code.key;
  return header;
}

TEST(QuickSwitchChoice, OpensFromTheHeaderAndOkWritesBackWhatTheUserDidNotChange) {
  struct Case {
    std::uint32_t custom;
    SwitchCode stored;
    bool expectCustom;
    SwitchCode expected;
  };
  const Case cases[] = {
      {0, {1, 2, 0x41}, false, {0, 0, 0}},      // the default choice holds no combination
      {1, {1, 2, 0x41}, true, {1, 2, 0x41}},
      {7, {3, 0, 0x70}, true, {3, 0, 0x70}},    // any non-zero flag is custom
      {1, {4, 0xFF, 0x7A}, true, {4, 0xFF, 0x7A}},  // modifiers written by someone else are kept
      {1, {1, 1, 0x41}, true, {1, 1, 0x41}},    // equal modifiers stay until the first changes
  };
  for (const Case& c : cases) {
    const auto choice = QuickSwitchChoice::FromHeader(Header(c.custom, c.stored));
    EXPECT_EQ(choice.IsCustom(), c.expectCustom) << c.custom;
    EXPECT_EQ(choice.Code(), c.expected) << c.custom;
    store::StoreHeader written = Header(0xEE, {0xEE, 0xEE, 0xEE});
    choice.StoreInto(written);
    const store::StoreHeader expected = Header(c.custom, c.expectCustom ? c.stored : SwitchCode{});
    EXPECT_EQ(written.bCustomSwitch, expected.bCustomSwitch) << c.custom;
    EXPECT_EQ(0, std::memcmp(written.SwitchCode, expected.SwitchCode, 3)) << c.custom;
  }
  // A modifier the user chooses replaces the one not understood; the second menu offers every modifier.
  auto choice = QuickSwitchChoice::FromHeader(Header(1, {9, 0, 0x41}));
  EXPECT_EQ(choice.SecondMenuModifiers(), (Modifiers{0, 1, 2, 3}));
  ASSERT_TRUE(choice.ChooseFirst(1));
  EXPECT_EQ(choice.Code(), (SwitchCode{2, 0, 0x41}));
}

TEST(QuickSwitchChoice, TheSecondMenuLeavesOutTheFirstModifier) {
  const std::pair<std::uint8_t, Modifiers> cases[] = {
      {0, {0, 1, 2, 3}}, {1, {0, 2, 3}}, {2, {0, 1, 3}}, {3, {0, 1, 2}}};
  for (const auto& [first, entries] : cases) {
    auto choice = QuickSwitchChoice::FromHeader(Header(1, {first, 0, 0}));
    EXPECT_EQ(choice.SecondMenuModifiers(), entries) << int{first};
    // Each position of the menu gives the modifier shown there.
    for (std::size_t p = 0; p < entries.size(); ++p) {
      ASSERT_TRUE(choice.ChooseSecond(static_cast<int>(p)));
      EXPECT_EQ(choice.Code().second, entries[p]);
    }
    EXPECT_FALSE(choice.ChooseSecond(static_cast<int>(entries.size())));
    EXPECT_FALSE(choice.ChooseSecond(-1));
  }
}

TEST(QuickSwitchChoice, ChoosingTheFirstModifierClearsAnEqualSecond) {
  struct Case {
    SwitchCode before;
    int position;
    SwitchCode after;
  };
  const Case cases[] = {
      {{0, 1, 0x41}, 0, {1, 0, 0x41}},
      {{0, 1, 0x41}, 1, {2, 1, 0x41}},
      {{2, 3, 0x41}, 2, {3, 0, 0x41}},
      {{1, 2, 0x41}, 0, {1, 2, 0x41}},
  };
  for (const Case& c : cases) {
    auto choice = QuickSwitchChoice::FromHeader(Header(1, c.before));
    ASSERT_TRUE(choice.ChooseFirst(c.position));
    EXPECT_EQ(choice.Code(), c.after) << c.position;
  }
  auto choice = QuickSwitchChoice::FromHeader(Header(1, {2, 0, 0}));
  for (int position : {-1, 3, 65535}) EXPECT_FALSE(choice.ChooseFirst(position)) << position;
  EXPECT_EQ(choice.Code(), (SwitchCode{2, 0, 0}));
}

TEST(QuickSwitchChoice, ModifiersWindowsKeysAndF12AreNeverTheKey) {
  auto choice = QuickSwitchChoice::FromHeader(Header(1, {1, 0, 0x41}));
  for (unsigned ignored : {0x10u, 0x11u, 0x12u, 0x5Bu, 0x5Cu, 0x7Bu, 0xA0u, 0xA1u, 0xA2u, 0xA3u, 0xA4u, 0xA5u}) {
    EXPECT_TRUE(QuickSwitchChoice::IsIgnoredKey(ignored)) << ignored;
    EXPECT_FALSE(choice.TakeKey(ignored)) << ignored;
  }
  for (unsigned notAKey : {0x00u, 0xFFu, 0x141u}) EXPECT_FALSE(choice.TakeKey(notAKey)) << notAKey;
  EXPECT_EQ(choice.Code().key, 0x41);
  for (unsigned taken : {0x7Au, 0x1Bu, 0x5Du, 0xA6u, 0x13u}) {
    EXPECT_TRUE(choice.TakeKey(taken)) << taken;
    EXPECT_EQ(choice.Code().key, taken);
  }
}

TEST(QuickSwitchChoice, DefaultClearsTheCombinationAndTakesNothing) {
  auto choice = QuickSwitchChoice::FromHeader(Header(1, {1, 2, 0x41}));
  choice.Choose(false);
  EXPECT_EQ(choice.Code(), (SwitchCode{}));
  EXPECT_FALSE(choice.TakeKey(0x7A));
  EXPECT_FALSE(choice.ChooseFirst(0));
  EXPECT_FALSE(choice.ChooseSecond(1));
  EXPECT_EQ(choice.Code(), (SwitchCode{}));
  choice.Choose(true);  // custom again starts from nothing
  EXPECT_EQ(choice.Code(), (SwitchCode{}));
  EXPECT_EQ(choice.SecondMenuModifiers(), (Modifiers{0, 1, 2, 3}));
}

}  // namespace
}  // namespace profiles
