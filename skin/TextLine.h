#pragma once
// Texts painted on skinned windows: one line in a font, colour and rectangle, vertically centred, without
// prefix processing, ended with an ellipsis when too long, on a transparent background.

#include <windows.h>

#include <string_view>

namespace skin {

struct TextStyle {
  const wchar_t* face;
  int height;         // pixels
  int weight;         // FW_NORMAL, FW_BOLD, ...
  COLORREF colour;
  UINT alignment = DT_LEFT;  // DT_LEFT, DT_CENTER or DT_RIGHT
};

// The two looks most dialogs use: an orange title and white labels.
inline constexpr TextStyle kTitleStyle{L"BankGothic Lt BT", 18, FW_BOLD, RGB(255, 175, 0)};
inline constexpr TextStyle kLabelStyle{L"Arial", 16, FW_NORMAL, RGB(255, 255, 255)};

// Draws `text` into `rect` of `dc` in `style` (default character set, swiss family); the device
// context's font, colour and background mode are put back afterwards.
void DrawTextLine(HDC dc, std::wstring_view text, const RECT& rect, const TextStyle& style);

// Fills `rect` with a solid colour: the boxes some dialogs draw their values on.
void FillBox(HDC dc, const RECT& rect, COLORREF colour);

}  // namespace skin
