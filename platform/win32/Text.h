#pragma once
// The core speaks UTF-16 as char16_t; Win32 speaks it as wchar_t. On Windows both are 16 bits wide.

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

namespace win {

inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline wchar_t* Wide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string Utf16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace win
