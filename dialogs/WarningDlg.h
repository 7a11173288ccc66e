#pragma once
// The small modal window that asks the user to confirm a destructive command, or tells why something was
// refused. The caller sets the mode, runs it, and gets 1 for OK or 2 for Cancel.

#include <string>

#include "framework/Dialog.h"
#include "skin/BitmapBtn2.h"
#include "skin/ShapedWindow.h"

class CWarningDlg : public CDialog {
 public:
  CWarningDlg();

  int mode = -1;  // see dialogs::warning_mode; set before the run

  const std::wstring& GetTitleText() const { return m_title; }
  const std::wstring& GetFirstLine() const { return m_firstLine; }
  const std::wstring& GetSecondLine() const { return m_secondLine; }
  HWND GetOkButton() const { return m_ok.GetHwnd(); }
  HWND GetCancelButton() const { return m_cancel.GetHwnd(); }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool PreTranslateMessage(MSG& msg) override;
  void OnPaint() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void DrawTexts(HDC dc) const;

  std::wstring m_title, m_firstLine, m_secondLine;
  skin::DialogSkin m_skin;
  skin::CBitmapBtn2 m_ok, m_cancel;
};

// Runs the dialog in `mode` over `owner`; 1 for OK, 2 for Cancel (also when it could not be shown).
int RunWarning(int mode, HWND owner);
