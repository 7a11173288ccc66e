#pragma once
// The profile management dialog: ten rows, one per profile, to choose the current profile, tie a program
// to a profile, switch its automatic switching, reset it, and export it to a profile file or import one.
// It works on a working copy of the whole settings store, which OK commits whole and Cancel drops.
// The main window creates it once, hidden, and shows it attached below the keyboard.

#include <memory>
#include <string>

#include "profiles/ProfileSetRows.h"
#include "skin/SkinnedDialog.h"
#include "store/SettingsStore.h"

class CProfileSetDlg : public skin::CSkinnedDialog {
 public:
  // Button indices: OK, Cancel, Export, Import, then the ten auto switch and the ten Reset buttons.
  enum Button {
    kOk, kCancel, kExport, kImport, kFirstAutoSwitch, kFirstReset = kFirstAutoSwitch + profiles::kRowCount
  };

  // `store` is the one the dialog copies and, on OK, commits to.
  explicit CProfileSetDlg(store::SettingsStore& store);

  // Before each showing: a fresh working copy, rows repainted.
  void LoadFromStore();
  // A companion notification arrived while shown; also forgets a pending reset.
  void RefreshRows();
  // The answer to the reset question the dialog asked for.
  void ResetDecision(bool confirmed);

  // What the rows show and what the dialog holds, for tests.
  const store::SettingsStore& WorkingCopy() const { return *m_copy; }
  int SelectedRow() const;
  int PendingReset() const { return m_pendingReset; }
  std::wstring RowNameText(int row) const;
  std::wstring RowProgramText(int row) const;

 protected:
  BOOL OnInitDialog() override;
  void OnButton(std::size_t index) override;
  void OnCancel() override;
  void OnTimer(UINT_PTR id) override;
  void DrawContent(HDC dc) const override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  store::ProfileRecord& Row(int row) { return m_copy->profiles[row]; }
  // Created, with every button of the table.
  bool Built() const;
  void SelectRow(int row);
  void ChooseProgram(int row);
  void StartReset(int row);
  void StopPendingReset();
  void Close(bool commit);
  void Export();
  void Import();
  void TellFileFailed(const std::wstring& path, const std::wstring& reason);
  void ShowRowButtons();
  void InvalidateRow(int row);

  store::SettingsStore& m_store;
  std::unique_ptr<store::SettingsStore> m_copy;  // 5 MB: on the heap
  int m_pendingReset = -1;
  std::u16string m_defaultName;  // (PROFILESET, PROFILE): the name of a profile without one
};
