#pragma once
// What the profile-switch dialog lets the user choose for a key: the profile and layer the keyboard
// switches to, and whether the switch is shown on screen. The stepping rules and the two box texts live
// here, away from the window, so they can be checked without one.

#include <cstdint>
#include <string>
#include <string_view>

namespace profiles {

// The three values a profile-switch record holds.
struct ProfileSwitchValues {
  std::int32_t profile = 0;  // 0..9, shown as 01..10
  std::int32_t layer = 0;    // 0..2, shown as 1..3
  std::int32_t showOsd = 0;  // 0 or 1
  friend bool operator==(const ProfileSwitchValues&, const ProfileSwitchValues&) = default;
};

// The four arrow buttons.
enum class SwitchStep { kProfileUp, kProfileDown, kLayerUp, kLayerDown };

class ProfileSwitchChoice {
 public:
  ProfileSwitchChoice() = default;
  // Values as a key's record holds them. A record of another function kind may hold anything in these
  // fields, so the profile and layer are clamped into their ranges and any nonzero flag means shown.
  static ProfileSwitchChoice FromRecord(std::int32_t profile, std::int32_t layer, std::int32_t showOsd);

  const ProfileSwitchValues& Values() const { return m_values; }

  // Whether `step` would change anything: its button is enabled exactly then.
  bool CanStep(SwitchStep step) const;
  // Moves one step when it can; false when the value is already at its limit.
  bool Step(SwitchStep step);
  void ToggleOsd() { m_values.showOsd = m_values.showOsd ? 0 : 1; }

  // "  <label> 01" .. "  <label> 10": the profile box.
  std::u16string ProfileBoxText(std::u16string_view label) const;
  // "<label> 1" .. "<label> 3": the layer box.
  std::u16string LayerBoxText(std::u16string_view label) const;

 private:
  ProfileSwitchValues m_values;
};

}  // namespace profiles
