#include "store/Companion.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/fake/RecordingMessenger.h"

namespace store {
namespace {

using platform::PostedMessage;

TEST(CompanionAnnouncements, GoToTheHelperWindowWithTheirCodes) {
  platform::RecordingMessenger messenger;
  messenger.title = u"TrelmKeyboardHelper";
  AnnounceOpen(messenger, 0x1234);
  AnnounceSave(messenger);
  AnnounceClose(messenger);
  EXPECT_EQ(messenger.posted, (std::vector<PostedMessage>{{1538, 0x1234, 0}, {1537, 7, 0}, {1538, 0, 0}}));
}

TEST(CompanionAnnouncements, NothingIsPostedWhenTheHelperIsNotRunning) {
  platform::RecordingMessenger messenger;
  messenger.present = false;
  AnnounceOpen(messenger, 1);
  AnnounceSave(messenger);
  EXPECT_TRUE(messenger.posted.empty());
}

struct NotificationCase {
  std::uintptr_t wParam;
  std::intptr_t lParam;
  std::uint32_t expectedProfile;
  std::uint32_t expectedKeymap;  // of the expected current profile
};

class ProfileNotification : public ::testing::TestWithParam<NotificationCase> {};

TEST_P(ProfileNotification, ChangesOnlyWhatIsInRange) {
  auto store = MakeStore();
  store->header.ProfileCurrent = 5;
  store->profiles[5].Keymap = 1;
  const auto& c = GetParam();
  ApplyProfileNotification(*store, c.wParam, c.lParam);
  EXPECT_EQ(store->header.ProfileCurrent, c.expectedProfile);
  EXPECT_EQ(store->profiles[c.expectedProfile].Keymap, c.expectedKeymap);
  for (int p = 0; p < kProfileCount; ++p) {
    if (p != 5 && static_cast<std::uint32_t>(p) != c.expectedProfile) {
      EXPECT_EQ(store->profiles[p].Keymap, 0u);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileNotification,
    ::testing::Values(NotificationCase{3, 1, 3, 1},       // profile 4, second layer
                      NotificationCase{12, -1, 5, 1},     // nothing changes
                      NotificationCase{12, 2, 5, 2},      // layer of the current profile only
                      NotificationCase{9, -5, 9, 0},      // profile only
                      NotificationCase{0, 3, 0, 0},       // layer 3 is not a layer
                      NotificationCase{std::numeric_limits<std::uintptr_t>::max(), 0, 5, 0},  // "-1" as unsigned
                      NotificationCase{7, std::numeric_limits<std::intptr_t>::max(), 7, 0}));

}  // namespace
}  // namespace store
