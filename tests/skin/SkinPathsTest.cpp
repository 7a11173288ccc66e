#include "skin/SkinPaths.h"

#include "platform/ProgramFolders.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(SkinPaths, FolderOfTheExecutableKeepsItsBackslash) {
  using platform::FolderOfModule;
  EXPECT_EQ(FolderOfModule(u"C:\\Program Files\\Trelm\\OsselSetting.exe"), u"C:\\Program Files\\Trelm\\");
  EXPECT_EQ(FolderOfModule(u"C:\\a.exe"), u"C:\\");
  EXPECT_EQ(FolderOfModule(u"C:a.exe"), u"C:");
  EXPECT_EQ(FolderOfModule(u"a.exe"), u"");
  const auto folders = platform::ProgramFoldersOf(u"C:\\T\\OsselSetting.exe");
  EXPECT_EQ(folders.Manual(), u"C:\\T\\Manuals\\Manual.pdf");
  EXPECT_EQ(folders.HookLibrary(), u"C:\\T\\Quorbel.dll");
}

TEST(SkinPaths, SetFilesBesideTheExecutable) {
  EXPECT_EQ(SkinFilePath(u"C:\\T\\", u"warning_mask.bmp"), u"C:\\T\\Skins\\warning_mask.bmp");
  EXPECT_EQ(SkinSetFileName(u"key behavior", face::kOver, u"jpg"), u"key behavior_over.jpg");

  const auto dialog = DialogSkinSet(u"C:\\T\\", u"warning", u"jpg");
  EXPECT_EQ(dialog.normal, u"C:\\T\\Skins\\warning_normal.jpg");
  EXPECT_EQ(dialog.down, u"C:\\T\\Skins\\warning_down.jpg");
  EXPECT_EQ(dialog.mask, u"C:\\T\\Skins\\warning_mask.bmp");

  const auto menu = MenuSkinSet(u"D:\\", u"key function");
  EXPECT_EQ(menu.over, u"D:\\Skins\\key function_over.png");
  EXPECT_EQ(menu.fourth, u"D:\\Skins\\key function_normal.png");
  EXPECT_EQ(menu.mask, u"D:\\Skins\\key function_mask.bmp");

  const auto region = RegionButtonSet(u"D:\\", u"mouse left");
  EXPECT_EQ(region.first, u"D:\\Skins\\mouse left_n.bmp");
  EXPECT_EQ(region.second, u"D:\\Skins\\mouse left_o.bmp");
  EXPECT_EQ(region.third, u"D:\\Skins\\mouse left_d.bmp");
  EXPECT_EQ(region.fourth, region.first);
}

}  // namespace
}  // namespace skin
