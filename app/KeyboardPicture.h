#pragma once
// The keyboard in the middle of the main window: one button laid over each drawn key, its faces cut from
// the layer's window images so it blends into the picture, and the shaped Enter key. Keys carry no
// caption; the legends are part of the picture.

#include <array>
#include <string>

#include "app/MainWindowLogic.h"
#include "platform/win32/Handles.h"
#include "skin/BitmapBtn2.h"
#include "skin/RgnButton.h"
#include "store/SettingsStore.h"

namespace app {

// The four pictures of one layer as GDI bitmaps: normal, over, down, selected (indexed by LayerImage).
// The keys draw their faces straight from them, so they must live as long as the layer is shown.
using LayerImages = std::array<HBITMAP, 4>;

class KeyboardPicture {
 public:
  // Creates the 110 key buttons at their rectangles of `variant` (empty for the Enter slot and the slots
  // the variant does not show) and the Enter key at its corner, all with the plain looks of layer 0.
  void Build(HWND parent, int variant, std::u16string exeFolder, const LayerImages& layer0);

  // Gives every key the plain looks of `layer`, pieces of its images, and clears every tooltip.
  void ShowLayer(int layer, const LayerImages& images);
  // Redraws one key with the looks of its state and sets its tooltip; slots outside 0..109 are ignored.
  void MarkKey(int slot, KeyState state, const std::wstring& tooltip);

  // The key slot of a button window, or -1 when it is none of the keys.
  int SlotOf(HWND button) const;
  HWND KeyWindow(int slot) const;
  const skin::CBitmapBtn2& Key(int slot) const { return m_keys[static_cast<std::size_t>(slot)]; }
  const skin::CRgnButton& EnterKey() const { return m_enter; }

 private:
  // Both say whether the key's look changed.
  bool SetKeyFaces(int slot, KeyState state);
  bool SetEnterFiles(KeyState state);
  std::wstring EnterFile(LayerImage image) const;

  std::array<skin::CBitmapBtn2, store::kKeyCount> m_keys;
  skin::CRgnButton m_enter;
  LayerImages m_images{};  // the shown layer's, owned by the window
  std::u16string m_exeFolder;
  int m_variant = 0;
  int m_layer = 0;
};

}  // namespace app
