#pragma once
// The popup menu a click on a key opens: every kind of function the key can get, with the media,
// internet, office and window functions in submenus. A choice reaches the owner as message 1281 with
// (category × 65536) + item in lParam.

#include <memory>
#include <string_view>

#include "catalogue/KeyLayout.h"
#include "skin/BmpMenu.h"

namespace app {

// Fills the menu's entries, sets the skins and creates the menu with its top-left corner at `origin`
// (screen coordinates), owned by `owner`. Null when it could not be created.
std::unique_ptr<skin::CBmpMenu> OpenKeyFunctionMenu(HWND owner, std::u16string_view exeFolder, catalogue::Point origin,
                                                    std::uint32_t language);

}  // namespace app
