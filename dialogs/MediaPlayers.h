#pragma once
// The media players the keyboard's media keys can drive, as the settings panel lists them: the header's
// MediaOption is the position in this table. A player counts as installed when its registry value under
// HKEY_LOCAL_MACHINE holds text in either registry view; those keys belong to other programs and are only
// ever read.

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/Registry.h"
#include "strings/StringKeys.h"

namespace dialogs {

struct MediaPlayer {
  strings::StringKey name;
  std::int32_t entryValue;        // the menu entry's value
  std::u16string_view keyPath;    // under HKEY_LOCAL_MACHINE
  std::u16string_view valueName;  // empty: the key's default value
};

inline constexpr std::array<MediaPlayer, 4> kMediaPlayers{{
    {strings::kOtherWindows, 1, u"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe", u""},
    {strings::kOtherITunes, 2, u"SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4", u"path"},
    {strings::kOtherReal, 3, u"SOFTWARE\\Clients\\Media\\RealOne Player\\shell\\open\\command", u""},
    {strings::kOtherWinamp, 4, u"SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command", u""},
}};

// The player of a media option; null for a value outside the table (one stored by someone else).
const MediaPlayer* MediaPlayerFor(std::uint32_t option);

// Whether the player's value can be read as non-empty text of at most 260 UTF-16 units.
bool IsMediaPlayerInstalled(platform::Registry& registry, const MediaPlayer& player);

}  // namespace dialogs
