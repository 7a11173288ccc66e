#include "dialogs/MediaPlayers.h"

#include <array>

#include "store/RegistryPathHelper.h"

namespace dialogs {
namespace {

// The text buffer the probes read into: 260 UTF-16 units.
constexpr std::size_t kProbeBytes = 520;

bool NamedValueHoldsText(platform::Registry& registry, const MediaPlayer& player, platform::RegistryView view) {
  const auto key = registry.OpenForReading(platform::RegistryRoot::LocalMachine, player.keyPath, view);
  if (!key) return false;
  std::array<std::uint8_t, kProbeBytes> buffer{};
  const platform::RegistryRead read = key->Read(player.valueName, buffer);
  // The first UTF-16 unit tells whether the text is empty.
  return read.copied && read.size >= 2 && (buffer[0] != 0 || buffer[1] != 0);
}

}  // namespace

const MediaPlayer* MediaPlayerFor(std::uint32_t option) {
  return option < kMediaPlayers.size() ? &kMediaPlayers[option] : nullptr;
}

bool IsMediaPlayerInstalled(platform::Registry& registry, const MediaPlayer& player) {
  // 32-bit installers (iTunes, RealPlayer, older Windows Media Player) register in the 32-bit view.
  for (const auto view : {platform::RegistryView::Bits64, platform::RegistryView::Bits32}) {
    if (!player.valueName.empty()) {
      if (NamedValueHoldsText(registry, player, view)) return true;
      continue;
    }
    store::RegistryPathHelper helper(registry);
    if (!helper.Open(player.keyPath, view)) continue;
    const auto text = helper.ReadDefaultValue();
    if (text && !text->empty()) return true;
  }
  return false;
}

}  // namespace dialogs
