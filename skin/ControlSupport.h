#pragma once
// What every skinned control shares: its tooltip over the whole client area, and how it reports a click.

#include <string>

#include "framework/ToolTip.h"

namespace skin {

// Creates the tooltip on first use, adds the control's one tool if it has none, sets its text and
// activates it. An empty text shows nothing.
void ShowControlTooltip(CToolTip& tooltip, HWND control, const std::wstring& text);

// Hands a control's mouse messages to its tooltip.
inline void RelayToTooltip(CToolTip& tooltip, HWND control, const MSG& msg) {
  if (msg.hwnd == control && tooltip.IsCreated()) tooltip.RelayEvent(msg);
}

// Tells the parent about a click the ordinary way: WM_COMMAND with (id, BN_CLICKED) and the control.
void SendButtonClick(HWND control);

}  // namespace skin
