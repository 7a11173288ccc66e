#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "catalogue/FunctionCatalogue.h"
#include "platform/portable/UsKeyboardLayout.h"
#include "store/KeyRecord.h"
#include "strings/StringKeys.h"
#include "tests/strings/StringTableTestFiles.h"

namespace catalogue {
namespace {

using strings::testing::TempFile;

bool IsUnusedCode(int code) {
  return (code >= 3 && code <= 7) || (code >= 11 && code <= 16) || (code >= 20 && code <= 23) ||
         (code >= 26 && code <= 31) || (code >= 40 && code <= 48) || (code >= 57 && code <= 63) || code == 73 ||
         code == 78 || code == 79 || code >= 90;
}

TEST(FunctionCatalogue, NamesExactlyTheAssignableCodes) {
  for (int code = 0; code < 256; ++code) {
    const FunctionInfo* row = FindFunction(static_cast<std::uint8_t>(code));
    EXPECT_EQ(row == nullptr, IsUnusedCode(code)) << code;
    if (row) {
      EXPECT_EQ(row->kind, code);
    }
  }
  EXPECT_EQ(Functions().size(), 50u);
  EXPECT_TRUE(std::is_sorted(Functions().begin(), Functions().end(),
                             [](const FunctionInfo& a, const FunctionInfo& b) { return a.kind < b.kind; }));
}

TEST(FunctionCatalogue, AgreesWithTheKindsTheRecordWritersUse) {
  EXPECT_EQ(FindFunction(store::kind::kNone)->category, Category::Reset);
  EXPECT_EQ(FindFunction(store::kind::kSingleKey)->fields, RecordFields::KeyCode);
  EXPECT_EQ(FindFunction(store::kind::kMacro)->fields, RecordFields::Macro);
  EXPECT_EQ(FindFunction(store::kind::kProfileSwitch)->fields, RecordFields::ProfileSwitch);
  EXPECT_EQ(FindFunction(store::kind::kLaunchProgram)->fields, RecordFields::LaunchProgram);
  EXPECT_EQ(FindFunction(store::kind::kDisabled)->labelKey, "DISABLE");
  for (const auto& row : Functions())
    if (row.kind != 1 && row.kind != 2 && row.kind != 8 && row.kind != 9) {
      EXPECT_EQ(row.fields, RecordFields::None) << int{row.kind};
    }
}

TEST(FunctionCatalogue, TheMouseDialogChoosesTheMouseFunctions) {
  for (std::uint8_t kind : {17, 18, 19, 24, 25}) {
    EXPECT_EQ(FindFunction(kind)->category, Category::Mouse) << int{kind};
    EXPECT_EQ(FindFunction(kind)->item, 0) << int{kind};
  }
}

struct MenuItem {
  std::string_view key;
  std::uint8_t kind;
};

struct SubmenuCase {
  Category category;
  std::vector<MenuItem> items;
};

// The submenus as the user sees them, from the top.
const SubmenuCase kSubmenus[] = {
    {Category::Internet,
     {{"HOME", 49},
      {"BACK", 50},
      {"LEFT", 51},
      {"WSTOP", 52},
      {"MAIL", 53},
      {"REFRESH", 54},
      {"FAVORITE", 55},
      {"SEARCH", 56}}},
    {Category::Office,
     {{"WORD", 74},
      {"OUTLOOK", 76},
      {"POWERPOINT", 77},
      {"EXCEL", 75},
      {"CUT", 64},
      {"COPY", 65},
      {"PASTE", 66},
      {"UNDO", 67},
      {"ALL", 68},
      {"FIND", 69},
      {"NEW", 70},
      {"SAVE", 72},
      {"PRINT", 71}}},
    {Category::Media,
     {{"PLAYPAUSE", 32},
      {"STOP", 33},
      {"PREVIOUS", 34},
      {"NEXT", 35},
      {"MUTE", 39},
      {"VOLUMEDOWN", 38},
      {"VOLUMEUP", 37},
      {"OPEN", 36}}},
    {Category::Additional,
     {{"SWAP_WINDOWS", 80},
      {"CLOSE_WINDOWS", 81},
      {"OPEN_WINDOWS", 83},
      {"RUN", 84},
      {"SHOW_DESKTOP", 85},
      {"ZOOM_IN", 86},
      {"ZOOM_OUT", 87},
      {"MAX_WIN", 88},
      {"MIN_WIN", 89},
      {"LOCK_PC", 82}}},
};

TEST(FunctionCatalogue, SubmenusListTheirFunctionsInMenuOrder) {
  for (const auto& submenu : kSubmenus) {
    const auto kinds = SubmenuKinds(submenu.category);
    ASSERT_EQ(kinds.size(), submenu.items.size()) << static_cast<int>(submenu.category);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
      EXPECT_EQ(kinds[i], submenu.items[i].kind) << submenu.items[i].key;
      const FunctionInfo* row = FindFunction(kinds[i]);
      ASSERT_NE(row, nullptr);
      EXPECT_EQ(row->labelKey, submenu.items[i].key);
      EXPECT_EQ(row->category, submenu.category);
      EXPECT_EQ(row->item, i + 1);
    }
  }
  for (Category c : {Category::Reset, Category::SingleKey, Category::Mouse, Category::Disable,
                     static_cast<Category>(11), static_cast<Category>(255)})
    EXPECT_TRUE(SubmenuKinds(c).empty()) << static_cast<int>(c);
}

TEST(FunctionCatalogue, TheKeyMenuListsTheCategoriesFromTheTop) {
  const KeyMenuEntry expected[] = {
      {"SINGLEKEY", Category::SingleKey, false},  {"MACRO", Category::Macro, false},
      {"MOUSE", Category::Mouse, false},          {"INTERNET", Category::Internet, true},
      {"OFFICE", Category::Office, true},         {"MEDIA", Category::Media, true},
      {"ADDITIONAL", Category::Additional, true}, {"PROFILE", Category::ProfileSwitch, false},
      {"APP", Category::LaunchProgram, false},    {"RESET", Category::Reset, false},
      {"DISABLE", Category::Disable, false},
  };
  const auto entries = KeyMenuEntries();
  ASSERT_EQ(entries.size(), std::size(expected));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].textKey, expected[i].textKey) << i;
    EXPECT_EQ(entries[i].category, expected[i].category) << i;
    EXPECT_EQ(entries[i].hasSubmenu, expected[i].hasSubmenu) << i;
    EXPECT_EQ(entries[i].hasSubmenu, !SubmenuKinds(entries[i].category).empty()) << i;
  }
}

