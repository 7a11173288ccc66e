#include "skin/MenuEntries.h"

#include <gtest/gtest.h>

#include <string>

namespace skin {
namespace {

class MenuEntryListTest : public ::testing::Test {
 protected:
  BmpMenuList list;
};

TEST_F(MenuEntryListTest, EntriesAndSubmenusInOrder) {
  AddMenuEntry(list, u"SINGLEKEY", 1, true);
  AddMenuEntry(list, u"MEDIA", 6, false);
  EXPECT_TRUE(AddSubmenuEntry(list, 1, u"PLAYPAUSE", 32, true));
  EXPECT_TRUE(AddSubmenuEntry(list, 1, u"STOP", 33, false));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].Text(), u"SINGLEKEY");
  EXPECT_EQ(list[0].hasSubmenu, 0);
  EXPECT_EQ(list[0].submenu, nullptr);
  EXPECT_EQ(list[1].enabled, 0);
  EXPECT_EQ(list[1].hasSubmenu, 1);
  ASSERT_NE(list[1].submenu, nullptr);
  ASSERT_EQ(list[1].submenu->size(), 2u);
  EXPECT_EQ((*list[1].submenu)[1].Text(), u"STOP");
  EXPECT_EQ((*list[1].submenu)[1].value, 33);
  EXPECT_EQ((*list[1].submenu)[1].enabled, 0);
}

TEST_F(MenuEntryListTest, SubmenuEntryWithoutParentAddsNothing) {
  EXPECT_FALSE(AddSubmenuEntry(list, 0, u"x", 1, true));
  AddMenuEntry(list, u"a", 1, true);
  EXPECT_FALSE(AddSubmenuEntry(list, 1, u"x", 1, true));
  EXPECT_FALSE(AddSubmenuEntry(list, -1, u"x", 1, true));
  EXPECT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].hasSubmenu, 0);
}

TEST_F(MenuEntryListTest, LongTextsAreCutTo259Units) {
  const std::u16string longText(400, u'x');
  AddMenuEntry(list, longText, 0, true);
  AddSubmenuEntry(list, 0, longText, 0, true);
  EXPECT_EQ(list[0].Text().size(), 259u);
  EXPECT_EQ(list[0].text[259], u'\0');
  EXPECT_EQ((*list[0].submenu)[0].Text().size(), 259u);
}

TEST_F(MenuEntryListTest, SubmenusGrowBeyondTheirFirstBlock) {
  AddMenuEntry(list, u"a", 1, true);
  for (int i = 0; i < 25; ++i) AddSubmenuEntry(list, 0, u"s", i, true);
  EXPECT_EQ(list[0].submenu->size(), 25u);
}

using A = HoverAction;

// Entries 0 plain, 1 and 2 with submenus.
std::vector<HoverEntry> Entries(int over, std::initializer_list<int> highlighted = {}) {
  std::vector<HoverEntry> entries = {{false}, {true}, {true}};
  if (over >= 0) entries[static_cast<std::size_t>(over)].cursorOver = true;
  for (int h : highlighted) entries[static_cast<std::size_t>(h)].highlighted = true;
  return entries;
}

TEST(MenuHover, RestingOnAnEntryWithASubmenuOpensItOnce) {
  EXPECT_EQ(PlanMenuHover(Entries(1), -1, false), (std::vector<A>{{A::OpenSubmenu, 1}, {A::Highlight, 1}}));
  EXPECT_TRUE(PlanMenuHover(Entries(1, {1}), 1, false).empty());
}

TEST(MenuHover, MovingIntoTheOpenSubmenuKeepsItAndTheHighlight) {
  EXPECT_TRUE(PlanMenuHover(Entries(-1, {1}), 1, true).empty());
  EXPECT_EQ(PlanMenuHover(Entries(-1), 1, true), (std::vector<A>{{A::Highlight, 1}}));
}

TEST(MenuHover, MovingToAnotherEntryClosesTheSubmenu) {
  EXPECT_EQ(PlanMenuHover(Entries(0, {1}), 1, false),
            (std::vector<A>{{A::CloseSubmenu, 1}, {A::Unhighlight, 1}}));
  EXPECT_EQ(PlanMenuHover(Entries(2, {1}), 1, false),
            (std::vector<A>{{A::CloseSubmenu, 1}, {A::Unhighlight, 1}, {A::OpenSubmenu, 2}, {A::Highlight, 2}}));
  // From the lower entry up to the upper one: the later entry's submenu is closed first.
  EXPECT_EQ(PlanMenuHover(Entries(1, {2}), 2, false),
            (std::vector<A>{{A::CloseSubmenu, 2}, {A::OpenSubmenu, 1}, {A::Highlight, 1}, {A::Unhighlight, 2}}));
}

TEST(MenuHover, LeavingTheMenuClosesTheSubmenu) {
  EXPECT_EQ(PlanMenuHover(Entries(-1, {1}), 1, false),
            (std::vector<A>{{A::CloseSubmenu, 1}, {A::Unhighlight, 1}}));
  EXPECT_TRUE(PlanMenuHover(Entries(-1), -1, false).empty());
}

}  // namespace
}  // namespace skin
