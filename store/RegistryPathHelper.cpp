#include "store/RegistryPathHelper.h"

#include <array>
#include <utility>

namespace store {

namespace {

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

constexpr std::array<std::pair<std::u16string_view, platform::RegistryRoot>, 4> kRoots{{
    {u"HKEY_LOCAL_MACHINE", platform::RegistryRoot::LocalMachine},
    {u"HKEY_CURRENT_USER", platform::RegistryRoot::CurrentUser},
    {u"HKEY_CURRENT_CONFIG", platform::RegistryRoot::CurrentConfig},
    {u"HKEY_CLASSES_ROOT", platform::RegistryRoot::ClassesRoot},
}};

constexpr std::size_t kDefaultValueLimit = 520;

}  // namespace

bool RegistryPathHelper::Open(std::u16string_view path, platform::RegistryView view) {
  key_.reset();
  subkey_.clear();
  const auto slash = path.find(u'\\');
  if (slash != std::u16string_view::npos) {
    const auto first = path.substr(0, slash);
    root_ = platform::RegistryRoot::LocalMachine;
    subkey_ = path;
    for (const auto& [name, root] : kRoots)
      if (EqualsIgnoringCase(first, name)) {
        root_ = root;
        subkey_ = path.substr(slash + 1);
        break;
      }
  }
  if (!root_) return false;
  key_ = registry_.OpenForReading(*root_, subkey_, view);
  return key_ != nullptr;
}

std::optional<std::u16string> RegistryPathHelper::ReadDefaultValue() {
  if (!key_) return std::nullopt;
  return key_->ReadDefaultText(kDefaultValueLimit);
}

}  // namespace store
