#pragma once
// A static text turned into a link: link colours, hover look with an optional underline, a hand cursor,
// a tooltip with the target, sizing to its text, and opening the target through the shell (falling back
// to the program registered for ".htm" files), with a beep and a message box when that fails.

#include <string>

#include "framework/Controls.h"
#include "framework/ToolTip.h"
#include "platform/win32/Handles.h"
#include "skin/HyperLinkLogic.h"

namespace skin {

class CHyperLink : public CStatic {
 public:
  // Set by the owner.
  LinkColours colours;
  bool autoSize = true;

  // A static child created in code; attaching a dialog's static works the same (Attach).
  bool Create(const wchar_t* text, const RECT& rect, HWND parent, UINT id = 0);

  void SetTarget(const std::wstring& target);
  const std::wstring& GetTarget() const { return m_target; }
  // Takes effect at once.
  void SetUnderline(LinkUnderline mode);
  LinkUnderline GetUnderline() const { return m_underline; }
  bool IsOver() const { return m_over; }
  bool IsVisited() const { return m_visited; }
  HFONT GetCurrentFont() const;
  const CToolTip& GetTooltip() const { return m_tooltip; }
  Colour CurrentColour() const { return LinkTextColour(colours, m_over, m_visited); }

  // Opens the target: the shell's "open", else the ".htm" handler. Returns the result, above 32 for success.
  static long long OpenTarget(const std::wstring& target);

 protected:
  void PreSubclassWindow() override;
  bool DestroyWindow() override;
  bool PreTranslateMessage(MSG& msg) override;
  HBRUSH CtlColor(HDC dc, UINT ctlColorMessage) override;
  bool OnReflectedCommand(UINT notifyCode) override;
  void OnTimer(UINT_PTR id) override;
  void OnDestroy() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  static constexpr UINT_PTR kHoverTimer = 100;
  static constexpr UINT kHoverMilliseconds = 100;

  void SizeToText();
  void SelectFont(bool underlined);
  void LoadHandCursor();
  void RepaintAround();
  void OnClicked();

  std::wstring m_target;
  LinkUnderline m_underline = LinkUnderline::Hover;
  bool m_over = false;
  bool m_visited = false;
  win::Font m_normalFont;
  win::Font m_underlinedFont;
  win::Cursor m_handCopy;         // a copy of the help viewer's hand, when it has one
  HCURSOR m_hand = nullptr;       // the cursor shown: the copy or the system's shared hand
  CToolTip m_tooltip;
};

}  // namespace skin
