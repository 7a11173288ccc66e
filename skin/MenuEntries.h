#pragma once
// The entries of a bitmap popup menu. The owner fills a list and hands it to the menu, which keeps it for
// as long as its window lives; every menu has its own.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "skin/MenuLayout.h"

namespace skin {

inline constexpr int kMenuTextCapacity = 260;

struct tagBMPMENUINFO;
using BmpMenuList = std::vector<tagBMPMENUINFO>;

struct tagBMPMENUINFO {
  char16_t text[kMenuTextCapacity] = {};  // at most 259 units and a terminating zero
  bool hasSubmenu = false;
  bool submenuOpen = false;               // while the entry's submenu window is shown
  bool enabled = true;
  std::int32_t value = 0;                 // returned with a choice
  std::unique_ptr<BmpMenuList> submenu;   // the submenu's entries, or null

  std::u16string_view Text() const;
};

void AddMenuEntry(BmpMenuList& list, std::u16string_view text, std::int32_t value, bool enabled);
// Gives the entry at `position` a submenu (if it has none) and appends to it. Returns false, adding
// nothing, when there is no entry at `position`.
bool AddSubmenuEntry(BmpMenuList& list, int position, std::u16string_view text, std::int32_t value, bool enabled);

// One step of the menu's reaction to a mouse move.
struct HoverAction {
  enum Kind { CloseSubmenu, OpenSubmenu, Highlight, Unhighlight };
  Kind kind;
  int position;
  friend bool operator==(const HoverAction&, const HoverAction&) = default;
};

struct HoverEntry {
  bool hasSubmenu = false;
  bool cursorOver = false;   // the cursor lies in the entry's window rectangle
  bool highlighted = false;
};

// What a mouse move does to the menu's entries: submenus open on the entry under the cursor, stay open
// while the cursor is over the entry or the submenu window, and close otherwise. `openSubmenu` is the
// position whose submenu window is shown, or -1.
std::vector<HoverAction> PlanMenuHover(std::span<const HoverEntry> entries, int openSubmenu,
                                       bool cursorOverSubmenu);

}  // namespace skin
