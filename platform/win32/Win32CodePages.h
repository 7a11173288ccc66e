#pragma once
// Code-page conversion through MultiByteToWideChar and WideCharToMultiByte.

#include "platform/CodePages.h"

namespace platform {

class Win32CodePages final : public CodePages {
 public:
  unsigned AnsiCodePage() const override;
  std::optional<std::u16string> ToUtf16(unsigned codePage, std::string_view bytes) const override;
  std::optional<std::string> FromUtf16(unsigned codePage, std::u16string_view text) const override;
};

}  // namespace platform
