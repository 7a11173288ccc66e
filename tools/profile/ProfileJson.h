#pragma once
// A profile record as a readable JSON document and back, without losing a byte: every field in words,
// and whatever bytes no field explains as hex runs ("extra") beside the key or profile they belong to.
//
// Names read as the program shows them, in the fixed layout of the document's variant (KeyWords.h):
// the slot's key name, the key a single key sends, a macro's event lines; a function by its text key
// ("MUTE") with its label beside it ("Mute"). A macro line that does not say its bytes exactly (a key
// event's value is neither press nor release) is written with its code and value beside it. People
// count from 1: layers, profiles, repeat counts. Version 2 added "label" and names every key apart.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/SettingsStore.h"
#include "tools/profile/FunctionWords.h"

namespace profiletool {

inline constexpr int kJsonVersion = 2;  // version 1 documents read the same

struct JsonResult {
  bool ok = true;
  std::string message;  // what is wrong and where: a JSON syntax error names its line and column
};

// The labels written beside the functions come from `labels`.
std::string ProfileToJson(const store::ProfileRecord& profile, int variant, const Labels& labels = Labels::English());
// `profile` changes only when the whole document converts; `variant` receives the document's. A function
// may be named by a label of `labels` too.
JsonResult ProfileFromJson(std::string_view text, store::ProfileRecord& profile, int* variant = nullptr,
                           const Labels& labels = Labels::English());

// The settings header (the backup's "Setting.json").
std::string HeaderToJson(const store::StoreHeader& header);
JsonResult HeaderFromJson(std::string_view text, store::StoreHeader& header);

}  // namespace profiletool
