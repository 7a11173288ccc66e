#include "skin/SkinButton.h"

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

}  // namespace skin
