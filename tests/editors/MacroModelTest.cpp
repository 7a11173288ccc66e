#include "editors/MacroModel.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/portable/UsKeyboardLayout.h"

namespace store {
// For comparing event lists; found by argument lookup.
bool operator==(MacroEvent a, MacroEvent b) { return a.code == b.code && a.value == b.value; }
std::ostream& operator<<(std::ostream& out, MacroEvent e) {
  return out << (e.code == 0xFF ? "pause " : "key ") << int(e.code) << "/" << int(e.value);
}
}  // namespace store

namespace editors {
namespace {

using store::MacroEvent;
using Events = std::vector<MacroEvent>;

constexpr std::uint8_t kA = 0x41, kB = 0x42, kC = 0x43;
MacroEvent Press(std::uint8_t code) { return {code, 0}; }
MacroEvent Release(std::uint8_t code) { return {code, 1}; }
MacroEvent Pause(std::uint8_t units) { return {kPauseCode, units}; }

// A record whose bytes outside the macro's fields, and its event slots past the count, all hold
// something, so a test sees any write where none belongs.
store::KeyRecord RecordOf(const Events& events, std::int32_t delayMode = 0) {
  store::KeyRecord record;
  for (std::size_t i = 0; i < store::kKeyRecordSize; ++i) record.bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  record.macro.DelayMode = delayMode;
  record.macro.EventCount = static_cast<std::uint16_t>(events.size());
  for (std::size_t i = 0; i < events.size(); ++i) record.macro.Events[i] = events[i];
  return record;
}

MacroModel ModelOf(const Events& events, std::int32_t delayMode = 0) {
  MacroModel model;
  model.Load(RecordOf(events, delayMode));
  return model;
}

Events EventsOf(const MacroModel& model) {
  Events events;
  for (int i = 0; i < model.EventCount(); ++i) events.push_back(model.Event(i));
  return events;
}

Events Repeated(MacroEvent event, int count) { return Events(count, event); }

// Bytes 1 to 3 and 538 to 1591 belong to others: no operation may touch them.
void ExpectOthersBytesKept(const MacroModel& model, const store::KeyRecord& loaded) {
  EXPECT_EQ(std::memcmp(model.Record().bytes, loaded.bytes, 4), 0);
  EXPECT_EQ(std::memcmp(model.Record().bytes + 538, loaded.bytes + 538, store::kKeyRecordSize - 538), 0);
}

TEST(MacroModelLines, TextOfEveryKindOfEvent) {
  const platform::UsKeyboardLayout us;
  const struct {
    MacroEvent event;
    std::u16string text;
  } rows[] = {
      {Pause(0), u"0ms"},        {Pause(4), u"200ms"},       {Pause(255), u"12750ms"},
      {Press(kA), u"A Press"},   {Release(kA), u"A Release"}, {{kA, 2}, u"A Press"},
      {Release(0x01), u"Left Button Release"}, {Press(0x04), u"Middle Button Press"}, {Press(0x0D), u"Enter Press"},
  };
  for (const auto& row : rows) {
    const MacroModel model = ModelOf({row.event});
    EXPECT_EQ(model.LineText(0, us), row.text);
    EXPECT_EQ(model.LineText(1, us), u"");  // past the count, whatever the slot holds
    EXPECT_EQ(model.LineText(-1, us), u"");
  }
}

struct KeyMessage {
  std::uint32_t code, flags, now;
  MacroOutcome outcome;
};

TEST(MacroModelRecording, KeysAndThePausesBetweenThem) {
  const struct {
    const char* name;
    std::int32_t delayMode;
    std::vector<KeyMessage> messages;
    Events expected;
  } rows[] = {
      {"120 ms apart", 1, {{kA, 0, 1000, MacroOutcome::kDone}, {kA, 0x80, 1120, MacroOutcome::kDone}},
       {Press(kA), Pause(2), Release(kA)}},
      {"no delays recorded", 0, {{kA, 0, 1000, MacroOutcome::kDone}, {kA, 0x80, 1120, MacroOutcome::kDone}},
       {Press(kA), Release(kA)}},
      {"30 ms is one unit, not none", 1, {{kA, 0, 1000, MacroOutcome::kDone}, {kB, 0, 1030, MacroOutcome::kDone}},
       {Press(kA), Pause(1), Press(kB)}},
      {"a held key is recorded once",
       1,
       {{kA, 0, 1000, MacroOutcome::kDone},
        {kA, 0, 1030, MacroOutcome::kIgnored},
        {kA, 0, 1060, MacroOutcome::kIgnored},
        {kA, 0x80, 1200, MacroOutcome::kDone}},
       {Press(kA), Pause(4), Release(kA)}},
      {"across a wrap of the tick count", 1,
       {{kA, 0, 0xFFFFFFF0u, MacroOutcome::kDone}, {kB, 0, 0xA0, MacroOutcome::kDone}},  // 176 ms later
       {Press(kA), Pause(3), Press(kB)}},
      {"12,800 ms and more stored as 255", 1,
       {{kA, 0, 1000, MacroOutcome::kDone}, {kB, 0, 13800, MacroOutcome::kDone}, {kC, 0, 900000, MacroOutcome::kDone}},
       {Press(kA), Pause(255), Press(kB), Pause(255), Press(kC)}},
      {"low byte of the code; bit 7 of the flags", 0,
       {{0x141, 0x01000080, 5, MacroOutcome::kDone}, {0x42, 0x100, 6, MacroOutcome::kDone}},
       {Release(kA), Press(kB)}},
      {"a code that would read as a pause", 0,
       {{0xFF, 0, 5, MacroOutcome::kIgnored}, {0x1FF, 0x80, 6, MacroOutcome::kIgnored}}, {}},
      {"the mouse buttons", 0, {{0x01, 0, 5, MacroOutcome::kDone}, {0x01, 0x80, 6, MacroOutcome::kDone}},
       {Press(0x01), Release(0x01)}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    MacroModel model = ModelOf({}, row.delayMode);
    for (const KeyMessage& m : row.messages) EXPECT_EQ(model.RecordKey(m.code, m.flags, m.now).outcome, m.outcome);
    EXPECT_EQ(EventsOf(model), row.expected);
  }
}

TEST(MacroModelRecording, AClearedRecordingStartsWithoutAPause) {
  MacroModel model = ModelOf({Press(kC)}, 1);
  EXPECT_EQ(model.RecordKey(kA, 0, 1000).linesAppended, 1);  // the first key after opening: no pause
  model.Clear();
  const auto recorded = model.RecordKey(kB, 0, 5000);
  EXPECT_EQ(recorded.linesAppended, 1);
  EXPECT_EQ(EventsOf(model), (Events{Press(kB)}));
  EXPECT_EQ(model.RecordKey(kB, 0x80, 5100).linesAppended, 2);
  for (int i = 3; i < kMacroCapacity; ++i) EXPECT_EQ(model.Record().macro.Events[i], (MacroEvent{0, 0})) << i;
}

TEST(MacroModelRecording, NothingIsWrittenAtPosition256) {
  const store::KeyRecord full = RecordOf(Repeated(Press(kA), 256), 1);
  MacroModel model;
  model.Load(full);
  EXPECT_EQ(model.RecordKey(kB, 0, 100).outcome, MacroOutcome::kFull);
  EXPECT_EQ(std::memcmp(model.Record().bytes, full.bytes, store::kKeyRecordSize), 0);

  // 255 events: a key fits alone, but never half of a pause-and-key pair.
  for (const std::int32_t delayMode : {0, 1}) {
    MacroModel almost = ModelOf(Repeated(Press(kA), 254), delayMode);
    EXPECT_EQ(almost.RecordKey(kB, 0, 100).linesAppended, 1);  // no pause before the first key
    EXPECT_EQ(almost.RecordKey(kB, 0x80, 200).outcome, delayMode ? MacroOutcome::kFull : MacroOutcome::kDone);
    EXPECT_EQ(almost.EventCount(), delayMode ? 255 : 256);
  }
}

struct PauseCase {
  const char* name;
  Events events;
  MacroSelection selection;
  int units;
  MacroOutcome outcome;
  Events expected;
  int index;
  bool inserted;
};

TEST(MacroModelAddPause, WhereThePauseGoes) {
  const Events keys = {Press(kA), Release(kA)};
  const Events fullOfKeys = Repeated(Press(kA), 256);
  Events fullEndingInPause = fullOfKeys;
  fullEndingInPause.back() = Pause(7);
  Events fullAfterLengthening = fullEndingInPause;
  fullAfterLengthening.back() = Pause(9);
  const PauseCase rows[] = {
      {"empty list", {}, {}, 1, MacroOutcome::kDone, {Pause(1)}, 0, true},
      {"appended after a key", keys, {}, 3, MacroOutcome::kDone, {Press(kA), Release(kA), Pause(3)}, 2, true},
      {"the last pause lengthened", {Press(kA), Pause(3)}, {}, 2, MacroOutcome::kDone, {Press(kA), Pause(5)}, 1, false},
      {"inserted after the selected key", keys, {0}, 2, MacroOutcome::kDone, {Press(kA), Pause(2), Release(kA)}, 1, true},
      {"the following pause lengthened", {Press(kA), Pause(3), Pause(9)}, {0}, 4, MacroOutcome::kDone,
       {Press(kA), Pause(7), Pause(9)}, 1, false},
      {"the selected pause lengthened", {Pause(3), Press(kA)}, {0}, 1, MacroOutcome::kDone, {Pause(4), Press(kA)}, 0, false},
      {"125 + 4 capped at 127", {Pause(125)}, {0}, 4, MacroOutcome::kDone, {Pause(127)}, 0, false},
      {"200 + 4 drops to 127", {Pause(200)}, {0}, 4, MacroOutcome::kDone, {Pause(127)}, 0, false},
      {"too many selected", keys, {0, 1}, 1, MacroOutcome::kTooManySelected, keys, -1, false},
      {"a repeated index is one selection", keys, {1, 1}, 1, MacroOutcome::kDone,
       {Press(kA), Release(kA), Pause(1)}, 2, true},
      {"only indices outside the list", keys, {2, -1}, 1, MacroOutcome::kIgnored, keys, -1, false},
      {"an amount beyond 4 adds 4", keys, {}, 100, MacroOutcome::kDone, {Press(kA), Release(kA), Pause(4)}, 2, true},
      {"256 events, one selected", fullOfKeys, {3}, 1, MacroOutcome::kFull, fullOfKeys, -1, false},
      {"256 events ending in a key", fullOfKeys, {}, 1, MacroOutcome::kFull, fullOfKeys, -1, false},
      {"256 events ending in a pause", fullEndingInPause, {}, 2, MacroOutcome::kDone, fullAfterLengthening, 255, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const store::KeyRecord loaded = RecordOf(row.events);
    MacroModel model;
    model.Load(loaded);
    const auto added = model.AddPause(row.selection, row.units);
    EXPECT_EQ(added.outcome, row.outcome);
    EXPECT_EQ(EventsOf(model), row.expected);
    if (row.outcome == MacroOutcome::kDone) {
      EXPECT_EQ(added.index, row.index);
      EXPECT_EQ(added.inserted, row.inserted);
    }
    ExpectOthersBytesKept(model, loaded);
  }
}

TEST(MacroModelAddPause, TheLastEventSelectedNeverLooksPastTheCount) {
  store::KeyRecord record = RecordOf({Press(kA), Release(kA)});
  record.macro.Events[2] = Pause(9);  // left over from an earlier, longer macro
  MacroModel model;
  model.Load(record);
  const auto added = model.AddPause({1}, 1);
  EXPECT_TRUE(added.inserted);
  EXPECT_EQ(EventsOf(model), (Events{Press(kA), Release(kA), Pause(1)}));
}

TEST(MacroModelDelete, KeysTakeTheirPauseAndPausesAfterKeysStayAsZero) {
  const Events example = {Press(kA), Pause(4), Release(kA), Pause(3), Press(kB)};
  const struct {
    const char* name;
    Events events;
    MacroSelection selection;
    Events expected;
    MacroSelection after;
  } rows[] = {
      {"a pause after a key", example, {1}, {Press(kA), Pause(0), Release(kA), Pause(3), Press(kB)}, {1}},
      {"a key and its pause", example, {2}, {Press(kA), Pause(4), Press(kB)}, {2}},
      {"a pause at index 0", {Pause(2), Press(kA)}, {0}, {Press(kA)}, {0}},
      {"a pause after a pause", {Press(kA), Pause(1), Pause(2)}, {2}, {Press(kA), Pause(1)}, {}},
      {"the last key", {Press(kA), Release(kA)}, {1}, {Press(kA)}, {}},
      {"several: the zeroed pauses stay selected", example, {1, 3, 4}, {Press(kA), Pause(0), Release(kA), Pause(0)},
       {1, 3}},
      {"a zeroed pause goes with its key", example, {2, 3}, {Press(kA), Pause(4), Press(kB)}, {}},
      {"everything", example, {0, 1, 2, 3, 4}, {}, {}},
      {"unsorted, repeated and stray indices", example, {4, 0, 4, -3, 99, 0}, {Release(kA), Pause(3)}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const store::KeyRecord loaded = RecordOf(row.events);
    MacroModel model;
    model.Load(loaded);
    EXPECT_EQ(model.Delete(row.selection), row.after);
    EXPECT_EQ(EventsOf(model), row.expected);
    // The slots the removals vacated are zero.
    for (std::size_t i = row.expected.size(); i < row.events.size(); ++i)
      EXPECT_EQ(model.Record().macro.Events[i], (MacroEvent{0, 0})) << i;
    ExpectOthersBytesKept(model, loaded);
  }
}

TEST(MacroModelMove, SelectedEventsMoveAsABlock) {
  const Events four = {Press(kA), Press(kB), Press(kC), Release(kA)};
  const struct {
    const char* name;
    bool up;
    MacroSelection selection;
    Events expected;
    MacroSelection after;
  } rows[] = {
      {"up, a block", true, {1, 2}, {Press(kB), Press(kC), Press(kA), Release(kA)}, {0, 1}},
      {"up, apart", true, {3, 1}, {Press(kB), Press(kA), Release(kA), Press(kC)}, {0, 2}},
      {"up with the first selected", true, {0, 2}, four, {0, 2}},
      {"down, a block", false, {1, 2}, {Press(kA), Release(kA), Press(kB), Press(kC)}, {2, 3}},
      {"down with the last selected", false, {1, 3}, four, {1, 3}},
      {"down, stray indices dropped", false, {0, 0, 7, -1}, {Press(kB), Press(kA), Press(kC), Release(kA)}, {1}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    MacroModel model = ModelOf(four);
    EXPECT_EQ(row.up ? model.MoveUp(row.selection) : model.MoveDown(row.selection), row.after);
    EXPECT_EQ(EventsOf(model), row.expected);
  }
}

TEST(MacroModelCopy, CopiesGoToTheEndAndTheListStopsAt255) {
  const struct {
    int events;
    MacroSelection selection;
    MacroOutcome outcome;
    int countAfter;
  } rows[] = {
      {250, {0, 1, 2, 3, 4, 5}, MacroOutcome::kFull, 250},
      {250, {4, 3, 2, 1, 0}, MacroOutcome::kDone, 255},
      {255, {}, MacroOutcome::kIgnored, 255},
      {256, {}, MacroOutcome::kFull, 256},
  };
  for (const auto& row : rows) {
    Events events = Repeated(Press(kA), row.events);
    for (int i = 0; i < 5; ++i) events[i] = {static_cast<std::uint8_t>(0x30 + i), static_cast<std::uint8_t>(i % 2)};
    const store::KeyRecord loaded = RecordOf(events);
    MacroModel model;
    model.Load(loaded);
    const auto copied = model.Copy(row.selection);
    EXPECT_EQ(copied.outcome, row.outcome) << row.events;
    EXPECT_EQ(model.EventCount(), row.countAfter);
    if (row.outcome != MacroOutcome::kDone) continue;
    EXPECT_EQ(copied.selection, (MacroSelection{250, 251, 252, 253, 254}));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(model.Event(250 + i), events[i]);
    ExpectOthersBytesKept(model, loaded);
  }
}

TEST(MacroModelRemove, ZeroesTheVacatedSlotAndReArmsTheWarning) {
  MacroModel model = ModelOf({Press(kA), Pause(2), Release(kA)});
  EXPECT_TRUE(model.TakeFullWarning());
  EXPECT_FALSE(model.TakeFullWarning());
  for (const int outside : {-1, 3, 1000}) model.Remove(outside);
  EXPECT_FALSE(model.TakeFullWarning());  // nothing was removed
  model.Remove(0);
  EXPECT_EQ(EventsOf(model), (Events{Pause(2), Release(kA)}));
  EXPECT_EQ(model.Record().macro.Events[2], (MacroEvent{0, 0}));
  EXPECT_TRUE(model.TakeFullWarning());
  model.Clear();  // a recording starts
  EXPECT_TRUE(model.TakeFullWarning());
}

TEST(MacroModelDamagedRecord, ACountPast256ReadsAs256AndStaysUntilTheListChanges) {
  store::KeyRecord damaged = RecordOf(Repeated(Press(kA), 256), 1);
  damaged.macro.EventCount = 0xFFFF;
  damaged.macro.Events[255] = Pause(3);
  MacroModel model;
  model.Load(damaged);
  EXPECT_EQ(model.EventCount(), 256);
  EXPECT_EQ(model.LineText(255, platform::UsKeyboardLayout()), u"150ms");
  EXPECT_EQ(model.LineText(256, platform::UsKeyboardLayout()), u"");

  // Refusals and setting stores leave the count as it was loaded.
  EXPECT_EQ(model.RecordKey(kB, 0, 10).outcome, MacroOutcome::kFull);
  EXPECT_EQ(model.AddPause({3}, 1).outcome, MacroOutcome::kFull);
  EXPECT_EQ(model.Copy({}).outcome, MacroOutcome::kFull);
  EXPECT_EQ(model.MoveDown({255}), (MacroSelection{255}));
  model.Remove(256);
  model.SetRepeatMode(2);
  EXPECT_EQ(model.Record().macro.EventCount, 0xFFFF);

  // A change stores the real count.
  EXPECT_EQ(model.AddPause({}, 1).index, 255);
  EXPECT_EQ(model.Record().macro.EventCount, 256);
  model.Delete({255, 254});  // the key, and the pause after it, now 0 ms
  EXPECT_EQ(model.Record().macro.EventCount, 254);
  ExpectOthersBytesKept(model, damaged);
}

TEST(MacroModelSettings, OutOfRangeValuesStayUntilReplaced) {
  store::KeyRecord record = RecordOf({});
  record.macro.RepeatMode = 5;
  record.macro.IntervalIndex = 7;
  MacroModel model;
  model.Load(record);
  model.SetRepeatCountIndex(9);
  EXPECT_EQ(std::memcmp(model.Record().bytes, record.bytes, 20), 0);  // up to RepeatCountIndex
  EXPECT_EQ(model.Settings().RepeatCountIndex, 9);
}

}  // namespace
}  // namespace editors
