#include "skin/BitmapBtn2.h"

#include <windowsx.h>

#include "framework/DeviceContext.h"
#include "skin/ControlSupport.h"
#include "skin/DrawnTexts.h"
#include "skin/SkinImage.h"

namespace skin {
namespace {

UINT AlignmentFlag(CaptionAlign alignment) {
  switch (alignment) {
    case CaptionAlign::Left: return DT_LEFT;
    case CaptionAlign::Right: return DT_RIGHT;
    case CaptionAlign::Centre: break;
  }
  return DT_CENTER;
}

}  // namespace

void CBitmapBtn2::PreSubclassWindow() {
  ModifyStyle(BS_TYPEMASK | WS_TABSTOP, BS_OWNERDRAW);
}

void CBitmapBtn2::SetFaces(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled, int left, int top,
                           int right, int bottom) {
  if (m_hWnd) SetFaces(FaceCutter(), normal, over, down, disabled, left, top, right, bottom);
}

void CBitmapBtn2::SetFaces(const FaceCutter& cutter, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled,
                           int left, int top, int right, int bottom) {
  if (!m_hWnd) return;
  const RECT rect{left, top, right, bottom};
  const HBITMAP sources[] = {normal, over, down, disabled};
  for (int i = 0; i < 4; ++i) cutter.Cut(m_faces[static_cast<std::size_t>(i)], sources[i], rect);
  m_sources = {};
  ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
  SetHovered(false);
}

bool CBitmapBtn2::SetFaceSources(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled, const RECT& piece) {
  if (!m_hWnd) return false;
  const std::array<HBITMAP, 4> sources{normal, over, down, disabled};
  if (sources == m_sources && ::EqualRect(&piece, &m_piece)) return false;
  m_sources = sources;
  m_piece = piece;
  for (auto& face : m_faces) face.reset();
  ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
  SetHovered(false);
  return true;
}

void CBitmapBtn2::DrawFace(HDC dc, Face face) const {
  const auto index = static_cast<std::size_t>(face);
  if (m_sources[index])
    DrawBitmapPart(dc, m_sources[index], m_piece, 0, 0);
  else
    DrawBitmap(dc, m_faces[index].get(), 0, 0);
}

void CBitmapBtn2::SetCaption(const std::wstring& text) {
  m_caption = text;
  if (m_hWnd) Invalidate(false);
}

void CBitmapBtn2::SetChecked(bool checked) {
  if (checked == m_checked) return;
  m_checked = checked;
  if (m_hWnd) Invalidate(false);
}

ButtonLook CBitmapBtn2::CurrentLook(bool pressed) const {
  BitmapBtn2State state;
  state.toggle = toggleMode;
  state.checked = m_checked;
  state.highlighted = IsHovered();
  state.pressed = pressed;
  state.disabled = m_hWnd && !IsWindowEnabled();
  state.parentActive = m_hWnd && ::GetActiveWindow() == GetParent();
  return BitmapBtn2Look(state, {textColour, hoverColour, pressedColour});
}

void CBitmapBtn2::DrawItem(DRAWITEMSTRUCT& dis) {
  const ButtonLook look = CurrentLook((dis.itemState & ODS_SELECTED) != 0);
  if (m_caption.empty()) {
    DrawFace(dis.hDC, look.face);
    return;
  }
  const RECT client = GetClientRect();
  win::OffscreenBuffer buffer(dis.hDC, client.right, client.bottom);
  if (!buffer) return;
  // Start from what is on screen, so a missing face still shows its caption over the background.
  ::BitBlt(buffer.get(), 0, 0, client.right, client.bottom, dis.hDC, 0, 0, SRCCOPY);
  DrawFace(buffer.get(), look.face);

  win::Font font(::CreateFontW(fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               L"Arial"));
  {
    win::SelectGuard selected(buffer.get(), font.get());
    ::SetBkMode(buffer.get(), TRANSPARENT);
    ::SetTextColor(buffer.get(), look.text);
    const Rect box = CaptionBox(alignment, {0, 0, client.right, client.bottom});
    RECT textRect{box.left, box.top, box.right, box.bottom};
    ReportDrawnText(buffer.get(), m_caption, textRect, AlignmentFlag(alignment));
    ::DrawTextW(buffer.get(), m_caption.c_str(), static_cast<int>(m_caption.size()), &textRect,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | AlignmentFlag(alignment));
  }
  buffer.CopyTo(dis.hDC);
}

LRESULT CBitmapBtn2::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  msg = AsSinglePress(msg);
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!TrackHover(wParam, lParam)) return 0;
      break;
    case WM_LBUTTONDOWN:
      if (HWND owner = GetParent(); owner && ::GetActiveWindow() != owner) ::SetActiveWindow(owner);
      break;
    case WM_LBUTTONUP:
      if (toggleMode) {
        m_checked = !m_checked;
        SendMessage(BM_SETSTATE, FALSE);
        Invalidate(false);
        SendButtonClick(m_hWnd);  // the parent may destroy this button: nothing may follow
        return 0;
      }
      break;
  }
  return CSkinButton::WindowProc(msg, wParam, lParam);
}

}  // namespace skin
