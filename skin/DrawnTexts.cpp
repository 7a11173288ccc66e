#include "skin/DrawnTexts.h"

#include <cmath>
#include <utility>

namespace skin {
namespace {

std::function<void(const DrawnText&)>& Observer() {
  static std::function<void(const DrawnText&)> observer;
  return observer;
}

// The box of a line `width` × `height` placed in `room`: left, centred or right, vertically centred.
RECT Place(const RECT& room, int width, int height, UINT alignment) {
  const int left = alignment & DT_CENTER  ? (room.left + room.right - width) / 2
                   : alignment & DT_RIGHT ? room.right - width
                                          : room.left;
  const int top = (room.top + room.bottom - height) / 2;
  return {left, top, left + width, top + height};
}

LOGFONTW SelectedFont(HDC dc) {
  LOGFONTW font{};
  ::GetObjectW(::GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
  return font;
}

}  // namespace

void ObserveDrawnTexts(std::function<void(const DrawnText&)> observer) { Observer() = std::move(observer); }

void ReportDrawnText(HDC dc, std::wstring_view text, const RECT& room, const RECT& drawn) {
  if constexpr (kReportDrawnTexts) {
    if (Observer() && !text.empty()) Observer()(DrawnText{std::wstring(text), SelectedFont(dc), room, drawn});
  }
}

void ReportDrawnText(HDC dc, std::wstring_view text, const RECT& room, UINT alignment) {
  if constexpr (kReportDrawnTexts) {
    if (!Observer() || text.empty()) return;
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
    ReportDrawnText(dc, text, room, Place(room, extent.cx, extent.cy, alignment));
  }
}

void ReportDrawnText(Gdiplus::Graphics& graphics, std::wstring_view text, const Gdiplus::Font& font,
                     const Gdiplus::RectF& room, const Gdiplus::StringFormat& format) {
  if constexpr (kReportDrawnTexts) {
    if (!Observer() || text.empty()) return;
    Gdiplus::RectF box;  // one line, unbounded: the width the text needs
    graphics.MeasureString(text.data(), static_cast<INT>(text.size()), &font, Gdiplus::PointF(0, 0), &format, &box);
    const RECT area{static_cast<LONG>(std::floor(room.X)), static_cast<LONG>(std::floor(room.Y)),
                    static_cast<LONG>(std::ceil(room.X + room.Width)), static_cast<LONG>(std::ceil(room.Y + room.Height))};
    const UINT alignment = format.GetAlignment() == Gdiplus::StringAlignmentCenter ? DT_CENTER
                           : format.GetAlignment() == Gdiplus::StringAlignmentFar  ? DT_RIGHT
                                                                                   : DT_LEFT;
    DrawnText drawn{std::wstring(text), {}, area,
                    Place(area, static_cast<int>(std::ceil(box.Width)), static_cast<int>(std::ceil(box.Height)),
                          alignment)};
    font.GetLogFontW(&graphics, &drawn.font);
    Observer()(drawn);
  }
}

}  // namespace skin
