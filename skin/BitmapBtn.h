#pragma once
// The GDI+ image button: faces cloned from PNG skin images, a caption with a font choice, rotation and
// placement. Bitmap menu entries, the about box's button and a few main-window controls are made of it.
// It forwards every mouse move to its parent in screen coordinates, which the popup menus rely on.

#include <array>
#include <string>

#include "platform/win32/Handles.h"
#include "skin/ButtonLook.h"
#include "skin/SkinButton.h"

namespace skin {

class CBitmapBtn : public CSkinButton {
 public:
  // Set by the owner.
  bool checked = false;          // shown with the down face
  bool releaseClick = false;     // the next left-button release over the button is a click
  std::wstring caption;
  int fontHeight = 16;
  CaptionFont fontFace = CaptionFont::BankGothic;
  int fontWeight = 500;
  int textOffset = 0;            // pixels added to the computed caption x
  CaptionPlacement placement = CaptionPlacement::Centred;
  Colour textColour = 210;
  Colour hoverColour = 0xFFFFFF;
  Colour pressedColour = 0xFFFFFF;
  bool textInRect = false;       // the caption goes into textRect instead
  RECT textRect{0, 0, 0, 0};

  // Clones the rectangle of each source image into the button's faces; a null source leaves that face empty.
  void SetImageFaces(int x, int y, int width, int height, Gdiplus::Bitmap* normal, Gdiplus::Bitmap* over,
                     Gdiplus::Bitmap* down, Gdiplus::Bitmap* disabled);
  // Sets both the owner's highlight and the hover look.
  void SetHighlight(bool highlight);
  bool IsHighlighted() const { return m_highlighted; }
  Gdiplus::Bitmap* GetFace(Face face) const { return m_faces[static_cast<int>(face)].get(); }

  ButtonLook CurrentLook(bool pressed) const;

 protected:
  void PreSubclassWindow() override;
  void DrawItem(DRAWITEMSTRUCT& dis) override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void ForwardMouseMove(WPARAM keys, LPARAM position) const;
  void DrawCaption(HDC dc, const RECT& client, Colour colour) const;

  bool m_highlighted = false;
  std::array<win::GdiplusBitmap, 4> m_faces;  // indexed by Face
};

}  // namespace skin
