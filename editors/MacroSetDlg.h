#pragma once
// The macro editor: records the keys the hook library reports and clicks on its three mouse-button
// pictures into a key's macro, lets the user edit the event list and the repeat settings, and on OK
// hands the edited record back to the main window, which stores it as the key's macro and saves.
// Created once, hidden, by the main window and reused for every macro edit.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "editors/HookLibrary.h"
#include "editors/ListBoxEx.h"
#include "editors/MacroModel.h"
#include "skin/BmpMenu.h"
#include "skin/RgnButton.h"
#include "skin/SkinnedDialog.h"

class CMacroSetDlg : public skin::CSkinnedDialog {
 public:
  // The buttons of the table, by index.
  enum Button {
    kOk, kCancel,
    kRecord, kStop, kUp, kDown, kCopy, kAddPause, kSelectAll, kSelectPauses, kDelete,
    kPauseAmount, kDelayMode, kRepeatCount, kInterval,
    kRepeatOption1, kRepeatOption2, kRepeatOption3, kIntervalSwitch,
    kButtonCount
  };
  enum MouseButton { kLeftButton, kRightButton, kMiddleButton, kMouseButtonCount };
  // The choice menus: none open, or the one of the pause amount, repeat count, delay mode, interval.
  enum Menu { kNoMenu, kPauseMenu, kCountMenu, kDelayMenu, kIntervalMenu };

  CMacroSetDlg();

  // Before each showing: the key's whole record by value, whatever its kind, and the store's Language
  // (1 makes the captions smaller).
  void Open(const store::KeyRecord& record, std::uint32_t language);
  // The record as edited; the main window copies it on apply.
  const store::KeyRecord& EditedRecord() const { return m_model.Record(); }

  // --- What tests look at --------------------------------------------------------------------------------
  const editors::MacroModel& Model() const { return m_model; }
  CListBoxEx& List() { return m_list; }
  const skin::CRgnButton& GetMouseButton(MouseButton button) const { return m_mouse[button]; }
  bool IsRecording() const { return m_recording; }
  Menu OpenMenu() const { return m_openMenu; }
  skin::CBmpMenu* MenuWindow() const { return m_menu.get(); }
  int PauseAmount() const { return m_pauseUnits; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnButton(std::size_t index) override;
  void OnCancel() override;
  void OnDestroy() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnShown(bool shown);
  void SetRecording(bool recording);
  LRESULT OnKeyEvent(std::uint32_t code, std::uint32_t flags);
  void OnMouseButton(MouseButton button);
  void RequestFullWarning();

  // The selected lines that stand for events, ascending.
  editors::MacroSelection Selection() const;
  void MoveSelection(bool up);
  void CopySelection();
  void AddPause();
  void SelectAll();
  void SelectPauses();
  void DeleteSelection();
  // Fills the list with one line per event, selecting `selection`, and keeps the scroll position.
  void RefreshList(const editors::MacroSelection& selection);
  std::wstring LineText(int index) const;

  void ChooseRepeat(std::int32_t mode);
  void ShowCaptions();
  void ShowIntervalSwitch();
  void OpenChoiceMenu(Menu menu);
  void CloseMenu();
  void OnMenuChoice(int position);

  editors::MacroModel m_model;
  std::uint32_t m_language = 0;
  bool m_recording = false;
  int m_pauseUnits = 1;          // the pause Add pause adds, in 50 ms units
  bool m_selectAll = false;      // what the next Select all / Select pauses does: select or deselect
  bool m_selectPauses = false;
  std::array<bool, kMouseButtonCount> m_mousePressed{};
  Menu m_openMenu = kNoMenu;
  std::unique_ptr<skin::CBmpMenu> m_menu;

  CListBoxEx m_list;
  std::array<skin::CRgnButton, kMouseButtonCount> m_mouse;
  std::optional<editors::KeyCapture> m_keys;  // while the window exists
};
