#pragma once
// One fuzz input through the macro model: a record built from the input (damaged counts and settings
// out of range included), then a sequence of editing operations decoded from the rest, with the
// model's promises checked after every step. Shared by the libFuzzer target and the test that replays
// the seed corpus.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "catalogue/KeyNames.h"
#include "editors/MacroModel.h"
#include "fuzz/FuzzInput.h"
#include "platform/portable/UsKeyboardLayout.h"

namespace macrofuzz {

using fuzzing::Require;
using fuzzing::Reader;

constexpr std::size_t kEventsBegin = 26;
constexpr std::size_t kEventsEnd = 538;

// Settings in and out of range, a count that may be damaged, and events repeated from a short
// template over all 256 slots, so the slots past the count hold pauses and keys as well.
inline store::KeyRecord BuildRecord(Reader& in) {
  store::KeyRecord record;
  for (std::size_t i = 0; i < store::kKeyRecordSize; ++i) record.bytes[i] = static_cast<std::uint8_t>(i * 31 + 7);
  const std::uint8_t shape = in.Byte();
  auto setting = [&](int range) {
    return (shape & 0x04) != 0 ? static_cast<std::int32_t>(in.U32()) : in.Byte() % range;
  };
  record.macro.DelayMode = setting(2);
  record.macro.IntervalOn = setting(2);
  record.macro.RepeatMode = setting(3);
  record.macro.IntervalIndex = setting(4);
  record.macro.RepeatCountIndex = setting(10);
  const std::uint8_t countByte = in.Byte();
  switch (shape & 0x03) {
    case 0: record.macro.EventCount = countByte % 16; break;
    case 1: record.macro.EventCount = static_cast<std::uint16_t>(editors::kMacroCapacity - countByte % 8); break;
    case 2: record.macro.EventCount = countByte; break;
    default: record.macro.EventCount = in.U16(); break;
  }
  store::MacroEvent* events = record.macro.Events;
  const std::size_t patternLength = in.Byte() % 16 + 1;
  for (std::size_t i = 0; i < store::kMacroEventCapacity; ++i) {
    if (i >= patternLength) {
      events[i] = events[i - patternLength];
      continue;
    }
    const std::uint8_t kind = in.Byte();
    const std::uint8_t value = in.Byte();
    if ((kind & 0x01) != 0) events[i] = {editors::kPauseCode, value};
    else events[i] = {static_cast<std::uint8_t>(kind >> 1), static_cast<std::uint8_t>(value % 3)};
  }
  return record;
}

// An index near the list most of the time, and now and then anything at all.
inline int DecodeIndex(Reader& in, int count) {
  const std::uint8_t how = in.Byte();
  switch (how & 0x03) {
    case 0: return count - 1 - in.Byte() % 4;
    case 1: return in.Byte() % (count + 2);
    case 2: return in.Byte();
    default: return static_cast<int>(in.U32());
  }
}

inline editors::MacroSelection DecodeSelection(Reader& in, int count) {
  const std::uint8_t how = in.Byte();
  editors::MacroSelection selection;
  if ((how & 0xC0) == 0xC0) {  // a block, as the editor's select-all or a drag gives
    const int first = in.Byte() % (count + 1);
    const int length = in.Byte();
    for (int i = first; i < first + length && i < count + 1; ++i) selection.push_back(i);
    if ((how & 0x01) != 0) std::reverse(selection.begin(), selection.end());
    return selection;
  }
  const int size = how % 6;
  for (int i = 0; i < size; ++i) selection.push_back(DecodeIndex(in, count));
  return selection;
}

inline bool InListOrder(const editors::MacroSelection& selection, int count) {
  for (std::size_t i = 0; i < selection.size(); ++i) {
    if (selection[i] < 0 || selection[i] >= count) return false;
    if (i > 0 && selection[i] <= selection[i - 1]) return false;
  }
  return true;
}

inline std::size_t InListCount(const editors::MacroSelection& selection, int count) {
  editors::MacroSelection inside;
  for (const int i : selection)
    if (i >= 0 && i < count) inside.push_back(i);
  std::sort(inside.begin(), inside.end());
  return static_cast<std::size_t>(std::unique(inside.begin(), inside.end()) - inside.begin());
}

inline std::u16string ExpectedLine(store::MacroEvent event, const platform::KeyboardLayout& layout) {
  if (event.code == editors::kPauseCode) {
    std::u16string text;
    for (const char c : std::to_string(event.value * editors::kPauseUnitMs)) text.push_back(static_cast<char16_t>(c));
    return text + u"ms";
  }
  return catalogue::EventKeyName(event.code, layout) + (event.value == 1 ? u" Release" : u" Press");
}

// What holds after every step, whatever came before. A line is a function of its event alone, so the
// lines of the events that changed in this step (`before` the step) are the ones to read again.
inline void CheckModel(const editors::MacroModel& model, const store::KeyRecord& loaded,
                       const store::KeyRecord& before, const platform::KeyboardLayout& layout) {
  const store::KeyRecord& now = model.Record();
  Require(std::memcmp(now.bytes, loaded.bytes, 4) == 0);  // the kind byte and the three spare bytes
  Require(std::memcmp(now.bytes + kEventsEnd, loaded.bytes + kEventsEnd, store::kKeyRecordSize - kEventsEnd) == 0);
  const int stored = now.macro.EventCount;
  if (stored > editors::kMacroCapacity) {
    // A damaged count survives only while nothing changed the list.
    Require(stored == loaded.macro.EventCount);
    Require(std::memcmp(now.bytes + kEventsBegin, loaded.bytes + kEventsBegin, kEventsEnd - kEventsBegin) == 0);
  }
  const int count = model.EventCount();
  Require(count == std::min(stored, editors::kMacroCapacity));
  for (int i = 0; i < count; ++i) {
    const store::MacroEvent event = now.macro.Events[i];
    Require(model.Event(i).code == event.code && model.Event(i).value == event.value);
    Require(model.IsPause(i) == (event.code == editors::kPauseCode));
    const store::MacroEvent old = before.macro.Events[i];
    if (i >= before.macro.EventCount || old.code != event.code || old.value != event.value)
      Require(model.LineText(i, layout) == ExpectedLine(event, layout));
  }
  for (const int outside : {-1, count, count + 1, -2147483647 - 1, 2147483647}) {
    Require(model.LineText(outside, layout).empty());
    Require(!model.IsPause(outside) && model.Event(outside).code == 0 && model.Event(outside).value == 0);
  }
}

inline bool SameRecord(const store::KeyRecord& a, const store::KeyRecord& b) {
  return std::memcmp(a.bytes, b.bytes, store::kKeyRecordSize) == 0;
}

inline void RunInput(const std::uint8_t* data, std::size_t size) {
  using editors::MacroOutcome;
  const platform::UsKeyboardLayout layout;
  Reader in(data, size);
  store::KeyRecord loaded = BuildRecord(in);
  editors::MacroModel model;
  model.Load(loaded);
  store::KeyRecord nothingShown{};
  CheckModel(model, loaded, nothingShown, layout);
  std::uint32_t now = in.U32();
  std::uint32_t lastKeyTime = 0;  // as the model should remember it

  for (int step = 0; step < 512 && !in.AtEnd(); ++step) {
    const store::KeyRecord before = model.Record();
    const int count = model.EventCount();
    const int operation = in.Byte() % 12;
    switch (operation) {
      case 0: {
        const std::uint8_t how = in.Byte();
        const std::uint32_t code = (how & 0x01) != 0 ? in.U32() : in.Byte();
        const std::uint32_t flags = (how & 0x02) != 0 ? in.U32() : (in.Byte() & 0x80);
        now += (how & 0x04) != 0 ? in.U32() : in.Byte() * 4u;
        const auto recorded = model.RecordKey(code, flags, now);
        if (recorded.outcome == MacroOutcome::kDone) {
          const bool withPause = before.macro.DelayMode != 0 && lastKeyTime != 0 && count >= 1;
          Require(recorded.linesAppended == (withPause ? 2 : 1));
          Require(model.EventCount() == count + recorded.linesAppended);
          const store::MacroEvent key = model.Event(model.EventCount() - 1);
          Require(key.code == (code & 0xFF) && key.code != editors::kPauseCode);
          Require(key.value == ((flags & 0x80) != 0 ? 1 : 0));
          if (withPause) {
            const std::uint32_t units = std::clamp<std::uint32_t>((now - lastKeyTime) / 50, 1, 255);
            Require(model.IsPause(count) && model.Event(count).value == units);
          }
          lastKeyTime = now;
        } else {
          Require(recorded.outcome == MacroOutcome::kIgnored || recorded.outcome == MacroOutcome::kFull);
          Require(recorded.outcome != MacroOutcome::kFull || count >= editors::kMacroCapacity - 1);
          Require(SameRecord(before, model.Record()));
        }
        break;
      }
      case 1: {
        const editors::MacroSelection selection = DecodeSelection(in, count);
        const int units = static_cast<std::int8_t>(in.Byte());
        const int amount = std::clamp(units, 1, 4);
        const auto added = model.AddPause(selection, units);
        if (added.outcome == MacroOutcome::kDone) {
          Require(model.EventCount() == count + (added.inserted ? 1 : 0));
          Require(model.IsPause(added.index));
          const int expected = added.inserted ? amount
                                              : std::min(before.macro.Events[added.index].value + amount,
                                                         editors::kLongestLengthenedPause);
          Require(model.Event(added.index).value == expected);
        } else {
          Require(added.outcome != MacroOutcome::kFull || count >= editors::kMacroCapacity);
          Require(added.outcome != MacroOutcome::kTooManySelected || InListCount(selection, count) > 1);
          Require(SameRecord(before, model.Record()));
        }
        break;
      }
      case 2: {
        const editors::MacroSelection selection = DecodeSelection(in, count);
        const editors::MacroSelection after = model.Delete(selection);
        Require(InListOrder(after, model.EventCount()));
        Require(model.EventCount() <= count);
        Require(InListCount(selection, count) != 0 || SameRecord(before, model.Record()));
        break;
      }
      case 3:
      case 4: {
        const editors::MacroSelection selection = DecodeSelection(in, count);
        const bool up = operation == 3;
        const editors::MacroSelection after = up ? model.MoveUp(selection) : model.MoveDown(selection);
        Require(InListOrder(after, count) && model.EventCount() == count);
        Require(after.size() == InListCount(selection, count));
        // The same events, in another order.
        store::MacroEvent a[editors::kMacroCapacity], b[editors::kMacroCapacity];
        for (int i = 0; i < count; ++i) a[i] = before.macro.Events[i], b[i] = model.Event(i);
        const auto less = [](store::MacroEvent x, store::MacroEvent y) {
          return x.code != y.code ? x.code < y.code : x.value < y.value;
        };
        std::sort(a, a + count, less);
        std::sort(b, b + count, less);
        for (int i = 0; i < count; ++i) Require(a[i].code == b[i].code && a[i].value == b[i].value);
        break;
      }
      case 5: {
        const editors::MacroSelection selection = DecodeSelection(in, count);
        const int n = static_cast<int>(InListCount(selection, count));
        const auto copied = model.Copy(selection);
        if (copied.outcome == MacroOutcome::kDone) {
          Require(model.EventCount() == count + n && model.EventCount() < editors::kMacroCapacity);
          Require(static_cast<int>(copied.selection.size()) == n && InListOrder(copied.selection, count + n));
          Require(copied.selection.front() == count);
        } else {
          Require(copied.outcome == (count + n >= editors::kMacroCapacity ? MacroOutcome::kFull : MacroOutcome::kIgnored));
          Require(SameRecord(before, model.Record()));
        }
        break;
      }
      case 6: {
        const int index = DecodeIndex(in, count);
        model.Remove(index);
        if (index >= 0 && index < count) {
          Require(model.EventCount() == count - 1);
          Require(model.Record().macro.Events[count - 1].code == 0 && model.Record().macro.Events[count - 1].value == 0);
          Require(model.TakeFullWarning());
        } else {
          Require(SameRecord(before, model.Record()));
        }
        break;
      }
      case 7:
        model.Clear();
        lastKeyTime = 0;
        Require(model.EventCount() == 0);
        for (std::size_t i = kEventsBegin; i < kEventsEnd; ++i) Require(model.Record().bytes[i] == 0);
        Require(model.TakeFullWarning());
        break;
      case 8: {
        const std::uint8_t which = in.Byte();
        const std::int32_t value = (which & 0x80) != 0 ? static_cast<std::int32_t>(in.U32()) : in.Byte() % 12;
        switch (which % 5) {
          case 0: model.SetDelayMode(value); Require(model.Settings().DelayMode == value); break;
          case 1: model.SetIntervalOn(value); Require(model.Settings().IntervalOn == value); break;
          case 2: model.SetRepeatMode(value); Require(model.Settings().RepeatMode == value); break;
          case 3: model.SetIntervalIndex(value); Require(model.Settings().IntervalIndex == value); break;
          default: model.SetRepeatCountIndex(value); Require(model.Settings().RepeatCountIndex == value); break;
        }
        Require(std::memcmp(before.bytes + 24, model.Record().bytes + 24, store::kKeyRecordSize - 24) == 0);
        break;
      }
      case 9: {
        const bool first = model.TakeFullWarning();
        Require(!model.TakeFullWarning());
        (void)first;
        break;
      }
      case 10:
        // Applying and opening the key again: the working state starts afresh on the same bytes.
        model.Load(before);
        lastKeyTime = 0;
        Require(SameRecord(before, model.Record()) && model.TakeFullWarning());
        break;
      default: {
        const int index = DecodeIndex(in, count);
        const std::u16string line = model.LineText(index, layout);
        Require(line.empty() == (index < 0 || index >= count));
        break;
      }
    }
    CheckModel(model, loaded, before, layout);
  }
}

}  // namespace macrofuzz
