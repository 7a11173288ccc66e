#include "app/OsselSettingDlg.h"

#include <shellapi.h>

#include <thread>

#include "app/KeyFunctionMenu.h"
#include "app/MainWindowLogic.h"
#include "catalogue/FunctionCatalogue.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/WarningDlg.h"
#include "dialogs/WarningModes.h"
#include "editors/LaunchProgram.h"
#include "framework/DeviceContext.h"
#include "framework/Gdiplus.h"
#include "profiles/SwitchProfile.h"
#include "platform/ProgramFolders.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Text.h"
#include "resources/Resource.h"
#include "skin/DrawnTexts.h"
#include "skin/ShapedWindow.h"
#include "skin/SkinPaths.h"
#include "store/Companion.h"
#include "store/RegistryPersistence.h"
#include "strings/StringTable.h"

namespace {

using strings::StringKey;
constexpr auto kGothic = skin::CaptionFont::BankGothic;
constexpr auto kArial = skin::CaptionFont::Arial;

// One of the main window's GDI+ image buttons. Rectangles are left, top, width, height; a button
// without a font of its own keeps the class default ("BankGothic Lt BT", 16).
struct ButtonSpec {
  int x, y, width, height;
  const StringKey* label;  // null: no caption
  skin::CaptionFont fontFace = kGothic;
  int fontHeight = 16;
  int fontWeight = 500;
  COLORREF normal = 210, hover = 0xFFFFFF, pressed = 0xFFFFFF;
  skin::CaptionPlacement placement = skin::CaptionPlacement::Centred;
  int textOffset = 0;
};

// In creation order, which is also the order of COsselSettingDlg::Button.
const ButtonSpec kButtons[] = {
    {1028, 72, 26, 30, nullptr},                                                             // close
    {978, 72, 24, 30, nullptr},                                                              // manual
    {1003, 72, 24, 30, nullptr},                                                             // minimise
    {669, 646, 127, 24, &strings::kMainOk, kGothic, 16, 700, 0xFFFFFF, 0x808080, 0xFFFFFF},
    {925, 646, 128, 24, &strings::kMainCancel, kGothic, 16, 700, 0xFFFFFF, 0x808080, 0xFFFFFF},
    {797, 646, 127, 24, &strings::kMainApply, kGothic, 16, 700, 0xFFFFFF, 0x808080, 0xFFFFFF},
    {70, 553, 170, 32, &strings::kMainProfile, kGothic, 14, 500, 0x000000, 0x808080, 0x808080},
    {253, 553, 170, 32, &strings::kMainResetProfile, kGothic, 14, 500, 0x000000, 0x808080, 0x808080},
    {70, 584, 168, 24, nullptr, kArial, 15, 500, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, skin::CaptionPlacement::Left, 5},  // profile
    {90, 493, 180, 24, &strings::kMainReset, kArial, 14, 500, 0xFFFFFF, 0x000000, 0x808080},
    {747, 10, 208, 29, &strings::kMainReference, kGothic, 16, 700, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
    {89, 162, 123, 35, &strings::kMainLayer1, kGothic, 16, 700, 0xA08000, 0xFF8000, 0xFF8000},
    {220, 162, 122, 35, &strings::kMainLayer2, kGothic, 16, 700, 0x308000, 0x00FF00, 0x00FF00},
    {350, 162, 122, 35, &strings::kMainLayer3, kGothic, 16, 700, 0x304080, 0x0040FF, 0x0040FF},
};

constexpr const char16_t* kImageFaces[4] = {skin::face::kNormal, skin::face::kOver, skin::face::kDown,
                                           skin::face::kSelected};
const Gdiplus::RectF kVersionRect{813, 685, 170, 15};
constexpr POINT kLogoLeft{84, 59};
constexpr POINT kLogoRight{760, 540};

}  // namespace

COsselSettingDlg::COsselSettingDlg(store::SettingsStore& store, platform::Registry& registry,
                                   platform::WindowMessenger& messenger)
    : CDialog(IDD_OSSELSETTING_DIALOG),
      m_store(store),
      m_registry(registry),
      m_messenger(messenger),
      m_children(*this, *this, store, registry) {}

COsselSettingDlg::~COsselSettingDlg() = default;

BOOL COsselSettingDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  const auto aboutText = [] {
    wchar_t text[128] = {};
    ::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 128);
    return std::wstring(text);
  }();
  if (HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE); systemMenu && !aboutText.empty()) {
    ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(systemMenu, MF_STRING, kSysCommandAbout, aboutText.c_str());
  }
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  m_bigIcon.reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                                  ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), 0)));
  m_smallIcon.reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                                    ::GetSystemMetrics(SM_CXSMICON),
                                                    ::GetSystemMetrics(SM_CYSMICON), 0)));
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon.get()));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.get()));

  SetWindowText(win::Wide(strings::LookUpString(strings::kMainName)));
  store::AnnounceOpen(m_messenger, reinterpret_cast<std::uintptr_t>(m_hWnd));

  {
    // The settings are read while the pictures load: under Wine each of the 3,379 values is a round trip
    // to the server, and the pictures' decoding needs none. Nothing else touches the store or the
    // registry until the reading is done.
    std::jthread reading([this] { store::LoadSettings(m_store, m_registry); });
    LoadSkin();
    CreateButtons();
  }
  m_keyboard.Build(m_hWnd, catalogue::LayoutVariant(m_store.header.Language), platform::Folders().exe, ImagesOfLayer(0));
  // The masks' size; a missing or damaged mask leaves the pictures' size, and with no picture at all the
  // template's, rather than a window of 0 × 0.
  const SIZE size = skin::FirstNonEmptySize({m_mask2.size(), m_mask1.size(), m_layerSize});
  SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | (size.cx > 0 ? 0 : SWP_NOSIZE));
  m_children.PlaceAttachedWindows();
  m_initialised = true;

  RebuildProfileLabel();
  ShowLayer(static_cast<int>(store::CurrentProfile(m_store).Keymap));
  return TRUE;
}

