#include "editors/MacroSetDlg.h"

#include <algorithm>
#include <string>

#include "platform/ProgramFolders.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Text.h"
#include "resources/Resource.h"
#include "skin/MenuEntries.h"
#include "skin/SkinPaths.h"
#include "strings/StringTable.h"

namespace {

using D = CMacroSetDlg;
using editors::MacroOutcome;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kOrange = RGB(255, 175, 0);
constexpr COLORREF kListBackground = RGB(78, 78, 78);
constexpr skin::TextColours kChoiceColours{kWhite, kOrange, kWhite};
constexpr auto kLeft = skin::CaptionAlign::Left;

// In the order of CMacroSetDlg::Button.
const skin::DialogButton kButtons[D::kButtonCount] = {
    {{359, 249, 468, 274}, &strings::kOtherOk},
    {{470, 249, 579, 274}, &strings::kOtherCancel},
    {{203, 51, 230, 78}},  // record
    {{233, 51, 259, 78}},  // stop
    {{262, 51, 288, 78}},  // up
    {{291, 51, 317, 78}},  // down
    {{320, 51, 347, 78}},  // copy
    {{349, 51, 376, 78}},  // add pause
    {{379, 51, 405, 78}},  // select all
    {{408, 51, 435, 78}},  // select pauses
    {{437, 51, 464, 78}},  // delete
    {{319, 84, 414, 102}, nullptr, kChoiceColours, kLeft},   // pause amount
    {{204, 106, 464, 124}, nullptr, kChoiceColours, kLeft},  // delay mode
    {{329, 151, 423, 169}, nullptr, kChoiceColours, kLeft},  // repeat count
    {{359, 210, 454, 228}, nullptr, kChoiceColours, kLeft},  // interval
    {{204, 155, 217, 168}},  // repeat options 1 to 3
    {{204, 174, 217, 187}},
    {{204, 192, 217, 205}},
    {{204, 211, 217, 224}},  // interval switch
};

// The icon buttons, from Record to Delete, say what they do only in their tooltips.
const strings::StringKey* const kIconTips[] = {
    &strings::kMacroRecord, &strings::kMacroStop,      &strings::kMacroUp,
    &strings::kMacroDown,   &strings::kMacroCopy,      &strings::kMacroAddDelay,
    &strings::kMacroSelect, &strings::kMacroSelDelay,  &strings::kMacroDelete,
};
static_assert(std::size(kIconTips) == D::kDelete - D::kRecord + 1);

// Disabled while a recording runs.
constexpr D::Button kEditingButtons[] = {D::kUp,           D::kDown,   D::kCopy,         D::kAddPause, D::kSelectAll,
                                         D::kSelectPauses, D::kDelete, D::kPauseAmount, D::kDelayMode};
// Their captions are smaller under layout variant (Language) 1.
constexpr D::Button kCaptionButtons[] = {D::kOk,        D::kCancel,      D::kPauseAmount,
                                         D::kDelayMode, D::kRepeatCount, D::kInterval};
constexpr std::uint32_t kSmallCaptionLanguage = 1;

const skin::DialogText kTexts[] = {
    {&strings::kMacroTitle, {20, 15, 350, 38}, skin::kTitleStyle},
    {&strings::kMacroDelays, {204, 84, 315, 102}, skin::kLabelStyle},
    {&strings::kMacroRepeat1, {219, 151, 328, 170}, skin::kLabelStyle},
    {&strings::kMacroRepeat2, {219, 172, 567, 188}, skin::kLabelStyle},
    {&strings::kMacroRepeat3, {219, 190, 567, 207}, skin::kLabelStyle},
    {&strings::kMacroRepeat4, {219, 209, 358, 228}, skin::kLabelStyle},
};

constexpr RECT kListRect{20, 40, 184, 234};

struct MouseSpec {
  const char16_t* files;
  POINT corner;
  std::uint32_t code;  // the virtual-key code the companion plays
};
// In the order of CMacroSetDlg::MouseButton.
constexpr MouseSpec kMouse[D::kMouseButtonCount] = {
    {u"macro mouse left", {473, 60}, 0x01},
    {u"macro mouse right", {520, 60}, 0x02},
    {u"macro mouse middle", {513, 78}, 0x04},
};

struct MenuSpec {
  D::Button anchor;
  const char16_t* skinSet;
  skin::MenuKind kind;
};
// Indexed by CMacroSetDlg::Menu − 1.
constexpr MenuSpec kMenus[] = {
    {D::kPauseAmount, u"macro menu1", skin::kMacroMenu},
    {D::kRepeatCount, u"macro menu3", skin::kMacroSecondMenu},
    {D::kDelayMode, u"macro menu2", skin::kMacroMenu},
    {D::kInterval, u"macro menu1", skin::kMacroMenu},
};

constexpr int kPauseChoices = 4;  // 50 to 200 ms
constexpr int kRepeatCounts = 10;
constexpr const wchar_t* kIntervalTexts[] = {L"200ms", L"800ms", L"1600ms", L"2400ms"};
constexpr int kIntervalCount = static_cast<int>(std::size(kIntervalTexts));

std::wstring Text(const strings::StringKey& key) { return win::Wide(strings::LookUpString(key)); }
std::wstring Milliseconds(int units) { return std::to_wstring(units * editors::kPauseUnitMs) + L"ms"; }

std::wstring DelayModeText(std::int32_t mode) {
  if (mode == 0) return Text(strings::kMacroIgnore);
  if (mode == 1) return Text(strings::kMacroAuto);
  return {};
}
// Stored values outside the offered ones show no caption.
std::wstring RepeatCountText(std::int32_t index) {
  return index >= 0 && index < kRepeatCounts ? std::to_wstring(index + 1) : std::wstring();
}
std::wstring IntervalText(std::int32_t index) {
  return index >= 0 && index < kIntervalCount ? kIntervalTexts[index] : std::wstring();
}

std::vector<std::wstring> MenuTexts(D::Menu menu) {
  std::vector<std::wstring> texts;
  switch (menu) {
    case D::kPauseMenu:
      for (int units = 1; units <= kPauseChoices; ++units) texts.push_back(Milliseconds(units));
      break;
    case D::kCountMenu:
      for (int index = 0; index < kRepeatCounts; ++index) texts.push_back(RepeatCountText(index));
      break;
    case D::kDelayMenu:
      texts = {Text(strings::kMacroIgnore), Text(strings::kMacroAuto)};
      break;
    case D::kIntervalMenu:
      texts.assign(std::begin(kIntervalTexts), std::end(kIntervalTexts));
      break;
    case D::kNoMenu:
      break;
  }
  return texts;
}

// Many lines change at once: one repaint at the end instead of one per line.
class RedrawPause {
 public:
  explicit RedrawPause(const CWnd& window) : m_window(window) { m_window.SendMessage(WM_SETREDRAW, FALSE); }
  ~RedrawPause() {
    m_window.SendMessage(WM_SETREDRAW, TRUE);
    ::RedrawWindow(m_window.GetHwnd(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
  }
  RedrawPause(const RedrawPause&) = delete;
  RedrawPause& operator=(const RedrawPause&) = delete;

 private:
  const CWnd& m_window;
};

}  // namespace

CMacroSetDlg::CMacroSetDlg() : CSkinnedDialog(IDD_MACROSET) {}

BOOL CMacroSetDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  BuildSkin(SkinSet(u"macro"), kButtons, kTexts);
  for (int i = kRecord; i <= kDelete; ++i) GetButton(i).SetTooltip(Text(*kIconTips[i - kRecord]));

