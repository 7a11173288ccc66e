#pragma once
// What both skinned push buttons share: an owner-drawn child of the framework's button window with
// its own tooltip, its hover look that follows the mouse by capture, and a quick second click that counts
// as a click.

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
  // Whether the mouse is over the button, as its hover look shows it.
  bool IsHovered() const { return m_hovered; }

 protected:
  bool PreTranslateMessage(MSG& msg) override;
  void OnDestroy() override;
  // Ends the hover on a leave notification and when the focus goes, repaints when the capture goes while
  // hovered; the rest goes to the button.
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // A double click reaches the button as a second press, never as a double-click notification the
  // parent would take for one more click.
  static UINT AsSinglePress(UINT msg) { return msg == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : msg; }

  // The hover by capture, on a mouse move: the first move over the button (while a window is active and the
  // button has a parent) starts the hover and takes the capture; a later move that finds another window
  // under the cursor ends the hover and lets the capture go, unless the left button is held. False, doing
  // nothing, for a press that started elsewhere and drags over the button.
  bool TrackHover(WPARAM keys, LPARAM position);
  // The hover starts: just before the button takes the capture.
  virtual void OnHoverStart() {}
  // Sets the hover look without repainting; true when it changed.
  bool SetHovered(bool hovered);
  void EndHover();  // and repaints when it changed

 private:
  ControlTooltip m_tooltip;
  bool m_hovered = false;
};

}  // namespace skin
