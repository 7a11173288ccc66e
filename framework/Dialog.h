#pragma once
// Dialogs from resource templates, by number. A dialog is linked in DWLP_USER on WM_INITDIALOG and then
// subclassed, so it has the same hooks and default processing as any window. Modal runs use our own
// loop, so PreTranslateMessage works the same in modal and modeless dialogs.

#include "framework/Wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId) : m_templateId(templateId) {}

  // Runs the dialog modally with `owner` (default: the application's main window) disabled meanwhile.
  // Returns the EndDialog result; -1 when the dialog could not be created, was destroyed without
  // EndDialog, or the run was left for WM_QUIT (which is posted again for the loop outside).
  INT_PTR DoModal(HWND owner = nullptr);
  // Creates the dialog modeless and hidden, whatever the template says; ShowWindow shows it.
  bool Create(HWND owner = nullptr);
  // Modal: ends the run with `result` (IDOK 1, IDCANCEL 2). Modeless: hides the dialog, keeping `result`.
  void EndDialog(INT_PTR result);
  INT_PTR GetResult() const { return m_result; }
  bool IsModal() const { return m_modal; }
  UINT GetTemplateId() const { return m_templateId; }

  // --- Hooks ---------------------------------------------------------------------------------------------
  // The base exchanges the template's controls; TRUE lets the system give the focus.
  virtual BOOL OnInitDialog();
  // Attaches the template's controls to their objects (AttachDlgItem).
  virtual void DoDataExchange() {}
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  // IDOK and IDCANCEL (Enter, Esc, the close command) reach OnOK and OnCancel.
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  // Gives the dialog manager its keyboard handling (Tab, Enter, Esc) for the dialog and its controls.
  bool PreTranslateMessage(MSG& msg) override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool CreateHidden(HWND owner);

  UINT m_templateId;
  INT_PTR m_result = 0;
  bool m_modal = false;
  bool m_endModal = false;
};
