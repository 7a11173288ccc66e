#include "tools/skindemo/SkinDemoDlg.h"

#include <cstdio>

#include "platform/WindowMessages.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Text.h"
#include "resources/Resource.h"
#include "skin/SkinPaths.h"
#include "skin/TextLine.h"
#include "tools/skindemo/DemoWarningDlg.h"
#include "tools/skindemo/FallbackArt.h"

namespace skindemo {
namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kOrange = 0x00AFFF;

// The key function menu's entries: text, value, and the submenu items under positions 3 to 6.
struct MenuItem {
  const char16_t* text;
  int value;
};
constexpr MenuItem kKeyMenu[] = {{u"Single key", 1}, {u"Macro", 2},       {u"Mouse", 3},      {u"Internet", 4},
                                 {u"Office", 5},     {u"Media", 6},       {u"Additional", 7}, {u"Profile switch", 8},
                                 {u"Launch program", 9}, {u"Reset", 0}, {u"Disable", 10}};
constexpr MenuItem kInternet[] = {{u"Home", 49}, {u"Back", 50}, {u"Forward", 51}, {u"Stop", 52},
                                  {u"Mail", 53}, {u"Refresh", 54}, {u"Favourites", 55}, {u"Search", 56}};
constexpr MenuItem kOffice[] = {{u"Word", 74}, {u"Outlook", 76}, {u"PowerPoint", 77}, {u"Excel", 75}, {u"Cut", 64},
                                {u"Copy", 65}, {u"Paste", 66},   {u"Undo", 67},       {u"Select all", 68},
                                {u"Find", 69}, {u"New", 70},     {u"Save", 72},       {u"Print", 71}};
constexpr MenuItem kMedia[] = {{u"Play/Pause", 32}, {u"Stop", 33}, {u"Previous", 34}, {u"Next", 35},
                               {u"Mute", 39}, {u"Volume down", 38}, {u"Volume up", 37}, {u"Media player", 36}};
constexpr MenuItem kAdditional[] = {{u"Switch windows", 80}, {u"Close window", 81}, {u"Open window", 83},
                                    {u"Run", 84}, {u"Show desktop", 85}, {u"Zoom in", 86}, {u"Zoom out", 87},
                                    {u"Maximise", 88}, {u"Minimise", 89}, {u"Lock", 82}};
struct Submenu {
  int position;
  const wchar_t* set;
  std::span<const MenuItem> items;
};
const Submenu kSubmenus[] = {{3, L"Internet", kInternet}, {4, L"office", kOffice}, {5, L"media", kMedia},
                             {6, L"additional", kAdditional}};

}  // namespace

CSkinDemoDlg::CSkinDemoDlg(std::wstring realSkins, std::wstring fallbackSkins)
    : CDialog(IDD_WARNING), m_real(std::move(realSkins)), m_fallback(std::move(fallbackSkins)) {}

std::wstring CSkinDemoDlg::SkinFolderFor(const std::wstring& file) const {
  return FolderFor(file, m_fallback, m_real);
}

