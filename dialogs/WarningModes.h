#pragma once
// The questions and notices of the confirmation dialog, by mode: the string-table keys of its title and
// two lines. An empty section stands for the empty text; any other mode shows no text at all.

#include <string_view>

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
  kProfileFileFailed = 7,  // notice: a profile file could not be written or read; the caller names file and reason
};

WarningTexts WarningTextsFor(WarningMode mode);

// The English text of a notice's key, for a language file that lacks it; empty for keys without one.
std::u16string_view BuiltInWarningText(const strings::StringKey& key);

}  // namespace dialogs
