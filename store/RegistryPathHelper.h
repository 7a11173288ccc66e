#pragma once
// Looks up other programs' registry keys by a path text such as
// "HKEY_CLASSES_ROOT\Applications\foo.exe" or "SOFTWARE\Vendor\Player" (which means HKEY_LOCAL_MACHINE).
// Keys of other programs are only ever read: opened read-only and never created.

#include <memory>
#include <optional>
#include <string>

#include "platform/Registry.h"

namespace store {

class RegistryPathHelper {
 public:
  explicit RegistryPathHelper(platform::Registry& registry) : registry_(registry) {}

  // Closes the key held before; true when the key of `path` exists and can be read in `view`.
  bool Open(std::u16string_view path, platform::RegistryView view = platform::RegistryView::Native);
  // The open key's default value, read with a limit of 520 bytes; nullopt without an open key or value.
  std::optional<std::u16string> ReadDefaultValue();

 private:
  platform::Registry& registry_;
  std::optional<platform::RegistryRoot> root_;
  std::u16string subkey_;
  std::unique_ptr<platform::RegistryKey> key_;
};

}  // namespace store