void COsselSettingDlg::LoadLayerImages(int layer) {
  const std::u16string set = u"main_layer" + std::u16string(1, static_cast<char16_t>(u'1' + layer));
  for (int face = 0; face < 4; ++face) {
    auto& image = m_layerImages[static_cast<std::size_t>(layer)][static_cast<std::size_t>(face)];
    image = skin::LoadSkinImage(
        win::Wide(skin::SkinFilePath(platform::Folders().exe, skin::SkinSetFileName(set, kImageFaces[face], u"png")))
            .c_str());
    m_layerSize = skin::FirstNonEmptySize({m_layerSize, skin::ImageSize(image.get())});
  }
}

void COsselSettingDlg::LoadSkin() {
  const auto path = [&](const std::u16string& name) { return win::Wide(skin::SkinFilePath(platform::Folders().exe, name)); };
  // The buttons' faces come from the first layer; the other layers are read when first shown.
  LoadLayerImages(0);
  m_logoLeft = skin::LoadSkinImage(path(u"logo_L.png").c_str());
  m_logoRight = skin::LoadSkinImage(path(u"logo_R.png").c_str());
  skin::LoadSkinBitmap(path(u"main_mask1.bmp").c_str(), m_mask1);
  skin::LoadSkinBitmap(path(u"main_mask2.bmp").c_str(), m_mask2);
  skin::ShapeWindowFromMask(m_hWnd, m_mask1.get());

  m_versionText = win::Wide(strings::LookUpString(strings::kMainVersion) + app::kVersionNumber);
}

