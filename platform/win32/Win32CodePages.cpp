#include "platform/win32/Win32CodePages.h"

#include <windows.h>

namespace platform {

unsigned Win32CodePages::AnsiCodePage() const { return ::GetACP(); }

std::optional<std::u16string> Win32CodePages::ToUtf16(unsigned codePage, std::string_view bytes) const {
  if (bytes.empty()) return ::IsValidCodePage(codePage) ? std::optional<std::u16string>(u"") : std::nullopt;
  const int length = static_cast<int>(bytes.size());
  // Measure first, then convert.
  const int units = ::MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  if (units <= 0) return std::nullopt;
  std::u16string out(static_cast<std::size_t>(units), u'\0');
  ::MultiByteToWideChar(codePage, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(out.data()), units);
  return out;
}

std::optional<std::string> Win32CodePages::FromUtf16(unsigned codePage, std::u16string_view text) const {
  if (text.empty()) return ::IsValidCodePage(codePage) ? std::optional<std::string>("") : std::nullopt;
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const int bytes = ::WideCharToMultiByte(codePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::nullopt;
  std::string out(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(codePage, 0, wide, length, out.data(), bytes, nullptr, nullptr);
  return out;
}

}  // namespace platform
