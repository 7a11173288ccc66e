#pragma once
// The 1592-byte key assignment record: what one key does on one layer of one profile.
// It is an external format (registry values, profile files, the companion program reads it),
// so every offset below is fixed and checked by the compiler. The first byte, the function
// kind, says which of the views is meaningful.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace store {

static_assert(std::endian::native == std::endian::little, "the stored layouts are little-endian");

inline constexpr std::size_t kKeyRecordSize = 1592;
inline constexpr std::size_t kMacroEventCapacity = 256;
inline constexpr std::size_t kPathCapacity = 260;          // UTF-16 units, terminator included
inline constexpr std::size_t kMaxPathLength = kPathCapacity - 1;

struct MacroEvent {
  std::uint8_t code;   // 0xFF a pause, else a virtual-key code
  std::uint8_t value;  // press 0 / release 1, or the pause length in 50 ms units
};

struct SingleKeyView {                 // kind 1
  std::uint8_t FunctionKind;
  std::uint8_t unused[25];
  std::uint8_t KeyCode;                // where a macro's first event code lies
};

struct MacroView {                     // kind 2
  std::uint8_t FunctionKind;
  std::uint8_t reserved[3];
  std::int32_t DelayMode;
  std::int32_t IntervalOn;
  std::int32_t RepeatMode;
  std::int32_t IntervalIndex;
  std::int32_t RepeatCountIndex;
  std::uint16_t EventCount;
  MacroEvent Events[kMacroEventCapacity];
};

struct LaunchView {                    // kind 9
  std::uint8_t FunctionKind;
  std::uint8_t unused[537];
  char16_t ProgramPath[kPathCapacity];
  char16_t ShortcutName[kPathCapacity];
};

struct ProfileSwitchView {             // kind 8
  std::uint8_t FunctionKind;
  std::uint8_t unused[1579];
  std::int32_t TargetProfile;
  std::int32_t TargetLayer;
  std::int32_t ShowOsd;
};

union KeyRecord {
  std::uint8_t FunctionKind;           // every view begins with it; 0 = no assignment
  SingleKeyView singleKey;
  MacroView macro;
  LaunchView launch;
  ProfileSwitchView profileSwitch;
  std::uint8_t bytes[kKeyRecordSize];
};

static_assert(sizeof(KeyRecord) == kKeyRecordSize);
static_assert(offsetof(SingleKeyView, KeyCode) == 26);
static_assert(offsetof(MacroView, DelayMode) == 4);
static_assert(offsetof(MacroView, IntervalOn) == 8);
static_assert(offsetof(MacroView, RepeatMode) == 12);
static_assert(offsetof(MacroView, IntervalIndex) == 16);
static_assert(offsetof(MacroView, RepeatCountIndex) == 20);
static_assert(offsetof(MacroView, EventCount) == 24);
static_assert(offsetof(MacroView, Events) == 26);
static_assert(offsetof(MacroView, Events) + sizeof(MacroView::Events) == 538);
static_assert(offsetof(LaunchView, ProgramPath) == 538);
static_assert(offsetof(LaunchView, ShortcutName) == 1058);
static_assert(sizeof(LaunchView) == 1578);
static_assert(offsetof(ProfileSwitchView, TargetProfile) == 1580);
static_assert(offsetof(ProfileSwitchView, TargetLayer) == 1584);
static_assert(offsetof(ProfileSwitchView, ShowOsd) == 1588);
static_assert(sizeof(ProfileSwitchView) == kKeyRecordSize);

// Function kinds the record writers need by name; the full table is the function catalogue.
namespace kind {
inline constexpr std::uint8_t kNone = 0;
inline constexpr std::uint8_t kSingleKey = 1;
inline constexpr std::uint8_t kMacro = 2;
inline constexpr std::uint8_t kProfileSwitch = 8;
inline constexpr std::uint8_t kLaunchProgram = 9;
inline constexpr std::uint8_t kDisabled = 10;
// The mouse functions, which the mouse function dialog offers.
inline constexpr std::uint8_t kMouseLeft = 17;
inline constexpr std::uint8_t kMouseRight = 18;
inline constexpr std::uint8_t kMouseMiddle = 19;
inline constexpr std::uint8_t kWheelUp = 24;
inline constexpr std::uint8_t kWheelDown = 25;
}  // namespace kind

// Every assignment clears the whole record first and writes the kind byte last.
void ClearRecord(KeyRecord& record);
void WriteSimpleKind(KeyRecord& record, std::uint8_t functionKind);  // disabled, mouse, media, ...
void WriteSingleKey(KeyRecord& record, std::uint8_t keyCode);
void WriteMacro(KeyRecord& record, const KeyRecord& editorCopy);     // keeps the copy's other bytes
void WriteProfileSwitch(KeyRecord& record, std::int32_t targetProfile, std::int32_t targetLayer,
                        std::int32_t showOsd);
void WriteLaunchProgram(KeyRecord& record, std::u16string_view programPath, std::u16string_view shortcutName);

// Copies `text` into a fixed buffer of `capacity` units, cut to capacity − 1 and always terminated.
void CopyTerminated(char16_t* buffer, std::size_t capacity, std::u16string_view text);
// The text of a fixed buffer up to its first terminator (or the whole buffer when it has none).
std::u16string_view TerminatedView(const char16_t* buffer, std::size_t capacity);

}  // namespace store