void COsselSettingDlg::CreateButtons() {
  // Every button's faces come from the first layer's images, whatever layer is shown.
  const auto& images = m_layerImages[0];
  for (int i = 0; i < kButtonCount; ++i) {
    const ButtonSpec& spec = kButtons[i];
    skin::CBitmapBtn& button = m_buttons[static_cast<std::size_t>(i)];
    button.Create({spec.x, spec.y, spec.x + spec.width, spec.y + spec.height}, m_hWnd);
    button.SetImageFaces(spec.x, spec.y, spec.width, spec.height, images[0].get(), images[1].get(),
                         images[2].get(), images[0].get());
    if (spec.label) button.caption = win::Wide(strings::LookUpString(*spec.label));
    button.fontFace = spec.fontFace;
    button.fontHeight = spec.fontHeight;
    button.fontWeight = spec.fontWeight;
    button.textColour = spec.normal;
    button.hoverColour = spec.hover;
    button.pressedColour = spec.pressed;
    button.placement = spec.placement;
    button.textOffset = spec.textOffset;
    button.Invalidate(false);
  }
  // The profile label never changes its look: all its faces are the normal picture.
  const ButtonSpec& label = kButtons[kProfileLabel];
  m_buttons[kProfileLabel].SetImageFaces(label.x, label.y, label.width, label.height, images[0].get(),
                                         images[0].get(), images[0].get(), images[0].get());
}

app::LayerImages COsselSettingDlg::ImagesOfLayer(int layer) {
  auto& loaded = m_layerImages[static_cast<std::size_t>(layer)];
  auto& converted = m_layerBitmaps[static_cast<std::size_t>(layer)];
  if (!converted[0] && !loaded[0]) LoadLayerImages(layer);
  app::LayerImages images{};
  for (std::size_t face = 0; face < images.size(); ++face) {
    // Converted once, at the layer's first showing: a conversion costs about 10 ms, a switch would pay 40.
    if (!converted[face] && loaded[face]) {
      HBITMAP bitmap = nullptr;
      if (loaded[face].get()->GetHBITMAP(Gdiplus::Color(0xFF000000), &bitmap) == Gdiplus::Ok) converted[face].reset(bitmap);
      loaded[face].reset();
    }
    images[face] = converted[face].get();
  }
  return images;
}

void COsselSettingDlg::ShowLayer(int layer) {
  if (!store::ValidLayer(layer)) layer = 0;
  for (int i = 0; i < store::kLayerCount; ++i) {
    skin::CBitmapBtn& button = m_buttons[static_cast<std::size_t>(kLayer1 + i)];
    const bool checked = i == layer;
    if (button.checked != checked) {
      button.checked = checked;
      button.Invalidate(false);
    }
  }
  // The background is the layer's picture: shown again, it needs no repaint, and the keys repaint
  // only those whose look changed.
  if (layer != m_layerShown) Invalidate(false);
  m_keyboard.ShowLayer(layer, ImagesOfLayer(layer));
  m_layerShown = layer;
  store::CurrentProfile(m_store).Keymap = static_cast<std::uint32_t>(layer);
  RefreshKeyTooltips();
}

void COsselSettingDlg::RefreshKeyTooltips() {
  for (int slot = 0; slot < store::kKeyCount; ++slot) {
    const auto* record = store::FindKeyRecord(m_store, store::CurrentProfileIndex(m_store), m_layerShown, slot);
    if (record && record->FunctionKind != store::kind::kNone) MarkKey(slot, false);
  }
}

void COsselSettingDlg::MarkKey(int slot, bool beingEdited) {
  const auto* record = store::FindKeyRecord(m_store, store::CurrentProfileIndex(m_store), m_layerShown, slot);
  if (!record) return;  // -1: no key
  const std::wstring tooltip =
      win::Wide(catalogue::FunctionLabel(record->FunctionKind, record->singleKey.KeyCode));
  m_keyboard.MarkKey(slot, app::KeyStateOf(*record, beingEdited), tooltip);
}

