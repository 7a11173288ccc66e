#pragma once
// The geometry, colours and messages of the bitmap popup menus, apart from any window.

#include <cstdint>
#include <vector>

#include "skin/ButtonLook.h"

namespace skin {

// A menu or submenu has at most this many entry buttons; further entries are not shown.
inline constexpr int kMaxMenuEntries = 20;

// Both menu classes are created from this dialog template.
inline constexpr int kMenuTemplateId = 133;

struct MenuKindStyle {
  int entryHeight;
  int firstTop;
  int textOffset;    // caption x offset
  CaptionPlacement placement;  // caption placement of the entry buttons
  Colour hover;
  Colour pressed;
};

inline constexpr Colour kMenuTextColour = 0xFFFFFF;
inline constexpr Colour kMenuOrange = 0x00AFFF;
inline constexpr int kMenuFontWeight = 500;
inline constexpr int kMenuEntryGap = 2;

// Which menu a bitmap menu is; the kind fixes its entry layout and colours.
enum MenuKind : int {
  kKeyFunctionMenu = 0,
  kModifierMenu = 1,       // the quick-switch dialog's modifier menus
  kMediaPlayerMenu = 2,
  kMacroMenu = 3,          // the macro editor's menus
  kMacroSecondMenu = 4,
  kMenuKinds = 5,
};

inline constexpr MenuKindStyle kMenuKindStyles[kMenuKinds] = {
    // height, first top, x offset, placement,            hover,        pressed
    {20, 10, 10, CaptionPlacement::Left, kMenuOrange, 0xFFFFFF},      // 0 key function menu
    {18, 5, 0, CaptionPlacement::Centred, 0x000000, kMenuOrange},     // 1 quick-switch modifier menus
    {29, 16, 0, CaptionPlacement::Centred, kMenuOrange, 0xFFFFFF},    // 2 media player menu
    {19, 5, 6, CaptionPlacement::Left, 0x000000, kMenuOrange},        // 3 macro editor menu
    {19, 9, 6, CaptionPlacement::Left, 0x000000, kMenuOrange},        // 4 macro editor second menu
};

// Unknown kinds are laid out as kind 0.
const MenuKindStyle& MenuStyle(MenuKind kind);

// Entry font height: 16, or 14 for kinds 3 and 4 under layout variant (Language) 1.
int MenuFontHeight(MenuKind kind, std::uint32_t language);

// Entry rectangles of a menu of `count` entries on an image of the given size; at most kMaxMenuEntries.
// Kind 0 leaves 14 more pixels before entries 3 and 7; bottoms are cut to the image height.
std::vector<Rect> MenuEntryRects(MenuKind kind, int count, int imageWidth, int imageHeight);

// Submenus: 180 × 20 entries, 2 apart, from a first top of 12, 10 or 14 for kinds 0, 1, 2.
inline constexpr int kSubmenuEntryWidth = 180;
inline constexpr int kSubmenuEntryHeight = 20;
inline constexpr int kSubmenuTextOffset = 10;
// Kind 2 writes its entry text into this rectangle of the entry.
inline constexpr Rect kSubmenuKind2TextRect{35, 0, 180, 15};

std::vector<Rect> SubmenuEntryRects(MenuKind kind, int count);

// The submenu kind a menu gives the submenu of the entry at `position`: 3 and 6 give 1, 5 gives 2.
MenuKind SubmenuKindFor(int position);

// Left edge of a submenu opened beside an entry whose right edge is at `entryRight` (screen): the entry's
// right edge, or, when the submenu would pass the full-screen width, twice its width further left.
int SubmenuLeft(int entryRight, int submenuWidth, int fullScreenWidth);

// The two parameters of a choice message.
struct ChoiceParams {
  std::uint32_t wParam = 0;
  std::uint32_t lParam = 0;
  friend bool operator==(const ChoiceParams&, const ChoiceParams&) = default;
};

// 1281 for a top-level entry without a submenu: (position × 65536, value × 65536).
ChoiceParams TopLevelChoice(int position, std::int32_t value);
// 1280 from a submenu: (parent position × 65536 + submenu position, submenu value's low 16 bits).
ChoiceParams SubmenuChoice(int parentPosition, int submenuPosition, std::int32_t submenuValue);
// 1281 for a submenu choice: the same first parameter, (parent value × 65536) + submenu value's low 16 bits.
ChoiceParams ChoiceFromSubmenu(std::uint32_t submenuWParam, std::uint32_t submenuLParam, std::int32_t parentValue);

// The top-level position packed in a choice's first parameter.
constexpr int ChoiceParentPosition(std::uint32_t wParam) { return static_cast<int>(wParam >> 16); }
constexpr int ChoiceSubmenuPosition(std::uint32_t wParam) { return static_cast<int>(wParam & 0xFFFF); }

}  // namespace skin
