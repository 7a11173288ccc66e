#include "skin/MenuEntries.h"

#include <algorithm>

namespace skin {
namespace {

constexpr std::size_t kSubmenuGrowth = 10;

tagBMPMENUINFO MakeEntry(std::u16string_view text, std::int32_t value, bool enabled) {
  tagBMPMENUINFO entry;
  const auto length = std::min<std::size_t>(text.size(), kMenuTextCapacity - 1);
  std::copy_n(text.begin(), length, entry.text);
  entry.text[length] = u'\0';
  entry.value = value;
  entry.enabled = enabled;
  return entry;
}

}  // namespace

std::u16string_view tagBMPMENUINFO::Text() const {
  const auto* end = std::find(std::begin(text), std::end(text), u'\0');
  return {text, static_cast<std::size_t>(end - text)};
}

void AddMenuEntry(BmpMenuList& list, std::u16string_view text, std::int32_t value, bool enabled) {
  list.push_back(MakeEntry(text, value, enabled));
}

bool AddSubmenuEntry(BmpMenuList& list, int position, std::u16string_view text, std::int32_t value, bool enabled) {
  if (position < 0 || static_cast<std::size_t>(position) >= list.size()) return false;
  auto& parent = list[static_cast<std::size_t>(position)];
  parent.hasSubmenu = true;
  if (!parent.submenu) parent.submenu = std::make_unique<BmpMenuList>();
  auto& submenu = *parent.submenu;
  if (submenu.size() == submenu.capacity()) submenu.reserve(submenu.size() + kSubmenuGrowth);
  submenu.push_back(MakeEntry(text, value, enabled));
  return true;
}

std::vector<HoverAction> PlanMenuHover(std::span<const HoverEntry> entries, int openSubmenu,
                                       bool cursorOverSubmenu) {
  std::vector<HoverAction> actions;
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    const auto& entry = entries[static_cast<std::size_t>(i)];
    if (!entry.cursorOver) {
      // Plain entries track their own hover.
      if (!entry.hasSubmenu) continue;
      if (openSubmenu == i && cursorOverSubmenu) {
        if (!entry.highlighted) actions.push_back({HoverAction::Highlight, i});
        continue;
      }
      if (openSubmenu == i) {
        actions.push_back({HoverAction::CloseSubmenu, i});
        openSubmenu = -1;
      }
      if (entry.highlighted) actions.push_back({HoverAction::Unhighlight, i});
      continue;
    }
    if (openSubmenu == i) break;  // resting on the entry whose submenu is already open
    if (openSubmenu >= 0) {
      actions.push_back({HoverAction::CloseSubmenu, openSubmenu});
      openSubmenu = -1;
    }
    if (entry.hasSubmenu) {
      actions.push_back({HoverAction::OpenSubmenu, i});
      openSubmenu = i;
      if (!entry.highlighted) actions.push_back({HoverAction::Highlight, i});
    }
  }
  return actions;
}

}  // namespace skin
