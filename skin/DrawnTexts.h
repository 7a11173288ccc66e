#pragma once
// Texts as the windows draw them, for the test that proves every text of every language fits its place.
// In test builds the painting helpers report each text with the room it was given and the box its full
// width and height would fill in the font it is drawn in; elsewhere reporting costs nothing.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "platform/win32/Handles.h"

namespace skin {

#if defined(TRELM_REPORT_DRAWN_TEXTS) && TRELM_REPORT_DRAWN_TEXTS
inline constexpr bool kReportDrawnTexts = true;
#else
inline constexpr bool kReportDrawnTexts = false;
#endif

struct DrawnText {
  std::wstring text;
  LOGFONTW font;  // as drawn
  RECT room;      // where the text may go, in the painted surface's pixels
  RECT drawn;     // where the whole text goes, placed as the helper places it; beyond `room` it is cut off
};

// Receives every text drawn from now on, on the painting thread; an empty observer stops the reports.
void ObserveDrawnTexts(std::function<void(const DrawnText&)> observer);

// A text drawn in the font selected into `dc`, placed by the caller.
void ReportDrawnText(HDC dc, std::wstring_view text, const RECT& room, const RECT& drawn);
// A single line drawn by DrawText into `room` with `alignment` (DT_LEFT, DT_CENTER or DT_RIGHT), vertically
// centred, measured in the font selected into `dc`.
void ReportDrawnText(HDC dc, std::wstring_view text, const RECT& room, UINT alignment);
// A line drawn by GDI+ into `room` with `format`'s horizontal alignment, vertically centred.
void ReportDrawnText(Gdiplus::Graphics& graphics, std::wstring_view text, const Gdiplus::Font& font,
                     const Gdiplus::RectF& room, const Gdiplus::StringFormat& format);

}  // namespace skin
