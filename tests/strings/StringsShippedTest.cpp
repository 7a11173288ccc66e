// The language files that ship with the program: complete, and holding nothing the windows do not ask for.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "strings/StringTable.h"
#include "strings/XmlReader.h"

namespace strings {
namespace {

const std::u16string kEnglish = std::filesystem::path(TRELM_SHIPPED_DATA_DIR "/Strings.xml").u16string();
const std::u16string kGerman = std::filesystem::path(TRELM_SHIPPED_DATA_DIR "/lang/de/Strings.xml").u16string();

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }
std::string Narrow(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

// Every (section, key) element of a file, found by walking it rather than by asking for the pairs.
std::vector<std::pair<std::u16string, std::u16string>> PairsIn(const std::u16string& path) {
  CXmlReader reader;
  EXPECT_TRUE(reader.LoadDocumentFile(std::filesystem::path(path)));
  EXPECT_TRUE(reader.ParseDocument()) << Narrow(reader.ErrorText());
  std::vector<std::pair<std::u16string, std::u16string>> pairs;
  for (int s = 0;; ++s) {
    reader.ResetCursor();
    for (int i = 0; i <= s; ++i)
      if (!reader.FindChild()) return pairs;
    const std::u16string section(reader.ChildName());
    reader.EnterChild();
    while (reader.FindChild()) pairs.emplace_back(section, std::u16string(reader.ChildName()));
  }
}

class ShippedStrings : public ::testing::TestWithParam<std::u16string> {};

TEST_P(ShippedStrings, EveryPairTheWindowsAskForHasAText) {
  for (const auto& pair : kAllStringKeys) {
    EXPECT_FALSE(LookUpString(GetParam(), pair.section, pair.key).empty()) << pair.section << "/" << pair.key;
    EXPECT_FALSE(LookUpStringUncached(GetParam(), Widen(pair.section), Widen(pair.key)).empty())
        << pair.section << "/" << pair.key;
  }
}

TEST_P(ShippedStrings, HoldsEachPairOnceAndNoOthers) {
  const auto pairs = PairsIn(GetParam());
  std::set<std::pair<std::u16string, std::u16string>> seen;
  for (const auto& [section, key] : pairs) {
    EXPECT_TRUE(seen.insert({section, key}).second) << "twice: " << Narrow(section) << "/" << Narrow(key);
    const bool asked = std::any_of(std::begin(kAllStringKeys), std::end(kAllStringKeys), [&](const StringKey& k) {
      return Widen(k.section) == section && Widen(k.key) == key;
    });
    EXPECT_TRUE(asked) << "never asked for: " << Narrow(section) << "/" << Narrow(key);
  }
  EXPECT_EQ(pairs.size(), kStringKeyCount);
}

TEST_P(ShippedStrings, TextsCarryNoStrayWhiteSpace) {
  // Only the version label is followed directly by the number, so its trailing space belongs to it.
  for (const auto& pair : kAllStringKeys) {
    const auto text = LookUpString(GetParam(), pair.section, pair.key);
    if (text.empty()) continue;
    const bool spaceAllowedAtEnd = pair == kMainVersion;
    EXPECT_NE(text.front(), u' ') << pair.section << "/" << pair.key;
    EXPECT_TRUE(spaceAllowedAtEnd == (text.back() == u' ')) << pair.section << "/" << pair.key;
    EXPECT_EQ(text.find_first_of(u"\t\r\n"), std::u16string::npos) << pair.section << "/" << pair.key;
  }
}

TEST_P(ShippedStrings, TheMainWindowTitleNamesTheProduct) {
  EXPECT_NE(LookUpString(GetParam(), "MAIN", "NAME").find(u"TrelmVantoria"), std::u16string::npos);
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedStrings, ::testing::Values(kEnglish, kGerman),
                         [](const auto& info) { return info.index == 0 ? "English" : "German"; });

TEST(ShippedStrings, TheGermanFileIsATranslation) {
  int translated = 0;
  for (const auto& pair : kAllStringKeys)
    if (LookUpString(kEnglish, pair.section, pair.key) != LookUpString(kGerman, pair.section, pair.key)) ++translated;
  // Product names (Word, iTunes, ...) and a few words read the same in both languages.
  EXPECT_GE(translated, 100);
  EXPECT_EQ(LookUpString(kGerman, "MENU", "CLOSE_WINDOWS"), u"Fenster schlie\u00DFen");
  EXPECT_EQ(LookUpString(kEnglish, "ABOUT", "COPYRIGHT").substr(0, 11), u"Copyright \u00A9");
}

}  // namespace
}  // namespace strings
