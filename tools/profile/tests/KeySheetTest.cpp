#include "tools/profile/KeySheet.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "catalogue/FunctionCatalogue.h"
#include "strings/XmlReader.h"
#include "tools/profile/ProfileFiles.h"
#include "tools/profile/SlotNames.h"
#include "tools/profile/Text.h"
#include "tools/profile/tests/GeneratedProfiles.h"

namespace profiletool {
namespace {

namespace fs = std::filesystem;
using namespace profiletool::testing;

// Every language file in the tree, found afresh so that a language added later is covered too.
std::vector<fs::path> ShippedLanguageFiles() {
  std::vector<fs::path> files = {fs::path(TRELM_DATA_DIR) / "Strings.xml"};
  for (const auto& entry : fs::directory_iterator(fs::path(TRELM_DATA_DIR) / "lang"))
    if (fs::exists(entry.path() / "Strings.xml")) files.push_back(entry.path() / "Strings.xml");
  return files;
}

// Fits without eliding, and the fitter's lines really are inside the area.
void ExpectFits(const FittedText& fitted, const TextArea& area, double lineHeight, Weight weight, const std::string& what) {
  EXPECT_FALSE(fitted.elided) << what;
  EXPECT_LE(fitted.size * lineHeight * static_cast<double>(fitted.lines.size()), area.height + 1e-6) << what;
  for (const auto& line : fitted.lines) EXPECT_LE(TextWidth(line, fitted.size, weight), area.width + 1e-6) << what << ": " << line;
}

TEST(KeySheet, EveryLabelFitsTheSmallestKeyInEveryShippedLanguage) {
  const TextArea smallest = KeyLabelArea({0, 0, 42, 43});
  std::vector<store::KeyRecord> records;
  for (const auto& function : catalogue::Functions()) {
    store::KeyRecord record{};
    store::WriteSimpleKind(record, function.kind);
    record.macro.EventCount = 256;
    record.profileSwitch.TargetProfile = 9;
    records.push_back(record);
  }
  for (int code = 1; code < 256; ++code) {
    store::KeyRecord record{};
    store::WriteSingleKey(record, static_cast<std::uint8_t>(code));
    records.push_back(record);
  }
  const auto files = ShippedLanguageFiles();
  EXPECT_GE(files.size(), 2u);
  for (const auto& file : files) {
    std::string error;
    const auto labels = Labels::Read(file, &error);
    ASSERT_TRUE(labels) << file << ": " << error;
    for (const auto& record : records) {
      const auto lines = KeyLabelLines(record, 0, *labels);
      if (lines.empty()) continue;
      ExpectFits(FitKeyLabel(lines, smallest), smallest, 1.15, Weight::Bold, PathText(file) + ": " + lines[0]);
    }
  }
  for (int variant = 0; variant < catalogue::kLayoutVariants; ++variant)
    for (int slot = 0; slot < store::kKeyCount; ++slot) {
      const catalogue::KeyRect key = catalogue::KeyRectangle(variant, slot);
      if (key.empty()) continue;
      const std::string name = Readable(SlotName(variant, slot));
      ExpectFits(FitKeyName(name, KeyNameArea(key)), KeyNameArea(key), 1.2, Weight::Book, name);
    }
}

TEST(KeySheet, TextIsMeasuredByItsFontAndEastAsianCharactersAreWide) {
  EXPECT_NEAR(TextWidth("W", 10, Weight::Bold), 11.04, 0.02);   // DejaVu Sans Bold
  EXPECT_NEAR(TextWidth("i", 10, Weight::Book), 2.78, 0.02);    // DejaVu Sans
  EXPECT_DOUBLE_EQ(TextWidth("\u97F3\u91CF", 10, Weight::Bold), 20);  // 音量
  EXPECT_DOUBLE_EQ(TextWidth("\uC74C\uB7C9", 10, Weight::Bold), 20);  // 음량
  // Shrink, then wrap (between East Asian characters too), then elide with the whole text kept.
  const FitRule rule{9, 6, 7.5, 1.15, true};
  EXPECT_EQ(FitText({"Mute"}, 35, 28, Weight::Bold, rule).lines, std::vector<std::string>{"Mute"});
  EXPECT_EQ(FitText({"Volume Up"}, 35, 28, Weight::Bold, rule).lines, (std::vector<std::string>{"Volume", "Up"}));
  EXPECT_EQ(FitText({"\u97F3\u91CF\u3092\u4E0A\u3052\u308B"}, 35, 28, Weight::Bold, rule).lines.size(), 2u);
  const FittedText elided = FitText({std::string(200, 'x')}, 35, 28, Weight::Bold, rule);
  EXPECT_TRUE(elided.elided);
  EXPECT_TRUE(elided.lines.back().ends_with("\u2026"));
}

bool WellFormed(const std::string& text) {
  strings::CXmlReader reader;
  return reader.LoadDocumentBytes(text) && reader.ParseDocument();
}

TEST(KeySheet, SheetsAreWellFormedXmlWhateverTheNames) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    std::u16string text;
    for (int i = 0; i < 30; ++i) {
      static constexpr char16_t kPicks[] = {u'<', u'>', u'&', u'"', u'\'', 0, 1, 0x1F, 0x7F, 0x85, 0xD800, 0xDC00,
                                            0xFFFE, 0xFFFF, u']', u'\u65E5', u'\u00E9', u' ', u'x'};
      text += random() % 3 ? static_cast<char16_t>(random() % 0x10000) : kPicks[random() % std::size(kPicks)];
    }
    auto profile = NewProfile();
    store::CopyTerminated(profile->Name, store::kPathCapacity, text);
    store::CopyTerminated(profile->Exe, store::kPathCapacity, text.substr(5));
    store::WriteLaunchProgram(profile->keys[0][5], text, text.substr(3));
    store::WriteLaunchProgram(profile->keys[0][109], text, u"");
    for (const auto& layers : {std::vector<int>{0}, std::vector<int>{0, 1, 2}})
      for (const SheetFormat format : {SheetFormat::Svg, SheetFormat::Html}) {
        const std::string sheet = KeySheet(*profile, layers, static_cast<int>(round % 3), Labels::English(), format);
        EXPECT_TRUE(WellFormed(sheet)) << sheet.substr(0, 400);
      }
  }
}