  if (m_list.Create(kListRect, m_hWnd)) {
    m_list.SetColours(kWhite, kWhite, kOrange);
    m_list.SetBackground(kListBackground);
  }
  for (int i = 0; i < kMouseButtonCount; ++i) {
    skin::CRgnButton& button = m_mouse[static_cast<std::size_t>(i)];
    if (skin::CreateSkinRegionButton(button, m_hWnd, kMouse[i].files, kMouse[i].corner)) button.SetToggleMode(true);
  }

  m_keys.emplace(m_hWnd);
  SetRecording(false);
  return TRUE;
}

void CMacroSetDlg::Open(const store::KeyRecord& record, std::uint32_t language) {
  m_model.Load(record);
  m_language = language;
  CloseMenu();
  m_pauseUnits = 1;
  // A new record starts with nothing to undo: both toggles select on their next click.
  m_selectAll = false;
  m_selectPauses = false;
  m_mousePressed = {};
  if (!m_hWnd || ButtonCount() < kButtonCount) return;

  SetRecording(false);
  ShowCaptions();
  const std::int32_t mode = m_model.Settings().RepeatMode;
  if (mode < 0 || mode > 2) {
    // A stored mode we do not offer: none shown as chosen, and the count stays offered only for mode 0.
    for (int i = kRepeatOption1; i <= kRepeatOption3; ++i) GetButton(i).SetChecked(false);
  }
  ChooseRepeat(mode);
  ShowIntervalSwitch();
  RefreshList({});
  m_list.SetTopIndex(0);
}

// --- Recording ---------------------------------------------------------------------------------------------

void CMacroSetDlg::SetRecording(bool recording) {
  m_recording = recording;
  GetButton(kRecord).SetChecked(recording);
  GetButton(kStop).EnableWindow(recording);
  for (auto& button : m_mouse) button.EnableWindow(recording);
  for (Button button : kEditingButtons) GetButton(button).EnableWindow(!recording);
  m_list.SetSelectionAllowed(!recording);
  if (recording) {
    m_mousePressed = {};
    m_selectAll = false;
    m_selectPauses = false;
  } else {
    for (auto& button : m_mouse) button.SetChecked(false);
  }
  if (m_keys) m_keys->Deliver(recording);
}

LRESULT CMacroSetDlg::OnKeyEvent(std::uint32_t code, std::uint32_t flags) {
  // Keys typed while the editor is hidden or not recording are not meant for it.
  if (!m_recording || !IsWindowVisible()) return 0;
  const auto recorded = m_model.RecordKey(code, flags, ::GetTickCount());
  if (recorded.outcome == MacroOutcome::kFull) RequestFullWarning();
  if (recorded.outcome != MacroOutcome::kDone) return 0;
  const int count = m_model.EventCount();
  for (int i = std::max(0, count - recorded.linesAppended); i < count; ++i) {
    m_list.AddLine(LineText(i));
    (m_model.IsPause(i) ? m_selectPauses : m_selectAll) = false;
  }
  m_list.SetCaretIndex(count - 1);  // scrolls to the newest line
  return 1;
}

void CMacroSetDlg::OnMouseButton(MouseButton which) {
  bool& pressed = m_mousePressed[which];
  // Fed to the recorder like a key; a refused click (a full macro warns) leaves the picture's state as it was.
  if (OnKeyEvent(kMouse[which].code, pressed ? static_cast<std::uint32_t>(wm::kKeyReleased) : 0) == 1) pressed = !pressed;
  m_mouse[which].SetChecked(pressed);
}

void CMacroSetDlg::RequestFullWarning() {
  if (m_model.TakeFullWarning()) PostToMainWindow(wm::kFromMacro, wm::kNoticeMacroFull);
}

// --- Commands ----------------------------------------------------------------------------------------------

bool CMacroSetDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto sender = reinterpret_cast<HWND>(lParam);
  for (int i = 0; sender && i < kMouseButtonCount; ++i) {
    if (m_mouse[static_cast<std::size_t>(i)].GetHwnd() == sender) {
      CloseMenu();
      OnMouseButton(static_cast<MouseButton>(i));
      return true;
    }
  }
  return CSkinnedDialog::OnCommand(wParam, lParam);
}

