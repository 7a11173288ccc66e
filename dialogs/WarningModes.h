#pragma once
// The questions and notices of the confirmation dialog, by mode: the string-table keys of its title and
// two lines. An empty section stands for the empty text; any other mode shows no text at all.

#include "strings/StringKeys.h"

namespace dialogs {

struct WarningTexts {
  strings::StringKey title, firstLine, secondLine;
};

namespace warning_mode {
inline constexpr int kReplaceKey = 0;       // the single-key dialog's second captured key
inline constexpr int kResetAll = 1;         // RESETPROFILE
inline constexpr int kResetProfile = 2;     // the profile dialog's Reset of one profile
inline constexpr int kResetLayer = 3;       // RESET of the layer shown
inline constexpr int kSelectOneLine = 4;    // notice: adding a pause needs one selected line
inline constexpr int kMacroFull = 5;        // notice: the macro's event list is full
inline constexpr int kSaveFailed = 6;       // notice: not every setting reached the registry
}  // namespace warning_mode

WarningTexts WarningTextsFor(int mode);

}  // namespace dialogs
