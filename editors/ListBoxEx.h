#pragma once
// The macro editor's event list: an owner-drawn, multiple-selection list box that draws its 20-pixel
// lines in its owner's colours, never reacts to the keyboard (keys typed while a macro is recorded are
// the hook library's), and can be told to keep every line unselected while a recording runs.

#include <string>
#include <vector>

#include "framework/Controls.h"
#include "platform/win32/Handles.h"

class CListBoxEx : public CListBox {
 public:
  static constexpr int kLineHeight = 20;

  // Creates the line font; the colours are the system's until the owner sets its own.
  CListBoxEx();

  // A visible child at `rect` in the parent's client coordinates.
  bool Create(const RECT& rect, HWND parent);

  // Set by the owner after creating the list.
  void SetColours(COLORREF text, COLORREF selectedText, COLORREF selection);
  // A solid background of `colour`, owned by the list.
  void SetBackground(COLORREF colour);
  // False while a recording runs: a click then leaves no line selected.
  void SetSelectionAllowed(bool allowed) { m_selectionAllowed = allowed; }
  bool SelectionAllowed() const { return m_selectionAllowed; }

  // --- The list operations the editor uses -------------------------------------------------------------
  int GetCount() const;
  int AddLine(const std::wstring& text);
  int InsertLine(int index, const std::wstring& text);
  void DeleteLine(int index);
  void ResetContent();
  // Replaces the text of the line at `index`, keeping its selection.
  void SetLineText(int index, const std::wstring& text);
  std::wstring GetLineText(int index) const;
  bool IsSelected(int index) const;
  void SetSel(int index, bool select);   // -1: every line
  std::vector<int> GetSelItems() const;  // ascending
  // Moves the caret to `index` and scrolls it into view.
  void SetCaretIndex(int index);
  int GetTopIndex() const;
  void SetTopIndex(int index);

 protected:
  void PreSubclassWindow() override;
  bool PreTranslateMessage(MSG& msg) override;
  void DrawItem(DRAWITEMSTRUCT& dis) override;
  bool MeasureItem(MEASUREITEMSTRUCT& mis) override;
  HBRUSH CtlColor(HDC dc, UINT ctlColorMessage) override;
  bool OnReflectedCommand(UINT notifyCode) override;

 private:
  win::Font m_font;
  win::Brush m_background;
  COLORREF m_text = 0;
  COLORREF m_selectedText = 0;
  COLORREF m_selection = 0;
  bool m_selectionAllowed = true;
};