void COsselSettingDlg::RebuildProfileLabel() {
  m_buttons[kProfileLabel].caption =
      win::Wide(app::ProfileLabelText(m_store, strings::LookUpString(strings::kProfileSetProfile)));
  m_buttons[kProfileLabel].Invalidate(false);
}

void COsselSettingDlg::Save() {
  const auto report = store::SaveSettings(m_store, m_registry, m_messenger);
  if (!report.ok()) RunWarning(dialogs::WarningMode::kSaveFailed, m_hWnd);
}

bool COsselSettingDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto sender = reinterpret_cast<HWND>(lParam);
  if (!sender) return CDialog::OnCommand(wParam, lParam);
  CloseKeyMenu();

  const auto is = [&](Button button) { return sender == m_buttons[static_cast<std::size_t>(button)].GetHwnd(); };
  if (is(kClose) || is(kCancel)) {
    PostMessage(WM_CLOSE);
  } else if (is(kOk)) {
    // A save that failed keeps the window open, so the changes are not lost with it.
    const auto report = store::SaveSettings(m_store, m_registry, m_messenger);
    if (report.ok())
      PostMessage(WM_CLOSE);
    else
      RunWarning(dialogs::WarningMode::kSaveFailed, m_hWnd);
  } else if (is(kApply)) {
    Save();
    m_buttons[kApply].Invalidate(false);
  } else if (is(kManual)) {
    OpenManual();
  } else if (is(kMinimise)) {
    SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
  } else if (is(kReset)) {
    if (RunWarning(dialogs::WarningMode::kResetLayer, m_hWnd) == IDOK) {
      store::ResetLayer(m_store, store::CurrentProfileIndex(m_store), m_layerShown);
      ShowLayer(static_cast<int>(store::CurrentProfile(m_store).Keymap));
    }
  } else if (is(kResetProfile)) {
    if (RunWarning(dialogs::WarningMode::kResetAll, m_hWnd) == IDOK) {
      store::ResetAll(m_store);
      ShowLayer(static_cast<int>(store::CurrentProfile(m_store).Keymap));
      RebuildProfileLabel();
    }
  } else if (is(kProfile)) {
    m_children.ShowProfileDialog();
  } else if (is(kReference)) {
    if (!m_children.IsPanelOut()) m_children.SlidePanelOut();
  } else if (is(kLayer1) || is(kLayer2) || is(kLayer3)) {
    ShowLayer(is(kLayer1) ? 0 : is(kLayer2) ? 1 : 2);
  } else if (const int slot = m_keyboard.SlotOf(sender); slot >= 0) {
    OpenKeyMenu(slot);
  } else {
    return CDialog::OnCommand(wParam, lParam);
  }
  return true;
}

void COsselSettingDlg::OpenManual() const {
  const std::wstring manual = win::Wide(platform::Folders().Manual());
  ::ShellExecuteW(nullptr, L"open", manual.c_str(), nullptr, nullptr, SW_SHOWNORMAL);  // a missing manual: nothing
}

void COsselSettingDlg::OpenKeyMenu(int slot) {
  if (m_children.IsProfileDialogOpen()) return;
  m_children.ClosePanelMenu();
  m_menu.reset();
  MarkKey(m_keyBeingEdited, false);
  m_keyBeingEdited = slot;
  m_editedProfile = store::CurrentProfileIndex(m_store);
  m_editedLayer = m_layerShown;
  MarkKey(slot, true);  // pressed while its menu or editor is open

  POINT cursor{};
  ::GetCursorPos(&cursor);
  const app::Point origin = app::KeyMenuOrigin({cursor.x, cursor.y}, ::GetSystemMetrics(SM_CXFULLSCREEN),
                                               ::GetSystemMetrics(SM_CYFULLSCREEN));
  m_menu = app::OpenKeyFunctionMenu(m_hWnd, platform::Folders().exe, origin, m_store.header.Language);
}

bool COsselSettingDlg::DropKeyMenu() {
  if (!m_menu) return false;
  m_menu.reset();
  MarkKey(m_keyBeingEdited, false);
  return true;
}

