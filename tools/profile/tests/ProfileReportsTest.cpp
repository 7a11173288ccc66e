#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "catalogue/KeyLayout.h"
#include "tools/profile/KeySheet.h"
#include "tools/profile/ProfileCheck.h"
#include "tools/profile/ProfileDiff.h"
#include "tools/profile/SlotNames.h"
#include "tools/profile/tests/GeneratedProfiles.h"

namespace profiletool {
namespace {

using namespace profiletool::testing;

const Labels& English() { return Labels::English(); }

TEST(SlotNames, EverySlotTheVariantShowsHasANameOfItsOwnAndNoOtherDoes) {
  for (int variant = 0; variant < catalogue::kLayoutVariants; ++variant) {
    std::set<std::u16string> names;
    for (int slot = 0; slot < store::kKeyCount; ++slot) {
      const bool shown = slot == store::kEnterKeySlot || !catalogue::KeyRectangle(variant, slot).empty();
      EXPECT_EQ(!SlotName(variant, slot).empty(), shown) << variant << "/" << slot;
      if (!shown) continue;
      EXPECT_TRUE(names.insert(SlotName(variant, slot)).second) << variant << "/" << slot;
      EXPECT_EQ(SlotNamed(variant, SlotName(variant, slot)), slot) << variant << "/" << slot;
    }
    EXPECT_EQ(static_cast<int>(names.size()), catalogue::VisibleKeyCount(variant));
  }
  const struct {
    int variant, slot;
    std::u16string name;
  } keys[] = {{0, 5, u"F5"},      {0, 94, u"Space"},  {1, 95, u"Space"},    {2, 97, u"Space"}, {0, 51, u"Enter"},
              {0, 90, u"(Enter)"}, {1, 75, u"IntlBackslash"}, {1, 29, u"\\"},    {1, 76, u"Z"},        {2, 29, u"\u00A5"}, {2, 96, u"Muhenkan"},
              {0, 16, u"`"},       {2, 16, u"Zenkaku"}, {0, 102, u"(0)"}, {2, 103, u"RCtrl"}};
  for (const auto& key : keys) EXPECT_EQ(SlotName(key.variant, key.slot), key.name) << key.variant << "/" << key.slot;
  EXPECT_EQ(SlotNamed(0, u"F5"), 5);
  EXPECT_EQ(SlotNamed(1, u"iso \\"), 75);
  EXPECT_EQ(SlotLabel(1, 75), "key IntlBackslash");
  EXPECT_EQ(SlotLabel(0, 105), "slot 105");
}

struct Damage {
  std::function<void(store::ProfileRecord&)> apply;
  std::vector<std::string> problems;
};

TEST(ProfileCheck, EveryProblemOnALineOfItsOwn) {
  const Damage cases[] = {
      {[](auto& p) { std::fill(std::begin(p.Name), std::end(p.Name), u'n'); },
       {"the profile name has 260 characters and no end; at most 259 fit"}},
      {[](auto& p) { p.Keymap = 3; }, {"the layer shown, 4, is outside 1 to 3"}},
      {[](auto& p) { store::WriteSimpleKind(p.keys[1][5], 73); }, {"layer 2, key F5: function kind 73 is no known function"}},
      {[](auto& p) {
         auto& macro = p.keys[0][0].macro;
         store::WriteMacro(p.keys[0][0], p.keys[0][0]);
         macro.EventCount = 257;
         macro.Events[3] = {0x41, 2};
         macro.Events[4] = {0xFF, 200};  // a long pause is fine
         macro.RepeatMode = 3;
         macro.RepeatCountIndex = 10;
       },
       {"layer 1, key Esc: macro repeat setting 3 is outside 0 to 2", "layer 1, key Esc: macro repeat count 11 is outside 1 to 10",
        "layer 1, key Esc: macro event count 257 is above 256",
        "layer 1, key Esc: macro event 4 has the value 2, neither press (0) nor release (1)"}},
      {[](auto& p) { store::WriteProfileSwitch(p.keys[2][109], 10, -1, 1); },
       {"layer 3, slot 109: target profile 11 is outside 1 to 10", "layer 3, slot 109: target layer 0 is outside 1 to 3"}},
      {[](auto& p) {
         std::fill(std::begin(p.keys[0][6].launch.ProgramPath), std::end(p.keys[0][6].launch.ProgramPath), u'x');
         p.keys[0][6].FunctionKind = store::kind::kLaunchProgram;
       },
       {"layer 1, key F6: the program path has 260 characters and no end; at most 259 fit"}},
      {[](auto& p) {
         store::CopyTerminated(p.Exe, store::kPathCapacity, u"C:\\Games\\raid.exe");
         p.AutoSwitch = 2;
         store::WriteLaunchProgram(p.keys[0][7], u"", u"Nothing");
         store::WriteSingleKey(p.keys[0][8], 0);
         store::WriteSimpleKind(p.keys[0][9], 39);
         p.keys[0][9].bytes[700] = 1;
         p.keys[0][9].bytes[1590] = 2;
         p.keys[0][10].bytes[5] = 1;
       },
       {"warning: the profile's program \"C:\\Games\\raid.exe\" names a folder; automatic switching compares the file "
        "name alone, such as \"raid.exe\"",
        "warning: the auto switch is 2; it is 0 (off) or 1 (on)",
        "warning: layer 1, key F7: the launch has no program path, so the key starts nothing",
        "warning: layer 1, key F8: the single key sends no key (its code is 0)",
        "warning: layer 1, key F9: 2 bytes that Mute does not use are not zero, from offset 700",
        "warning: layer 1, key F10: the unassigned key holds 1 byte that is not zero, from offset 5"}},
      {[](auto& p) {  // an earlier function's bytes in a macro are no problem
         store::WriteLaunchProgram(p.keys[0][7], u"C:\\a.exe", u"a");
         store::WriteMacro(p.keys[0][7], p.keys[0][7]);
       },
       {}},
  };
  for (const Damage& damage : cases) {
    auto profile = NewProfile();
    damage.apply(*profile);
    std::vector<std::string> found;
    for (const auto& problem : CheckProfile(*profile, 0))
      found.push_back((problem.severity == Severity::Warning ? "warning: " : "") + problem.text);
    EXPECT_EQ(found, damage.problems);
  }
  EXPECT_TRUE(CheckProfile(*EveryKindProfile(5), 0).size() > 0);  // it holds the kinds that name nothing
}

TEST(ProfileDiff, DifferencesInWords) {
  const auto a = NewProfile(), b = NewProfile();
  store::WriteSimpleKind(a->keys[1][5], 39);
  store::KeyRecord macro{};
  macro.macro.EventCount = 4;
  for (int i = 0; i < 4; ++i) macro.macro.Events[i] = {0x41, static_cast<std::uint8_t>(i % 2)};
  store::WriteMacro(b->keys[1][5], macro);
  SetName(*b, u"New", u"");
  store::WriteLaunchProgram(a->keys[0][0], u"C:\\a.exe", u"Tool");
  store::WriteLaunchProgram(b->keys[0][0], u"C:\\b.exe", u"Tool");
  store::WriteMacro(a->keys[0][1], macro);
  macro.macro.Events[2] = {0x42, 0};
  store::WriteMacro(b->keys[0][1], macro);
  b->keys[0][1].bytes[900] = 1;  // hidden by the event that differs
  store::WriteSimpleKind(a->keys[0][2], 10);
  store::WriteSimpleKind(b->keys[0][2], 10);
  b->keys[0][2].bytes[3] = 1;

  EXPECT_EQ(DiffProfiles(*a, *b, 0, English()),
            (std::vector<std::string>{"name: \"\" \u2192 \"New\"", "layer 1, key Esc, path: C:\\a.exe \u2192 C:\\b.exe",
                                      "layer 1, key F1, event 3: A Press \u2192 B Press",
                                      "layer 1, key F2: Disable, other stored bytes differ",
                                      "layer 2, key F5: Mute \u2192 Macro (4 events)"}));
  EXPECT_TRUE(DiffProfiles(*a, *a, 0, English()).empty());
  EXPECT_EQ(DiffProfiles(*a, *b, 0, Labels())[4], "layer 2, key F5: MUTE \u2192 MACRO (4 events)");
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(KeySheet, DrawsEveryKeyOfTheVariantWithItsLabel) {
  auto profile = NewProfile();
  SetName(*profile, u"<Raid & Co>", u"");
  store::WriteSimpleKind(profile->keys[2][5], 39);
  store::WriteSingleKey(profile->keys[2][94], 0x20);
  store::WriteProfileSwitch(profile->keys[2][51], 2, 1, 0);
  store::WriteSimpleKind(profile->keys[2][109], 39);  // not shown in any variant
  store::WriteSimpleKind(profile->keys[0][6], 37);    // another layer
  for (int variant = 0; variant < catalogue::kLayoutVariants; ++variant) {
    const std::string svg = KeySheet(*profile, {2}, variant, English(), SheetFormat::Svg);
    EXPECT_EQ(Count(svg, "<rect class="), static_cast<std::size_t>(catalogue::VisibleKeyCount(variant) - 1));
    EXPECT_EQ(Count(svg, "<polygon class="), 1u);
    EXPECT_EQ(Count(svg, "class=\"key assigned\""), 3u);
    EXPECT_EQ(Count(svg, ">Mute<"), 1u);
    EXPECT_EQ(Count(svg, "Volume"), 0u);
    EXPECT_NE(svg.find(">P3 L2<"), std::string::npos);
    EXPECT_NE(svg.find("&lt;Raid &amp; Co&gt; \u2014 layer 3"), std::string::npos);
    EXPECT_EQ(Count(svg, "<text"), Count(svg, "</text>"));
  }
  const std::string html = KeySheet(*profile, {0}, 0, English(), SheetFormat::Html);
  EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(html.find(">Volume</tspan>"), std::string::npos);  // "Volume Up", wrapped to fit the key
}

}  // namespace
}  // namespace profiletool
