#include "dialogs/WarningModes.h"

#include <array>

namespace dialogs {

namespace {

using namespace strings;

constexpr std::array<WarningTexts, 8> kModes{{
    {kWarningSingle, kWarningSingle1, kWarningSingle2},
    {kWarningResetAll, kWarningAll, kWarningWant2},
    {kWarningReset, kWarningProfile, kWarningWant1},
    {kWarningReset, kWarningLayer, kWarningWant3},
    {kWarningWarning, kWarningSelect, {}},
    {kWarningWarning, kWarningMax, {}},
    {kWarningWarning, kWarningSave1, kWarningSave2},
    {kWarningFile, kWarningFile1, {}},
}};

struct BuiltInText {
  StringKey key;
  std::u16string_view text;
};
// Language files written before these notices existed lack their texts.
constexpr BuiltInText kBuiltInTexts[] = {
    {kWarningSave1, u"Your settings could not all be stored."},
    {kWarningSave2, u"Close other setup programs and click Apply again."},
    {kWarningFile, u"Profile File"},
    {kWarningFile1, u"Nothing was changed. File:"},
};

}  // namespace

WarningTexts WarningTextsFor(WarningMode mode) {
  const int index = static_cast<int>(mode);
  if (index < 0 || index >= static_cast<int>(kModes.size())) return {};
  return kModes[static_cast<std::size_t>(index)];
}

std::u16string_view BuiltInWarningText(const StringKey& key) {
  for (const BuiltInText& entry : kBuiltInTexts)
    if (entry.key == key) return entry.text;
  return {};
}

}  // namespace dialogs