void COsselSettingDlg::CloseKeyMenu() {
  if (DropKeyMenu()) m_keyBeingEdited = -1;
}

void COsselSettingDlg::RunMenuCommand(LPARAM value) {
  const int slot = m_keyBeingEdited;
  store::KeyRecord* record = EditedRecord();
  if (!record) return;
  if (m_children.IsPanelOut()) m_children.SlidePanelIn();
  const app::MenuCommand command = app::DecodeMenuValue(static_cast<std::uintptr_t>(value));
  // The editors keep the key until they report that they closed; they write and save on their own apply.
  switch (static_cast<catalogue::Category>(command.category)) {
    case catalogue::Category::SingleKey:
      m_children.SingleKeyDialog().ClearKey();
      m_children.OpenEditor(app::Editor::kSingleKey);
      return;
    case catalogue::Category::Mouse:
      m_children.MouseDialog().ClearChoice();
      m_children.OpenEditor(app::Editor::kMouse);
      return;
    case catalogue::Category::Macro:
      m_children.MacroEditor().Open(*record, m_store.header.Language);
      m_children.OpenEditor(app::Editor::kMacro);
      return;
    case catalogue::Category::ProfileSwitch:
      RunProfileSwitchDialog(*record);
      break;
    case catalogue::Category::LaunchProgram:
      RunLaunchDialog(*record);
      break;
    default:
      // Direct choices change memory only; APPLY or OK saves them.
      if (const auto kind = app::DirectAssignmentKind(command)) store::WriteSimpleKind(*record, *kind);
      break;
  }
  MarkKey(slot, false);
  m_keyBeingEdited = -1;
}

store::KeyRecord* COsselSettingDlg::EditedRecord() {
  return store::FindKeyRecord(m_store, m_editedProfile, m_editedLayer, m_keyBeingEdited);
}

void COsselSettingDlg::KeyWritten() {
  MarkKey(m_keyBeingEdited, false);
  Save();
}

void COsselSettingDlg::ReleaseKey() {
  MarkKey(m_keyBeingEdited, false);
  m_keyBeingEdited = -1;
}

void COsselSettingDlg::ShowCurrentProfile() {
  RebuildProfileLabel();
  ShowLayer(static_cast<int>(store::CurrentProfile(m_store).Keymap));
}

void COsselSettingDlg::ShapeForPanel(bool panelOut) {
  skin::ShapeWindowFromMask(m_hWnd, (panelOut ? m_mask2 : m_mask1).get());
}

void COsselSettingDlg::RunProfileSwitchDialog(store::KeyRecord& record) {
  CSwitchProfile dialog(static_cast<int>(store::CurrentProfile(m_store).Keymap));
  const auto& target = record.profileSwitch;
  dialog.SetValues(target.TargetProfile, target.TargetLayer, target.ShowOsd);
  if (dialog.DoModal(m_hWnd) != IDOK) return;
  const auto chosen = dialog.Values();
  store::WriteProfileSwitch(record, chosen.profile, chosen.layer, chosen.showOsd);
}

void COsselSettingDlg::RunLaunchDialog(store::KeyRecord& record) {
  CLaunchProgram dialog;
  dialog.SetProgram(win::Wide(store::TerminatedView(record.launch.ProgramPath, store::kPathCapacity)),
                    win::Wide(store::TerminatedView(record.launch.ShortcutName, store::kPathCapacity)));
  if (dialog.DoModal(m_hWnd) != IDOK) return;
  store::WriteLaunchProgram(record, win::Utf16(dialog.ProgramPath()), win::Utf16(dialog.ProgramName()));
}

void COsselSettingDlg::OnProfileNotification(WPARAM wParam, LPARAM lParam) {
  store::ApplyProfileNotification(m_store, static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam));
  ShowCurrentProfile();
  m_children.RefreshProfileRows();
}

