#include "app/MainWindowLogic.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace app {
namespace {

TEST(ProfileLabel, UnnamedProfileShowsTheWordItsNumberAndProgram) {
  auto store = store::MakeStore();
  store->header.ProfileCurrent = 1;
  store::CopyTerminated(store->profiles[1].Exe, store::kPathCapacity, u"notepad.exe");
  EXPECT_EQ(ProfileLabelText(*store, u"Profile"), u"Profile 02    notepad.exe");
  store->header.ProfileCurrent = 9;
  EXPECT_EQ(ProfileLabelText(*store, u"Profil"), u"Profil 10    ");
}

TEST(ProfileLabel, NamedProfileShowsNameAndProgram) {
  auto store = store::MakeStore();
  store->header.ProfileCurrent = 2;
  store::CopyTerminated(store->profiles[2].Name, store::kPathCapacity, u"Shooter");
  store::CopyTerminated(store->profiles[2].Exe, store::kPathCapacity, u"game.exe");
  EXPECT_EQ(ProfileLabelText(*store, u"Profile"), u"Shooter    game.exe");
}

TEST(ProfileLabel, AfterResetAllItReadsProfileOne) {
  auto store = store::MakeStore();
  store->header.ProfileCurrent = 6;
  store::CopyTerminated(store->profiles[6].Name, store::kPathCapacity, u"X");
  store::ResetAll(*store);
  EXPECT_EQ(ProfileLabelText(*store, u"Profile"), u"Profile 01    ");
}

TEST(ProfileLabel, AnUnterminatedNameNeverReadsPastItsBuffer) {
  auto store = store::MakeStore();
  std::fill(std::begin(store->profiles[0].Name), std::end(store->profiles[0].Name), u'n');
  std::fill(std::begin(store->profiles[0].Exe), std::end(store->profiles[0].Exe), u'e');
  const auto text = ProfileLabelText(*store, u"Profile");
  EXPECT_EQ(text.size(), 260u + 4u + 260u);
}

TEST(KeyMenuPlacement, OpensAtThePointerOrUpAndLeftNearTheEdges) {
  EXPECT_EQ(KeyMenuOrigin({100, 100}, 1280, 1000), (Point{100, 100}));
  EXPECT_EQ(KeyMenuOrigin({1099, 705}, 1280, 1000), (Point{1099, 705}));  // exactly fits
  EXPECT_EQ(KeyMenuOrigin({1100, 100}, 1280, 1000), (Point{919, 100}));
  EXPECT_EQ(KeyMenuOrigin({100, 706}, 1280, 1000), (Point{100, 411}));
  EXPECT_EQ(KeyMenuOrigin({1270, 990}, 1280, 1000), (Point{1089, 695}));
}

TEST(KeyMenuCommands, ValuesPackCategoryAndItem) {
  EXPECT_EQ(MenuValue(catalogue::Category::Media, 39), 6u * 65536u + 39u);
  const auto mute = DecodeMenuValue(MenuValue(catalogue::Category::Media, 39));
  EXPECT_EQ(mute.category, 6);
  EXPECT_EQ(mute.item, 39);
  const auto reset = DecodeMenuValue(0);
  EXPECT_EQ(reset.category, 0);
  EXPECT_EQ(reset.item, 0);
  if constexpr (sizeof(std::uintptr_t) > 4) {
    EXPECT_EQ(DecodeMenuValue(static_cast<std::uintptr_t>(1) << 40).category, -1);
  }
}

TEST(KeyMenuCommands, DirectAssignmentsWriteOnlyKindsOfTheirSubmenu) {
  using catalogue::Category;
  auto kindOf = [](Category category, int item) {
    return DirectAssignmentKind(DecodeMenuValue(MenuValue(category, item)));
  };
  EXPECT_EQ(kindOf(Category::Media, 39), 39);          // MUTE
  EXPECT_EQ(kindOf(Category::Internet, 49), 49);       // HOME
  EXPECT_EQ(kindOf(Category::Office, 77), 77);         // POWERPOINT
  EXPECT_EQ(kindOf(Category::Additional, 82), 82);     // LOCK_PC
  EXPECT_EQ(kindOf(Category::Disable, 0), 10);
  EXPECT_EQ(kindOf(Category::Reset, 0), 0);
  EXPECT_EQ(kindOf(Category::Media, 49), std::nullopt);   // an internet kind under media
  EXPECT_EQ(kindOf(Category::Office, 73), std::nullopt);  // no such office function
  EXPECT_EQ(kindOf(Category::Media, 39 + 65536 * 0 + 256), std::nullopt);
  EXPECT_EQ(kindOf(Category::SingleKey, 0), std::nullopt);
  EXPECT_EQ(kindOf(Category::ProfileSwitch, 0), std::nullopt);
  EXPECT_EQ(DirectAssignmentKind({11, 0}), std::nullopt);
  EXPECT_EQ(DirectAssignmentKind({-1, 0}), std::nullopt);
}

TEST(KeyLooks, FollowTheKeyState) {
  store::KeyRecord record{};
  EXPECT_EQ(KeyStateOf(record, false), KeyState::Plain);
  record.bytes[5] = 0x33;  // junk behind kind 0 does not make a key assigned
  EXPECT_EQ(KeyStateOf(record, false), KeyState::Plain);
  record.FunctionKind = 73;
  EXPECT_EQ(KeyStateOf(record, false), KeyState::Assigned);
  EXPECT_EQ(KeyStateOf(record, true), KeyState::BeingEdited);

  EXPECT_EQ(LookOf(KeyState::Plain), (KeyLook{LayerImage::Normal, LayerImage::Over, LayerImage::Down}));
  EXPECT_EQ(LookOf(KeyState::Assigned), (KeyLook{LayerImage::Selected, LayerImage::Over, LayerImage::Down}));
  EXPECT_EQ(LookOf(KeyState::BeingEdited), (KeyLook{LayerImage::Down, LayerImage::Down, LayerImage::Down}));
}

}  // namespace
}  // namespace app
