#pragma once
// The main window's five child windows (the three editors, the profile dialog and the advanced settings
// panel) and how they live beside it: each is created hidden when first wanted, the editors and the profile
// dialog open attached below the keyboard, the panel slides out above it, a question asked for a child runs
// while the child waits, and the children's private messages are answered here. The main window owns this
// and is reached back only through ChildWindows::Host.

#include "dialogs/RefrenceDlg.h"
#include "dialogs/WarningModes.h"
#include "editors/MacroSetDlg.h"
#include "editors/MouseDlg.h"
#include "editors/SinglekeyDlg.h"
#include "framework/Dialog.h"
#include "platform/Registry.h"
#include "profiles/ProfileSetDlg.h"
#include "store/SettingsStore.h"

namespace app {

enum class Editor { kNone, kSingleKey, kMouse, kMacro };

class ChildWindows {
 public:
  // What the children need of the main window.
  class Host {
   public:
    // The record of the key being edited, in the profile and layer it was chosen in; null without one.
    virtual store::KeyRecord* EditedRecord() = 0;
    // An editor wrote the key's record: the key shows its new look and the settings are saved.
    virtual void KeyWritten() = 0;
    // The key being edited takes its ordinary look and is no longer being edited.
    virtual void ReleaseKey() = 0;
    // Another profile may be current: its label and its layer are shown.
    virtual void ShowCurrentProfile() = 0;
    // The main window's outline: with room for the panel above the keyboard, or without.
    virtual void ShapeForPanel(bool panelOut) = 0;

   protected:
    ~Host() = default;
  };

  // `main` is the main window, which owns the children; all four references outlive this.
  ChildWindows(CDialog& main, Host& host, store::SettingsStore& store, platform::Registry& registry);

  // Each child is created, owned by the main window and hidden, when it is first wanted: creating all five at
  // start-up took a third of the time to the first paint.
  CSinglekeyDlg& SingleKeyDialog() { return Created(m_singleKey); }
  CMouseDlg& MouseDialog() { return Created(m_mouse); }
  CMacroSetDlg& MacroEditor() { return Created(m_macro); }
  CProfileSetDlg& ProfileDialog() { return Created(m_profileDialog); }
  CRefrenceDlg& Panel() { return Created(m_panel); }

  bool IsPanelOut() const { return m_panelOut; }
  bool IsProfileDialogOpen() const { return m_profileDialogOpen; }

  // Shows the prepared `editor` below the keyboard and disables the main window until it closes; an editor
  // that could not be created lets go of the key.
  void OpenEditor(Editor editor);
  void ShowProfileDialog();
  void SlidePanelOut();
  void SlidePanelIn();
  // After every move of the main window: the profile dialog and the panel follow it, and stay above it.
  void PlaceAttachedWindows();
  // The main window was activated (after a question or a dialog ran over it): the attached windows stay
  // above it.
  void OnMainActivated() {
    if (!m_placing) KeepAttachedOnTop();
  }
  // The user pressed elsewhere: a panel that is out closes its menu.
  void ClosePanelMenu() const;
  // A companion's notification changed the current profile: an open profile dialog shows it.
  void RefreshProfileRows();

  // 1541, 1543, 1544, 1545 and 1552: the children's private messages, handled by OnChildMessage.
  static bool IsChildMessage(UINT msg);
  void OnChildMessage(UINT msg, WPARAM code, LPARAM lParam);

 private:
  template <typename D>
  D& Created(D& child) {
    if (!child.GetHwnd()) child.Create(m_main.GetHwnd());
    return child;
  }
  CDialog* EditorWindow(Editor editor);
  void OnEditorApplied(Editor editor);
  void OnEditorClosed();
  void OnProfileDialogClosed();
  void RunQuickSwitch();
  void OnQuickSwitchClosed();
  // Runs the question `mode` over `child`, which waits disabled meanwhile, hands the answer (OK or not) to
  // `answer`, then gives the child the activation back; the main window stays disabled while the child is open.
  template <typename Answer>
  void AskFor(CDialog& child, dialogs::WarningMode mode, Answer answer);
  void KeepAttachedOnTop();
  // Moves the main window up so a child `height` high, attached below it, stays above the screen's bottom.
  void LiftFor(int height);

  CDialog& m_main;
  Host& m_host;
  store::SettingsStore& m_store;

  CProfileSetDlg m_profileDialog;
  CRefrenceDlg m_panel;
  CSinglekeyDlg m_singleKey;
  CMacroSetDlg m_macro;
  CMouseDlg m_mouse;

  Editor m_openEditor = Editor::kNone;
  bool m_panelOut = false;
  bool m_profileDialogOpen = false;
  bool m_placing = false;  // placing the attached windows moves the main window itself
};

}  // namespace app
