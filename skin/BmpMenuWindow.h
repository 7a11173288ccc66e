#pragma once
// What the bitmap menu and its submenus share: a borderless popup from template 133 drawn from a PNG
// skin (normal, over, down and a fourth look) with a mask outline, and a column of entry buttons whose
// faces are cut from that skin.

#include <array>
#include <string>

#include "framework/Dialog.h"
#include "platform/win32/Handles.h"
#include "skin/BitmapBtn.h"
#include "skin/MenuEntries.h"
#include "skin/SkinImage.h"

namespace skin {

// Full paths of a menu skin: normal, over, down, fourth look, mask.
struct MenuSkinPaths {
  std::wstring normal, over, down, fourth, mask;
};

// How a menu's entry buttons write their text.
struct EntryTextStyle {
  int textOffset = 0;
  CaptionPlacement placement = CaptionPlacement::Left;
  Colour hover = kMenuOrange;
  Colour pressed = kMenuTextColour;
  int fontHeight = 16;
  bool inRect = false;  // write into textRect instead of at the computed point
  RECT textRect{0, 0, 0, 0};
};

class CBmpMenuWindow : public CDialog {
 public:
  CBmpMenuWindow() : CDialog(kMenuTemplateId) {}

  // Screen position of the top-left corner; set before the window is created.
  int x = 0;
  int y = 0;
  MenuKind kind = kKeyFunctionMenu;

  // Loads the four GDI+ images and the mask, replacing what the window held.
  void LoadSkin(const MenuSkinPaths& paths);
  // The menu's size: its normal picture's, else another face's that loaded.
  SIZE ImageSize() const {
    return FirstNonEmptySize({skin::ImageSize(m_images[0].get()), skin::ImageSize(m_images[1].get()),
                              skin::ImageSize(m_images[2].get()), m_mask.size()});
  }
  int EntryCount() const { return m_entryCount; }
  CBitmapBtn& Entry(int position) { return m_entries[static_cast<std::size_t>(position)]; }
  // The position of the entry button `button`, or -1.
  int EntryOf(HWND button) const;

 protected:
  // Sizes the window to its normal image at (x, y) and shows it.
  void PlaceAndShow(bool activate);
  // Creates one entry button per rectangle for the first entries of `list`.
  void CreateEntries(const BmpMenuList& list, const std::vector<Rect>& rects, const EntryTextStyle& style);
  // Shapes the window from its mask.
  void ApplyShape();
  void ReleaseSkin();
  void DestroyEntries();

  void OnPaint() override;
  void OnOK() override {}      // Enter and Esc never close a menu
  void OnCancel() override {}
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  std::array<CBitmapBtn, kMaxMenuEntries> m_entries;
  int m_entryCount = 0;
  std::array<win::GdiplusBitmap, 4> m_images;  // normal, over, down, fourth
  SkinBitmap m_mask;
};

}  // namespace skin