void CMacroSetDlg::OnButton(std::size_t index) {
  CloseMenu();
  switch (index) {
    case kOk:
      EndDialog(IDOK);  // hides the editor
      // Synchronous: the main window has stored and saved the record before it hears of the close.
      SendToMainWindow(wm::kFromMacro, wm::kApply);
      PostToMainWindow(wm::kFromMacro, wm::kClosed);
      break;
    case kCancel:
      EndDialog(IDCANCEL);
      PostToMainWindow(wm::kFromMacro, wm::kClosed);
      break;
    case kRecord:
      SetRecording(true);
      m_model.Clear();
      m_list.ResetContent();
      ::SetFocus(m_list.GetHwnd());
      break;
    case kStop: SetRecording(false); break;
    case kUp: MoveSelection(true); break;
    case kDown: MoveSelection(false); break;
    case kCopy: CopySelection(); break;
    case kAddPause: AddPause(); break;
    case kSelectAll: SelectAll(); break;
    case kSelectPauses: SelectPauses(); break;
    case kDelete: DeleteSelection(); break;
    case kPauseAmount: OpenChoiceMenu(kPauseMenu); break;
    case kRepeatCount: OpenChoiceMenu(kCountMenu); break;
    case kDelayMode: OpenChoiceMenu(kDelayMenu); break;
    case kInterval: OpenChoiceMenu(kIntervalMenu); break;
    case kRepeatOption1:
    case kRepeatOption2:
    case kRepeatOption3: {
      const auto mode = static_cast<std::int32_t>(index - kRepeatOption1);
      m_model.SetRepeatMode(mode);
      ChooseRepeat(mode);
      break;
    }
    case kIntervalSwitch:
      m_model.SetIntervalOn(m_model.Settings().IntervalOn == 0 ? 1 : 0);
      ShowIntervalSwitch();
      break;
    default:
      break;
  }
}

