#pragma once
// The dialog that gives a key a mouse function: a picture of a mouse whose left, right and middle buttons
// and two wheel directions are clickable shapes. The user picks one and confirms; the main window then
// stores the matching function kind for the key being edited and saves.

#include <array>
#include <cstdint>

#include "skin/RgnButton.h"
#include "skin/SkinnedDialog.h"

class CMouseDlg : public skin::CSkinnedDialog {
 public:
  enum Button { kOk, kCancel };
  // The five choices, in the order their shapes are created.
  enum Choice { kLeft, kRight, kMiddle, kWheelUp, kWheelDown, kChoiceCount };

  CMouseDlg();

  // The function kind OK stores, one of the mouse kinds (store::kind::kMouseLeft ...).
  std::int32_t SelectedKind() const { return m_selectedKind; }
  // Before each showing for a key: the left button chosen, no shape drawn selected.
  void ClearChoice();
  const skin::CRgnButton& ChoiceButton(Choice choice) const { return m_choices[choice]; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnButton(std::size_t index) override;
  void OnCancel() override { OnButton(kCancel); }

 private:
  void Select(int choice);

  std::array<skin::CRgnButton, kChoiceCount> m_choices;
  std::int32_t m_selectedKind = 0;
};
