#pragma once
// The modal window that chooses what a profile-switch key does: the profile and layer the keyboard
// switches to, and whether the switch shows on screen. The caller hands it the key's values, runs it,
// and on 1 (OK) writes Values() back into the record; 2 is Cancel.

#include <cstdint>
#include <string>

#include "profiles/ProfileSwitchChoice.h"
#include "skin/SkinnedDialog.h"

class CSwitchProfile : public skin::CSkinnedDialog {
 public:
  enum Button { kOk, kCancel, kProfileUp, kProfileDown, kLayerUp, kLayerDown, kDisplay };

  // `currentLayer`, the layer shown in the current profile, picks the background picture.
  explicit CSwitchProfile(int currentLayer);

  // Before the run. Out-of-range values (a record of another kind may hold anything) are clamped into
  // 0..9 and 0..2; any nonzero flag counts as 1.
  void SetValues(std::int32_t profile, std::int32_t layer, std::int32_t showOsd);
  const profiles::ProfileSwitchValues& Values() const { return m_choice.Values(); }

 protected:
  BOOL OnInitDialog() override;
  void OnButton(std::size_t index) override;
  void DrawContent(HDC dc) const override;

 private:
  void Step(profiles::SwitchStep step, const RECT& repaint);
  void ShowChoice();

  int m_currentLayer;
  profiles::ProfileSwitchChoice m_choice;
  std::u16string m_profileLabel, m_layerLabel;
};
