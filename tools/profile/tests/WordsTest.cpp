#include <gtest/gtest.h>

#include "catalogue/FunctionCatalogue.h"
#include "catalogue/KeyLayout.h"
#include "tools/profile/FunctionWords.h"
#include "tools/profile/KeyWords.h"
#include "tools/profile/SlotNames.h"
#include "tools/profile/Text.h"

namespace profiletool {
namespace {

TEST(KeyWords, TheWordsPeopleTypeNameTheKeysTheyMean) {
  const struct {
    int variant;
    std::u16string word;
    KeyNaming naming;
    std::optional<std::uint8_t> code;
  } cases[] = {
      {0, u"f9", KeyNaming::Keys, 0x78},         {0, u"Escape", KeyNaming::Keys, 0x1B},
      {0, u"PrintScreen", KeyNaming::Keys, 0x2C}, {0, u"prtsc", KeyNaming::Keys, 0x2C},
      {0, u"NumLock", KeyNaming::Keys, 0x90},     {0, u"Num Lock", KeyNaming::Keys, 0x90},
      {0, u"\\", KeyNaming::Keys, 0xDC},          {0, u"Separator", KeyNaming::Keys, 0x6C},
      {2, u"\\", KeyNaming::Keys, 0xE2},          {2, u"yen", KeyNaming::Keys, 0xDC},
      {1, u"IntlBackslash", KeyNaming::Keys, 0xE2}, {1, u"\\", KeyNaming::Keys, 0xDC},
      {0, u"Enter", KeyNaming::Keys, 0x0D},       {0, u"Execute", KeyNaming::Keys, 0x2B},
      {0, u"numpad enter", KeyNaming::Keys, 0x0D}, {0, u"Numpad 7", KeyNaming::Keys, 0x67},
      {0, u"KP+", KeyNaming::Keys, 0x6B},         {0, u"KeyQ", KeyNaming::Keys, 'Q'},
      {0, u"Digit3", KeyNaming::Keys, '3'},       {0, u"0xe9", KeyNaming::Keys, 0xE9},
      {0, u"AltGr", KeyNaming::Keys, 0xA5},       {0, u"Left Click", KeyNaming::Events, 0x01},
      {0, u"Left Click", KeyNaming::Keys, std::nullopt}, {0, u"F55", KeyNaming::Keys, std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CodeOfKeyWord(c.word, c.variant, c.naming), c.code) << Readable(c.word) << " in variant " << c.variant;
}

TEST(KeyWords, EveryCodeHasOneNameThatReadsBackAndItsWordsPointAtIt) {
  for (int variant = 0; variant < catalogue::kLayoutVariants; ++variant)
    for (const KeyNaming naming : {KeyNaming::Keys, KeyNaming::Events})
      for (int code = 1; code < 256; ++code) {
        const auto vk = static_cast<std::uint8_t>(code);
        const auto name = KeyWord(vk, variant, naming);
        EXPECT_EQ(CodeOfKeyWord(name, variant, naming), vk) << Readable(name) << " in variant " << variant;
        for (const auto& alias : KeyAliases(name))
          EXPECT_EQ(CodeOfKeyWord(alias, variant, naming), vk) << Readable(alias) << " in variant " << variant;
      }
}

TEST(KeyWords, AnUnknownNameGetsTheNearestOnes) {
  EXPECT_EQ(NearestKeyWords(u"Escpe", 0), std::vector<std::u16string>{u"Esc"});
  EXPECT_EQ(NearestSlotNames(0, u"F55").front(), u"F5");
  EXPECT_TRUE(NearestKeyWords(u"qqqqqqqq", 0).empty());
}

TEST(FunctionWords, KeysLabelsAndTheLanguagesLabelsNameTheFunctionInAnyCase) {
  std::string error;
  const auto german = Labels::Read(TRELM_DATA_DIR "/lang/de/Strings.xml", &error);
  ASSERT_TRUE(german) << error;
  const struct {
    const char* word;
    std::optional<std::uint8_t> kind;
  } cases[] = {{"MUTE", 39},   {"mute", 39},       {"Volume Up", 37}, {"volume_up", 37}, {"Select All", 68},
               {"Forward", 51}, {"LEFT", 51},      {"Home Page", 49}, {"play/pause", 32}, {"run", 84},
               {"single key", 1}, {"Stumm", 39},   {"LAUTER", 37},   {"Mtue", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(KindOfWord(c.word, *german).kind, c.kind) << c.word;
  EXPECT_NE(KindOfWord("Mtue", *german).problem.find("did you mean \"MUTE\"?"), std::string::npos)
      << KindOfWord("Mtue", *german).problem;
  for (const Labels* labels : {&Labels::English(), &*german})
    for (const auto& function : catalogue::Functions())
      EXPECT_EQ(KindOfWord(labels->Text(FunctionTextKey(function.kind)), *labels).kind, function.kind)
          << labels->Text(FunctionTextKey(function.kind));
  EXPECT_FALSE(Labels::Read(TRELM_DATA_DIR "/missing/Strings.xml", &error));
  EXPECT_NE(error.find("cannot be read"), std::string::npos);
}

}  // namespace
}  // namespace profiletool
