#include "tools/installer/ChosenFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace installer {
namespace {

namespace fs = std::filesystem;

class ChosenFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [name, text] : kTree) Write(name, text);
  }
  void TearDown() override { fs::remove_all(folder); }

  void Write(const fs::path& name, const std::string& text) {
    fs::create_directories((folder / name).parent_path());
    std::ofstream(folder / name, std::ios::binary) << text;
  }
  std::string Read(const fs::path& name) {
    std::ifstream in(folder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // An installed program as the package lays it out, with the 104-key pictures and English on top.
  const std::pair<const char*, const char*> kTree[13] = {
      {"Skins/main_layer1_normal.png", "104"}, {"Skins/layer1_enter_normal.bmp", "104 enter"},
      {"Skins/104/main_layer1_normal.png", "104"}, {"Skins/104/layer1_enter_normal.bmp", "104 enter"},
      {"Skins/109/main_layer1_normal.png", "109"}, {"Skins/109/layer1_enter_normal.bmp", "109 enter"},
      {"lang/de/Strings.xml", "Deutsch"}, {"lang/de/Manual.pdf", "Handbuch"},
      {"lang/ja/Strings.xml", "Nihongo"}, {"lang/en/Strings.xml", "English"}, {"lang/en/Manual.pdf", "Manual"},
      {"Strings.xml", "English"}, {"Manuals/Manual.pdf", "Manual"},
  };
  fs::path folder = fs::temp_directory_path() / (std::string("trelm-chosen-files-") +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(ChosenFiles, TheChosenPicturesAndTextsLieWhereTheProgramReadsThem) {
  EXPECT_EQ(VariantFolder(0) + VariantFolder(1) + VariantFolder(2), "104105109");
  const Placement placement = PlaceChosenFiles(folder, 2, "de");
  ASSERT_TRUE(placement.ok) << placement.failure;
  EXPECT_EQ(Read("Skins/main_layer1_normal.png"), "109");
  EXPECT_EQ(Read("Skins/layer1_enter_normal.bmp"), "109 enter");
  EXPECT_EQ(Read("Strings.xml"), "Deutsch");
  EXPECT_EQ(Read("Skins/104/main_layer1_normal.png"), "104");
  EXPECT_EQ(Read("lang/de/Strings.xml"), "Deutsch");
  EXPECT_EQ(Read("Manuals/Manual.pdf"), "Handbuch");

  // A language without a manual of its own gets the English one back.
  ASSERT_TRUE(PlaceChosenFiles(folder, 0, "ja").ok);
  EXPECT_EQ(Read("Strings.xml"), "Nihongo");
  EXPECT_EQ(Read("Manuals/Manual.pdf"), "Manual");
}

TEST_F(ChosenFiles, ABrokenOrForeignChoiceFailsInWords) {
  const std::pair<int, const char*> cases[] = {{3, "de"}, {-1, "de"}, {2, "../de"}, {2, ""}, {2, "fr"}, {1, "de"}};
  for (const auto& [variant, language] : cases) {
    const Placement placement = PlaceChosenFiles(folder, variant, language);
    EXPECT_FALSE(placement.ok) << variant << " " << language;
    EXPECT_FALSE(placement.failure.empty());
  }
  EXPECT_EQ(Read("Strings.xml"), "English");
}

}  // namespace
}  // namespace installer
