#include "skin/SkinButton.h"

#include <windowsx.h>

#include "skin/ControlSupport.h"

namespace skin {

bool CSkinButton::Create(const RECT& rect, HWND parent, UINT id) {
  return CButton::Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, parent, id);
}

void CSkinButton::SetTooltip(const std::wstring& text) {
  m_tooltip.SetText(m_hWnd, text);
}

bool CSkinButton::PreTranslateMessage(MSG& msg) {
  m_tooltip.Relay(m_hWnd, msg);
  return CButton::PreTranslateMessage(msg);
}

void CSkinButton::OnDestroy() {
  m_tooltip.Destroy();
  CButton::OnDestroy();
}

bool CSkinButton::SetHovered(bool hovered) {
  if (m_hovered == hovered) return false;
  m_hovered = hovered;
  return true;
}

void CSkinButton::EndHover() {
  if (SetHovered(false)) Invalidate(false);
}

bool CSkinButton::TrackHover(WPARAM keys, LPARAM position) {
  const bool leftHeld = (keys & MK_LBUTTON) != 0;
  if (leftHeld && !m_hovered) return false;
  if (!HasCapture()) {
    if (::GetActiveWindow() && GetParent()) {
      OnHoverStart();
      m_hovered = true;
      SetCapture();
      Invalidate(false);
    }
    return true;
  }
  POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  ::ClientToScreen(m_hWnd, &point);
  if (::WindowFromPoint(point) != m_hWnd) {
    EndHover();
    if (!leftHeld) ::ReleaseCapture();
  }
  return true;
}

LRESULT CSkinButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSELEAVE:
    case WM_KILLFOCUS:
      EndHover();
      break;
    case WM_CAPTURECHANGED:
      // The hover look stays until a move or a leave notification ends it.
      if (m_hovered) Invalidate(false);
      break;
    default:
      break;
  }
  return CButton::WindowProc(msg, wParam, lParam);
}

}  // namespace skin
