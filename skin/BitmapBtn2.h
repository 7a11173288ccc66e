#pragma once
// The general skinned push button: four GDI faces cut from its window's images, a caption painted over
// them, hover tracking and an optional two-state (toggle) mode. Dialog buttons, keyboard keys and
// profile rows are made of it.

#include <array>
#include <string>

#include "platform/win32/Handles.h"
#include "skin/ButtonLook.h"
#include "skin/SkinImage.h"
#include "skin/SkinButton.h"

namespace skin {

class CBitmapBtn2 : public CSkinButton {
 public:
  // Set by the owner after creating the button.
  bool toggleMode = false;       // a click flips checked
  CaptionAlign alignment = CaptionAlign::Centre;
  int fontHeight = 16;           // pixels
  Colour textColour = 0;         // normal, hover and pressed caption colours
  Colour hoverColour = 0;
  Colour pressedColour = 0;

  // Cuts each source at the rectangle into the button's faces; the owner passes its window's normal,
  // over and down bitmaps and the normal one again as the disabled source.
  void SetFaces(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled, int left, int top, int right,
                int bottom);
  // The same with the device contexts of a cutter shared by many buttons.
  void SetFaces(const FaceCutter& cutter, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled, int left,
                int top, int right, int bottom);
  // Draws the faces straight from the piece `piece` of the window's pictures instead of keeping cut copies:
  // the keyboard's keys change their looks at every layer switch. The pictures must outlive their use here.
  // False when the button already drew from exactly these, so nothing needs repainting.
  bool SetFaceSources(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled, const RECT& piece);
  void SetCaption(const std::wstring& text);
  void SetChecked(bool checked);
  bool GetChecked() const { return m_checked; }
  bool IsHighlighted() const { return IsHovered(); }
  const std::wstring& GetCaption() const { return m_caption; }
  HBITMAP GetFace(Face face) const { return m_faces[static_cast<int>(face)].get(); }

  // The look the next draw will use.
  ButtonLook CurrentLook(bool pressed) const;

 protected:
  void PreSubclassWindow() override;
  void DrawItem(DRAWITEMSTRUCT& dis) override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // The highlight also ends with the leave notification asked for here.
  void OnHoverStart() override { TrackMouseLeave(); }

 private:
  void DrawFace(HDC dc, Face face) const;

  bool m_checked = false;
  std::wstring m_caption;
  std::array<win::Bitmap, 4> m_faces;  // indexed by Face
  std::array<HBITMAP, 4> m_sources{};   // borrowed pictures, indexed by Face; used instead of m_faces when set
  RECT m_piece{};
};

}  // namespace skin
