#include "store/KeyRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace store {
namespace {

KeyRecord Filled(std::uint8_t byte) {
  KeyRecord record;
  std::memset(record.bytes, byte, sizeof record.bytes);
  return record;
}

// Every byte outside `used` must be zero.
void ExpectZeroExcept(const KeyRecord& record, std::initializer_list<std::size_t> used) {
  for (std::size_t i = 0; i < kKeyRecordSize; ++i) {
    if (std::find(used.begin(), used.end(), i) != used.end()) continue;
    ASSERT_EQ(record.bytes[i], 0) << "byte " << i;
  }
}

TEST(KeyRecordWriters, SingleKeyHoldsOnlyKindAndCode) {
  KeyRecord record = Filled(0xAB);
  WriteSingleKey(record, 0x41);
  EXPECT_EQ(record.bytes[0], 1);
  EXPECT_EQ(record.bytes[26], 0x41);
  ExpectZeroExcept(record, {0, 26});
}

TEST(KeyRecordWriters, DirectKindsHoldOnlyTheKindByte) {
  for (std::uint8_t kind : {10, 17, 25, 32, 39, 49, 77, 89}) {
    KeyRecord record = Filled(0xCD);
    WriteSimpleKind(record, kind);
    EXPECT_EQ(record.bytes[0], kind);
    ExpectZeroExcept(record, {0});
  }
}

TEST(KeyRecordWriters, ProfileSwitchIsLittleEndianAtItsOffsets) {
  KeyRecord record = Filled(0x77);
  WriteProfileSwitch(record, 2, 1, 1);
  EXPECT_EQ(record.bytes[0], 8);
  const std::uint8_t expected[12] = {2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
  EXPECT_EQ(std::memcmp(record.bytes + 1580, expected, sizeof expected), 0);
  ExpectZeroExcept(record, {0, 1580, 1584, 1588});
}

TEST(KeyRecordWriters, LaunchTextsAreCutTo259UnitsAndTerminated) {
  KeyRecord record = Filled(0x55);
  const std::u16string longPath(400, u'p');
  WriteLaunchProgram(record, longPath, u"Notepad");
  EXPECT_EQ(record.FunctionKind, 9);
  EXPECT_EQ(TerminatedView(record.launch.ProgramPath, kPathCapacity), std::u16string(259, u'p'));
  EXPECT_EQ(record.launch.ProgramPath[259], u'\0');
  EXPECT_EQ(TerminatedView(record.launch.ShortcutName, kPathCapacity), u"Notepad");
  // Nothing but the kind and the two text buffers may be set.
  for (std::size_t i = 1; i < 538; ++i) ASSERT_EQ(record.bytes[i], 0) << i;
  for (std::size_t i = 1058 + 2 * 8; i < kKeyRecordSize; ++i) ASSERT_EQ(record.bytes[i], 0) << i;
}

TEST(KeyRecordWriters, MacroKeepsWhatAnEarlierLaunchLeftButOtherKindsClearIt) {
  KeyRecord launch{};
  WriteLaunchProgram(launch, u"C:\\game.exe", u"Game");

  KeyRecord macroCopy;
  std::memcpy(macroCopy.bytes, launch.bytes, kKeyRecordSize);  // the macro editor starts from the record
  macroCopy.macro.EventCount = 1;
  macroCopy.macro.Events[0] = {0x41, 0};
  KeyRecord asMacro = launch;
  WriteMacro(asMacro, macroCopy);
  EXPECT_EQ(asMacro.FunctionKind, 2);
  EXPECT_EQ(TerminatedView(asMacro.launch.ProgramPath, kPathCapacity), u"C:\\game.exe");

  KeyRecord disabled = launch;
  WriteSimpleKind(disabled, kind::kDisabled);
  ExpectZeroExcept(disabled, {0});
}

TEST(KeyRecordWriters, ClearLeavesEveryByteZero) {
  KeyRecord record = Filled(0xFF);
  ClearRecord(record);
  ExpectZeroExcept(record, {});
}

TEST(KeyRecordTexts, TerminatedViewStopsAtTheBufferEndWithoutTerminator) {
  char16_t buffer[4] = {u'a', u'b', u'c', u'd'};
  EXPECT_EQ(TerminatedView(buffer, 4), u"abcd");
  buffer[2] = u'\0';
  EXPECT_EQ(TerminatedView(buffer, 4), u"ab");
}

}  // namespace
}  // namespace store
