// The language files that ship with the program: each complete, with exactly the English file's sections
// and keys in its order, and holding nothing the windows do not ask for.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <utility>

#include "strings/StringTable.h"
#include "strings/XmlReader.h"
#include "tests/strings/ShippedLanguages.h"

namespace strings {
namespace {

using strtest::kEnglish;
using strtest::kShippedLanguages;
using strtest::ShippedLanguage;
using Pairs = std::vector<std::pair<std::u16string, std::u16string>>;

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }
std::string Narrow(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

// Every (section, key) element of a file in file order, found by walking it rather than by asking for the pairs.
Pairs PairsIn(const std::u16string& path) {
  CXmlReader reader;
  EXPECT_TRUE(reader.LoadDocumentFile(std::filesystem::path(path)));
  EXPECT_TRUE(reader.ParseDocument()) << Narrow(reader.ErrorText());
  Pairs pairs;
  for (int s = 0;; ++s) {
    reader.ResetCursor();
    for (int i = 0; i <= s; ++i)
      if (!reader.FindChild()) return pairs;
    const std::u16string section(reader.ChildName());
    reader.EnterChild();
    while (reader.FindChild()) pairs.emplace_back(section, std::u16string(reader.ChildName()));
  }
}

class ShippedStrings : public ::testing::TestWithParam<ShippedLanguage> {
 protected:
  const std::u16string path = GetParam().Path();
};

TEST_P(ShippedStrings, EveryPairTheWindowsAskForHasAText) {
  for (const auto& pair : kAllStringKeys) {
    EXPECT_FALSE(LookUpString(path, pair.section, pair.key).empty()) << pair.section << "/" << pair.key;
    EXPECT_FALSE(LookUpStringUncached(path, Widen(pair.section), Widen(pair.key)).empty())
        << pair.section << "/" << pair.key;
  }
}

TEST_P(ShippedStrings, HoldsTheEnglishFilesPairsInItsOrderAndNoOthers) {
  const Pairs english = PairsIn(kEnglish.Path());
  const Pairs pairs = PairsIn(path);
  ASSERT_EQ(english.size(), kStringKeyCount);
  for (std::size_t i = 0; i < english.size(); ++i) {
    EXPECT_EQ(Widen(kAllStringKeys[i].section), english[i].first) << "English, element " << i;
    EXPECT_EQ(Widen(kAllStringKeys[i].key), english[i].second) << "English, element " << i;
  }
  for (std::size_t i = 0; i < std::max(pairs.size(), english.size()); ++i) {
    const auto shown = [](const Pairs& p, std::size_t at) {
      return at < p.size() ? Narrow(p[at].first) + "/" + Narrow(p[at].second) : std::string("nothing");
    };
    if (shown(pairs, i) != shown(english, i)) {
      ADD_FAILURE() << "element " << i << " is " << shown(pairs, i) << " where English has " << shown(english, i);
      break;  // the rest is shifted
    }
  }
}

TEST_P(ShippedStrings, IsDeclaredUtf8AndDecodesCleanly) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  std::string head(38, '\0');
  file.read(head.data(), static_cast<std::streamsize>(head.size()));
  EXPECT_EQ(head, R"(<?xml version="1.0" encoding="utf-8"?>)");
  for (const auto& pair : kAllStringKeys)
    EXPECT_EQ(LookUpString(path, pair.section, pair.key).find(u'\uFFFD'), std::u16string::npos)
        << pair.section << "/" << pair.key;
}

TEST_P(ShippedStrings, TextsCarryNoStrayWhiteSpace) {
  // Only the version label is followed directly by the number, so its trailing space belongs to it.
  for (const auto& pair : kAllStringKeys) {
    const auto text = LookUpString(path, pair.section, pair.key);
    if (text.empty()) continue;
    const bool spaceAllowedAtEnd = pair == kMainVersion;
    EXPECT_NE(text.front(), u' ') << pair.section << "/" << pair.key;
    EXPECT_TRUE(spaceAllowedAtEnd == (text.back() == u' ')) << pair.section << "/" << pair.key;
    EXPECT_EQ(text.find_first_of(u"\t\r\n"), std::u16string::npos) << pair.section << "/" << pair.key;
  }
}

TEST_P(ShippedStrings, NamesTheProductAndEndsTheAboutVersionInTheNumberTheBuildReplaces) {
  EXPECT_NE(LookUpString(path, "MAIN", "NAME").find(u"TrelmVantoria"), std::u16string::npos);
  // cmake/VersionedStrings.cmake puts project()'s version in place of that number.
  const std::u16string version = LookUpString(path, "ABOUT", "VERSION");
  EXPECT_TRUE(std::regex_search(Narrow(version), std::regex("^TrelmVantoria .*[^0-9.][0-9]+(\\.[0-9]+)*$")))
      << Narrow(version);
}

TEST_P(ShippedStrings, IsATranslationOfTheEnglishFile) {
  if (GetParam().code == kEnglish.code) GTEST_SKIP();
  int translated = 0;
  for (const auto& pair : kAllStringKeys)
    if (LookUpString(kEnglish.Path(), pair.section, pair.key) != LookUpString(path, pair.section, pair.key))
      ++translated;
  // Product names (Word, iTunes, ...) and a few words such as OK read the same in every language.
  EXPECT_GE(translated, 100);
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedStrings, ::testing::ValuesIn(kShippedLanguages), [](const auto& info) {
  std::string name(info.param.code);
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
});

TEST(ShippedLanguageFiles, EveryFileUnderLangIsInTheTableAndCharactersBeyondAsciiDecode) {
  std::set<std::string> listed;
  for (const auto& language : kShippedLanguages) listed.insert(std::string(language.file));
  for (const auto& folder : std::filesystem::directory_iterator(std::filesystem::path(TRELM_SHIPPED_DATA_DIR) / "lang"))
    EXPECT_TRUE(listed.count("lang/" + folder.path().filename().string() + "/Strings.xml"))
        << folder.path().filename().string();
  EXPECT_EQ(LookUpString(strtest::kShippedLanguages[1].Path(), "MENU", "CLOSE_WINDOWS"), u"Fenster schlie\u00DFen");
  EXPECT_EQ(LookUpString(kEnglish.Path(), "ABOUT", "COPYRIGHT").substr(0, 11), u"Copyright \u00A9");
}

}  // namespace
}  // namespace strings
