#pragma once
// The small modal window that asks the user to confirm a destructive command, or tells why something was
// refused. The caller sets the mode, runs it, and gets 1 for OK or 2 for Cancel.

#include <string>

#include "dialogs/WarningModes.h"
#include "skin/SkinnedDialog.h"

class CWarningDlg : public skin::CSkinnedDialog {
 public:
  enum Button { kOk, kCancel };

  CWarningDlg();

  dialogs::WarningMode mode = dialogs::WarningMode::kNone;  // set before the run
  // Set before the run by a notice that names something: `detail` follows the first line's text after a
  // space, and `reason`, when given, is the second line.
  std::wstring detail, reason;

  const std::wstring& GetTitleText() const { return m_title; }
  const std::wstring& GetFirstLine() const { return m_firstLine; }
  const std::wstring& GetSecondLine() const { return m_secondLine; }
  HWND GetOkButton() const { return GetButton(kOk).GetHwnd(); }
  HWND GetCancelButton() const { return GetButton(kCancel).GetHwnd(); }

 protected:
  BOOL OnInitDialog() override;
  void OnButton(std::size_t index) override { EndDialog(index == kOk ? IDOK : IDCANCEL); }
  void DrawContent(HDC dc) const override;

 private:
  std::wstring m_title, m_firstLine, m_secondLine;
};

// Runs the dialog in `mode` over `owner`; 1 for OK, 2 for Cancel (also when it could not be shown).
int RunWarning(dialogs::WarningMode mode, HWND owner, std::wstring detail = {}, std::wstring reason = {});
