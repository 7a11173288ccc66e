#include "dialogs/WarningModes.h"

#include <gtest/gtest.h>

namespace dialogs {
namespace {

TEST(WarningModes, EachModeAsksItsOwnQuestion) {
  EXPECT_EQ(WarningTextsFor(1).firstLine.key, "ALL");
  EXPECT_EQ(WarningTextsFor(1).secondLine.key, "WANT2");
  EXPECT_EQ(WarningTextsFor(2).firstLine.key, "PROFILE");
  EXPECT_EQ(WarningTextsFor(3).title.key, "RESET");
  EXPECT_EQ(WarningTextsFor(3).firstLine.key, "LAYER");
  EXPECT_EQ(WarningTextsFor(3).secondLine.key, "WANT3");
  EXPECT_EQ(WarningTextsFor(0).secondLine.key, "SINGLE2");
}

TEST(WarningModes, NoticesHaveNoSecondLine) {
  for (int mode : {4, 5}) {
    EXPECT_EQ(WarningTextsFor(mode).title.key, "WARNING");
    EXPECT_TRUE(WarningTextsFor(mode).secondLine.section.empty());
  }
}

TEST(WarningModes, AFailedSaveIsANoticeOfItsOwn) {
  const auto texts = WarningTextsFor(6);
  EXPECT_EQ(texts.title.key, "WARNING");
  EXPECT_EQ(texts.firstLine.key, "SAVE1");
  EXPECT_EQ(texts.secondLine.key, "SAVE2");
}

TEST(WarningModes, UnknownModesShowNothing) {
  for (int mode : {-1, 7, 1000}) {
    const auto texts = WarningTextsFor(mode);
    EXPECT_TRUE(texts.title.section.empty() && texts.firstLine.section.empty() && texts.secondLine.section.empty());
  }
}

}  // namespace
}  // namespace dialogs
