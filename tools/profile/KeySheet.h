#pragma once
// A printable cheat-sheet of one layer: the keyboard drawn from the keyboard picture's layout table,
// each key with its name and the label of its function.

#include <string>

#include "store/SettingsStore.h"
#include "tools/profile/FunctionWords.h"

namespace profiletool {

enum class SheetFormat { Svg, Html };

// `layer` 0..2.
std::string KeySheet(const store::ProfileRecord& profile, int layer, int variant, const Labels& labels,
                     SheetFormat format);

}  // namespace profiletool
