#pragma once
// The running executable's own file name, however long it is.

#include <windows.h>

#include <string>

namespace win {

inline std::u16string ModuleFileName(HMODULE module = nullptr) {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return std::u16string(name.begin(), name.end());
    }
    name.resize(name.size() * 2);  // cut short: try again with more room
  }
}

}  // namespace win
