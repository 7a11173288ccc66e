#include "store/KeyRecord.h"

#include <algorithm>
#include <cstring>

namespace store {

void ClearRecord(KeyRecord& record) { std::memset(record.bytes, 0, sizeof record.bytes); }

void WriteSimpleKind(KeyRecord& record, std::uint8_t functionKind) {
  ClearRecord(record);
  record.FunctionKind = functionKind;
}

void WriteSingleKey(KeyRecord& record, std::uint8_t keyCode) {
  ClearRecord(record);
  record.singleKey.KeyCode = keyCode;
  record.FunctionKind = kind::kSingleKey;
}

void WriteMacro(KeyRecord& record, const KeyRecord& editorCopy) {
  if (&record != &editorCopy) std::memcpy(record.bytes, editorCopy.bytes, sizeof record.bytes);
  record.FunctionKind = kind::kMacro;
}

void WriteProfileSwitch(KeyRecord& record, std::int32_t targetProfile, std::int32_t targetLayer,
                        std::int32_t showOsd) {
  ClearRecord(record);
  record.profileSwitch.TargetProfile = targetProfile;
  record.profileSwitch.TargetLayer = targetLayer;
  record.profileSwitch.ShowOsd = showOsd;
  record.FunctionKind = kind::kProfileSwitch;
}

void WriteLaunchProgram(KeyRecord& record, std::u16string_view programPath, std::u16string_view shortcutName) {
  ClearRecord(record);
  CopyTerminated(record.launch.ProgramPath, kPathCapacity, programPath);
  CopyTerminated(record.launch.ShortcutName, kPathCapacity, shortcutName);
  record.FunctionKind = kind::kLaunchProgram;
}

void CopyTerminated(char16_t* buffer, std::size_t capacity, std::u16string_view text) {
  if (capacity == 0) return;
  const std::size_t length = std::min(text.size(), capacity - 1);
  std::copy_n(text.data(), length, buffer);
  buffer[length] = u'\0';
}

std::u16string_view TerminatedView(const char16_t* buffer, std::size_t capacity) {
  const char16_t* end = std::find(buffer, buffer + capacity, u'\0');
  return {buffer, static_cast<std::size_t>(end - buffer)};
}

}  // namespace store
