// The main window's child windows: creating them, opening the editors and the profile dialog below the
// keyboard, sliding the advanced settings panel out and in, running the quick-switch dialog, keeping the
// attached windows in place, and the private messages the children send back.
#include "app/ChildPlacement.h"
#include "app/OsselSettingDlg.h"
#include "dialogs/WarningDlg.h"
#include "platform/WindowMessages.h"
#include "profiles/SwitchDlg.h"
#include "skin/ShapedWindow.h"

namespace {

int FullScreenHeight() { return ::GetSystemMetrics(SM_CYFULLSCREEN); }
int Height(const RECT& r) { return r.bottom - r.top; }

constexpr UINT kMoveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

}  // namespace

CDialog* COsselSettingDlg::EditorWindow(Editor editor) {
  switch (editor) {
    case Editor::kSingleKey: return &Created(m_singleKey);
    case Editor::kMouse: return &Created(m_mouse);
    case Editor::kMacro: return &Created(m_macro);
    case Editor::kNone: break;
  }
  return nullptr;
}

bool COsselSettingDlg::OnChildMessage(UINT msg, WPARAM code, LPARAM lParam) {
  switch (msg) {
    case wm::kFromPanel:
    case wm::kFromProfileDialog:
    case wm::kFromSingleKey:
    case wm::kFromMouse:
    case wm::kFromMacro:
      break;
    default:
      return false;
  }
  // An open key menu closes first, but an editor may be holding the key: the key stays.
  if (m_menu) {
    m_menu->DestroyWindow();
    m_menu.reset();
    MarkKey(m_keyBeingEdited, false);
  }
  switch (msg) {
    case wm::kFromSingleKey:
      if (code == wm::kApply) OnEditorApplied(Editor::kSingleKey);
      if (code == wm::kConfirm) OnReplaceKeyQuestion(lParam);
      if (code == wm::kClosed) OnEditorClosed();
      break;
    case wm::kFromMouse:
      if (code == wm::kApply) OnEditorApplied(Editor::kMouse);
      if (code == wm::kClosed) OnEditorClosed();
      break;
    case wm::kFromMacro:
      if (code == wm::kApply) OnEditorApplied(Editor::kMacro);
      if (code == wm::kNoticeSelectOneLine) OnMacroNotice(dialogs::WarningMode::kSelectOneLine);
      if (code == wm::kNoticeMacroFull) OnMacroNotice(dialogs::WarningMode::kMacroFull);
      if (code == wm::kClosed) OnEditorClosed();
      break;
    case wm::kFromProfileDialog:
      if (code == wm::kConfirm) OnProfileResetQuestion();
      if (code == wm::kClosed) OnProfileDialogClosed();
      break;
    case wm::kFromPanel:
      if (code == wm::kClosed && m_panelOut) SlidePanelIn();
      if (code == wm::kQuickSwitch) {
        if (static_cast<WPARAM>(lParam) == wm::kClosed)
          OnQuickSwitchClosed();
        else
          RunQuickSwitch();
      }
      break;
    default:
      break;
  }
  return true;
}

void COsselSettingDlg::OpenEditor(Editor editor) {
  CDialog* window = EditorWindow(editor);
  if (!window || !window->IsWindow()) {  // it could not be created: nothing holds the key
    MarkKey(m_keyBeingEdited, false);
    m_keyBeingEdited = -1;
    return;
  }
  EnableWindow(false);
  LiftFor(Height(window->GetWindowRect()));
  const RECT main = GetWindowRect();
  window->SetWindowPos(nullptr, main.left + app::kAttachedOffset.x, main.top + app::kAttachedOffset.y, 0, 0,
                       kMoveOnly);
  m_openEditor = editor;
  window->ShowWindow(SW_SHOW);
  ::SetActiveWindow(window->GetHwnd());
}

