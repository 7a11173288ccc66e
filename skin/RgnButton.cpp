#include "skin/RgnButton.h"

#include <windowsx.h>

#include "framework/DeviceContext.h"
#include "platform/ProgramFolders.h"
#include "platform/win32/Text.h"
#include "skin/ControlSupport.h"
#include "skin/SkinPaths.h"

namespace skin {

bool CRgnButton::SetFiles(const std::wstring& first, const std::wstring& second, const std::wstring& third,
                          const std::wstring& fourth) {
  const std::array<std::wstring, 4> files{first, second, third, fourth};
  if (files == m_files) return false;
  m_files = files;
  for (std::size_t i = 0; i < m_pictures.size(); ++i) LoadSkinBitmap(m_files[i].c_str(), m_pictures[i]);
  if (m_hWnd) Invalidate(false);
  return true;
}

void CRgnButton::SetTooltip(const std::wstring& text) {
  m_tooltip.SetText(m_hWnd, text);
}

void CRgnButton::SetChecked(bool checked) {
  if (m_model.checked == checked) return;
  m_model.checked = checked;
  if (m_hWnd) Invalidate(false);
}

bool CRgnButton::PreTranslateMessage(MSG& msg) {
  m_tooltip.Relay(m_hWnd, msg);
  return CRgnWnd::PreTranslateMessage(msg);
}

void CRgnButton::OnPaint() {
  win::PaintDC dc(m_hWnd);
  m_model.SyncEnabled(IsWindowEnabled());
  DrawBitmap(dc.get(), m_pictures[static_cast<std::size_t>(m_model.Picture())].get(), 0, 0);
}

void CRgnButton::OnTimer(UINT_PTR id) {
  if (id != kHoverTimer) return CRgnWnd::OnTimer(id);
  KillTimer(kHoverTimer);
  POINT cursor{};
  ::GetCursorPos(&cursor);
  ::ScreenToClient(m_hWnd, &cursor);
  if (m_model.HoverTimer(Inside(cursor.x, cursor.y), HasCapture()).repaint) Invalidate(false);
}

void CRgnButton::OnDestroy() {
  KillTimer(kHoverTimer);
  m_tooltip.Destroy();
  for (auto& picture : m_pictures) picture.reset();
  CRgnWnd::OnDestroy();
}

LRESULT CRgnButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  switch (msg) {
    case WM_ENABLE:
      Invalidate(false);  // the look follows the enabled state at once
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      m_model.ButtonDown(Inside(x, y));
      m_captured = m_model.captured();
      SetCapture();
      Invalidate(false);
      return 0;
    case WM_MOUSEMOVE: {
      const auto reply = m_model.Move(Inside(x, y));
      if (reply.restartHoverTimer) {
        KillTimer(kHoverTimer);
        SetTimer(kHoverTimer, kHoverMilliseconds);
      }
      m_pressedInside = m_model.pressedInside();
      if (reply.repaint) Invalidate(false);
      return 0;
    }
    case WM_LBUTTONUP: {
      const auto reply = m_model.ButtonUp(Inside(x, y));
      m_captured = false;
      m_pressedInside = false;
      if (HasCapture()) ::ReleaseCapture();
      Invalidate(false);
      if (reply.command) SendButtonClick(m_hWnd);  // the parent may destroy this button: nothing may follow
      return 0;
    }
  }
  return CRgnWnd::WindowProc(msg, wParam, lParam);
}

bool CreateSkinRegionButton(CRgnButton& button, HWND parent, std::u16string_view set, POINT corner) {
  const auto files = RegionButtonSet(platform::Folders().exe, set);
  button.SetFiles(win::Wide(files.first), win::Wide(files.second), win::Wide(files.third), win::Wide(files.fourth));
  if (!button.Create(parent)) return false;
  button.SetWindowPos(nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  return true;
}

}  // namespace skin
