#pragma once
// The questions and notices of the confirmation dialog, by mode: string-table keys of its title and
// two lines. A mode outside 0..5 shows no text at all.

#include <string_view>

namespace dialogs {

struct TextKey {
  std::string_view section;  // empty: the empty text
  std::string_view key;
};

struct WarningTexts {
  TextKey title, firstLine, secondLine;
};

namespace warning_mode {
inline constexpr int kReplaceKey = 0;       // the single-key dialog's second captured key
inline constexpr int kResetAll = 1;         // RESETPROFILE
inline constexpr int kResetProfile = 2;     // the profile dialog's Reset of one profile
inline constexpr int kResetLayer = 3;       // RESET of the layer shown
inline constexpr int kSelectOneLine = 4;    // notice: adding a pause needs one selected line
inline constexpr int kMacroFull = 5;        // notice: the macro's event list is full
}  // namespace warning_mode

WarningTexts WarningTextsFor(int mode);

}  // namespace dialogs
