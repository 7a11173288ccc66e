#pragma once
// The differences between two profiles in words, one to a line, such as
// "layer 2, key F5: Mute → Macro (4 events)".

#include <string>
#include <vector>

#include "store/SettingsStore.h"
#include "tools/profile/FunctionWords.h"

namespace profiletool {

std::vector<std::string> DiffProfiles(const store::ProfileRecord& a, const store::ProfileRecord& b, int variant,
                                      const Labels& labels);

}  // namespace profiletool
