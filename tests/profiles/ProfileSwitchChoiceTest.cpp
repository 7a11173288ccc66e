#include "profiles/ProfileSwitchChoice.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "store/KeyRecord.h"

namespace profiles {
namespace {

using Values = ProfileSwitchValues;
using enum SwitchStep;

// Which of profile up, profile down, layer up, layer down are enabled.
std::vector<bool> Enabled(const ProfileSwitchChoice& choice) {
  return {choice.CanStep(kProfileUp), choice.CanStep(kProfileDown), choice.CanStep(kLayerUp),
          choice.CanStep(kLayerDown)};
}

TEST(ProfileSwitchChoice, AClearedRecordOpensAtProfile01Layer1WithoutDisplay) {
  store::KeyRecord record;
  store::ClearRecord(record);
  const auto& view = record.profileSwitch;
  const auto choice = ProfileSwitchChoice::FromRecord(view.TargetProfile, view.TargetLayer, view.ShowOsd);
  EXPECT_EQ(choice.Values(), (Values{0, 0, 0}));
  EXPECT_EQ(choice.ProfileBoxText(u"Profile"), u"  Profile 01");
  EXPECT_EQ(choice.LayerBoxText(u"Layer"), u"Layer 1");
  EXPECT_EQ(Enabled(choice), (std::vector<bool>{true, false, true, false}));
}

TEST(ProfileSwitchChoice, ValuesOfAnotherKindOfRecordAreClamped) {
  struct Case {
    Values stored, expected;
  };
  const Case cases[] = {
      {{9, 2, 1}, {9, 2, 1}},
      {{10, 3, 2}, {9, 2, 1}},
      {{-1, -1, -1}, {0, 0, 1}},
      {{INT_MAX, INT_MIN, INT_MIN}, {9, 0, 1}},
      {{0x01010101, 0x01010101, 0}, {9, 2, 0}},  // a macro's bytes read as a switch
  };
  for (const Case& c : cases) {
    const Values& s = c.stored;
    EXPECT_EQ(ProfileSwitchChoice::FromRecord(s.profile, s.layer, s.showOsd).Values(), c.expected) << s.profile;
  }
}

TEST(ProfileSwitchChoice, StepsStopAtTheLimitsAndDisableTheirButtons) {
  struct Case {
    Values start;
    std::vector<SwitchStep> steps;
    Values expected;
    std::vector<bool> enabled;
    const char16_t* profileText;
    const char16_t* layerText;
  };
  const Case cases[] = {
      {{0, 0, 0}, std::vector<SwitchStep>(10, kProfileUp), {9, 0, 0}, {false, true, true, false}, u"  P 10", u"L 1"},
      {{1, 1, 0}, {kProfileDown, kProfileDown}, {0, 1, 0}, {true, false, true, true}, u"  P 01", u"L 2"},
      {{0, 0, 1}, {kLayerUp, kLayerUp, kLayerUp}, {0, 2, 1}, {true, false, false, true}, u"  P 01", u"L 3"},
      {{4, 2, 0}, {kLayerDown, kLayerDown, kLayerDown}, {4, 0, 0}, {true, true, true, false}, u"  P 05", u"L 1"},
  };
  for (const Case& c : cases) {
    auto choice = ProfileSwitchChoice::FromRecord(c.start.profile, c.start.layer, c.start.showOsd);
    for (SwitchStep step : c.steps) {
      const bool could = choice.CanStep(step);
      EXPECT_EQ(choice.Step(step), could);
    }
    EXPECT_EQ(choice.Values(), c.expected) << (&c - cases);
    EXPECT_EQ(Enabled(choice), c.enabled) << (&c - cases);
    EXPECT_EQ(choice.ProfileBoxText(u"P"), c.profileText);
    EXPECT_EQ(choice.LayerBoxText(u"L"), c.layerText);
  }
}

}  // namespace
}  // namespace profiles
