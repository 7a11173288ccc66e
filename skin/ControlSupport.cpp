#include "skin/ControlSupport.h"

namespace skin {

void ControlTooltip::SetText(HWND control, const std::wstring& text) {
  m_text = text;
  if (m_window.IsCreated()) Show(control);
}

void ControlTooltip::Relay(HWND control, const MSG& msg) {
  if (msg.hwnd != control) return;
  const bool mouse = msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
  if (!m_window.IsCreated() && mouse && !m_text.empty()) Show(control);
  if (m_window.IsCreated()) m_window.RelayEvent(msg);
}

void ControlTooltip::Show(HWND control) {
  if (!control || !::IsWindow(control)) return;
  if (!m_window.IsCreated() && !m_window.Create(control)) return;
  if (!m_window.HasTool(control))
    m_window.AddTool(control, m_text);
  else
    m_window.SetToolText(control, m_text);
  m_window.Activate(true);
}

void SendButtonClick(HWND control) {
  HWND parent = ::GetParent(control);
  if (!parent) return;
  const auto id = static_cast<WORD>(::GetDlgCtrlID(control));
  ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

}  // namespace skin
