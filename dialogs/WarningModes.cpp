#include "dialogs/WarningModes.h"

#include <array>

namespace dialogs {

namespace {

using namespace strings;

constexpr std::array<WarningTexts, 7> kModes{{
    {kWarningSingle, kWarningSingle1, kWarningSingle2},
    {kWarningResetAll, kWarningAll, kWarningWant2},
    {kWarningReset, kWarningProfile, kWarningWant1},
    {kWarningReset, kWarningLayer, kWarningWant3},
    {kWarningWarning, kWarningSelect, {}},
    {kWarningWarning, kWarningMax, {}},
    {kWarningWarning, kWarningSave1, kWarningSave2},
}};

}  // namespace

WarningTexts WarningTextsFor(WarningMode mode) {
  const int index = static_cast<int>(mode);
  if (index < 0 || index >= static_cast<int>(kModes.size())) return {};
  return kModes[static_cast<std::size_t>(index)];
}

}  // namespace dialogs
