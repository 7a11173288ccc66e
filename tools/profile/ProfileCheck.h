#pragma once
// What is wrong with a profile record, one problem to a line: what the program's import refuses and what
// the companion program could not make sense of.

#include <string>
#include <vector>

#include "store/SettingsStore.h"

namespace profiletool {

struct Problem {
  std::string text;
  bool refusedByImport = false;  // the profile dialog's import would refuse the file for it
};

std::vector<Problem> CheckProfile(const store::ProfileRecord& profile, int variant);

// Values a save to the registry cannot keep whole (it keeps one byte of most numbers and 130
// characters of the name and program); restoring them would change them silently.
std::vector<Problem> CheckRegistryFit(const store::ProfileRecord& profile);
std::vector<Problem> CheckRegistryFit(const store::StoreHeader& header);

}  // namespace profiletool