BOOL CSkinDemoDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(L"Skin demo");
  // The link is a transparent text over the panel, as in the about box: the panel paints under it.
  ModifyStyle(WS_CLIPCHILDREN, 0);
  m_skin.Load(skin::DialogSkinSet(win::Utf16(m_fallback), u"skindemo", u"bmp"));
  m_skin.Place(m_hWnd, 60, 60);

  const std::pair<skin::CBitmapBtn2*, const PanelButton*> buttons[] = {
      {&m_push, &kPush},         {&m_toggle, &kToggle},     {&m_long, &kLongCaption}, {&m_menuButton, &kMenu},
      {&m_warningButton, &kWarning}, {&m_disabled, &kDisabled}, {&m_close, &kClose}};
  for (auto [button, place] : buttons) {
    m_skin.AddButton(*button, m_hWnd, place->rect);
    button->textColour = kWhite;
    button->hoverColour = kOrange;
    button->pressedColour = kWhite;
    button->SetCaption(place->caption);
  }
  m_toggle.toggleMode = true;
  m_long.alignment = skin::CaptionAlign::Left;
  m_long.SetTooltip(kLongCaption.caption);
  m_disabled.EnableWindow(false);
  m_push.SetTooltip(L"A plain push button");

  CreateImageButtons();

  const auto mouse = skin::RegionButtonSet(win::Utf16(SkinFolderFor(L"mouse left_n.bmp")), u"mouse left");
  m_mouseLeft.SetFiles(win::Wide(mouse.first), win::Wide(mouse.second), win::Wide(mouse.third), win::Wide(mouse.fourth));
  m_mouseLeft.Create(m_hWnd);
  m_mouseLeft.SetWindowPos(nullptr, kRegionButtonAt.x, kRegionButtonAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  m_mouseLeft.SetTooltip(L"A button shaped like its picture");

  m_link.SetTarget(L"https://www.example.com/");
  m_link.colours.link = 0xFFC080;  // light blue: readable on the dark panel
  m_link.Create(L"www.example.com", kLinkRect, m_hWnd);

  m_skin.Finish(m_hWnd);

  const std::wstring line = ::GetCommandLineW();
  if (line.find(L"/menu") != std::wstring::npos) PostMessage(kMsgOpenMenu);
  if (line.find(L"/warning") != std::wstring::npos) PostMessage(kMsgOpenWarning);
  return TRUE;
}

void CSkinDemoDlg::CreateImageButtons() {
  // The GDI+ buttons cut their faces from the panel's PNG pictures, released once cut.
  const std::wstring skins = m_fallback + L"Skins\\";
  const auto normal = skin::LoadSkinImage((skins + L"skindemo_normal.png").c_str());
  const auto over = skin::LoadSkinImage((skins + L"skindemo_over.png").c_str());
  const auto down = skin::LoadSkinImage((skins + L"skindemo_down.png").c_str());
  for (auto [button, place, turn] : {std::tuple{&m_rotated90, &kRotated90, skin::CaptionPlacement::Rotated90},
                                     std::tuple{&m_rotated270, &kRotated270, skin::CaptionPlacement::Rotated270}}) {
    const RECT& r = place->rect;
    button->Create(r, m_hWnd);
    button->SetImageFaces(r.left, r.top, r.right - r.left, r.bottom - r.top, normal.get(), over.get(), down.get(),
                          normal.get());
    button->caption = place->caption;
    button->placement = turn;
    button->fontFace = skin::CaptionFont::Arial;
    button->fontWeight = 700;
    button->textColour = kWhite;
    button->hoverColour = kOrange;
  }
}

void CSkinDemoDlg::OnPaint() {
  m_skin.Paint(m_hWnd, [&](HDC dc) {
    skin::DrawTextLine(dc, L"SKIN TOOLKIT DEMO", RECT{20, 8, 400, 38}, skin::kTitleStyle);
    skin::DrawTextLine(dc, L"Region button",
                       RECT{kRegionButtonAt.x + 90, kRegionButtonAt.y, 624, kRegionButtonAt.y + 24}, skin::kLabelStyle);
    skin::DrawTextLine(dc, m_status,
                       RECT{kStatusRect.left + 6, kStatusRect.top, kStatusRect.right - 4, kStatusRect.bottom},
                       skin::kLabelStyle);
  });
}

void CSkinDemoDlg::SetStatus(const std::wstring& text) {
  m_status = text;
  RECT area = kStatusRect;
  ::InvalidateRect(m_hWnd, &area, FALSE);
}

