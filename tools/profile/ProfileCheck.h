#pragma once
// What is wrong with a profile record, one problem to a line: faults, which the program's import refuses
// or the program and its companion could not make sense of, and warnings about what is odd but harmless.

#include <string>
#include <vector>

#include "store/SettingsStore.h"

namespace profiletool {

enum class Severity { Fault, Warning };

struct Problem {
  std::string text;
  Severity severity = Severity::Fault;
};

bool HasFault(const std::vector<Problem>& problems);

std::vector<Problem> CheckProfile(const store::ProfileRecord& profile, int variant);

// Values a save to the registry cannot keep whole (it keeps one byte of most numbers and 130
// characters of the name and program); restoring them would change them silently.
std::vector<Problem> CheckRegistryFit(const store::ProfileRecord& profile);
std::vector<Problem> CheckRegistryFit(const store::StoreHeader& header);

}  // namespace profiletool
