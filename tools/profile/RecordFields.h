#pragma once
// Which bytes of a key record and of a profile their named fields say. The rest is what the JSON's
// "extra" may carry and what check calls bytes a function does not use.

#include <cstddef>
#include <string_view>
#include <vector>

#include "store/SettingsStore.h"

namespace profiletool {

enum class Field { Kind, SentKey, MacroSettings, MacroEventCount, MacroEvents, ProfileSwitch, LaunchPath, LaunchName,
                   DeviceMode, Name, Program, AutoSwitch, Keys, CompanionAndLayer };

struct FieldSpan {
  std::size_t offset, size;
  Field field;
};

// The fields of the record's kind; a text with its terminator, a macro's events up to its count.
std::vector<FieldSpan> KeyFields(const store::KeyRecord& record);
std::vector<FieldSpan> ProfileFields(const store::ProfileRecord& profile);

// "the function kind", "the key it sends", "the macro's events", ...
std::string_view FieldWhat(Field field);

// Whether any byte of `spans` differs between the two records; the first such offset in `offset`.
bool ChangesSpans(const std::uint8_t* before, const std::uint8_t* after, const std::vector<FieldSpan>& spans,
                  std::size_t* offset, Field* field);

}  // namespace profiletool
