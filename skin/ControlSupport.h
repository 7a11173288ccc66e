#pragma once
// What every skinned control shares: its tooltip over the whole client area, and how it reports a click.

#include <string>

#include "framework/ToolTip.h"

namespace skin {

// Hands a control's mouse messages to its tooltip.
inline void RelayToTooltip(CToolTip& tooltip, HWND control, const MSG& msg) {
  if (msg.hwnd == control && tooltip.IsCreated()) tooltip.RelayEvent(msg);
}

// A control's tooltip over its whole client area. The tooltip window is made when the mouse first comes
// over the control with a text to show, not when the text is set: the keyboard picture sets the texts of a
// hundred keys whenever a layer is shown, and a window each would cost more than the rest of start-up's
// drawing. An empty text shows nothing.
class ControlTooltip {
 public:
  // Keeps `text`; a tooltip already made shows it at once.
  void SetText(HWND control, const std::wstring& text);
  const std::wstring& Text() const { return m_text; }
  // Makes the tooltip at the control's first mouse message with a text to show, then relays to it.
  void Relay(HWND control, const MSG& msg);
  const CToolTip& Window() const { return m_window; }
  void Destroy() { m_window.Destroy(); }

 private:
  void Show(HWND control);

  CToolTip m_window;
  std::wstring m_text;
};

// Tells the parent about a click the ordinary way: WM_COMMAND with (id, BN_CLICKED) and the control.
void SendButtonClick(HWND control);

}  // namespace skin
