#include "dialogs/RefrenceDlg.h"

#include "catalogue/KeyNames.h"
#include "platform/ProgramFolders.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Text.h"
#include "resources/Resource.h"
#include "skin/MenuEntries.h"
#include "skin/SkinPaths.h"
#include "strings/StringTable.h"

namespace {

using skin::CaptionAlign;

const skin::DialogButton kButtons[] = {
    {{258, 228, 366, 253}, &strings::kOtherOk},
    {{369, 228, 478, 253}, &strings::kOtherCancel},
    {{286, 72, 397, 97}, nullptr, {0xFFFFFF, 0x00AFFF, 0x00AFFF}, CaptionAlign::Left},
    {{227, 118, 444, 143}, nullptr, {0xFFFFFF, 0x00AFFF, 0x009DEA}, CaptionAlign::Left},
    {{194, 166, 405, 192}, nullptr, {0xFFFFFF, 0x009DEA, 0x009DEA}, CaptionAlign::Left},
};
const skin::DialogText kTexts[] = {
    {&strings::kMainReference, {318, 6, 455, 30}, {L"BankGothic Lt BT", 18, FW_BOLD, RGB(255, 255, 255), DT_CENTER}},
    {&strings::kOtherCustom, {50, 72, 284, 98}, skin::kLabelStyle},
    {&strings::kOtherMedia, {50, 118, 225, 144}, skin::kLabelStyle},
    {&strings::kOtherUpdate, {50, 166, 193, 192}, skin::kLabelStyle},
};

// The button captions start with one space, clear of the field's edge.
std::wstring Caption(std::u16string_view text) { return L" " + win::Wide(text); }

}  // namespace

CRefrenceDlg::CRefrenceDlg(store::StoreHeader& header, platform::Registry& registry)
    : CSkinnedDialog(IDD_REFRENCE), m_header(header), m_registry(registry) {}

BOOL CRefrenceDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  BuildSkin(SkinSet(u"advance"), kButtons, kTexts);
  m_mediaOption = m_header.MediaOption;
  m_lightOption = m_header.LightOption;
  ShowMediaOption();
  GetButton(kSwitch).SetCaption(Caption(strings::LookUpString(strings::kOtherSetting)));
  GetButton(kCheck).SetCaption(Caption(strings::LookUpString(strings::kOtherCheck)));
  return TRUE;
}

void CRefrenceDlg::Refresh() {
  m_mediaOption = m_header.MediaOption;
  m_lightOption = m_header.LightOption;
  if (!IsWindow()) return;
  ShowMediaOption();
  GetButton(kSwitch).SetCaption(Caption(catalogue::SwitchCombinationText(m_header)));
}

// A value stored by someone else outside the table shows no name; OK writes it back unchanged.
void CRefrenceDlg::ShowMediaOption() {
  const dialogs::MediaPlayer* player = dialogs::MediaPlayerFor(m_mediaOption);
  GetButton(kMedia).SetCaption(Caption(player ? strings::LookUpString(player->name) : std::u16string()));
}

void CRefrenceDlg::OnButton(std::size_t index) {
  PostToMainWindow(wm::kFromPanel, wm::kPanelCommand);
  CloseMenu();
  switch (index) {
    case kOk:
      m_header.MediaOption = m_mediaOption;
      m_header.LightOption = m_lightOption;
      PostToMainWindow(wm::kFromPanel, wm::kClosed);
      return;
    case kCancel: PostToMainWindow(wm::kFromPanel, wm::kClosed); return;
    case kSwitch: PostToMainWindow(wm::kFromPanel, wm::kQuickSwitch); return;
    case kMedia: OpenMediaMenu(); return;
    default: return;  // the check button has no action of its own
  }
}

void CRefrenceDlg::OpenMediaMenu() {
  CloseMenu();
  skin::BmpMenuList entries;
  for (std::size_t i = 0; i < dialogs::kMediaPlayers.size(); ++i) {
    const dialogs::MediaPlayer& player = dialogs::kMediaPlayers[i];
    m_installed[i] = dialogs::IsMediaPlayerInstalled(m_registry, player);
    skin::AddMenuEntry(entries, strings::LookUpString(player.name), player.entryValue, m_installed[i]);
  }
  const RECT button = GetButton(kMedia).GetWindowRect();
  m_menu = skin::OpenBmpMenu(m_hWnd, std::move(entries), skin::MenuSkinSet(platform::Folders().exe, u"advance menu"),
                             POINT{button.left, button.bottom}, skin::kMediaPlayerMenu, m_header.Language);
}

void CRefrenceDlg::CloseMenu() {
  m_menu.reset();
}

// Only a player the menu listed as installed can be chosen, whoever sends the choice.
void CRefrenceDlg::OnMenuChoice(WPARAM wParam) {
  if (!m_menu) return;
  CloseMenu();
  const int position = skin::ChoiceParentPosition(static_cast<std::uint32_t>(wParam));
  if (position < 0 || static_cast<std::size_t>(position) >= m_installed.size() || !m_installed[position]) return;
  m_mediaOption = static_cast<std::uint32_t>(position);
  ShowMediaOption();
}

void CRefrenceDlg::OnDestroy() {
  CloseMenu();
  CSkinnedDialog::OnDestroy();
}

LRESULT CRefrenceDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case wm::kMenuChoice:
      OnMenuChoice(wParam);
      return 0;
    case wm::kPanelCloseMenu:
      CloseMenu();
      return 0;
    case WM_SHOWWINDOW:
      // Shown or hidden by the main window; not when the main window is minimised or restored.
      if (lParam == 0) Refresh();
      break;
    case WM_LBUTTONDOWN:
      CloseMenu();
      PostToMainWindow(wm::kFromPanel, wm::kPanelCommand);
      break;
    case WM_ACTIVATEAPP:
      // The menu stays above every window: it must not outlive the program's activation.
      if (!wParam) CloseMenu();
      PostToMainWindow(wm::kFromPanel, wm::kActivationChanged);
      break;
    case WM_MOUSEMOVE:
      // The panel takes the activation as soon as the pointer is over it.
      if (::GetActiveWindow() != m_hWnd) ::SetActiveWindow(m_hWnd);
      break;
    default:
      break;
  }
  return CSkinnedDialog::WindowProc(msg, wParam, lParam);
}
