#include "tools/profile/SlotNames.h"

#include <algorithm>
#include <array>

#include "catalogue/KeyLayout.h"
#include "store/SettingsStore.h"
#include "tools/profile/KeyWords.h"
#include "tools/profile/KeyboardVariants.h"
#include "tools/profile/Text.h"

namespace profiletool {
namespace {

const std::array<std::u16string, store::kKeyCount>& NamesOf(int variant) {
  static const auto tables = [] {
    std::array<std::array<std::u16string, store::kKeyCount>, catalogue::kLayoutVariants> names;
    for (int v = 0; v < catalogue::kLayoutVariants; ++v)
      for (int slot = 0; slot < store::kKeyCount; ++slot) {
        const char16_t* own = SlotOwnName(v, slot);
        names[v][slot] = own ? own : KeyWord(SlotKeyCode(v, slot), v);
      }
    return names;
  }();
  return tables[Variant(variant)];
}

}  // namespace

std::u16string SlotName(int variant, int slot) {
  return store::ValidKey(slot) ? NamesOf(variant)[slot] : std::u16string();
}

std::optional<int> SlotNamed(int variant, std::u16string_view name) {
  if (name.empty()) return std::nullopt;
  const auto& names = NamesOf(variant);
  for (const std::u16string& word : {Folded(name), Folded(CanonicalKeyWord(name))})
    for (int slot = 0; slot < store::kKeyCount; ++slot)
      if (!names[slot].empty() && Folded(names[slot]) == word) return slot;
  return std::nullopt;
}

std::vector<std::u16string> NearestSlotNames(int variant, std::u16string_view name) {
  std::vector<std::u16string> candidates;
  for (const auto& slotName : NamesOf(variant)) {
    if (slotName.empty()) continue;
    candidates.push_back(slotName);
    for (auto& alias : KeyAliases(slotName)) candidates.push_back(std::move(alias));
  }
  std::vector<std::u16string> nearest;
  for (const auto& near : Nearest(name, candidates, 6)) {
    const std::u16string slotName = SlotName(variant, *SlotNamed(variant, near));
    if (std::find(nearest.begin(), nearest.end(), slotName) == nearest.end() && nearest.size() < 3)
      nearest.push_back(slotName);
  }
  return nearest;
}

std::string SlotLabel(int variant, int slot) {
  const auto name = SlotName(variant, slot);
  if (name.empty()) return "slot " + std::to_string(slot);
  return "key " + Readable(name);
}

}  // namespace profiletool
