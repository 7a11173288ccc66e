#include "platform/win32/Win32Registry.h"

#include <algorithm>
#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/Text.h"

namespace platform {

namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::CurrentConfig: return HKEY_CURRENT_CONFIG;
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
  }
  return HKEY_CURRENT_USER;
}

class Win32RegistryKey final : public RegistryKey {
 public:
  explicit Win32RegistryKey(HKEY key) : key_(key) {}

  RegistryRead Read(std::u16string_view name, std::span<std::uint8_t> out) override {
    // A too-small buffer leaves its contents undefined, so read into scratch and copy only on success.
    scratch_.resize(out.size());
    DWORD size = static_cast<DWORD>(scratch_.size());
    const std::wstring valueName = win::Wide(name);
    const LONG status = ::RegQueryValueExW(key_.get(), valueName.c_str(), nullptr, nullptr,
                                           scratch_.empty() ? nullptr : scratch_.data(), &size);
    if (status == ERROR_MORE_DATA) return {true, size, false};
    if (status != ERROR_SUCCESS) return {};
    std::copy_n(scratch_.begin(), size, out.begin());
    return {true, size, true};
  }

  bool WriteBinary(std::u16string_view name, std::span<const std::uint8_t> data) override {
    const std::wstring valueName = win::Wide(name);
    return ::RegSetValueExW(key_.get(), valueName.c_str(), 0, REG_BINARY, data.data(),
                            static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
  }

  std::optional<std::u16string> ReadDefaultText(std::size_t limitBytes) override {
    std::vector<wchar_t> buffer(limitBytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>(limitBytes);
    if (::RegQueryValueExW(key_.get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()),
                           &size) != ERROR_SUCCESS)
      return std::nullopt;
    return win::Utf16(buffer.data());  // the extra unit keeps an unterminated value terminated
  }

 private:
  win::RegKey key_;
  std::vector<std::uint8_t> scratch_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenOrCreate(RegistryRoot root, std::u16string_view path) {
  const std::wstring subkey = win::Wide(path);
  const REGSAM access = KEY_READ | KEY_WRITE;
  HKEY key = nullptr;
  if (::RegOpenKeyExW(RootKey(root), subkey.c_str(), 0, access, &key) != ERROR_SUCCESS &&
      ::RegCreateKeyExW(RootKey(root), subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
    return nullptr;
  return std::make_unique<Win32RegistryKey>(key);
}

std::unique_ptr<RegistryKey> Win32Registry::OpenForReading(RegistryRoot root, std::u16string_view path,
                                                           RegistryView view) {
  const std::wstring subkey = win::Wide(path);
  // 32-bit Windows ignores the view flags.
  const REGSAM access = KEY_READ | (view == RegistryView::Bits32   ? KEY_WOW64_32KEY
                                    : view == RegistryView::Bits64 ? KEY_WOW64_64KEY
                                                                   : 0);
  HKEY key = nullptr;
  if (::RegOpenKeyExW(RootKey(root), subkey.c_str(), 0, access, &key) != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32RegistryKey>(key);
}

}  // namespace platform
