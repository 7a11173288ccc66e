#pragma once
// The questions and notices of the confirmation dialog, by mode: the string-table keys of its title and
// two lines. An empty section stands for the empty text; any other mode shows no text at all.

#include "strings/StringKeys.h"

namespace dialogs {

struct WarningTexts {
  strings::StringKey title, firstLine, secondLine;
};

enum class WarningMode : int {
  kNone = -1,
  kReplaceKey = 0,       // the single-key dialog's second captured key
  kResetAll = 1,         // RESETPROFILE
  kResetProfile = 2,     // the profile dialog's Reset of one profile
  kResetLayer = 3,       // RESET of the layer shown
  kSelectOneLine = 4,    // notice: adding a pause needs one selected line
  kMacroFull = 5,        // notice: the macro's event list is full
  kSaveFailed = 6,       // notice: not every setting reached the registry
};

WarningTexts WarningTextsFor(WarningMode mode);

}  // namespace dialogs
