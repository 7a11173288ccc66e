#pragma once
// The dialog that gives a key the function of another single key: the user presses the wanted key,
// sees its name and confirms. The hook library reports the keys; on OK the main window writes the
// record of the key being edited and saves.

#include <cstdint>
#include <optional>

#include "editors/HookLibrary.h"
#include "editors/SingleKeyCapture.h"
#include "skin/SkinnedDialog.h"

class CSinglekeyDlg : public skin::CSkinnedDialog {
 public:
  enum Button { kOk, kCancel, kKeyDisplay };

  CSinglekeyDlg();

  // Before each showing for a key: nothing captured, the question armed again, an empty key display.
  void ClearKey();
  // The captured virtual-key code; 0 while nothing was captured.
  std::uint8_t CapturedKey() const { return m_capture.Captured(); }
  // Captures `keyCode` (its low byte) and shows its name.
  void SetKey(unsigned keyCode);
  // The user's answer to the replace question about `keyCode`.
  void AnswerReplace(bool replace, unsigned keyCode);
  const std::wstring& KeyText() const { return GetButton(kKeyDisplay).GetCaption(); }

 protected:
  BOOL OnInitDialog() override;
  void OnButton(std::size_t index) override;
  void OnCancel() override { OnButton(kCancel); }
  void OnDestroy() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnShown(bool shown);
  LRESULT OnKeyEvent(WPARAM keyCode);
  void ShowKeyName();

  editors::SingleKeyCapture m_capture;
  std::optional<editors::KeyCapture> m_keys;  // while the window exists
};
