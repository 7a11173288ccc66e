#pragma once
// A submenu of the bitmap menu: opens beside its parent entry and reports a choice to the menu with
// message 1280.

#include "skin/BmpMenuWindow.h"

namespace skin {

class CSubBmpMenu : public CBmpMenuWindow {
 public:
  int parentPosition = 0;                    // the position of the parent entry in the menu
  const BmpMenuList* menuEntries = nullptr;  // the menu's entries, read, not owned

 protected:
  // The parent entry's submenu list as the menu holds it now, or null.
  const BmpMenuList* CurrentEntries() const;
  BOOL OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;
};

}  // namespace skin
