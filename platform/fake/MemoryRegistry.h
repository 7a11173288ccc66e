#pragma once
// An in-memory registry for tests: keeps values per key, logs every write in order,
// and can be told to refuse keys or writes.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace platform {

class MemoryRegistry final : public Registry {
 public:
  struct Write {
    std::u16string path;
    std::u16string name;
    std::size_t size;
  };
  using Bytes = std::vector<std::uint8_t>;
  using KeyValues = std::map<std::u16string, Bytes>;
  // The registry types a value may have been given by another program; every write here is Binary.
  enum class ValueType { Binary, Dword, String };

  std::unique_ptr<RegistryKey> OpenOrCreate(RegistryRoot root, std::u16string_view path) override;
  // Native is the 64-bit view here, as for the 64-bit program.
  std::unique_ptr<RegistryKey> OpenForReading(RegistryRoot root, std::u16string_view path,
                                              RegistryView view = RegistryView::Native) override;

  // Test set-up and inspection. Paths compare case-insensitively, as Windows does.
  void Set(std::u16string_view path, std::u16string_view name, Bytes data,
           RegistryRoot root = RegistryRoot::CurrentUser);
  // A value another program's 32-bit installer wrote: seen only in the 32-bit view.
  void SetIn32BitView(std::u16string_view path, std::u16string_view name, Bytes data, RegistryRoot root);
  void SetTyped(std::u16string_view path, std::u16string_view name, ValueType type, Bytes data,
                RegistryRoot root = RegistryRoot::CurrentUser);
  const Bytes* Get(std::u16string_view path, std::u16string_view name,
                   RegistryRoot root = RegistryRoot::CurrentUser) const;
  // Binary for a value that is missing.
  ValueType TypeOf(std::u16string_view path, std::u16string_view name,
                   RegistryRoot root = RegistryRoot::CurrentUser) const;
  bool HasKey(std::u16string_view path, RegistryRoot root = RegistryRoot::CurrentUser) const;
  std::size_t KeyCount() const { return keys_.size(); }

  const std::vector<Write>& writes() const { return writes_; }
  void ClearWrites() { writes_.clear(); }

  // Keys that cannot be opened or created (as for a user without access).
  std::set<std::u16string> deniedKeys;
  // Called before each write; returning false makes that write fail.
  std::function<bool(const Write&)> allowWrite;

 private:
  friend class MemoryRegistryKey;
  using KeyId = std::pair<RegistryRoot, std::u16string>;
  static KeyId MakeId(RegistryRoot root, std::u16string_view path, RegistryView view = RegistryView::Native);

  std::map<KeyId, KeyValues> keys_;
  // Values of another type than Binary, by key and lowered name.
  std::map<std::pair<KeyId, std::u16string>, ValueType> types_;
  std::vector<Write> writes_;
};

}  // namespace platform
