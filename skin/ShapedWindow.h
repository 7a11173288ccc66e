#pragma once
// How a skinned dialog builds, paints and moves itself. A dialog keeps a DialogSkin for its whole life:
//   Load (mask and normal kept, over and down for the faces) → Place → AddButton for each button →
//   captions → Finish (drops over and down, shapes the window from the mask) → Paint on every WM_PAINT.

#include <windows.h>

#include <functional>

#include "platform/win32/Handles.h"
#include "skin/SkinImage.h"
#include "skin/SkinPaths.h"

namespace skin {

class CBitmapBtn2;

class DialogSkin {
 public:
  // Loads the set's four files; a missing file leaves that picture empty (0 × 0).
  void Load(const DialogSkinFiles& files);
  // The window's size: the normal picture's, else the first other face that loaded; 0 × 0 when none did.
  SIZE size() const { return m_size; }
  HBITMAP normal() const { return m_normal.get(); }
  HBITMAP over() const { return m_over.get(); }
  HBITMAP down() const { return m_down.get(); }
  HBITMAP mask() const { return m_mask.get(); }

  // Moves the window to (x, y) and gives it exactly the picture's size; without any picture the window
  // keeps its template's size.
  void Place(HWND window, int x, int y) const;
  // Creates `button` as an owner-drawn child of `window` at `rect` (window coordinates) with faces cut
  // from the normal, over and down pictures there, the normal one also serving as the disabled face.
  bool AddButton(CBitmapBtn2& button, HWND window, const RECT& rect) const;
  // Releases the over and down pictures and gives the window its shape from the mask.
  void Finish(HWND window);

  // Composes the normal picture and the window's own texts off-screen and copies the result in one step.
  void Paint(HWND window, const std::function<void(HDC)>& drawTexts = {}) const;

 private:
  SkinBitmap m_mask, m_normal, m_over, m_down;
  SIZE m_size{0, 0};
};

// Gives `window` the outline of `mask`; the platform owns the region from then on. False when there
// is no mask to take it from, or when it leaves nothing inside (a damaged mask): the window then keeps
// its rectangle rather than becoming an invisible window nobody can close.
bool ShapeWindowFromMask(HWND window, HBITMAP mask);

// Begins a paint of `window`, lets `compose` draw the whole client area into an off-screen buffer and
// copies it to the screen in one step.
void PaintOffscreen(HWND window, const std::function<void(HDC, SIZE)>& compose);

// Turns a left-button press on a window's body into a press on its caption, so the user drags the
// window by its body. `clientPoint` is the press's lParam.
void MoveByBody(HWND window, LPARAM clientPoint);

// Skinned dialogs swallow Enter and Esc, so only their own buttons close them.
bool IsEnterOrEscKey(const MSG& msg);

}  // namespace skin