void COsselSettingDlg::OnEditorApplied(Editor editor) {
  // Only the editor that is open may write, and only into the key it was opened for.
  if (editor != m_openEditor) return;
  store::KeyRecord* record = EditedRecord();
  if (!record) return;
  switch (editor) {
    case Editor::kSingleKey:
      store::WriteSingleKey(*record, m_singleKey.CapturedKey());
      break;
    case Editor::kMouse:
      store::WriteSimpleKind(*record, static_cast<std::uint8_t>(m_mouse.SelectedKind() & 0xFF));
      break;
    case Editor::kMacro:
      store::WriteMacro(*record, m_macro.EditedRecord());
      break;
    case Editor::kNone:
      return;
  }
  MarkKey(m_keyBeingEdited, false);
  Save();
}

void COsselSettingDlg::OnEditorClosed() {
  m_openEditor = Editor::kNone;
  EnableWindow(true);
  if (m_panelOut) m_panel.EnableWindow(true);
  PlaceAttachedWindows();
  MarkKey(m_keyBeingEdited, false);
  m_keyBeingEdited = -1;
  ::SetActiveWindow(m_hWnd);
}

void COsselSettingDlg::OnReplaceKeyQuestion(LPARAM keyCode) {
  if (m_openEditor != Editor::kSingleKey) return;
  ::SetActiveWindow(m_hWnd);
  // The dialog waits for the answer: no click on it may overtake the question.
  m_singleKey.EnableWindow(false);
  const bool replace = RunWarning(dialogs::WarningMode::kReplaceKey, m_hWnd) == IDOK;
  m_singleKey.AnswerReplace(replace, static_cast<unsigned>(keyCode));
  EnableWindow(false);
  m_singleKey.EnableWindow(true);
  ::SetActiveWindow(m_singleKey.GetHwnd());  // it captures again, and only the active dialog keeps the keys
}

void COsselSettingDlg::OnMacroNotice(dialogs::WarningMode mode) {
  if (m_openEditor != Editor::kMacro) return;
  ::SetActiveWindow(m_hWnd);
  m_macro.EnableWindow(false);
  RunWarning(mode, m_hWnd);
  EnableWindow(false);
  m_macro.EnableWindow(true);
  ::SetActiveWindow(m_macro.GetHwnd());
}

void COsselSettingDlg::ShowProfileDialog() {
  if (!Created(m_profileDialog).IsWindow() || m_profileDialogOpen) return;
  if (m_panelOut) SlidePanelIn();
  m_profileDialog.LoadFromStore();
  m_profileDialogOpen = true;
  PlaceAttachedWindows();
  m_profileDialog.ShowWindow(SW_SHOW);
  EnableWindow(false);
}

void COsselSettingDlg::OnProfileDialogClosed() {
  if (!m_profileDialogOpen) return;
  m_profileDialog.ShowWindow(SW_HIDE);
  m_profileDialogOpen = false;
  PlaceAttachedWindows();
  // OK may have made another profile current: its layer and its label are shown.
  RebuildProfileLabel();
  ShowLayer(static_cast<int>(store::CurrentProfile(m_store).Keymap));
  EnableWindow(true);
  if (m_panelOut) m_panel.EnableWindow(true);
  ::SetActiveWindow(m_hWnd);
}

void COsselSettingDlg::OnProfileResetQuestion() {
  if (!m_profileDialogOpen) return;
  m_profileDialog.EnableWindow(false);
  ::SetActiveWindow(m_hWnd);
  const bool confirmed = RunWarning(dialogs::WarningMode::kResetProfile, m_hWnd) == IDOK;
  m_profileDialog.ResetDecision(confirmed);
  EnableWindow(false);
  if (m_panelOut) m_panel.EnableWindow(false);
  m_profileDialog.EnableWindow(true);
  ::SetActiveWindow(m_profileDialog.GetHwnd());
}

void COsselSettingDlg::RunQuickSwitch() {
  m_panel.EnableWindow(false);
  if (m_profileDialogOpen) m_profileDialog.EnableWindow(false);
  ::SetActiveWindow(m_hWnd);
  CSwitchDlg dialog(m_store.header);
  dialog.DoModal(m_hWnd);
  KeepAttachedOnTop();
}

void COsselSettingDlg::OnQuickSwitchClosed() {
  m_panel.Refresh();
  m_panel.EnableWindow(true);
  if (m_profileDialogOpen) m_profileDialog.EnableWindow(true);
}

