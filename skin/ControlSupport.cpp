#include "skin/ControlSupport.h"

namespace skin {

void ShowControlTooltip(CToolTip& tooltip, HWND control, const std::wstring& text) {
  if (!control || !::IsWindow(control)) return;
  if (!tooltip.IsCreated() && !tooltip.Create(control)) return;
  if (!tooltip.HasTool(control))
    tooltip.AddTool(control, text);
  else
    tooltip.SetToolText(control, text);
  tooltip.Activate(true);
}

void SendButtonClick(HWND control) {
  HWND parent = ::GetParent(control);
  if (!parent) return;
  const auto id = static_cast<WORD>(::GetDlgCtrlID(control));
  ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

}  // namespace skin