double Ratio(const std::string& svg) {
  std::istringstream box(svg.substr(svg.find("viewBox=\"") + 9));
  double x = 0, y = 0, width = 1, height = 0;
  box >> x >> y >> width >> height;
  return height / width;
}

TEST(KeySheet, TheLegendTellsWhatTheKeysCannotAndAllLayersPrintOnOnePage) {
  auto profile = NewProfile();
  store::KeyRecord macro{};
  macro.macro.EventCount = 3;
  macro.macro.Events[0] = {0x41, 0};
  macro.macro.Events[1] = {0xFF, 4};
  macro.macro.Events[2] = {0x41, 1};
  store::WriteMacro(profile->keys[0][10], macro);
  store::WriteLaunchProgram(profile->keys[0][5], u"C:\\Tools\\Very Long Folder Name\\tool.exe", u"Tool");
  store::WriteProfileSwitch(profile->keys[0][0], 2, 1, 1);
  store::WriteSimpleKind(profile->keys[0][109], 39);  // a slot no layout shows
  const std::string svg = KeySheet(*profile, {0}, 0, Labels::English(), SheetFormat::Svg);
  for (const char* told : {"F10", "Macro, 3 events: A Press, 200ms, A Release", "C:\\Tools\\Very Long Folder Name\\tool.exe (Tool)",
                           "Profile Switch: profile 3, layer 2, shown on screen", "slot 109", "not on this keyboard: Mute"})
    EXPECT_NE(svg.find(told), std::string::npos) << told;
  EXPECT_LE(Ratio(svg), kLandscapeRatio + 1e-4);
  for (unsigned seed : {1u, 5u}) {
    const std::string all = KeySheet(*EveryKindProfile(seed), {0, 1, 2}, 0, Labels::English(), SheetFormat::Html);
    for (const char* heading : {">Layer 1<", ">Layer 2<", ">Layer 3<"}) EXPECT_NE(all.find(heading), std::string::npos);
    EXPECT_NE(all.find("@page{size:portrait"), std::string::npos);
    EXPECT_LE(Ratio(all), kPortraitRatio + 1e-4);
  }
}

}  // namespace
}  // namespace profiletool