void COsselSettingDlg::OnBackgroundPress(LPARAM point) {
  CloseKeyMenu();
  m_children.ClosePanelMenu();
  skin::MoveByBody(m_hWnd, point);
}

void COsselSettingDlg::OnActivateApp(bool active) {
  if (!active) {
    CloseKeyMenu();
    return;
  }
  if (m_initialised) RebuildProfileLabel();
  if (m_children.IsPanelOut()) m_children.PlaceAttachedWindows();
}

bool COsselSettingDlg::PreTranslateMessage(MSG& msg) {
  if (skin::IsEnterOrEscKey(msg)) return true;  // neither closes nor applies
  return CDialog::PreTranslateMessage(msg);
}

LRESULT COsselSettingDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return TRUE;  // the paint covers the whole window
    case WM_LBUTTONDOWN:
      OnBackgroundPress(lParam);
      return 0;
    case wm::kMenuChoice:
      m_menu.reset();
      RunMenuCommand(lParam);
      return 0;
    case wm::kCompanionSettingsOrProfile:
      OnProfileNotification(wParam, lParam);
      return 0;
    case WM_MOVE:
      if (m_initialised) m_children.PlaceAttachedWindows();
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == kSysCommandAbout) {
        CAboutDlg about;
        about.DoModal(m_hWnd);
        return 0;
      }
      break;
    case WM_ACTIVATEAPP:
      OnActivateApp(wParam != FALSE);
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && m_initialised) m_children.OnMainActivated();
      break;
    default:
      if (app::ChildWindows::IsChildMessage(msg)) {
        DropKeyMenu();  // an editor may be holding the key: it stays
        m_children.OnChildMessage(msg, wParam, lParam);
        return 0;
      }
      break;
  }
  return CDialog::WindowProc(msg, wParam, lParam);
}

void COsselSettingDlg::OnPaint() {
  if (::IsIconic(m_hWnd)) {
    win::PaintDC dc(m_hWnd);
    const RECT client = GetClientRect();
    const int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
    ::DrawIcon(dc.get(), (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2, m_bigIcon.get());
    return;
  }
  skin::PaintOffscreen(m_hWnd, [this](HDC dc, SIZE size) {
    skin::DrawBitmap(dc, m_layerBitmaps[static_cast<std::size_t>(m_layerShown)][0].get(), 0, 0);
    Gdiplus::Graphics graphics(dc);
    for (const auto& [logo, at] : {std::pair{m_logoLeft.get(), kLogoLeft}, std::pair{m_logoRight.get(), kLogoRight}})
      if (logo) graphics.DrawImage(logo, static_cast<INT>(at.x), static_cast<INT>(at.y), logo->GetWidth(), logo->GetHeight());
    const auto family = win::SansSerifFamily();
    if (!family) return;
    Gdiplus::Font font(family.get(), 8, Gdiplus::FontStyleRegular, Gdiplus::UnitPoint);
    Gdiplus::SolidBrush white(Gdiplus::Color(0xFFFFFFFF));
    Gdiplus::StringFormat centred;
    centred.SetAlignment(Gdiplus::StringAlignmentCenter);
    centred.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    skin::ReportDrawnText(graphics, m_versionText, font, kVersionRect, centred);
    graphics.DrawString(m_versionText.c_str(), static_cast<INT>(m_versionText.size()), &font, kVersionRect, &centred,
                        &white);
  });
}

void COsselSettingDlg::OnDestroy() {
  m_menu.reset();
  for (auto& layer : m_layerImages)
    for (auto& image : layer) image.reset();
  for (auto& layer : m_layerBitmaps)
    for (auto& bitmap : layer) bitmap.reset();
  m_logoLeft.reset();
  m_logoRight.reset();
  m_mask1.reset();
  m_mask2.reset();
  store::AnnounceClose(m_messenger);
  CDialog::OnDestroy();
}