void CMacroSetDlg::OnCancel() {
  // The close command (Alt+F4) is Cancel; a hidden editor has nothing to close.
  if (IsWindowVisible()) OnButton(kCancel);
}

editors::MacroSelection CMacroSetDlg::Selection() const {
  // The list mirrors the events; a line beyond them (never expected) is no event to act on.
  editors::MacroSelection selection = m_list.GetSelItems();
  const int count = m_model.EventCount();
  std::erase_if(selection, [count](int index) { return index < 0 || index >= count; });
  return selection;
}

void CMacroSetDlg::MoveSelection(bool up) {
  const editors::MacroSelection selection = Selection();
  if (selection.empty()) return;
  const int count = m_model.EventCount();
  if (up ? selection.front() == 0 : selection.back() == count - 1) return;
  const editors::MacroSelection moved = up ? m_model.MoveUp(selection) : m_model.MoveDown(selection);
  {
    RedrawPause pause(m_list);
    const int first = up ? selection.front() - 1 : selection.front();
    const int last = up ? selection.back() : selection.back() + 1;
    for (int i = first; i <= last; ++i) m_list.SetLineText(i, LineText(i));
    m_list.SetSel(-1, false);
    for (int index : moved) m_list.SetSel(index, true);
  }
  for (int index : moved) m_list.SetCaretIndex(index);
}

void CMacroSetDlg::CopySelection() {
  const auto copied = m_model.Copy(Selection());
  if (copied.outcome == MacroOutcome::kFull) {
    RequestFullWarning();
    return;
  }
  if (copied.outcome != MacroOutcome::kDone) return;
  RefreshList(copied.selection);
  if (!copied.selection.empty()) m_list.SetCaretIndex(copied.selection.back());
}

void CMacroSetDlg::AddPause() {
  const editors::MacroSelection selection = Selection();
  if (selection.size() > 1) {
    PostToMainWindow(wm::kFromMacro, wm::kNoticeSelectOneLine);
    return;
  }
  const auto added = m_model.AddPause(selection, m_pauseUnits);
  if (added.outcome == MacroOutcome::kFull) {
    RequestFullWarning();
    return;
  }
  if (added.outcome != MacroOutcome::kDone || added.index < 0 || added.index >= m_model.EventCount()) return;
  if (added.inserted) {
    m_list.InsertLine(added.index, LineText(added.index));
    return;
  }
  m_list.SetLineText(added.index, LineText(added.index));
  // The lengthened pause is selected when it was the selection, or the list's last pause; the pause
  // after a selected key leaves the key selected.
  if (selection.empty() || selection.front() == added.index) m_list.SetSel(added.index, true);
}

void CMacroSetDlg::SelectAll() {
  if (m_list.GetCount() == 0) return;
  m_selectAll = !m_selectAll;
  m_list.SetSel(-1, m_selectAll);
  ::UpdateWindow(m_list.GetHwnd());
}

void CMacroSetDlg::SelectPauses() {
  if (m_list.GetCount() == 0) return;
  m_selectPauses = !m_selectPauses;
  const int count = std::min(m_list.GetCount(), m_model.EventCount());
  for (int i = 0; i < count; ++i)
    if (m_model.IsPause(i)) m_list.SetSel(i, m_selectPauses);
  ::UpdateWindow(m_list.GetHwnd());
}

void CMacroSetDlg::DeleteSelection() {
  const editors::MacroSelection selection = Selection();
  if (selection.empty()) return;
  RefreshList(m_model.Delete(selection));
}

void CMacroSetDlg::RefreshList(const editors::MacroSelection& selection) {
  const int top = m_list.GetTopIndex();
  RedrawPause pause(m_list);
  m_list.ResetContent();
  const int count = m_model.EventCount();
  for (int i = 0; i < count; ++i) m_list.AddLine(LineText(i));
  for (int index : selection)
    if (index >= 0 && index < count) m_list.SetSel(index, true);
  if (count > 0) m_list.SetTopIndex(std::min(top, count - 1));
}

