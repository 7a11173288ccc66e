#include "profiles/ProfileSwitchChoice.h"

#include <algorithm>

#include "store/SettingsStore.h"

namespace profiles {
namespace {

constexpr std::int32_t kLastProfile = store::kProfileCount - 1;
constexpr std::int32_t kLastLayer = store::kLayerCount - 1;

// Decimal digits of a small non-negative number, at least `width` of them.
std::u16string Number(std::int32_t value, std::size_t width) {
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value > 0);
  if (digits.size() < width) digits.insert(0, width - digits.size(), u'0');
  return digits;
}

}  // namespace

ProfileSwitchChoice ProfileSwitchChoice::FromRecord(std::int32_t profile, std::int32_t layer, std::int32_t showOsd) {
  ProfileSwitchChoice choice;
  choice.m_values = {std::clamp(profile, 0, kLastProfile), std::clamp(layer, 0, kLastLayer), showOsd != 0 ? 1 : 0};
  return choice;
}

bool ProfileSwitchChoice::CanStep(SwitchStep step) const {
  switch (step) {
    case SwitchStep::kProfileUp: return m_values.profile < kLastProfile;
    case SwitchStep::kProfileDown: return m_values.profile > 0;
    case SwitchStep::kLayerUp: return m_values.layer < kLastLayer;
    case SwitchStep::kLayerDown: return m_values.layer > 0;
  }
  return false;
}

bool ProfileSwitchChoice::Step(SwitchStep step) {
  if (!CanStep(step)) return false;
  switch (step) {
    case SwitchStep::kProfileUp: ++m_values.profile; break;
    case SwitchStep::kProfileDown: --m_values.profile; break;
    case SwitchStep::kLayerUp: ++m_values.layer; break;
    case SwitchStep::kLayerDown: --m_values.layer; break;
  }
  return true;
}

std::u16string ProfileSwitchChoice::ProfileBoxText(std::u16string_view label) const {
  return u"  " + std::u16string(label) + u" " + Number(m_values.profile + 1, 2);
}

std::u16string ProfileSwitchChoice::LayerBoxText(std::u16string_view label) const {
  return std::u16string(label) + u" " + Number(m_values.layer + 1, 1);
}

}  // namespace profiles
