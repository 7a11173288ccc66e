#include "profiles/SwitchDlg.h"

#include "catalogue/KeyNames.h"
#include "platform/ProgramFolders.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Text.h"
#include "resources/Resource.h"
#include "skin/MenuEntries.h"
#include "skin/SkinPaths.h"

namespace {

using skin::CaptionAlign;
using skin::DialogButton;

// The selectors and the key display only show a value: every face is the normal picture's.
constexpr DialogButton Display(RECT rect) { return {rect, nullptr, {}, CaptionAlign::Centre, false, true}; }

const DialogButton kButtons[] = {
    {{144, 132, 246, 156}, &strings::kOtherOk},
    {{247, 132, 350, 156}, &strings::kOtherCancel},
    {{23, 52, 35, 64}},
    {{23, 79, 35, 91}},
    Display({46, 100, 116, 116}),
    Display({137, 100, 206, 116}),
    Display({228, 100, 298, 116}),
};
const skin::DialogText kTexts[] = {
    {&strings::kOtherQuick, {20, 15, 340, 37}, {L"BankGothic Lt BT", 16, FW_NORMAL, RGB(255, 175, 0)}},
    {&strings::kOtherDefault, {42, 51, 300, 67}, skin::kLabelStyle},
    {&strings::kOtherCustom, {42, 78, 300, 94}, skin::kLabelStyle},
};

// The menu sits this far below its selector.
constexpr int kMenuGap = 2;

// The menus' down picture is their background and their entries' normal and pressed faces; the normal
// picture serves only as the fourth face.
skin::MenuSkinFiles ModifierMenuSkin(std::size_t entries) {
  skin::MenuSkinFiles files = skin::MenuSkinSet(platform::Folders().exe, entries == 3 ? u"switch menu1" : u"switch menu2");
  files.normal = files.down;  // the fourth face keeps the normal picture
  return files;
}

std::wstring ModifierLabel(std::uint8_t modifier) { return win::Wide(catalogue::ModifierName(modifier)); }

}  // namespace

CSwitchDlg::CSwitchDlg(store::StoreHeader& header) : CSkinnedDialog(IDD_SWITCH), m_header(header) {}

BOOL CSwitchDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  BuildSkin(SkinSet(u"quick switch"), kButtons, kTexts);
  m_choice = profiles::QuickSwitchChoice::FromHeader(m_header);
  m_keys.emplace(m_hWnd).Deliver(m_choice.IsCustom());
  ApplyChoice();
  return TRUE;
}

// Keys reach the dialog only while the custom choice is on; the selectors and the key display are
// usable exactly then.
void CSwitchDlg::ApplyChoice() {
  const bool custom = m_choice.IsCustom();
  GetButton(kDefault).SetChecked(!custom);
  GetButton(kCustom).SetChecked(custom);
  if (m_keys) m_keys->Deliver(custom);
  ShowCode();
  for (const Button selector : {kFirstModifier, kSecondModifier, kKeyDisplay}) {
    auto& button = GetButton(selector);
    if (button.IsWindowEnabled() != custom) button.EnableWindow(custom);
  }
}

void CSwitchDlg::ShowCode() {
  const profiles::SwitchCode& code = m_choice.Code();
  GetButton(kFirstModifier).SetCaption(ModifierLabel(code.first));
  GetButton(kSecondModifier).SetCaption(ModifierLabel(code.second));
  GetButton(kKeyDisplay).SetCaption(win::Wide(catalogue::KeyName(code.key)));
}

void CSwitchDlg::OnButton(std::size_t index) {
  CloseMenu();
  switch (index) {
    case kOk:
      if (m_finishedWith) return;
      m_choice.StoreInto(m_header);
      Finish(IDOK);
      return;
    case kCancel:
      if (!m_finishedWith) Finish(IDCANCEL);
      return;
    case kDefault:
    case kCustom:
      m_choice.Choose(index == kCustom);
      ApplyChoice();
      return;
    case kFirstModifier: OpenModifierMenu(MenuFor::kFirst); return;
    case kSecondModifier: OpenModifierMenu(MenuFor::kSecond); return;
    default: return;
  }
}

// The main window hears of the close before the run ends, so it can enable the panel again.
void CSwitchDlg::Finish(INT_PTR result) {
  m_finishedWith = result;
  PostToMainWindow(wm::kFromPanel, wm::kQuickSwitch, wm::kClosed);
  PostMessage(WM_CLOSE);
}

void CSwitchDlg::OnCancel() {
  CloseMenu();
  if (m_finishedWith)
    EndDialog(*m_finishedWith);
  else
    Finish(IDCANCEL);
}

void CSwitchDlg::OpenModifierMenu(MenuFor selector) {
  CloseMenu();
  skin::BmpMenuList entries;
  const auto add = [&](std::u16string_view text) {
    skin::AddMenuEntry(entries, text, static_cast<std::int32_t>(entries.size() + 1), true);
  };
  if (selector == MenuFor::kFirst) {
    for (const std::uint8_t modifier : {catalogue::kModifierCtrl, catalogue::kModifierShift, catalogue::kModifierAlt})
      add(catalogue::ModifierName(modifier));
  } else {
    for (const std::uint8_t modifier : m_choice.SecondMenuModifiers())
      add(modifier ? catalogue::ModifierName(modifier) : profiles::kNoModifierText);
  }
  const RECT selectorRect = GetButton(selector == MenuFor::kFirst ? kFirstModifier : kSecondModifier).GetWindowRect();
  const skin::MenuSkinFiles files = ModifierMenuSkin(entries.size());
  m_menu = skin::OpenBmpMenu(m_hWnd, std::move(entries), files, POINT{selectorRect.left, selectorRect.bottom + kMenuGap},
                             skin::kModifierMenu, m_header.Language);
  if (m_menu) m_menuFor = selector;
}

void CSwitchDlg::CloseMenu() {
  m_menu.reset();
  m_menuFor = MenuFor::kNone;
}

void CSwitchDlg::OnMenuChoice(WPARAM wParam) {
  const MenuFor from = m_menuFor;
  CloseMenu();
  const int position = skin::ChoiceParentPosition(static_cast<std::uint32_t>(wParam));
  const bool changed = from == MenuFor::kFirst    ? m_choice.ChooseFirst(position)
                       : from == MenuFor::kSecond ? m_choice.ChooseSecond(position)
                                                  : false;
  if (changed) ShowCode();
}

LRESULT CSwitchDlg::OnKeyEvent(WPARAM keyCode) {
  if (keyCode > 0xFF || !m_choice.TakeKey(static_cast<unsigned>(keyCode))) return 0;
  GetButton(kKeyDisplay).SetCaption(win::Wide(catalogue::KeyName(m_choice.Code().key)));
  return 1;
}

void CSwitchDlg::OnDestroy() {
  CloseMenu();
  m_keys.reset();
  CSkinnedDialog::OnDestroy();
}

LRESULT CSwitchDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case wm::kKeyEvent:
      return OnKeyEvent(wParam);
    case wm::kMenuChoice:
      OnMenuChoice(wParam);
      return 0;
    case WM_LBUTTONDOWN:
      CloseMenu();
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
