#pragma once
// The skinned popup menu. The owner hands it its entries (AddMenuEntry, AddSubmenuEntry), sets the skins,
// position, kind and preselected entry, creates the window with itself as parent and shows it; a choice
// arrives as message 1281 (positions in wParam, values in lParam). The owner holds the menu in a
// std::unique_ptr and lets it go when it has the choice or wants the menu gone: deleting the menu destroys
// its window, which empties its entries.

#include <array>
#include <memory>

#include "skin/BmpMenuWindow.h"
#include "skin/SkinPaths.h"
#include "skin/SubBmpMenu.h"

namespace skin {

class CBmpMenu : public CBmpMenuWindow {
 public:
  CBmpMenu();
  ~CBmpMenu() override;

  BmpMenuList entries;            // set before the window is created
  int preselected = -1;           // this entry takes the next release over it as a click
  std::uint32_t language = 0;     // the store's Language; variant 1 writes kinds 3 and 4 smaller

  // Full paths of the menu's own skin.
  void SetMenuSkin(const std::wstring& normal, const std::wstring& over, const std::wstring& down,
                   const std::wstring& fourth, const std::wstring& mask);
  // Full paths of the skin of the submenu under entry `position`; other positions are ignored.
  void SetSubmenuSkin(int position, const std::wstring& normal, const std::wstring& over, const std::wstring& down,
                      const std::wstring& fourth, const std::wstring& mask);

  // The open submenu window, or null, and the entry it belongs to (-1 for none).
  CSubBmpMenu* GetOpenSubmenu() const { return m_submenu.get(); }
  int GetOpenSubmenuPosition() const { return m_submenuFor; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;

 private:
  void OnMenuMouseMove();
  void OpenSubmenu(int position);
  void CloseSubmenu();

  std::array<MenuSkinPaths, kMaxMenuEntries> m_submenuSkins;
  std::unique_ptr<CSubBmpMenu> m_submenu;
  int m_submenuFor = -1;
};

// A dialog's menu without submenus: creates it with `entries`, skinned with `files`, its top-left corner at
// `topLeft` (screen), owned by `owner`. Null when it could not be created.
std::unique_ptr<CBmpMenu> OpenBmpMenu(HWND owner, BmpMenuList entries, const MenuSkinFiles& files, POINT topLeft,
                                      MenuKind kind, std::uint32_t language);

}  // namespace skin