TEST(FunctionCatalogue, EveryTextKeyIsOneTheLanguageFileHolds) {
  auto isMenuKey = [](std::string_view key) {
    return std::any_of(std::begin(strings::kAllStringKeys), std::end(strings::kAllStringKeys),
                       [&](const strings::StringKey& k) { return k.section == kMenuSection && k.key == key; });
  };
  for (const auto& row : Functions())
    if (!row.labelKey.empty()) {
      EXPECT_TRUE(isMenuKey(row.labelKey)) << row.labelKey;
    }
  for (const auto& entry : KeyMenuEntries()) EXPECT_TRUE(isMenuKey(entry.textKey)) << entry.textKey;
}

constexpr std::string_view kLabelFile =
    "<Strings><MENU><MUTE>Mute</MUTE><LEFT>Forward</LEFT><MACRO>Macro</MACRO><DISABLE> Off </DISABLE>"
    "<LEFT_BUTTON>Left click</LEFT_BUTTON><PROFILE>Profile switch</PROFILE></MENU></Strings>";

struct LabelCase {
  std::uint8_t kind, keyCode;
  std::u16string_view label;
};

TEST(FunctionLabel, NamesTheFunctionOfAnAssignedKey) {
  const TempFile file(kLabelFile);
  const platform::UsKeyboardLayout us;
  const LabelCase cases[] = {
      {1, 0x41, u"A"},
      {1, 0x74, u"F5"},
      {1, 0x0D, u"Enter"},
      {1, 0x00, u""},       // a single key reads its key name
      {39, 0x41, u"Mute"},  // the key code matters for kind 1 only
      {51, 0, u"Forward"},  // the internet item under LEFT
      {2, 0x41, u"Macro"},
      {10, 0, u" Off "},
      {17, 0, u"Left click"},
      {8, 0, u"Profile switch"},
      {24, 0, u""},  // SCROLL_UP is not in this file
      {0, 0x41, u""},
      {3, 0, u""},
      {7, 0, u""},
      {73, 0, u""},
      {78, 0, u""},
      {79, 0, u""},
      {90, 0, u""},
      {255, 0x41, u""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FunctionLabel(c.kind, c.keyCode, file.Path(), us), c.label) << int{c.kind} << "/" << int{c.keyCode};
}

TEST(FunctionLabel, ASingleKeyNeedsNoLanguageFile) {
  const platform::UsKeyboardLayout us;
  EXPECT_EQ(FunctionLabel(1, 0x70, u"", us), u"F1");
  EXPECT_EQ(FunctionLabel(39, 0, u"", us), u"");
}

}  // namespace
}  // namespace catalogue
