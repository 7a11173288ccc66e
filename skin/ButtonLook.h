#pragma once
// What a skinned button shows in each state: which face, which caption colour, where the caption goes.
// The button windows ask these functions on every draw.

#include <cstdint>

namespace skin {

using Colour = std::uint32_t;  // COLORREF layout, 0x00BBGGRR

inline constexpr Colour kDisabledTextColour = 0x7B7B7B;

enum class Face { Normal, Over, Down, Disabled };

struct TextColours {
  Colour normal = 0;
  Colour hover = 0;
  Colour pressed = 0;
};

struct ButtonLook {
  Face face = Face::Normal;
  Colour text = 0;
  friend bool operator==(const ButtonLook&, const ButtonLook&) = default;
};

// The GDI bitmap button (dialog buttons, keyboard keys, profile rows).
struct BitmapBtn2State {
  bool toggle = false;
  bool checked = false;
  bool highlighted = false;
  bool pressed = false;       // the platform's selected state during a press
  bool disabled = false;
  bool parentActive = true;   // the active window is the button's parent
};
ButtonLook BitmapBtn2Look(const BitmapBtn2State& state, const TextColours& colours);

// Caption alignment of the GDI bitmap button.
enum class CaptionAlign { Centre = 0, Left = 1, Right = 2 };

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The rectangle the caption is fitted into: the client area, narrowed 3 left and 5 right for left
// alignment, 20 right for right alignment.
Rect CaptionBox(CaptionAlign align, const Rect& client);

// The GDI+ image button (menu entries, the about box, a few main-window controls).
struct BitmapBtnState {
  bool releaseClick = false;
  bool checked = false;
  bool highlighted = false;   // set by the owner
  bool hover = false;         // the mouse is over the button
  bool pressed = false;
  bool disabled = false;
};
ButtonLook BitmapBtnLook(const BitmapBtnState& state, const TextColours& colours);

// Caption placement of the GDI+ image button.
enum class CaptionPlacement { Centred = 0, Rotated90 = 2, Rotated270 = 3, Left = 4, Right = 5 };

// Caption font of the GDI+ image button.
enum class CaptionFont { BankGothic, Arial };

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Start point of a caption of extent (cx, cy) on a client area of (w, h); integer halves throughout.
Point CaptionOrigin(CaptionPlacement placement, int w, int h, int cx, int cy);

// Font escapement in tenths of a degree: 900 and 2700 for the rotated placements, else 0.
int CaptionEscapement(CaptionPlacement placement);

}  // namespace skin
