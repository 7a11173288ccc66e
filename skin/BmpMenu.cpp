#include "skin/BmpMenu.h"

#include <vector>

#include "platform/WindowMessages.h"

namespace skin {
namespace {

bool PointIn(HWND window, POINT screen) {
  RECT rect{};
  return window && ::GetWindowRect(window, &rect) && ::PtInRect(&rect, screen);
}

}  // namespace

CBmpMenu::CBmpMenu() = default;

CBmpMenu::~CBmpMenu() {
  // Destroyed here, while this object is still whole, rather than by the base class.
  if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

void CBmpMenu::SetMenuSkin(const std::wstring& normal, const std::wstring& over, const std::wstring& down,
                           const std::wstring& fourth, const std::wstring& mask) {
  LoadSkin({normal, over, down, fourth, mask});
}

void CBmpMenu::SetSubmenuSkin(int position, const std::wstring& normal, const std::wstring& over,
                              const std::wstring& down, const std::wstring& fourth, const std::wstring& mask) {
  if (position < 0 || position >= kMaxMenuEntries) return;
  m_submenuSkins[static_cast<std::size_t>(position)] = {normal, over, down, fourth, mask};
}

BOOL CBmpMenu::OnInitDialog() {
  CBmpMenuWindow::OnInitDialog();
  PlaceAndShow(true);
  const SIZE size = ImageSize();
  const auto& style = MenuStyle(kind);
  EntryTextStyle text;
  text.textOffset = style.textOffset;
  text.placement = style.placement;
  text.hover = style.hover;
  text.pressed = style.pressed;
  text.fontHeight = MenuFontHeight(kind, language);
  CreateEntries(entries, MenuEntryRects(kind, static_cast<int>(entries.size()), size.cx, size.cy), text);
  if (preselected >= 0 && preselected < EntryCount()) Entry(preselected).releaseClick = true;
  ApplyShape();
  return FALSE;
}

bool CBmpMenu::OnCommand(WPARAM, LPARAM lParam) {
  const int position = EntryOf(reinterpret_cast<HWND>(lParam));
  if (position < 0 || static_cast<std::size_t>(position) >= entries.size()) return false;
  const auto& entry = entries[static_cast<std::size_t>(position)];
  if (entry.hasSubmenu) return true;  // its submenu makes the choice
  const auto params = TopLevelChoice(position, entry.value);
  if (HWND owner = GetParent()) ::PostMessageW(owner, wm::kMenuChoice, params.wParam, params.lParam);
  return true;
}

LRESULT CBmpMenu::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case wm::kSubmenuChoice: {
      const int parent = ChoiceParentPosition(static_cast<std::uint32_t>(wParam));
      if (parent < 0 || static_cast<std::size_t>(parent) >= entries.size()) return 0;
      const auto params = ChoiceFromSubmenu(static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam),
                                            entries[static_cast<std::size_t>(parent)].value);
      if (HWND owner = GetParent()) ::PostMessageW(owner, wm::kMenuChoice, params.wParam, params.lParam);
      return 0;
    }
    case WM_MOUSEMOVE:
      OnMenuMouseMove();
      return 0;
  }
  return CBmpMenuWindow::WindowProc(msg, wParam, lParam);
}

void CBmpMenu::OnMenuMouseMove() {
  // Entry buttons forward their moves in screen coordinates, while moves over the menu's own background
  // arrive in its client coordinates; both name the cursor, so the menu asks where the cursor is.
  POINT cursor{};
  ::GetCursorPos(&cursor);

  std::vector<HoverEntry> hover(static_cast<std::size_t>(EntryCount()));
  for (int i = 0; i < EntryCount(); ++i) {
    auto& e = hover[static_cast<std::size_t>(i)];
    e.hasSubmenu = static_cast<std::size_t>(i) < entries.size() && entries[static_cast<std::size_t>(i)].hasSubmenu;
    e.cursorOver = PointIn(Entry(i).GetHwnd(), cursor);
    e.highlighted = Entry(i).IsHighlighted();
  }
  const bool overSubmenu = m_submenu && PointIn(m_submenu->GetHwnd(), cursor);
  for (const auto& action : PlanMenuHover(hover, m_submenuFor, overSubmenu)) {
    switch (action.kind) {
      case HoverAction::CloseSubmenu: CloseSubmenu(); break;
      case HoverAction::OpenSubmenu: OpenSubmenu(action.position); break;
      case HoverAction::Highlight: Entry(action.position).SetHighlight(true); break;
      case HoverAction::Unhighlight: Entry(action.position).SetHighlight(false); break;
    }
  }
}

void CBmpMenu::OpenSubmenu(int position) {
  if (position < 0 || static_cast<std::size_t>(position) >= entries.size()) return;
  auto& entry = entries[static_cast<std::size_t>(position)];
  CloseSubmenu();
  auto submenu = std::make_unique<CSubBmpMenu>();
  submenu->LoadSkin(m_submenuSkins[static_cast<std::size_t>(position)]);
  const RECT at = Entry(position).GetWindowRect();
  submenu->x = SubmenuLeft(at.right, ImageSize().cx, ::GetSystemMetrics(SM_CXFULLSCREEN));
  submenu->y = at.top;
  submenu->kind = SubmenuKindFor(position);
  submenu->parentPosition = position;
  submenu->menuEntries = &entries;
  if (!submenu->Create(m_hWnd)) return;
  entry.submenuOpen = true;
  m_submenu = std::move(submenu);
  m_submenuFor = position;
}

void CBmpMenu::CloseSubmenu() {
  if (!m_submenu) return;
  if (m_submenuFor >= 0 && static_cast<std::size_t>(m_submenuFor) < entries.size())
    entries[static_cast<std::size_t>(m_submenuFor)].submenuOpen = false;
  m_submenu.reset();  // destroys its window
  m_submenuFor = -1;
}

void CBmpMenu::OnDestroy() {
  CloseSubmenu();
  DestroyEntries();
  entries.clear();
  ReleaseSkin();
  CBmpMenuWindow::OnDestroy();
}

std::unique_ptr<CBmpMenu> OpenBmpMenu(HWND owner, BmpMenuList entries, const MenuSkinFiles& files, POINT topLeft,
                                      MenuKind kind, std::uint32_t language) {
  auto menu = std::make_unique<CBmpMenu>();
  menu->entries = std::move(entries);
  const auto w = [](const std::u16string& path) { return std::wstring(path.begin(), path.end()); };
  menu->SetMenuSkin(w(files.normal), w(files.over), w(files.down), w(files.fourth), w(files.mask));
  menu->x = topLeft.x;
  menu->y = topLeft.y;
  menu->kind = kind;
  menu->language = language;
  if (!menu->Create(owner)) return nullptr;
  return menu;
}

}  // namespace skin
