#include "editors/MacroModel.h"

#include <algorithm>
#include <cstring>

#include "catalogue/KeyNames.h"

namespace editors {
namespace {

static_assert(kMacroCapacity == static_cast<int>(store::kMacroEventCapacity));

constexpr std::uint32_t kReleaseFlag = 0x80;
constexpr int kLongestRecordedPause = 255;  // units: the most one byte holds
constexpr int kLargestPauseAmount = 4;

std::u16string MillisecondsText(int ms) {
  std::u16string text;
  do {
    text.insert(text.begin(), static_cast<char16_t>(u'0' + ms % 10));
    ms /= 10;
  } while (ms > 0);
  return text + u"ms";
}

}  // namespace

void MacroModel::Load(const store::KeyRecord& record) {
  m_record = record;
  m_lastCode = 0;
  m_lastFlags = 0;
  m_lastKeyTime = 0;
  m_warned = false;
}

int MacroModel::EventCount() const { return std::min<int>(m_record.macro.EventCount, kMacroCapacity); }

store::MacroEvent MacroModel::Event(int index) const {
  if (index < 0 || index >= EventCount()) return {0, 0};
  return m_record.macro.Events[index];
}

bool MacroModel::IsPause(int index) const {
  return index >= 0 && index < EventCount() && m_record.macro.Events[index].code == kPauseCode;
}

std::u16string MacroModel::LineText(int index, const platform::KeyboardLayout& layout) const {
  if (index < 0 || index >= EventCount()) return {};
  const store::MacroEvent event = m_record.macro.Events[index];
  if (event.code == kPauseCode) return MillisecondsText(event.value * kPauseUnitMs);
  return catalogue::EventKeyName(event.code, layout) + (event.value == 1 ? u" Release" : u" Press");
}

std::u16string MacroModel::LineText(int index) const {
  return LineText(index, platform::SystemKeyboardLayout());
}

void MacroModel::Clear() {
  std::memset(m_record.macro.Events, 0, sizeof(m_record.macro.Events));
  m_record.macro.EventCount = 0;
  m_lastKeyTime = 0;
  m_warned = false;
}

MacroModel::Recorded MacroModel::RecordKey(std::uint32_t code, std::uint32_t flags, std::uint32_t now) {
  if (code == m_lastCode && flags == m_lastFlags) return {};
  // A key whose low byte is the pause code would be stored, and played, as a pause.
  if ((code & 0xFF) == kPauseCode) return {};
  const int count = EventCount();
  const bool withPause = m_record.macro.DelayMode != 0 && m_lastKeyTime != 0 && count >= 1;
  // The pause and its key go in together or not at all.
  if (count + (withPause ? 2 : 1) > kMacroCapacity) return {MacroOutcome::kFull, 0};

  int appended = 0;
  if (withPause) {
    const std::uint32_t elapsed = now - m_lastKeyTime;  // unsigned: right across a wrap of the tick count
    const std::uint32_t units = std::clamp<std::uint32_t>(elapsed / kPauseUnitMs, 1, kLongestRecordedPause);
    Insert(count, {kPauseCode, static_cast<std::uint8_t>(units)});
    ++appended;
  }
  Insert(count + appended, {static_cast<std::uint8_t>(code & 0xFF),
                            static_cast<std::uint8_t>((flags & kReleaseFlag) != 0 ? 1 : 0)});
  ++appended;
  m_lastKeyTime = now;
  m_lastCode = code;
  m_lastFlags = flags;
  return {MacroOutcome::kDone, appended};
}

MacroModel::PauseAdded MacroModel::AddPause(const MacroSelection& selection, int units) {
  units = std::clamp(units, 1, kLargestPauseAmount);
  const MacroSelection chosen = Sanitized(selection);
  if (chosen.size() > 1) return {MacroOutcome::kTooManySelected};
  // A selection that named only events the list does not hold is not "nothing selected".
  if (chosen.empty() && !selection.empty()) return {MacroOutcome::kIgnored};

  const int count = EventCount();
  int at = count;  // where a new pause goes
  if (chosen.size() == 1) {
    const int i = chosen.front();
    if (IsPause(i + 1)) return Lengthen(i + 1, units);
    if (IsPause(i)) return Lengthen(i, units);
    at = i + 1;
  } else if (IsPause(count - 1)) {
    return Lengthen(count - 1, units);
  }
  if (count >= kMacroCapacity) return {MacroOutcome::kFull};
  Insert(at, {kPauseCode, static_cast<std::uint8_t>(units)});
  return {MacroOutcome::kDone, at, true};
}

MacroSelection MacroModel::Delete(const MacroSelection& selection) {
  const MacroSelection chosen = Sanitized(selection);
  MacroSelection kept;  // the chosen pauses that stay, as 0 ms, at their current places
  const auto removeAt = [&](int index) {
    Remove(index);
    kept.erase(std::remove(kept.begin(), kept.end(), index), kept.end());
    for (int& k : kept)
      if (k > index) --k;
  };
  // Descending, so every index still to be handled keeps its place.
  for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
    const int i = *it;
    if (IsPause(i)) {
      if (i > 0 && !IsPause(i - 1)) {
        m_record.macro.Events[i].value = 0;
        StoreCount(EventCount());
        kept.push_back(i);
      } else {
        removeAt(i);
      }
    } else {
      removeAt(i);
      if (IsPause(i)) removeAt(i);  // the pause that followed the key
    }
  }
  if (chosen.size() == 1) {
    if (chosen.front() < EventCount()) return {chosen.front()};
    return {};
  }
  std::sort(kept.begin(), kept.end());
  return kept;
}