bool CSkinDemoDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto from = reinterpret_cast<HWND>(lParam);
  if (!from) return CDialog::OnCommand(wParam, lParam);
  // Any command closes an open menu first, as in the program's main window.
  CloseMenu();
  if (from == m_push.GetHwnd()) {
    SetStatus(L"Push clicked " + std::to_wstring(++m_pushes) + L" times");
  } else if (from == m_toggle.GetHwnd()) {
    SetStatus(m_toggle.GetChecked() ? L"Toggle is on" : L"Toggle is off");
  } else if (from == m_long.GetHwnd()) {
    SetStatus(L"The long caption ends in an ellipsis");
  } else if (from == m_menuButton.GetHwnd()) {
    OpenMenu();
  } else if (from == m_warningButton.GetHwnd()) {
    RunWarning();
  } else if (from == m_rotated90.GetHwnd() || from == m_rotated270.GetHwnd()) {
    SetStatus(from == m_rotated90.GetHwnd() ? L"Rotated 90 clicked" : L"Rotated 270 clicked");
  } else if (from == m_mouseLeft.GetHwnd()) {
    SetStatus(L"Region button clicked");
  } else if (from == m_close.GetHwnd()) {
    EndDialog(IDCANCEL);
  } else {
    return CDialog::OnCommand(wParam, lParam);
  }
  return true;
}

void CSkinDemoDlg::OpenMenu() {
  CloseMenu();
  m_menu = std::make_unique<skin::CBmpMenu>();
  for (const auto& item : kKeyMenu) skin::AddMenuEntry(m_menu->entries, item.text, item.value, true);
  for (const auto& sub : kSubmenus)
    for (const auto& item : sub.items) skin::AddSubmenuEntry(m_menu->entries, sub.position, item.text, item.value, true);
  const auto files = skin::MenuSkinSet(win::Utf16(SkinFolderFor(L"key function_normal.png")), u"key function");
  m_menu->SetMenuSkin(win::Wide(files.normal), win::Wide(files.over), win::Wide(files.down), win::Wide(files.fourth),
                      win::Wide(files.mask));
  for (const auto& sub : kSubmenus) {
    const std::wstring set = sub.set;
    const auto paths = skin::MenuSkinSet(win::Utf16(SkinFolderFor(set + L"_normal.png")), win::Utf16(set));
    m_menu->SetSubmenuSkin(sub.position, win::Wide(paths.normal), win::Wide(paths.over), win::Wide(paths.down),
                           win::Wide(paths.fourth), win::Wide(paths.mask));
  }
  const RECT at = m_menuButton.GetWindowRect();
  m_menu->x = at.right + 4;
  m_menu->y = at.top - 60;
  if (!m_menu->Create(m_hWnd)) m_menu.reset();
}

void CSkinDemoDlg::CloseMenu() {
  m_menu.reset();  // destroys its window
}

void CSkinDemoDlg::RunWarning() {
  CDemoWarningDlg warning(SkinFolderFor(L"warning_normal.jpg"));
  const INT_PTR result = warning.DoModal(m_hWnd);
  SetStatus(result == IDOK ? L"Warning answered OK (1)" : L"Warning answered Cancel (2)");
}

bool CSkinDemoDlg::PreTranslateMessage(MSG& msg) {
  return skin::IsEnterOrEscKey(msg) || CDialog::PreTranslateMessage(msg);
}

LRESULT CSkinDemoDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return TRUE;
    case wm::kMenuChoice: {
      wchar_t text[160];
      std::swprintf(text, 160, L"Menu choice %d.%d: 0x%08X", skin::ChoiceParentPosition(wParam),
                    skin::ChoiceSubmenuPosition(wParam), static_cast<unsigned>(lParam));
      CloseMenu();
      SetStatus(text);
      return 0;
    }
    case kMsgOpenMenu:
      OpenMenu();
      return 0;
    case kMsgOpenWarning:
      RunWarning();
      return 0;
    case WM_ACTIVATEAPP:
      if (!wParam) CloseMenu();
      break;
    case WM_LBUTTONDOWN:
      CloseMenu();
      skin::MoveByBody(m_hWnd, lParam);
      return 0;
  }
  return CDialog::WindowProc(msg, wParam, lParam);
}

}  // namespace skindemo
