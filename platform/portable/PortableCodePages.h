#pragma once
// Code pages without an operating system: UTF-8, UTF-16 (both byte orders), US-ASCII, ISO-8859-1,
// ISO-8859-15 and windows-1252, which is what the native tests need. Its ANSI code page is 1252.

#include "platform/CodePages.h"

namespace platform {

class PortableCodePages final : public CodePages {
 public:
  unsigned AnsiCodePage() const override { return 1252; }
  std::optional<std::u16string> ToUtf16(unsigned codePage, std::string_view bytes) const override;
  std::optional<std::string> FromUtf16(unsigned codePage, std::u16string_view text) const override;
};

}  // namespace platform
