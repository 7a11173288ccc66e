#include "skin/TextLine.h"

#include "platform/win32/Handles.h"
#include "skin/DrawnTexts.h"

namespace skin {

void DrawTextLine(HDC dc, std::wstring_view text, const RECT& rect, const TextStyle& style) {
  if (text.empty()) return;
  win::Font font(::CreateFontW(style.height, 0, 0, 0, style.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                               style.face));
  win::SelectGuard selected(dc, font.get());
  const COLORREF colour = ::SetTextColor(dc, style.colour);
  const int mode = ::SetBkMode(dc, TRANSPARENT);
  ReportDrawnText(dc, text, rect, style.alignment);
  RECT area = rect;
  ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area,
              style.alignment | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  ::SetBkMode(dc, mode);
  ::SetTextColor(dc, colour);
}

void FillBox(HDC dc, const RECT& rect, COLORREF colour) {
  win::Brush brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &rect, brush.get());
}

}  // namespace skin
