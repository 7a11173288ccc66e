#pragma once
// A profile record as a readable JSON document and back, without losing a byte: every field in words,
// and whatever bytes no field explains as hex runs ("extra") beside the key or profile they belong to.
//
// Names read as the program shows them, in the fixed layout of the document's variant (SlotNames.h):
// the slot's key name, the key a single key sends, a macro's event lines. A line or name that does not
// say its bytes exactly (two codes share the name "Enter", a key event's value is neither press nor
// release) is written with its code beside it. People count from 1: layers, profiles, repeat counts.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/SettingsStore.h"

namespace profiletool {

inline constexpr int kJsonVersion = 1;

struct JsonResult {
  bool ok = true;
  std::string message;  // what is wrong and where: a JSON syntax error names its line and column
};

std::string ProfileToJson(const store::ProfileRecord& profile, int variant);
// `profile` changes only when the whole document converts; `variant` receives the document's.
JsonResult ProfileFromJson(std::string_view text, store::ProfileRecord& profile, int* variant = nullptr);

// The settings header (the backup's "Setting.json").
std::string HeaderToJson(const store::StoreHeader& header);
JsonResult HeaderFromJson(std::string_view text, store::StoreHeader& header);

}  // namespace profiletool
