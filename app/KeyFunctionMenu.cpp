#include "app/KeyFunctionMenu.h"

#include "catalogue/FunctionCatalogue.h"
#include "platform/win32/Text.h"
#include "skin/SkinPaths.h"
#include "strings/StringTable.h"

namespace app {

namespace {

using catalogue::Category;

std::u16string MenuText(std::string_view key) {
  return strings::LookUpString(strings::StringKey{catalogue::kMenuSection, key});
}

// The skin set of each submenu.
std::u16string_view SubmenuSkinSet(Category category) {
  switch (category) {
    case Category::Internet: return u"Internet";
    case Category::Office: return u"office";
    case Category::Media: return u"media";
    case Category::Additional: return u"additional";
    default: return {};
  }
}

void SetSkin(skin::CBmpMenu& menu, int position, const skin::MenuSkinFiles& files) {
  const auto w = [](const std::u16string& path) { return win::Wide(path); };
  if (position < 0)
    menu.SetMenuSkin(w(files.normal), w(files.over), w(files.down), w(files.fourth), w(files.mask));
  else
    menu.SetSubmenuSkin(position, w(files.normal), w(files.over), w(files.down), w(files.fourth), w(files.mask));
}

}  // namespace

std::unique_ptr<skin::CBmpMenu> OpenKeyFunctionMenu(HWND owner, std::u16string_view exeFolder, catalogue::Point origin,
                                                    std::uint32_t language) {
  auto menu = std::make_unique<skin::CBmpMenu>();
  const auto entries = catalogue::KeyMenuEntries();
  for (const auto& entry : entries)
    skin::AddMenuEntry(menu->entries, MenuText(entry.textKey), static_cast<std::int32_t>(entry.category), true);
  SetSkin(*menu, -1, skin::MenuSkinSet(exeFolder, u"key function"));
  for (int position = 0; position < static_cast<int>(entries.size()); ++position) {
    const auto& entry = entries[static_cast<std::size_t>(position)];
    if (!entry.hasSubmenu) continue;
    for (std::uint8_t kind : catalogue::SubmenuKinds(entry.category))
      skin::AddSubmenuEntry(menu->entries, position, MenuText(catalogue::FindFunction(kind)->labelKey), kind, true);
    SetSkin(*menu, position, skin::MenuSkinSet(exeFolder, SubmenuSkinSet(entry.category)));
  }
  menu->x = origin.x;
  menu->y = origin.y;
  menu->kind = skin::kKeyFunctionMenu;
  menu->preselected = -1;
  menu->language = language;
  if (!menu->Create(owner)) return nullptr;
  return menu;
}

}  // namespace app
