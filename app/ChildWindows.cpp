#include "app/ChildWindows.h"

#include "app/ChildPlacement.h"
#include "dialogs/WarningDlg.h"
#include "platform/WindowMessages.h"
#include "profiles/SwitchDlg.h"

namespace app {

namespace {

int FullScreenHeight() { return ::GetSystemMetrics(SM_CYFULLSCREEN); }
int Height(const RECT& r) { return r.bottom - r.top; }

constexpr UINT kMoveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

}  // namespace

ChildWindows::ChildWindows(CDialog& main, Host& host, store::SettingsStore& store, platform::Registry& registry)
    : m_main(main), m_host(host), m_store(store), m_profileDialog(store), m_panel(store.header, registry) {}

CDialog* ChildWindows::EditorWindow(Editor editor) {
  switch (editor) {
    case Editor::kSingleKey: return &SingleKeyDialog();
    case Editor::kMouse: return &MouseDialog();
    case Editor::kMacro: return &MacroEditor();
    case Editor::kNone: break;
  }
  return nullptr;
}

bool ChildWindows::IsChildMessage(UINT msg) {
  switch (msg) {
    case wm::kFromPanel:
    case wm::kFromProfileDialog:
    case wm::kFromSingleKey:
    case wm::kFromMouse:
    case wm::kFromMacro:
      return true;
    default:
      return false;
  }
}

void ChildWindows::OnChildMessage(UINT msg, WPARAM code, LPARAM lParam) {
  switch (msg) {
    case wm::kFromSingleKey:
      if (code == wm::kApply) OnEditorApplied(Editor::kSingleKey);
      if (code == wm::kConfirm && m_openEditor == Editor::kSingleKey) {
        AskFor(m_singleKey, dialogs::WarningMode::kReplaceKey,
               [&](bool replace) { m_singleKey.AnswerReplace(replace, static_cast<unsigned>(lParam)); });
      }
      if (code == wm::kClosed) OnEditorClosed();
      break;
    case wm::kFromMouse:
      if (code == wm::kApply) OnEditorApplied(Editor::kMouse);
      if (code == wm::kClosed) OnEditorClosed();
      break;
    case wm::kFromMacro:
      if (code == wm::kApply) OnEditorApplied(Editor::kMacro);
      if ((code == wm::kNoticeSelectOneLine || code == wm::kNoticeMacroFull) && m_openEditor == Editor::kMacro) {
        AskFor(m_macro,
               code == wm::kNoticeSelectOneLine ? dialogs::WarningMode::kSelectOneLine
                                                : dialogs::WarningMode::kMacroFull,
               [](bool) {});
      }
      if (code == wm::kClosed) OnEditorClosed();
      break;
    case wm::kFromProfileDialog:
      if (code == wm::kConfirm && m_profileDialogOpen) {
        AskFor(m_profileDialog, dialogs::WarningMode::kResetProfile,
               [&](bool confirmed) { m_profileDialog.ResetDecision(confirmed); });
      }
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
}

template <typename Answer>
void ChildWindows::AskFor(CDialog& child, dialogs::WarningMode mode, Answer answer) {
  // The child waits for the answer: no click on it may overtake the question.
  child.EnableWindow(false);
  ::SetActiveWindow(m_main.GetHwnd());
  answer(RunWarning(mode, m_main.GetHwnd()) == IDOK);
  m_main.EnableWindow(false);
  if (m_panelOut) m_panel.EnableWindow(false);
  child.EnableWindow(true);
  ::SetActiveWindow(child.GetHwnd());  // a capturing editor captures again: only the active one keeps the keys
}

void ChildWindows::OpenEditor(Editor editor) {
  CDialog* window = EditorWindow(editor);
  if (!window || !window->IsWindow()) {  // it could not be created: nothing holds the key
    m_host.ReleaseKey();
    return;
  }
  m_main.EnableWindow(false);
  LiftFor(Height(window->GetWindowRect()));
  const RECT main = m_main.GetWindowRect();
  window->SetWindowPos(nullptr, main.left + kAttachedOffset.x, main.top + kAttachedOffset.y, 0, 0, kMoveOnly);
  m_openEditor = editor;
  window->ShowWindow(SW_SHOW);
  ::SetActiveWindow(window->GetHwnd());
}

void ChildWindows::OnEditorApplied(Editor editor) {
  // Only the editor that is open may write, and only into the key it was opened for.
  if (editor != m_openEditor) return;
  store::KeyRecord* record = m_host.EditedRecord();
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
  m_host.KeyWritten();
}

void ChildWindows::OnEditorClosed() {
  m_openEditor = Editor::kNone;
  m_main.EnableWindow(true);
  if (m_panelOut) m_panel.EnableWindow(true);
  PlaceAttachedWindows();
  m_host.ReleaseKey();
  ::SetActiveWindow(m_main.GetHwnd());
}

void ChildWindows::ShowProfileDialog() {
  if (!ProfileDialog().IsWindow() || m_profileDialogOpen) return;
  if (m_panelOut) SlidePanelIn();
  m_profileDialog.LoadFromStore();
  m_profileDialogOpen = true;
  PlaceAttachedWindows();
  m_profileDialog.ShowWindow(SW_SHOW);
  m_main.EnableWindow(false);
}

void ChildWindows::OnProfileDialogClosed() {
  if (!m_profileDialogOpen) return;
  m_profileDialog.ShowWindow(SW_HIDE);
  m_profileDialogOpen = false;
  PlaceAttachedWindows();
  // OK may have made another profile current: its layer and its label are shown.
  m_host.ShowCurrentProfile();
  m_main.EnableWindow(true);
  if (m_panelOut) m_panel.EnableWindow(true);
  ::SetActiveWindow(m_main.GetHwnd());
}

void ChildWindows::RefreshProfileRows() {
  if (m_profileDialogOpen) m_profileDialog.RefreshRows();
}

void ChildWindows::ClosePanelMenu() const {
  if (m_panelOut) m_panel.PostMessage(wm::kPanelCloseMenu);
}

void ChildWindows::RunQuickSwitch() {
  m_panel.EnableWindow(false);
  if (m_profileDialogOpen) m_profileDialog.EnableWindow(false);
  ::SetActiveWindow(m_main.GetHwnd());
  CSwitchDlg dialog(m_store.header);
  dialog.DoModal(m_main.GetHwnd());
  KeepAttachedOnTop();
}

void ChildWindows::OnQuickSwitchClosed() {
  m_panel.Refresh();
  m_panel.EnableWindow(true);
  if (m_profileDialogOpen) m_profileDialog.EnableWindow(true);
}

void ChildWindows::LiftFor(int height) {
  const RECT main = m_main.GetWindowRect();
  if (const int lift = LiftNeeded(main.top, height, FullScreenHeight()); lift > 0)
    m_main.SetWindowPos(nullptr, main.left, main.top - lift, 0, 0, kMoveOnly);
}

void ChildWindows::PlaceAttachedWindows() {
  if (m_placing) return;  // lifting the main window below moves it, which places again
  m_placing = true;
  if (m_profileDialogOpen) {
    LiftFor(Height(m_profileDialog.GetWindowRect()));
    const RECT main = m_main.GetWindowRect();
    m_profileDialog.SetWindowPos(nullptr, main.left + kAttachedOffset.x, main.top + kAttachedOffset.y, 0, 0,
                                 kMoveOnly);
  }
  const RECT main = m_main.GetWindowRect();
  if (m_panelOut)
    m_panel.SetWindowPos(nullptr, main.left + kPanelOffset.x, main.top + kPanelOffset.y, 0, 0, kMoveOnly);
  KeepAttachedOnTop();
  m_placing = false;
}

void ChildWindows::KeepAttachedOnTop() {
  // The main window comes to the top and the windows attached to it above it, as owned windows always are:
  // without a window manager the system does not keep them there, and the main window's edge would cover
  // the panel's buttons.
  // Each attached window goes to the bottom first: the system skips a move to the top of a window it already
  // holds there, while the display may still show the activated main window above it.
  constexpr UINT kStackOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  m_main.SetWindowPos(HWND_TOP, 0, 0, 0, 0, kStackOnly);
  const auto raise = [&](CDialog& attached) {
    attached.SetWindowPos(HWND_BOTTOM, 0, 0, 0, 0, kStackOnly);
    attached.SetWindowPos(HWND_TOP, 0, 0, 0, 0, kStackOnly);
  };
  if (m_profileDialogOpen) raise(m_profileDialog);
  if (m_panelOut) raise(m_panel);
}

void ChildWindows::SlidePanelOut() {
  if (!Panel().IsWindow()) return;
  const SIZE panel = m_panel.SkinSize();
  m_panel.ShowWindow(SW_SHOWNOACTIVATE);
  m_host.ShapeForPanel(true);
  const RECT start = m_main.GetWindowRect();
  const int panelLeft = start.left + kPanelOffset.x;
  const int panelTop = start.top + kPanelSlideTop;
  m_panel.SetWindowPos(nullptr, panelLeft, panelTop, panel.cx, panel.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  for (const auto& frame : SlideOutFrames(panel.cy)) {
    m_main.SetWindowPos(nullptr, start.left, start.top + frame.mainOffset, 0, 0, kMoveOnly);
    m_panel.SetWindowPos(nullptr, panelLeft, panelTop, panel.cx, frame.panelHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    ::UpdateWindow(m_panel.GetHwnd());
    ::UpdateWindow(m_main.GetHwnd());
  }
  ::SetActiveWindow(m_panel.GetHwnd());
  m_panel.Refresh();
  m_panelOut = true;
  PlaceAttachedWindows();  // settles the panel where every later placement puts it
}

void ChildWindows::SlidePanelIn() {
  m_panelOut = false;
  const RECT start = m_main.GetWindowRect();
  const RECT panel = m_panel.GetWindowRect();
  for (const auto& frame : SlideInFrames(Height(panel))) {
    m_main.SetWindowPos(nullptr, start.left, start.top + frame.mainOffset, 0, 0, kMoveOnly);
    m_panel.SetWindowPos(nullptr, panel.left, panel.top, panel.right - panel.left, frame.panelHeight,
                         SWP_NOZORDER | SWP_NOACTIVATE);
    ::UpdateWindow(m_panel.GetHwnd());
    ::UpdateWindow(m_main.GetHwnd());
  }
  m_host.ShapeForPanel(false);
  m_panel.ShowWindow(SW_HIDE);
  ::SetActiveWindow(m_main.GetHwnd());
}

}  // namespace app
