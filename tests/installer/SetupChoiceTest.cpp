#include "tools/installer/SetupChoice.h"

#include <gtest/gtest.h>

namespace installer {
namespace {

TEST(SetupChoice, KeyboardLayoutsGiveTheKeyboardsSoldWithThem) {
  const std::pair<std::uint32_t, int> cases[] = {
      {0x00000409, 0}, {0x00020409, 0},  // United States, US-International
      {0x00001009, 0}, {0x00000415, 0}, {0x00010415, 0}, {0x00000419, 0}, {0x00000804, 0}, {0x00000412, 0},
      {0x00000809, 1}, {0x00001809, 1},  // United Kingdom, Ireland
      {0x00000407, 1}, {0x00000807, 1}, {0x0000040C, 1}, {0x0000080C, 1}, {0x00000C0C, 1}, {0x0000040A, 1},
      {0x0000080A, 1}, {0x00000410, 1}, {0x00000816, 1}, {0x00000416, 1}, {0x00000413, 1}, {0x00000406, 1},
      {0x0000041D, 1}, {0x00000414, 1}, {0x0000040B, 1}, {0x0000040F, 1}, {0x00000405, 1}, {0x0000041F, 1},
      {0x00000411, 2}, {0xE0010411, 2},  // Japanese, and the Japanese input method
      {0, 0},
  };
  for (const auto& [layout, variant] : cases)
    EXPECT_EQ(VariantForKeyboardLayout(layout), variant) << std::hex << layout;
}

TEST(SetupChoice, DisplayLanguagesGiveTheirTranslationOrEnglish) {
  const std::pair<std::uint16_t, std::string_view> cases[] = {
      {0x0409, "en"},      {0x0809, "en"},      {0x0407, "de"},      {0x0807, "de"},      {0x040C, "fr"},
      {0x0C0C, "fr"},      {0x0C0A, "es"},      {0x080A, "es"},      {0x0410, "it"},      {0x0416, "pt-BR"},
      {0x0816, "pt-BR"},   {0x0415, "pl"},      {0x0419, "ru"},      {0x0411, "ja"},      {0x0412, "ko"},
      {0x0804, "zh-Hans"}, {0x1004, "zh-Hans"}, {0x0004, "zh-Hans"}, {0x0404, "zh-Hant"}, {0x0C04, "zh-Hant"},
      {0x1404, "zh-Hant"}, {0x7C04, "zh-Hant"}, {0x041F, "en"},      {0x0422, "en"},      {0, "en"},
  };
  for (const auto& [language, code] : cases) EXPECT_EQ(LanguageForDisplay(language), code) << std::hex << language;
}

TEST(SetupChoice, GivenPropertiesWinTheUsersChoicesStayAndOnlyWhatIsMissingIsDetected) {
  constexpr std::uint32_t kGerman = 0x0407, kJapanese = 0x0411, kFrench = 0x040C;
  struct Case {
    const char* name;
    SetupRequest request;
    int variant;
    std::optional<std::uint32_t> written;
    std::string language;
    Source layoutSource, languageSource;
  };
  const std::vector<std::string> shipped = {"de", "en", "fr"};
  const Case cases[] = {
      {"first install", {"", "", {}, "", kGerman, kGerman, shipped}, 1, 1u, "de", Source::Detected, Source::Detected},
      {"no translation yet", {"", "", {}, "", kJapanese, kJapanese, shipped}, 2, 2u, "en", Source::Detected,
       Source::Detected},
      {"upgrade", {"", "", 2u, "fr", kGerman, kGerman, shipped}, 2, {}, "fr", Source::Kept, Source::Kept},
      {"a value the program shows as 104 keys", {"", "", 7u, "", kGerman, kGerman, shipped}, 0, {}, "de",
       Source::Kept, Source::Detected},
      {"given over the user's", {" 1 ", "FR", 2u, "de", kJapanese, kJapanese, shipped}, 1, 1u, "fr", Source::Given,
       Source::Given},
      {"a language no longer shipped", {"0", "", {}, "ja", kJapanese, kFrench, shipped}, 0, 0u, "fr", Source::Given,
       Source::Detected},
  };
  for (const Case& c : cases) {
    const SetupChoice choice = ChooseSetup(c.request);
    EXPECT_EQ(choice.error, "") << c.name;
    EXPECT_EQ(choice.variant, c.variant) << c.name;
    EXPECT_EQ(choice.layoutToWrite, c.written) << c.name;
    EXPECT_EQ(choice.language, c.language) << c.name;
    EXPECT_EQ(choice.layoutSource, c.layoutSource) << c.name;
    EXPECT_EQ(choice.languageSource, c.languageSource) << c.name;
  }
}

TEST(SetupChoice, PropertiesOutsideTheirValuesAreRefusedInWords) {
  const std::pair<SetupRequest, const char*> cases[] = {
      {{"3", "", {}, "", 0, 0, {"en"}},
       "KEYBOARD_LAYOUT must be 0 (104 keys), 1 (105 keys) or 2 (109 keys), not \"3\""},
      {{"12", "", {}, "", 0, 0, {"en"}}, "not \"12\""},
      {{"x", "", {}, "", 0, 0, {"en"}}, "not \"x\""},
      {{"", "ja", {}, "", 0, 0, {"de", "en"}},
       "UI_LANGUAGE must be one of the package's languages (de, en), not \"ja\""},
      {{"", "../en", {}, "", 0, 0, {"en"}}, "not \"../en\""},
  };
  for (const auto& [request, words] : cases) {
    const SetupChoice choice = ChooseSetup(request);
    EXPECT_NE(choice.error.find(words), std::string::npos) << choice.error;
  }
}

TEST(SetupChoice, TheLanguageListSkipsEmptyItemsAndSpaces) {
  EXPECT_EQ(SplitLanguageList("de; en;;zh-Hans;"), (std::vector<std::string>{"de", "en", "zh-Hans"}));
  EXPECT_EQ(SplitLanguageList(""), std::vector<std::string>{});
}

}  // namespace
}  // namespace installer
