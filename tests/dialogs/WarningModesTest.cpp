#include "dialogs/WarningModes.h"

#include <gtest/gtest.h>

namespace dialogs {
namespace {

WarningTexts TextsOf(int mode) { return WarningTextsFor(static_cast<WarningMode>(mode)); }

TEST(WarningModes, EachModeAsksItsOwnQuestion) {
  EXPECT_EQ(TextsOf(1).firstLine.key, "ALL");
  EXPECT_EQ(TextsOf(1).secondLine.key, "WANT2");
  EXPECT_EQ(TextsOf(2).firstLine.key, "PROFILE");
  EXPECT_EQ(TextsOf(3).title.key, "RESET");
  EXPECT_EQ(TextsOf(3).firstLine.key, "LAYER");
  EXPECT_EQ(TextsOf(3).secondLine.key, "WANT3");
  EXPECT_EQ(TextsOf(0).secondLine.key, "SINGLE2");
}

TEST(WarningModes, NoticesHaveNoSecondLine) {
  for (int mode : {4, 5}) {
    EXPECT_EQ(TextsOf(mode).title.key, "WARNING");
    EXPECT_TRUE(TextsOf(mode).secondLine.section.empty());
  }
}

TEST(WarningModes, AFailedSaveIsANoticeOfItsOwn) {
  const auto texts = TextsOf(6);
  EXPECT_EQ(texts.title.key, "WARNING");
  EXPECT_EQ(texts.firstLine.key, "SAVE1");
  EXPECT_EQ(texts.secondLine.key, "SAVE2");
}

TEST(WarningModes, AProfileFileNoticeHasItsOwnTextsWithABuiltInFallback) {
  const auto texts = TextsOf(7);
  EXPECT_EQ(texts.title.key, "FILE");
  EXPECT_EQ(texts.firstLine.key, "FILE1");
  EXPECT_TRUE(texts.secondLine.section.empty());  // the caller gives the reason
  EXPECT_EQ(BuiltInWarningText(texts.title), u"Profile File");
  EXPECT_EQ(BuiltInWarningText(texts.firstLine), u"Nothing was changed. File:");
  EXPECT_TRUE(BuiltInWarningText(TextsOf(1).firstLine).empty());
}

TEST(WarningModes, EveryTextAddedToTheLanguageFileHasBuiltInEnglish) {
  for (std::size_t i = strings::kFirstAddedStringKey; i < strings::kStringKeyCount; ++i)
    EXPECT_FALSE(BuiltInWarningText(strings::kAllStringKeys[i]).empty()) << strings::kAllStringKeys[i].key;
}

TEST(WarningModes, UnknownModesShowNothing) {
  for (int mode : {-1, 8, 1000}) {
    const auto texts = TextsOf(mode);
    EXPECT_TRUE(texts.title.section.empty() && texts.firstLine.section.empty() && texts.secondLine.section.empty());
  }
}

}  // namespace
}  // namespace dialogs
