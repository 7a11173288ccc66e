#pragma once
// A small tooltip: one tool per window, covering its client area. The window relays its mouse messages
// from PreTranslateMessage, so no subclassing is involved.

#include <windows.h>

#include <string>

#include "platform/win32/Handles.h"

class CToolTip {
 public:
  // Creates the tooltip window, owned by `owner`, inactive until Activate.
  bool Create(HWND owner);
  bool IsCreated() const { return static_cast<bool>(m_window); }
  void Destroy() { m_window.reset(); }
  HWND GetHwnd() const { return m_window.get(); }

  // Adds the tool of `tool` covering its current client area.
  bool AddTool(HWND tool, const std::wstring& text);
  bool HasTool(HWND tool) const;
  void SetToolText(HWND tool, const std::wstring& text);
  std::wstring GetToolText(HWND tool) const;
  // Sets the tool's rectangle to the window's current client area (after the window was resized).
  void UpdateToolRect(HWND tool);
  void Activate(bool active);
  // Hands mouse messages to the tooltip so it can tell when to show; other messages are ignored.
  void RelayEvent(const MSG& msg);

 private:
  win::Window m_window;
};