std::wstring CMacroSetDlg::LineText(int index) const { return win::Wide(m_model.LineText(index)); }

// --- Settings and choice menus -------------------------------------------------------------------------

void CMacroSetDlg::ChooseRepeat(std::int32_t mode) {
  if (mode >= 0 && mode <= 2)
    for (int i = 0; i < 3; ++i) GetButton(kRepeatOption1 + i).SetChecked(i == mode);
  GetButton(kRepeatCount).EnableWindow(mode == 0);
}

void CMacroSetDlg::ShowIntervalSwitch() {
  const bool on = m_model.Settings().IntervalOn != 0;
  GetButton(kIntervalSwitch).SetChecked(on);
  GetButton(kInterval).EnableWindow(on);
}

void CMacroSetDlg::ShowCaptions() {
  const store::MacroView& settings = m_model.Settings();
  GetButton(kPauseAmount).SetCaption(Milliseconds(m_pauseUnits));
  GetButton(kDelayMode).SetCaption(DelayModeText(settings.DelayMode));
  GetButton(kRepeatCount).SetCaption(RepeatCountText(settings.RepeatCountIndex));
  GetButton(kInterval).SetCaption(IntervalText(settings.IntervalIndex));
}

void CMacroSetDlg::OpenChoiceMenu(Menu menu) {
  CloseMenu();
  if (menu == kNoMenu) return;
  const MenuSpec& spec = kMenus[menu - 1];
  skin::BmpMenuList entries;
  std::int32_t value = 1;
  for (const std::wstring& text : MenuTexts(menu)) skin::AddMenuEntry(entries, win::Utf16(text), value++, true);

  const RECT anchor = GetButton(spec.anchor).GetWindowRect();
  m_menu = skin::OpenBmpMenu(m_hWnd, std::move(entries), skin::MenuSkinSet(platform::Folders().exe, spec.skinSet),
                             POINT{anchor.left, anchor.bottom + 1}, spec.kind, m_language);
  if (m_menu) m_openMenu = menu;
}

void CMacroSetDlg::CloseMenu() {
  m_openMenu = kNoMenu;
  m_menu.reset();  // destroys its window
}

void CMacroSetDlg::OnMenuChoice(int position) {
  const Menu menu = m_openMenu;
  CloseMenu();
  switch (menu) {
    case kPauseMenu:
      if (position >= 0 && position < kPauseChoices) m_pauseUnits = position + 1;
      break;
    case kCountMenu:
      if (position >= 0 && position < kRepeatCounts) m_model.SetRepeatCountIndex(position);
      break;
    case kDelayMenu:
      if (position >= 0 && position < 2) {
        m_model.SetDelayMode(position == 0 ? 0 : 1);
        GetButton(kAddPause).EnableWindow(m_model.Settings().DelayMode == 1);
      }
      break;
    case kIntervalMenu:
      if (position >= 0 && position < kIntervalCount) m_model.SetIntervalIndex(position);
      break;
    case kNoMenu:
      return;  // a late choice of a menu already closed
  }
  ShowCaptions();
}

// --- Window ------------------------------------------------------------------------------------------------

void CMacroSetDlg::OnShown(bool shown) {
  if (shown) {
    const int height = m_language == kSmallCaptionLanguage ? 14 : 16;
    for (Button button : kCaptionButtons) {
      GetButton(button).fontHeight = height;
      GetButton(button).Invalidate(false);
    }
    if (m_keys) m_keys->Resume();
  } else {
    CloseMenu();
    if (m_keys) m_keys->Pause();
  }
}

void CMacroSetDlg::OnDestroy() {
  CloseMenu();
  m_keys.reset();
  CSkinnedDialog::OnDestroy();
}

LRESULT CMacroSetDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case wm::kKeyEvent:
      return OnKeyEvent(static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam));
    case wm::kMenuChoice:
      OnMenuChoice(skin::ChoiceParentPosition(static_cast<std::uint32_t>(wParam)));
      return 0;
    case WM_SHOWWINDOW:
      if (ButtonCount() == kButtonCount) OnShown(wParam != FALSE);
      break;
    case WM_LBUTTONDOWN:
      CloseMenu();  // a press on the editor's own surface
      break;
    case WM_ACTIVATEAPP:
      // The menu stays above every window: it must not outlive the program's activation.
      if (!wParam) CloseMenu();
      break;
    default:
      break;
  }
  return CSkinnedDialog::WindowProc(msg, wParam, lParam);
}
