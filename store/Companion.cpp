#include "store/Companion.h"

namespace store {

namespace {

void Post(platform::WindowMessenger& messenger, std::uint32_t message, std::uintptr_t wParam) {
  messenger.PostToWindowTitled(kCompanionTitle, {message, wParam, 0});
}

}  // namespace

void AnnounceOpen(platform::WindowMessenger& messenger, std::uintptr_t mainWindow) {
  Post(messenger, wm::kCompanionWindow, mainWindow);
}

void AnnounceClose(platform::WindowMessenger& messenger) { Post(messenger, wm::kCompanionWindow, 0); }

void AnnounceSave(platform::WindowMessenger& messenger) {
  Post(messenger, wm::kCompanionSettingsOrProfile, wm::kSettingsSaved);
}

ProfileNotificationResult ApplyProfileNotification(SettingsStore& store, std::uintptr_t wParam,
                                                   std::intptr_t lParam) {
  ProfileNotificationResult result;
  if (wParam < static_cast<std::uintptr_t>(kProfileCount)) {
    store.header.ProfileCurrent = static_cast<std::uint32_t>(wParam);
    result.profileChanged = true;
  }
  if (ValidLayer(lParam)) {
    CurrentProfile(store).Keymap = static_cast<std::uint32_t>(lParam);
    result.layerChanged = true;
  }
  return result;
}

}  // namespace store
