#include "skin/SubBmpMenu.h"

#include "platform/WindowMessages.h"

namespace skin {

BOOL CSubBmpMenu::OnInitDialog() {
  CBmpMenuWindow::OnInitDialog();
  // Shown beside the menu without taking the activation from it.
  PlaceAndShow(false);
  if (const BmpMenuList* entries = CurrentEntries()) {
    EntryTextStyle style;
    style.textOffset = kSubmenuTextOffset;
    style.placement = CaptionPlacement::Left;
    style.hover = kMenuOrange;
    style.pressed = kMenuTextColour;
    style.fontHeight = 16;
    if (kind == kMediaPlayerMenu) {
      style.inRect = true;
      style.textRect = RECT{kSubmenuKind2TextRect.left, kSubmenuKind2TextRect.top, kSubmenuKind2TextRect.right,
                            kSubmenuKind2TextRect.bottom};
    }
    CreateEntries(*entries, SubmenuEntryRects(kind, static_cast<int>(entries->size())), style);
  }
  ApplyShape();
  return FALSE;
}

const BmpMenuList* CSubBmpMenu::CurrentEntries() const {
  if (!menuEntries || parentPosition < 0 || static_cast<std::size_t>(parentPosition) >= menuEntries->size())
    return nullptr;
  return (*menuEntries)[static_cast<std::size_t>(parentPosition)].submenu.get();
}

bool CSubBmpMenu::OnCommand(WPARAM, LPARAM lParam) {
  // Looked up again rather than trusted: an owner that replaced the menu's entries meanwhile leaves nothing to choose.
  const BmpMenuList* current = CurrentEntries();
  const int position = EntryOf(reinterpret_cast<HWND>(lParam));
  if (position < 0 || !current || static_cast<std::size_t>(position) >= current->size()) return false;
  const auto params = SubmenuChoice(parentPosition, position, (*current)[static_cast<std::size_t>(position)].value);
  if (HWND menu = GetParent()) ::PostMessageW(menu, wm::kSubmenuChoice, params.wParam, params.lParam);
  return true;
}

void CSubBmpMenu::OnDestroy() {
  DestroyEntries();
  ReleaseSkin();
  CBmpMenuWindow::OnDestroy();
}

}  // namespace skin
