#pragma once
// A macro as the macro editor edits it: a working copy of one key's 1592-byte record, whose event list
// (key and mouse-button presses and releases, and pauses) and repeat settings are changed by the
// operations below. Pure: the editor passes in the tick count and the selection, shows the lines and
// raises the warnings. No operation ever writes an event at position 256 or beyond, and no operation
// touches the record's bytes outside the macro's fields.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/KeyboardLayout.h"
#include "store/KeyRecord.h"

namespace editors {

// What an operation that can refuse did.
enum class MacroOutcome {
  kDone,
  kIgnored,          // a repeated key message, or nothing to do
  kFull,             // the 256-event limit stops it; nothing changed
  kTooManySelected,  // add pause needs at most one selected event; nothing changed
};

// Event indices chosen in the editor's list. Every operation takes them in ascending order once each and
// drops those outside the list, whatever order, repeats or stray numbers it is given; every selection
// returned is ascending, without repeats and inside the list.
using MacroSelection = std::vector<int>;

inline constexpr int kMacroCapacity = 256;
inline constexpr std::uint8_t kPauseCode = 0xFF;
inline constexpr int kPauseUnitMs = 50;
inline constexpr int kLongestLengthenedPause = 127;  // units: lengthening stops here

class MacroModel {
 public:
  // Takes a copy of the record, whatever its kind, and resets the working state.
  void Load(const store::KeyRecord& record);
  // The record as edited, for applying.
  const store::KeyRecord& Record() const { return m_record; }

  // Events in use: the stored count, never more than the 256 slots hold. A damaged count above 256 is
  // kept in the record as loaded until an operation changes the event list, which stores the real count.
  int EventCount() const;
  // The event at `index`, {0, 0} outside the list.
  store::MacroEvent Event(int index) const;
  bool IsPause(int index) const;

  // "200ms" for a pause; "<key name> Press" / "<key name> Release" for a key event; empty outside the list.
  std::u16string LineText(int index, const platform::KeyboardLayout& layout) const;
  std::u16string LineText(int index) const;  // in the user's current layout

  // A recording starts: no events, and its first key gets no pause before it.
  void Clear();

  struct Recorded {
    MacroOutcome outcome = MacroOutcome::kIgnored;
    int linesAppended = 0;  // 1 for the key, 2 when a pause came before it
  };
  // A key message as the hook library (or a mouse-button picture) delivers it: `code` (its low byte is
  // stored), `flags` (0x80 set for a release), `now` the tick count in milliseconds. Ignored when its low
  // byte is 0xFF, which would read as a pause; full when the key, or the pause it brings, has no room.
  Recorded RecordKey(std::uint32_t code, std::uint32_t flags, std::uint32_t now);

  struct PauseAdded {
    MacroOutcome outcome = MacroOutcome::kDone;
    int index = -1;         // the pause lengthened or inserted
    bool inserted = false;  // a new line at `index`; otherwise the line at `index` changed
  };
  // Adds `units` (1 to 4, clamped into that range) pause units after the selected event, or at the end
  // when nothing is selected; ignored when the selection names no event of the list.
  PauseAdded AddPause(const MacroSelection& selection, int units);

  // Deletes the selected events; a key takes the pause after it along, a pause after a key becomes 0 ms.
  // Returns the selection afterwards.
  MacroSelection Delete(const MacroSelection& selection);
  // Moves the selected events one place as a block; nothing at all when the first (last) is selected.
  // Returns the selection afterwards.
  MacroSelection MoveUp(const MacroSelection& selection);
  MacroSelection MoveDown(const MacroSelection& selection);

  struct Copied {
    MacroOutcome outcome = MacroOutcome::kDone;
    MacroSelection selection;  // the copies at the end; when refused, the selection as given
  };
  // Appends copies of the selected events; refused when the list would reach 256 events (even with nothing
  // selected), ignored when nothing is selected.
  Copied Copy(const MacroSelection& selection);
  // Removes one event (nothing outside the list); every removal re-arms the too-many-events warning.
  void Remove(int index);

  // The too-many-events warning is shown once until an event is removed, a recording starts or a record
  // is loaded: true when it is to be shown now (and from then on false until re-armed).
  bool TakeFullWarning();

  // Plain stores of the repeat settings; out-of-range values in a loaded record stay until replaced.
  void SetDelayMode(std::int32_t mode) { m_record.macro.DelayMode = mode; }
  void SetIntervalOn(std::int32_t on) { m_record.macro.IntervalOn = on; }
  void SetRepeatMode(std::int32_t mode) { m_record.macro.RepeatMode = mode; }
  void SetIntervalIndex(std::int32_t index) { m_record.macro.IntervalIndex = index; }
  void SetRepeatCountIndex(std::int32_t index) { m_record.macro.RepeatCountIndex = index; }
  const store::MacroView& Settings() const { return m_record.macro; }

 private:
  store::KeyRecord m_record{};
  std::uint32_t m_lastCode = 0;    // the last accepted key message, as delivered
  std::uint32_t m_lastFlags = 0;
  std::uint32_t m_lastKeyTime = 0;  // ms; 0: the next key gets no pause
  bool m_warned = false;

  MacroSelection Sanitized(const MacroSelection& selection) const;
  void StoreCount(int count);
  void Insert(int index, store::MacroEvent event);  // there must be room
  PauseAdded Lengthen(int index, int units);
};

}  // namespace editors
