// Every skin file removed, then cut to half its length, in turn, in a copy of the program's folder: each
// window that reads the file still opens with a size, shows, answers its buttons and closes. And a
// language file from before the added notices still gives them English texts.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/KeyFunctionMenu.h"
#include "app/OsselSettingDlg.h"
#include "catalogue/FunctionCatalogue.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/WarningDlg.h"
#include "editors/LaunchProgram.h"
#include "platform/fake/MemoryRegistry.h"
#include "platform/fake/RecordingMessenger.h"
#include "platform/win32/Module.h"
#include "platform/win32/Text.h"
#include "profiles/SwitchDlg.h"
#include "profiles/SwitchProfile.h"
#include "store/Companion.h"
#include "store/RegistryPersistence.h"
#include "tests/framework/TestSupport.h"

namespace {

using fwtest::PumpFor;

// Shown, with a size, and not shaped to nothing.
void ExpectShown(HWND window, const char* what) {
  ASSERT_TRUE(::IsWindow(window)) << what;
  EXPECT_TRUE(::IsWindowVisible(window)) << what;
  RECT rect{};
  ::GetWindowRect(window, &rect);
  EXPECT_GT(rect.right - rect.left, 0) << what;
  EXPECT_GT(rect.bottom - rect.top, 0) << what;
  win::Region shape(::CreateRectRgn(0, 0, 0, 0));
  EXPECT_NE(::GetWindowRgn(window, shape.get()), NULLREGION) << what;
}
void ExpectSized(const CWnd& control, const char* what) {
  const RECT rect = control.GetWindowRect();
  EXPECT_TRUE(rect.right > rect.left && rect.bottom > rect.top) << what;
}
void Press(CWnd& window, HWND button) {
  window.SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

class SkinDamage : public ::testing::Test {
 protected:
  // A copy of the program's texts and skin in a scratch folder, which the program's windows then read.
  static void SetUpTestSuite() {
    shipped = win::Wide(platform::ProgramFoldersOf(win::ModuleFileName()).exe);
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    root = std::wstring(temp) + L"skin-damage-" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
    ::CreateDirectoryW(root.c_str(), nullptr);
    ::CreateDirectoryW((root + L"Skins").c_str(), nullptr);
    ::CopyFileW((shipped + L"Strings.xml").c_str(), (root + L"Strings.xml").c_str(), FALSE);
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((shipped + L"Skins\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        files.push_back(found.cFileName);
        Restore(found.cFileName);
      } while (::FindNextFileW(search, &found));
      ::FindClose(search);
    }
    std::sort(files.begin(), files.end());
    platform::SetProgramFolders({win::Utf16(root)});
    strings::SetStringFilePath(win::Utf16(root + L"Strings.xml"));
  }
  static void TearDownTestSuite() {
    for (const auto& name : files) ::DeleteFileW(SkinFile(name).c_str());
    ::DeleteFileW((root + L"Strings.xml").c_str());
    ::RemoveDirectoryW((root + L"Skins").c_str());
    ::RemoveDirectoryW(root.c_str());
    fwtest::UseProgramFilesBesideTest();  // back to the folders every test program starts with
  }

  static std::wstring SkinFile(const std::wstring& name) { return root + L"Skins\\" + name; }
  static void Restore(const std::wstring& name) {
    ::CopyFileW((shipped + L"Skins\\" + name).c_str(), SkinFile(name).c_str(), FALSE);
  }
  static void Truncate(const std::wstring& name) {
    const HANDLE file = ::CreateFileW(SkinFile(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size{};
    ::GetFileSizeEx(file, &size);
    size.QuadPart /= 2;
    ::SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
    ::SetEndOfFile(file);
    ::CloseHandle(file);
  }

  // --- The windows, each built, shown, used a little and closed ---------------------------------------------

  std::unique_ptr<COsselSettingDlg> OpenMainWindow() {
    auto window = std::make_unique<COsselSettingDlg>(*settings, registry, messenger);
    EXPECT_TRUE(window->Create(nullptr));
    window->ShowWindow(SW_SHOWNOACTIVATE);
    PumpFor(30);
    return window;
  }
  void CloseMainWindow(std::unique_ptr<COsselSettingDlg> window) {
    const HWND hwnd = window->GetHwnd();
    window->DestroyWindow();
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(messenger.posted.back(), (platform::PostedMessage{1538, 0, 0}));
  }

  // The layer pictures are read when a layer is first shown: a file of layer 2 or 3 is tried by showing it.
  void MainWindow(const std::wstring& file) {
    auto window = OpenMainWindow();
    ExpectShown(window->GetHwnd(), "main window");
    for (const auto layer : {COsselSettingDlg::kLayer2, COsselSettingDlg::kLayer3}) {
      if (file.find(layer == COsselSettingDlg::kLayer2 ? L"layer2" : L"layer3") == std::wstring::npos) continue;
      Press(*window, window->GetButton(layer).GetHwnd());
      EXPECT_EQ(window->LayerShown(), layer - COsselSettingDlg::kLayer1);
    }
    ExpectSized(window->Keyboard().EnterKey(), "Enter key");
    ExpectSized(window->GetButton(COsselSettingDlg::kApply), "APPLY");
    registry.ClearWrites();
    Press(*window, window->GetButton(COsselSettingDlg::kApply).GetHwnd());
    EXPECT_EQ(registry.writes().size(), static_cast<std::size_t>(store::kValuesWritten));
    CloseMainWindow(std::move(window));
  }

  // The key function menu, opened as the main window opens it, and the submenu of the file's set.
  void KeyMenu(const std::wstring& file) {
    using catalogue::Category;
    const std::pair<const wchar_t*, Category> submenus[] = {
        {L"Internet_", Category::Internet}, {L"office_", Category::Office}, {L"additional_", Category::Additional}};
    Category wanted = Category::Media;  // also for the menu's own files
    for (const auto& [set, category] : submenus)
      if (file.starts_with(set)) wanted = category;

    fwtest::StandInMainWindow owner;
    auto menu = app::OpenKeyFunctionMenu(owner.GetHwnd(), platform::Folders().exe, {300, 300}, 0);
    ASSERT_NE(menu, nullptr);
    ExpectShown(menu->GetHwnd(), "key menu");
    const auto entries = catalogue::KeyMenuEntries();
    for (int i = 0; i < static_cast<int>(entries.size()) && i < menu->EntryCount(); ++i) {
      if (entries[static_cast<std::size_t>(i)].category != wanted) continue;
      const HWND entry = menu->Entry(i).GetHwnd();
      fwtest::MoveTo(fwtest::ScreenPoint(entry, fwtest::CentreOf(entry)));
      ASSERT_TRUE(fwtest::PumpUntil([&] { return menu->GetOpenSubmenuPosition() == i; }, 2000)) << i;
      ExpectShown(menu->GetOpenSubmenu()->GetHwnd(), "submenu");
    }
    fwtest::MoveAway();
    const HWND hwnd = menu->GetHwnd();
    menu.reset();
    EXPECT_FALSE(::IsWindow(hwnd));
  }

  // A dialog created hidden as the main window creates its children, shown, used by `use`, destroyed.
  template <typename D>
  void Dialog(D& dialog, const char* what, const std::function<void(D&)>& use = {}) {
    ASSERT_TRUE(dialog.Create(nullptr)) << what;
    dialog.ShowWindow(SW_SHOWNOACTIVATE);
    PumpFor(20);
    ExpectShown(dialog.GetHwnd(), what);
    for (std::size_t i = 0; i < dialog.ButtonCount(); ++i) EXPECT_TRUE(::IsWindow(dialog.GetButton(i).GetHwnd())) << what;
    if (use) use(dialog);
    const HWND hwnd = dialog.GetHwnd();
    dialog.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hwnd)) << what;
  }
  template <typename D, typename Menu>
  static void PressForMenu(D& dialog, std::size_t button, Menu menu, const char* what) {
    Press(dialog, dialog.GetButton(button).GetHwnd());
    ASSERT_NE(menu(), nullptr) << what;
    ExpectShown(menu()->GetHwnd(), what);
  }

  void Warning(const std::wstring&) {
    CWarningDlg dialog;
    dialog.mode = dialogs::WarningMode::kResetLayer;
    Dialog(dialog, "confirmation");
  }
  void About(const std::wstring&) {
    CAboutDlg dialog;
    Dialog(dialog, "about");
  }
  void Panel(const std::wstring&) {
    CRefrenceDlg dialog(settings->header, registry);
    Dialog<CRefrenceDlg>(dialog, "panel", [](CRefrenceDlg& d) {
      PressForMenu(d, CRefrenceDlg::kMedia, [&] { return d.OpenMenu(); }, "media player menu");
    });
  }
  void SingleKey(const std::wstring&) {
    CSinglekeyDlg dialog;
    Dialog(dialog, "single key");
  }
  void Mouse(const std::wstring&) {
    CMouseDlg dialog;
    Dialog<CMouseDlg>(dialog, "mouse", [](CMouseDlg& d) {
      for (int c = 0; c < CMouseDlg::kChoiceCount; ++c) ExpectSized(d.ChoiceButton(static_cast<CMouseDlg::Choice>(c)), "mouse choice");
    });
  }
  void Launch(const std::wstring&) {
    CLaunchProgram dialog;
    Dialog(dialog, "launch program");
  }
  void Macro(const std::wstring&) {
    CMacroSetDlg dialog;
    Dialog<CMacroSetDlg>(dialog, "macro", [](CMacroSetDlg& d) {
      d.Open(store::KeyRecord{}, 0);
      for (int b = 0; b < CMacroSetDlg::kMouseButtonCount; ++b)
        ExpectSized(d.GetMouseButton(static_cast<CMacroSetDlg::MouseButton>(b)), "macro mouse button");
      for (const auto button : {CMacroSetDlg::kPauseAmount, CMacroSetDlg::kRepeatCount, CMacroSetDlg::kDelayMode})
        PressForMenu(d, button, [&] { return d.MenuWindow(); }, "macro menu");
    });
  }
  void Profiles(const std::wstring&) {
    CProfileSetDlg dialog(*settings);
    Dialog(dialog, "profiles");
  }
  void QuickSwitch(const std::wstring&) {
    CSwitchDlg dialog(settings->header);
    Dialog<CSwitchDlg>(dialog, "quick switch", [](CSwitchDlg& d) {
      Press(d, d.GetButton(CSwitchDlg::kCustom).GetHwnd());
      for (const auto button : {CSwitchDlg::kFirstModifier, CSwitchDlg::kSecondModifier})
        PressForMenu(d, button, [&] { return d.OpenMenu(); }, "modifier menu");
    });
  }
  void ProfileSwitch(const std::wstring&) {
    for (int layer = 0; layer < store::kLayerCount; ++layer) {  // each layer has its own background
      CSwitchProfile dialog(layer);
      Dialog(dialog, "profile switch");
    }
  }

  struct WindowCheck {
    const char* name;
    std::vector<std::wstring> sets;  // the beginnings of the names of the skin files it reads
    void (SkinDamage::*check)(const std::wstring& file);
  };
  static const std::vector<WindowCheck>& Windows() {
    static const std::vector<WindowCheck> windows = {
        {"main window", {L"main_", L"logo_", L"layer"}, &SkinDamage::MainWindow},
        {"key menu", {L"key function_", L"Internet_", L"office_", L"media_", L"additional_"}, &SkinDamage::KeyMenu},
        {"confirmation", {L"warning_"}, &SkinDamage::Warning},
        {"about", {L"about_"}, &SkinDamage::About},
        {"panel", {L"advance"}, &SkinDamage::Panel},
        {"single key", {L"key behavior_"}, &SkinDamage::SingleKey},
        {"mouse", {L"mouse "}, &SkinDamage::Mouse},
        {"launch program", {L"program selection_"}, &SkinDamage::Launch},
        {"macro", {L"macro"}, &SkinDamage::Macro},
        {"profiles", {L"profile selection_"}, &SkinDamage::Profiles},
        {"quick switch", {L"quick switch_", L"switch menu"}, &SkinDamage::QuickSwitch},
        {"profile switch", {L"profile switch_"}, &SkinDamage::ProfileSwitch},
    };
    return windows;
  }
  static const WindowCheck* WindowReading(const std::wstring& file) {
    for (const auto& window : Windows())
      for (const auto& set : window.sets)
        if (file.starts_with(set)) return &window;
    return nullptr;
  }

  static std::wstring shipped, root;
  static std::vector<std::wstring> files;
  platform::MemoryRegistry registry;
  platform::RecordingMessenger messenger;
  std::unique_ptr<store::SettingsStore> settings = store::MakeStore();
};
std::wstring SkinDamage::shipped, SkinDamage::root;
std::vector<std::wstring> SkinDamage::files;

TEST_F(SkinDamage, EveryShippedSkinFileIsReadByAWindowThatIsTried) {
  ASSERT_GT(files.size(), 100u);
  for (const auto& file : files) EXPECT_NE(WindowReading(file), nullptr) << std::string(file.begin(), file.end());
}

TEST_F(SkinDamage, EachFileMissingThenHalvedLeavesItsWindowsSizedShownUsableAndClosing) {
  const std::pair<const char*, void (*)(const std::wstring&)> variants[] = {
      {"missing", [](const std::wstring& name) { ::DeleteFileW(SkinFile(name).c_str()); }},
      {"truncated", [](const std::wstring& name) { Truncate(name); }},
  };
  int tried = 0;
  const DWORD started = ::GetTickCount();
  for (const auto& file : files) {
    const WindowCheck* window = WindowReading(file);
    if (!window) continue;
    for (const auto& [variant, damage] : variants) {
      SCOPED_TRACE(std::string(file.begin(), file.end()) + " " + variant + ", " + window->name);
      damage(file);
      (this->*window->check)(file);
      Restore(file);
      ++tried;
    }
  }
  std::cout << "[ skins    ] " << files.size() << " files x 2 variants: " << tried << " tried in "
            << (::GetTickCount() - started) / 1000 << " s\n";
  EXPECT_EQ(tried, static_cast<int>(files.size()) * 2);
}

// A language file with only the texts every language file has: the notices added later read in English.
TEST_F(SkinDamage, AnOlderLanguageFileLeavesTheAddedNoticesReadableInEnglish) {
  const std::wstring path = root + L"Strings.xml";
  std::string xml;
  {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    xml.resize(::GetFileSize(file, nullptr));
    DWORD read = 0;
    ::ReadFile(file, xml.data(), static_cast<DWORD>(xml.size()), &read, nullptr);
    ::CloseHandle(file);
  }
  const std::string shippedXml = xml;
  for (std::size_t i = strings::kFirstAddedStringKey; i < strings::kStringKeyCount; ++i) {
    const std::string key(strings::kAllStringKeys[i].key);
    const auto begin = xml.find("<" + key + ">");
    ASSERT_NE(begin, std::string::npos) << key;
    const auto end = xml.find("</" + key + ">", begin);
    xml.erase(begin, end + key.size() + 3 - begin);
  }
  const auto write = [&](const std::string& text) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
  };
  write(xml);
  ASSERT_FALSE(strings::LookUpString(strings::kMainName).empty()) << "still a well-formed language file";
  ASSERT_TRUE(strings::LookUpString(strings::kWarningSave1).empty());

  const auto readable = [](const std::wstring& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x20 && c < 0x7F; });
  };
  for (const auto mode : {dialogs::WarningMode::kSaveFailed, dialogs::WarningMode::kProfileFileFailed}) {
    CWarningDlg dialog;
    dialog.mode = mode;
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_TRUE(readable(dialog.GetTitleText())) << static_cast<int>(mode);
    EXPECT_TRUE(readable(dialog.GetFirstLine())) << static_cast<int>(mode);
    if (mode == dialogs::WarningMode::kSaveFailed) {
      EXPECT_TRUE(readable(dialog.GetSecondLine()));
    }
    dialog.DestroyWindow();
  }
  write(shippedXml);
}

}  // namespace
