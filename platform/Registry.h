#pragma once
// The registry as the portable core sees it: keys that hold named binary values.
// The program uses the Win32 implementation; native tests use MemoryRegistry.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {

enum class RegistryRoot { CurrentUser, LocalMachine, CurrentConfig, ClassesRoot };

// Which of 64-bit Windows' two registry views to read other programs' keys in: a 32-bit installer writes
// its keys where 32-bit programs look. Native is the running program's own; 32-bit Windows has only one.
enum class RegistryView { Native, Bits32, Bits64 };

struct RegistryRead {
  bool found = false;       // the value exists
  std::size_t size = 0;     // its stored size in bytes
  bool copied = false;      // it fitted the caller's buffer and was copied
};

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;

  // Copies the value into `out` only when it fits whole; otherwise `out` stays untouched.
  virtual RegistryRead Read(std::u16string_view name, std::span<std::uint8_t> out) = 0;
  // Writes a REG_BINARY value; false when the platform refused the write.
  virtual bool WriteBinary(std::u16string_view name, std::span<const std::uint8_t> data) = 0;
  // The key's default (unnamed) value as text, read with a limit of `limitBytes`.
  virtual std::optional<std::u16string> ReadDefaultText(std::size_t limitBytes) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens a key for reading and writing, creating it when missing; null when both fail.
  virtual std::unique_ptr<RegistryKey> OpenOrCreate(RegistryRoot root, std::u16string_view path) = 0;
  // Opens an existing key for reading only; never creates it. Null when it does not exist or is not readable.
  virtual std::unique_ptr<RegistryKey> OpenForReading(RegistryRoot root, std::u16string_view path,
                                                      RegistryView view = RegistryView::Native) = 0;
};

}  // namespace platform
