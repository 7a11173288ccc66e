#pragma once
// The messages exchanged with the companion program, which reads the registry and programs the keyboard.

#include <cstdint>

#include "platform/WindowMessages.h"
#include "platform/WindowMessenger.h"
#include "store/SettingsStore.h"

namespace store {

inline constexpr char16_t kCompanionTitle[] = u"TrelmKeyboardHelper";

// Each looks the companion window up afresh and posts; nothing happens when it is not running.
void AnnounceOpen(platform::WindowMessenger& messenger, std::uintptr_t mainWindow);
void AnnounceClose(platform::WindowMessenger& messenger);
void AnnounceSave(platform::WindowMessenger& messenger);

struct ProfileNotificationResult {
  bool profileChanged = false;
  bool layerChanged = false;
};

// The companion's (1537, profile, layer): a profile index below 10 becomes current; a layer 0..2
// becomes the current profile's Keymap; anything else is ignored. The caller redraws either way.
ProfileNotificationResult ApplyProfileNotification(SettingsStore& store, std::uintptr_t wParam,
                                                   std::intptr_t lParam);

}  // namespace store
