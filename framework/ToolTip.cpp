#include "framework/ToolTip.h"

#include <commctrl.h>

#include <iterator>

namespace {

// Each window has one tool, id 1, whose rectangle is in the window's client coordinates.
TTTOOLINFOW ToolInfo(HWND tool) {
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by common controls 5 and 6 alike
  info.hwnd = tool;
  info.uId = 1;
  return info;
}

}  // namespace

bool CToolTip::Create(HWND owner) {
  if (m_window) return true;
  const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};  // registers the tooltip class
  ::InitCommonControlsEx(&classes);
  m_window.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr));
  if (!m_window) return false;
  Activate(false);
  return true;
}

bool CToolTip::AddTool(HWND tool, const std::wstring& text) {
  if (!m_window || !tool) return false;
  TTTOOLINFOW info = ToolInfo(tool);
  info.uFlags = 0;
  ::GetClientRect(tool, &info.rect);
  info.hinst = nullptr;
  info.lpszText = const_cast<wchar_t*>(text.c_str());  // the tooltip keeps its own copy
  return ::SendMessageW(m_window.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

bool CToolTip::HasTool(HWND tool) const {
  if (!m_window || !tool) return false;
  TTTOOLINFOW info = ToolInfo(tool);
  return ::SendMessageW(m_window.get(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void CToolTip::SetToolText(HWND tool, const std::wstring& text) {
  if (!m_window) return;
  TTTOOLINFOW info = ToolInfo(tool);
  info.lpszText = const_cast<wchar_t*>(text.c_str());
  ::SendMessageW(m_window.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

std::wstring CToolTip::GetToolText(HWND tool) const {
  if (!m_window) return {};
  // Common controls 6 take the buffer's size in wParam.
  wchar_t buffer[1024] = {};
  TTTOOLINFOW info = ToolInfo(tool);
  info.lpszText = buffer;
  ::SendMessageW(m_window.get(), TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&info));
  return buffer;
}

void CToolTip::UpdateToolRect(HWND tool) {
  if (!m_window) return;
  TTTOOLINFOW info = ToolInfo(tool);
  ::GetClientRect(tool, &info.rect);
  ::SendMessageW(m_window.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTip::Activate(bool active) {
  if (m_window) ::SendMessageW(m_window.get(), TTM_ACTIVATE, active, 0);
}

void CToolTip::RelayEvent(const MSG& msg) {
  if (!m_window) return;
  switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: {
      MSG copy = msg;
      ::SendMessageW(m_window.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
      break;
    }
  }
}
