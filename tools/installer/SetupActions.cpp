// "TrelmSetup.dll": the custom actions of the Windows Installer package (scripts/make-msi), which lives in
// the package and is never installed. The decisions are SetupChoice's and the copies ChosenFiles'; here
// they meet the installer's properties, the user's registry and keyboard, and the installation log.

#include <windows.h>
#include <msi.h>
#include <msiquery.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Registry.h"
#include "store/RegistryPersistence.h"
#include "tools/installer/ChosenFiles.h"
#include "tools/installer/SetupChoice.h"

namespace {

using MsiRecord = win::UniqueHandle<MSIHANDLE, &::MsiCloseHandle>;

// The language the package installed, for the next run of the package: per machine, as the program's files.
constexpr wchar_t kPackageKey[] = L"Software\\Dadezorevuru\\TrelmVantoria";
constexpr wchar_t kInstalledLanguage[] = L"UILanguage";

std::string Utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring FromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

std::wstring Property(MSIHANDLE install, const wchar_t* name) {
  DWORD size = 0;
  wchar_t empty[1] = L"";
  if (::MsiGetPropertyW(install, name, empty, &size) != ERROR_MORE_DATA) return {};
  std::wstring value(++size, L'\0');  // room for the terminator
  if (::MsiGetPropertyW(install, name, value.data(), &size) != ERROR_SUCCESS) return {};
  value.resize(size);
  return value;
}

// Writes a line into the installation log; an error is also shown to the user when the installation has a
// user interface.
void Report(MSIHANDLE install, INSTALLMESSAGE kind, std::string_view text) {
  MsiRecord record(::MsiCreateRecord(1));
  if (!record) return;
  ::MsiRecordSetStringW(record.get(), 0, L"TrelmSetup: [1]");
  ::MsiRecordSetStringW(record.get(), 1, FromUtf8(text).c_str());
  ::MsiProcessMessage(install, kind, record.get());
}

UINT Fail(MSIHANDLE install, std::string_view text) {
  Report(install, INSTALLMESSAGE(INSTALLMESSAGE_ERROR | MB_OK | MB_ICONERROR), text);
  return ERROR_INSTALL_FAILURE;
}

std::uint32_t ActiveKeyboardLayout() {
  wchar_t name[KL_NAMELENGTH] = L"";
  if (!::GetKeyboardLayoutNameW(name)) return 0;
  return static_cast<std::uint32_t>(std::wcstoul(name, nullptr, 16));
}

std::wstring InstalledLanguage() {
  wchar_t value[64] = L"";
  DWORD size = sizeof value;
  if (::RegGetValueW(HKEY_LOCAL_MACHINE, kPackageKey, kInstalledLanguage, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS)
    return {};
  return value;
}

bool RememberLanguage(const std::wstring& language) {
  HKEY raw = nullptr;
  if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kPackageKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const win::RegKey key(raw);
  return ::RegSetValueExW(key.get(), kInstalledLanguage, 0, REG_SZ, reinterpret_cast<const BYTE*>(language.c_str()),
                          static_cast<DWORD>((language.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// Removes a key of ours once it holds nothing more, so that removing the program leaves no trace.
void DeleteIfEmpty(const wchar_t* path) {
  DWORD subkeys = 1, values = 1;
  {
    HKEY raw = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &raw) != ERROR_SUCCESS) return;
    const win::RegKey key(raw);
    ::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                       nullptr, nullptr);
  }
  if (subkeys == 0 && values == 0) ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, path);
}

const char* Said(installer::Source source) {
  switch (source) {
    case installer::Source::Given: return "given";
    case installer::Source::Kept: return "kept";
    case installer::Source::Detected: return "detected";
  }
  return "";
}

// A custom action must not let an exception reach the installer.
template <typename Action>
UINT Guarded(MSIHANDLE install, Action action) {
  try {
    return action();
  } catch (const std::exception& error) {
    return Fail(install, error.what());
  } catch (...) {
    return Fail(install, "unexpected failure");
  }
}

}  // namespace

// Immediate, before the installation script is written: decides and leaves the choice in TRELM_VARIANT,
// TRELM_LANGUAGE and TRELM_LAYOUT_VALUE (empty when the user's Language stays) for the deferred actions.
extern "C" __declspec(dllexport) UINT __stdcall ChooseKeyboardAndLanguage(MSIHANDLE install) {
  return Guarded(install, [&] {
    installer::SetupRequest request;
    request.layoutProperty = Utf8(Property(install, L"KEYBOARD_LAYOUT"));
    request.languageProperty = Utf8(Property(install, L"UI_LANGUAGE"));
    platform::Win32Registry registry;
    request.userLayout = store::ReadLanguage(registry);
    request.previousLanguage = Utf8(InstalledLanguage());
    request.keyboardLayout = ActiveKeyboardLayout();
    request.displayLanguage = ::GetUserDefaultUILanguage();
    request.languages = installer::SplitLanguageList(Utf8(Property(install, L"TRELM_LANGUAGES")));
    const installer::SetupChoice choice = installer::ChooseSetup(request);
    if (!choice.error.empty()) return Fail(install, choice.error);

    const std::wstring value = choice.layoutToWrite ? std::to_wstring(*choice.layoutToWrite) : L"";
    ::MsiSetPropertyW(install, L"TRELM_VARIANT", std::to_wstring(choice.variant).c_str());
    ::MsiSetPropertyW(install, L"TRELM_LANGUAGE", FromUtf8(choice.language).c_str());
    ::MsiSetPropertyW(install, L"TRELM_LAYOUT_VALUE", value.c_str());
    char line[200];
    std::snprintf(line, sizeof line, "keyboard %d (%s; keyboard layout %08X), language %s (%s; display language %04X)",
                  choice.variant, Said(choice.layoutSource), request.keyboardLayout, choice.language.c_str(),
                  Said(choice.languageSource), request.displayLanguage);
    Report(install, INSTALLMESSAGE_INFO, line);
    return static_cast<UINT>(ERROR_SUCCESS);
  });
}

// Deferred, as the installer's own account: CustomActionData "variant|language|program folder".
extern "C" __declspec(dllexport) UINT __stdcall PlaceChosenFiles(MSIHANDLE install) {
  return Guarded(install, [&] {
    const std::wstring data = Property(install, L"CustomActionData");
    const auto first = data.find(L'|');
    const auto second = first == std::wstring::npos ? first : data.find(L'|', first + 1);
    if (second == std::wstring::npos) return Fail(install, "PlaceChosenFiles: no choice was made");
    const std::wstring variant = data.substr(0, first);
    const std::wstring language = data.substr(first + 1, second - first - 1);
    const int number = variant.size() == 1 ? variant[0] - L'0' : -1;
    const installer::Placement placement =
        installer::PlaceChosenFiles(std::filesystem::path(data.substr(second + 1)), number, Utf8(language));
    if (!placement.ok) return Fail(install, placement.failure);
    if (!RememberLanguage(language)) Report(install, INSTALLMESSAGE_INFO, "the language chosen could not be noted");
    return static_cast<UINT>(ERROR_SUCCESS);
  });
}

// Deferred, as the user who installs: CustomActionData is the value of Language to write.
extern "C" __declspec(dllexport) UINT __stdcall WriteKeyboardLayout(MSIHANDLE install) {
  return Guarded(install, [&] {
    const std::wstring data = Property(install, L"CustomActionData");
    wchar_t* end = nullptr;
    const unsigned long value = std::wcstoul(data.c_str(), &end, 10);
    if (data.empty() || *end != L'\0' || value > 2)
      return Fail(install, "WriteKeyboardLayout: not a layout: " + Utf8(data));
    platform::Win32Registry registry;
    if (!store::WriteLanguage(registry, static_cast<std::uint32_t>(value)))
      return Fail(install, "cannot write Language under HKEY_CURRENT_USER\\Software\\Dadezorevuru\\Setting");
    return static_cast<UINT>(ERROR_SUCCESS);
  });
}

// Deferred, on removal (not on an upgrade's removal of the older version): forgets the language installed.
extern "C" __declspec(dllexport) UINT __stdcall ForgetChosenLanguage(MSIHANDLE) {
  ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kPackageKey, kInstalledLanguage);
  DeleteIfEmpty(kPackageKey);
  DeleteIfEmpty(L"Software\\Dadezorevuru");
  return ERROR_SUCCESS;
}
