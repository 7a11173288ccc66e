// Which media players the settings panel offers: the option table and the read-only registry probes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/MediaPlayers.h"
#include "platform/fake/MemoryRegistry.h"

namespace dialogs {
namespace {

using platform::MemoryRegistry;
using platform::RegistryRoot;

MemoryRegistry::Bytes Text(std::u16string_view text, bool terminated = true) {
  MemoryRegistry::Bytes bytes;
  for (char16_t c : text) {
    bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  if (terminated) bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

std::vector<bool> Installed(MemoryRegistry& registry) {
  std::vector<bool> installed;
  for (const MediaPlayer& player : kMediaPlayers) installed.push_back(IsMediaPlayerInstalled(registry, player));
  return installed;
}

TEST(MediaPlayers, EachPlayerIsFoundByItsOwnValueUnderLocalMachineOnlyInEitherView) {
  struct Case {
    const char* what;
    std::u16string path, name;
    MemoryRegistry::Bytes data;
    RegistryRoot root;
    std::vector<bool> expected;
    bool in32BitView = false;  // written by a 32-bit installer
  };
  const std::u16string wmp = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe";
  const std::u16string ipod = u"Software\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4";
  const std::u16string real = u"SOFTWARE\\Clients\\Media\\RealOne Player\\shell\\open\\command";
  const std::u16string winamp = u"SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command";
  const RegistryRoot lm = RegistryRoot::LocalMachine;
  const Case cases[] = {
      {"nothing installed", u"", u"", {}, lm, {false, false, false, false}},
      {"media player", wmp, u"", Text(u"C:\\wmplayer.exe"), lm, {true, false, false, false}},
      {"itunes path", ipod, u"path", Text(u"C:\\iTunes.exe"), lm, {false, true, false, false}},
      {"realplayer", real, u"", Text(u"\"C:\\realplay.exe\" \"%1\""), lm, {false, false, true, false}},
      {"winamp", winamp, u"", Text(u"winamp.exe", false), lm, {false, false, false, true}},
      {"empty text", wmp, u"", Text(u""), lm, {false, false, false, false}},
      {"zero bytes", ipod, u"path", {}, lm, {false, false, false, false}},
      {"itunes default value", ipod, u"", Text(u"C:\\iTunes.exe"), lm, {false, false, false, false}},
      {"another value name", wmp, u"Path", Text(u"C:\\wmplayer.exe"), lm, {false, false, false, false}},
      {"current user's key", wmp, u"", Text(u"C:\\wmplayer.exe"), RegistryRoot::CurrentUser, {false, false, false, false}},
      {"longer than 260 units", real, u"", Text(std::u16string(300, u'x')), lm, {false, false, false, false}},
      {"itunes, 32-bit view", ipod, u"path", Text(u"C:\\iTunes.exe"), lm, {false, true, false, false}, true},
      {"realplayer, 32-bit view", real, u"", Text(u"realplay.exe"), lm, {false, false, true, false}, true},
      {"empty, 32-bit view", wmp, u"", Text(u""), lm, {false, false, false, false}, true},
  };
  for (const Case& c : cases) {
    MemoryRegistry registry;
    if (c.in32BitView)
      registry.SetIn32BitView(c.path, c.name, c.data, c.root);
    else if (!c.path.empty())
      registry.Set(c.path, c.name, c.data, c.root);
    const std::size_t keys = registry.KeyCount();
    EXPECT_EQ(Installed(registry), c.expected) << c.what;
    // Other programs' keys are only read: probing creates and writes nothing.
    EXPECT_EQ(registry.KeyCount(), keys) << c.what;
    EXPECT_TRUE(registry.writes().empty()) << c.what;
  }
}

}  // namespace
}  // namespace dialogs