void COsselSettingDlg::LiftFor(int height) {
  const RECT main = GetWindowRect();
  if (const int lift = app::LiftNeeded(main.top, height, FullScreenHeight()); lift > 0)
    SetWindowPos(nullptr, main.left, main.top - lift, 0, 0, kMoveOnly);
}

void COsselSettingDlg::PlaceAttachedWindows() {
  if (m_placing) return;  // lifting the main window below moves it, which places again
  m_placing = true;
  if (m_profileDialogOpen) {
    LiftFor(Height(m_profileDialog.GetWindowRect()));
    const RECT main = GetWindowRect();
    m_profileDialog.SetWindowPos(nullptr, main.left + app::kAttachedOffset.x, main.top + app::kAttachedOffset.y, 0, 0,
                                 kMoveOnly);
  }
  const RECT main = GetWindowRect();
  if (m_panelOut)
    m_panel.SetWindowPos(nullptr, main.left + app::kPanelOffset.x, main.top + app::kPanelOffset.y, 0, 0, kMoveOnly);
  KeepAttachedOnTop();
  m_placing = false;
}

void COsselSettingDlg::KeepAttachedOnTop() {
  // The main window comes to the top and the windows attached to it above it, as owned windows always are:
  // without a window manager the system does not keep them there, and the main window's edge would cover
  // the panel's buttons.
  // Each attached window goes to the bottom first: the system skips a move to the top of a window it already
  // holds there, while the display may still show the activated main window above it.
  constexpr UINT kStackOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(HWND_TOP, 0, 0, 0, 0, kStackOnly);
  const auto raise = [&](CDialog& attached) {
    attached.SetWindowPos(HWND_BOTTOM, 0, 0, 0, 0, kStackOnly);
    attached.SetWindowPos(HWND_TOP, 0, 0, 0, 0, kStackOnly);
  };
  if (m_profileDialogOpen) raise(m_profileDialog);
  if (m_panelOut) raise(m_panel);
}

void COsselSettingDlg::SlidePanelOut() {
  if (!Created(m_panel).IsWindow()) return;
  const SIZE panel = m_panel.SkinSize();
  m_panel.ShowWindow(SW_SHOWNOACTIVATE);
  skin::ShapeWindowFromMask(m_hWnd, m_mask2.get());
  const RECT start = GetWindowRect();
  const int panelLeft = start.left + app::kPanelOffset.x;
  const int panelTop = start.top + app::kPanelSlideTop;
  m_panel.SetWindowPos(nullptr, panelLeft, panelTop, panel.cx, panel.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  for (const auto& frame : app::SlideOutFrames(panel.cy)) {
    SetWindowPos(nullptr, start.left, start.top + frame.mainOffset, 0, 0, kMoveOnly);
    m_panel.SetWindowPos(nullptr, panelLeft, panelTop, panel.cx, frame.panelHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    ::UpdateWindow(m_panel.GetHwnd());
    ::UpdateWindow(m_hWnd);
  }
  ::SetActiveWindow(m_panel.GetHwnd());
  m_panel.Refresh();
  m_panelOut = true;
  PlaceAttachedWindows();  // settles the panel where every later placement puts it
}

void COsselSettingDlg::SlidePanelIn() {
  m_panelOut = false;
  const RECT start = GetWindowRect();
  const RECT panel = m_panel.GetWindowRect();
  for (const auto& frame : app::SlideInFrames(Height(panel))) {
    SetWindowPos(nullptr, start.left, start.top + frame.mainOffset, 0, 0, kMoveOnly);
    m_panel.SetWindowPos(nullptr, panel.left, panel.top, panel.right - panel.left, frame.panelHeight,
                         SWP_NOZORDER | SWP_NOACTIVATE);
    ::UpdateWindow(m_panel.GetHwnd());
    ::UpdateWindow(m_hWnd);
  }
  skin::ShapeWindowFromMask(m_hWnd, m_mask1.get());
  m_panel.ShowWindow(SW_HIDE);
  ::SetActiveWindow(m_hWnd);
}
