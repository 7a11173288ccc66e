#pragma once
// The real registry, through the Win32 API.

#include "platform/Registry.h"

namespace platform {

class Win32Registry final : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenOrCreate(RegistryRoot root, std::u16string_view path) override;
  std::unique_ptr<RegistryKey> OpenForReading(RegistryRoot root, std::u16string_view path,
                                              RegistryView view = RegistryView::Native) override;
};

}  // namespace platform
