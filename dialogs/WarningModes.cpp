#include "dialogs/WarningModes.h"

#include <array>

namespace dialogs {

namespace {

constexpr std::array<WarningTexts, 6> kModes{{
    {{"WARNING", "SINGLE"}, {"WARNING", "SINGLE1"}, {"WARNING", "SINGLE2"}},
    {{"WARNING", "RESETALL"}, {"WARNING", "ALL"}, {"WARNING", "WANT2"}},
    {{"WARNING", "RESET"}, {"WARNING", "PROFILE"}, {"WARNING", "WANT1"}},
    {{"WARNING", "RESET"}, {"WARNING", "LAYER"}, {"WARNING", "WANT3"}},
    {{"WARNING", "WARNING"}, {"WARNING", "SELECT"}, {}},
    {{"WARNING", "WARNING"}, {"WARNING", "MAX"}, {}},
}};

}  // namespace

WarningTexts WarningTextsFor(int mode) {
  if (mode < 0 || mode >= static_cast<int>(kModes.size())) return {};
  return kModes[static_cast<std::size_t>(mode)];
}

}  // namespace dialogs
