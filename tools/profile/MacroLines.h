#pragma once
// A macro's events as lines like the macro editor's: "A Press", "Left Button Release", "200ms", with the
// tool's key names (KeyWords.h), and such lines read back.

#include <optional>
#include <string>
#include <string_view>

#include "store/KeyRecord.h"

namespace profiletool {

// A key event whose value is neither press (0) nor release (1) reads as a press, as in the editor.
std::u16string EventLine(store::MacroEvent event, int variant);

struct ParsedLine {
  std::optional<store::MacroEvent> event;
  std::string problem;  // without an event: what the line should look like
};
// In any case, with or without a space before "ms".
ParsedLine ParseEventLine(std::u16string_view line, int variant);

}  // namespace profiletool