MacroSelection MacroModel::MoveUp(const MacroSelection& selection) {
  MacroSelection chosen = Sanitized(selection);
  if (chosen.empty() || chosen.front() == 0) return chosen;
  for (int& i : chosen) {
    std::swap(m_record.macro.Events[i], m_record.macro.Events[i - 1]);
    --i;
  }
  StoreCount(EventCount());
  return chosen;
}

MacroSelection MacroModel::MoveDown(const MacroSelection& selection) {
  MacroSelection chosen = Sanitized(selection);
  if (chosen.empty() || chosen.back() == EventCount() - 1) return chosen;
  for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
    std::swap(m_record.macro.Events[*it], m_record.macro.Events[*it + 1]);
    ++*it;
  }
  StoreCount(EventCount());
  return chosen;
}

MacroModel::Copied MacroModel::Copy(const MacroSelection& selection) {
  MacroSelection chosen = Sanitized(selection);
  const int count = EventCount();
  const int n = static_cast<int>(chosen.size());
  // Copying stops one short of the capacity that recording may fill.
  if (count + n >= kMacroCapacity) return {MacroOutcome::kFull, std::move(chosen)};
  if (n == 0) return {MacroOutcome::kIgnored, {}};
  MacroSelection copies;
  for (const int i : chosen) {
    const int at = count + static_cast<int>(copies.size());
    m_record.macro.Events[at] = m_record.macro.Events[i];
    copies.push_back(at);
  }
  StoreCount(count + n);
  return {MacroOutcome::kDone, std::move(copies)};
}

void MacroModel::Remove(int index) {
  const int count = EventCount();
  if (index < 0 || index >= count) return;
  store::MacroEvent* events = m_record.macro.Events;
  std::memmove(events + index, events + index + 1, sizeof(store::MacroEvent) * (count - index - 1));
  events[count - 1] = {0, 0};
  StoreCount(count - 1);
  m_warned = false;
}

bool MacroModel::TakeFullWarning() {
  const bool show = !m_warned;
  m_warned = true;
  return show;
}

MacroSelection MacroModel::Sanitized(const MacroSelection& selection) const {
  const int count = EventCount();
  MacroSelection chosen;
  chosen.reserve(selection.size());
  for (const int i : selection)
    if (i >= 0 && i < count) chosen.push_back(i);
  std::sort(chosen.begin(), chosen.end());
  chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
  return chosen;
}

void MacroModel::StoreCount(int count) { m_record.macro.EventCount = static_cast<std::uint16_t>(count); }

void MacroModel::Insert(int index, store::MacroEvent event) {
  const int count = EventCount();
  store::MacroEvent* events = m_record.macro.Events;
  std::memmove(events + index + 1, events + index, sizeof(store::MacroEvent) * (count - index));
  events[index] = event;
  StoreCount(count + 1);
}

MacroModel::PauseAdded MacroModel::Lengthen(int index, int units) {
  store::MacroEvent& pause = m_record.macro.Events[index];
  pause.value = static_cast<std::uint8_t>(std::min(pause.value + units, kLongestLengthenedPause));
  StoreCount(EventCount());
  return {MacroOutcome::kDone, index, false};
}

}  // namespace editors
