#include "profiles/ProfileSetRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

namespace profiles {
namespace {

std::unique_ptr<store::ProfileRecord> EmptyProfile() {
  auto profile = std::make_unique<store::ProfileRecord>();
  std::memset(static_cast<void*>(profile.get()), 0, sizeof(store::ProfileRecord));
  return profile;
}

TEST(ProfileSetRows, ARowShowsItsNameOrTheLabelWithItsTwoDigitNumber) {
  struct Case {
    std::u16string name;
    int row;
    std::u16string expected;
  };
  const Case cases[] = {
      {u"", 0, u"Profile 01"}, {u"", 3, u"Profile 04"}, {u"", 9, u"Profile 10"}, {u"Racing", 5, u"Racing"},
  };
  for (const Case& c : cases) {
    auto profile = EmptyProfile();
    store::CopyTerminated(profile->Name, store::kPathCapacity, c.name);
    EXPECT_EQ(RowName(*profile, c.row, u"Profile"), c.expected) << c.row;
  }
}

TEST(ProfileSetRows, TextsWithoutATerminatorStopAtTheirBuffers) {
  auto profile = EmptyProfile();
  std::fill(std::begin(profile->Name), std::end(profile->Name), u'n');
  std::fill(std::begin(profile->Exe), std::end(profile->Exe), u'e');
  profile->AutoSwitch = 0x65006500;  // what follows Exe must not be read as text
  EXPECT_EQ(RowName(*profile, 0, u"Profile"), std::u16string(store::kPathCapacity, u'n'));
  EXPECT_EQ(RowProgram(*profile), std::u16string(store::kPathCapacity, u'e'));
}

TEST(ProfileSetRows, OnlyTheFileNameAndExtensionOfAChosenProgramAreKept) {
  struct Case {
    std::u16string_view path, expected;
  };
  const Case cases[] = {
      {u"C:\\Games\\Quest\\game.exe", u"game.exe"}, {u"C:/Games/game.exe", u"game.exe"},
      {u"C:game.exe", u"game.exe"},                 {u"game.exe", u"game.exe"},
      {u"\\\\server\\share\\a.b.exe", u"a.b.exe"},  {u"C:\\Games\\", u""},
      {u"", u""},
  };
  for (const Case& c : cases) {
    auto profile = EmptyProfile();
    std::fill(std::begin(profile->Exe), std::end(profile->Exe), u'x');  // an older, longer program
    SetProgram(*profile, c.path);
    EXPECT_EQ(RowProgram(*profile), c.expected);
    EXPECT_TRUE(std::all_of(profile->Exe + c.expected.size(), std::end(profile->Exe), [](char16_t u) { return !u; }));
  }
  auto profile = EmptyProfile();
  SetProgram(*profile, u"C:\\" + std::u16string(300, u'g') + u".exe");
  EXPECT_EQ(RowProgram(*profile), std::u16string(store::kMaxPathLength, u'g'));
}

TEST(ProfileSetRows, APressSelectsTheRowUnderItAndADoubleClickItsProgramCell) {
  struct Case {
    int x, y, pressed, program;
  };
  const Case cases[] = {
      {14, 93, 0, -1},   {14, 92, -1, -1},  // the background's top line does not select
      {521, 112, 0, -1}, {522, 100, -1, -1}, {13, 100, -1, -1},
      {200, 113, -1, -1}, {200, 114, -1, 1}, {200, 115, 1, 1},  // between rows
      {156, 92, -1, 0},  {155, 100, 0, -1}, {333, 112, 0, 0},  {334, 100, 0, -1},
      {300, 310, 9, 9},  {300, 311, -1, -1}, {100, 60, -1, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RowPressedAt(c.x, c.y), c.pressed) << c.x << "," << c.y;
    EXPECT_EQ(ProgramCellAt(c.x, c.y), c.program) << c.x << "," << c.y;
  }
}

TEST(ProfileSetRows, TheAutoSwitchFlagFlipsBetweenZeroAndOne) {
  auto profile = EmptyProfile();
  for (const auto [before, after] : {std::pair{0u, 1u}, {1u, 0u}, {7u, 0u}}) {
    profile->AutoSwitch = before;
    ToggleAutoSwitch(*profile);
    EXPECT_EQ(profile->AutoSwitch, after) << before;
  }
}

}  // namespace
}  // namespace profiles
