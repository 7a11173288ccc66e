#pragma once
// Conversion between the code pages of text files and UTF-16 (the XML reader's needs).

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class CodePages {
 public:
  virtual ~CodePages() = default;
  // The system's ANSI code page, used for 8-bit text that names no encoding.
  virtual unsigned AnsiCodePage() const = 0;
  // Bytes in `codePage` to UTF-16; bytes that are invalid there are replaced, as the platform does.
  // nullopt when the code page is not available.
  virtual std::optional<std::u16string> ToUtf16(unsigned codePage, std::string_view bytes) const = 0;
  // UTF-16 to bytes in `codePage`; nullopt when the code page is not available.
  virtual std::optional<std::string> FromUtf16(unsigned codePage, std::u16string_view text) const = 0;
};

// The running platform's converter: MultiByteToWideChar on Windows, a portable one elsewhere.
const CodePages& SystemCodePages();

}  // namespace platform
