#pragma once
// What both skinned push buttons share: an owner-drawn child of the framework's button window with
// its own tooltip, and a quick second click that counts as a click.

#include <string>

#include "framework/Controls.h"
#include "skin/ControlSupport.h"

namespace skin {

class CSkinButton : public CButton {
 public:
  // An owner-drawn child at `rect` (parent's client coordinates) with an empty caption.
  bool Create(const RECT& rect, HWND parent, UINT id = 0);
  // Shows `text` over the whole button; the tooltip window is made when the mouse first comes over it.
  void SetTooltip(const std::wstring& text);
  const CToolTip& GetTooltip() const { return m_tooltip.Window(); }
  const std::wstring& TooltipText() const { return m_tooltip.Text(); }

 protected:
  bool PreTranslateMessage(MSG& msg) override;
  void OnDestroy() override;
  // A double click reaches the button as a second press, never as a double-click notification the
  // parent would take for one more click.
  static UINT AsSinglePress(UINT msg) { return msg == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : msg; }

 private:
  ControlTooltip m_tooltip;
};

}  // namespace skin
