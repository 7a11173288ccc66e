#include "skin/MenuLayout.h"

#include <algorithm>

namespace skin {
namespace {

constexpr int kKeyMenuExtraGap = 14;

std::vector<Rect> Stack(int count, int firstTop, int width, int height, auto&& extraBefore, int clipBottom) {
  std::vector<Rect> rects;
  const int shown = std::clamp(count, 0, kMaxMenuEntries);
  rects.reserve(static_cast<std::size_t>(shown));
  int top = firstTop;
  for (int i = 0; i < shown; ++i) {
    top += extraBefore(i);
    rects.push_back({0, top, width, std::max(top, std::min(top + height, clipBottom))});
    top += height + kMenuEntryGap;
  }
  return rects;
}

std::uint32_t High(std::int32_t value) { return static_cast<std::uint32_t>(value) << 16; }
std::uint32_t Low(std::int32_t value) { return static_cast<std::uint32_t>(value) & 0xFFFFu; }

}  // namespace

const MenuKindStyle& MenuStyle(MenuKind kind) {
  return kMenuKindStyles[kind >= 0 && kind < kMenuKinds ? kind : 0];
}

int MenuFontHeight(MenuKind kind, std::uint32_t language) {
  return (kind == kMacroMenu || kind == kMacroSecondMenu) && language == 1 ? 14 : 16;
}

std::vector<Rect> MenuEntryRects(MenuKind kind, int count, int imageWidth, int imageHeight) {
  const auto& style = MenuStyle(kind);
  const bool keyMenu = &style == &kMenuKindStyles[0];
  return Stack(count, style.firstTop, imageWidth, style.entryHeight,
               [&](int i) { return keyMenu && (i == 3 || i == 7) ? kKeyMenuExtraGap : 0; }, imageHeight);
}

std::vector<Rect> SubmenuEntryRects(MenuKind kind, int count) {
  const int firstTop = kind == kModifierMenu ? 10 : kind == kMediaPlayerMenu ? 14 : 12;
  return Stack(count, firstTop, kSubmenuEntryWidth, kSubmenuEntryHeight, [](int) { return 0; }, INT32_MAX);
}

MenuKind SubmenuKindFor(int position) {
  return position == 3 || position == 6 ? kModifierMenu : position == 5 ? kMediaPlayerMenu : kKeyFunctionMenu;
}

int SubmenuLeft(int entryRight, int submenuWidth, int fullScreenWidth) {
  return entryRight + submenuWidth > fullScreenWidth ? entryRight - 2 * submenuWidth : entryRight;
}

ChoiceParams TopLevelChoice(int position, std::int32_t value) {
  return {High(position), High(value)};
}

ChoiceParams SubmenuChoice(int parentPosition, int submenuPosition, std::int32_t submenuValue) {
  return {High(parentPosition) + Low(submenuPosition), Low(submenuValue)};
}

ChoiceParams ChoiceFromSubmenu(std::uint32_t submenuWParam, std::uint32_t submenuLParam, std::int32_t parentValue) {
  return {submenuWParam, High(parentValue) + (submenuLParam & 0xFFFFu)};
}

}  // namespace skin
