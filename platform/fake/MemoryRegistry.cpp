#include "platform/fake/MemoryRegistry.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

std::u16string Lowered(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return out;
}

}  // namespace

class MemoryRegistryKey final : public RegistryKey {
 public:
  MemoryRegistryKey(MemoryRegistry& owner, MemoryRegistry::KeyId id, std::u16string_view path, bool writable)
      : owner_(owner), id_(std::move(id)), path_(path), writable_(writable) {}

  RegistryRead Read(std::u16string_view name, std::span<std::uint8_t> out) override {
    const auto& values = owner_.keys_.at(id_);
    auto it = values.find(Lowered(name));
    if (it == values.end()) return {};
    RegistryRead result{true, it->second.size(), false};
    if (it->second.size() <= out.size()) {
      std::copy(it->second.begin(), it->second.end(), out.begin());
      result.copied = true;
    }
    return result;
  }

  bool WriteBinary(std::u16string_view name, std::span<const std::uint8_t> data) override {
    if (!writable_) return false;
    MemoryRegistry::Write write{path_, std::u16string(name), data.size()};
    if (owner_.allowWrite && !owner_.allowWrite(write)) return false;
    owner_.writes_.push_back(write);
    owner_.keys_[id_][Lowered(name)] = MemoryRegistry::Bytes(data.begin(), data.end());
    owner_.types_.erase({id_, Lowered(name)});
    return true;
  }

  std::optional<std::u16string> ReadDefaultText(std::size_t limitBytes) override {
    const auto& values = owner_.keys_.at(id_);
    auto it = values.find(u"");
    if (it == values.end() || it->second.size() > limitBytes) return std::nullopt;
    std::u16string text(it->second.size() / 2, u'\0');
    if (!text.empty()) std::memcpy(text.data(), it->second.data(), text.size() * 2);
    if (auto nul = text.find(u'\0'); nul != std::u16string::npos) text.resize(nul);
    return text;
  }

 private:
  MemoryRegistry& owner_;
  MemoryRegistry::KeyId id_;
  std::u16string path_;  // as the caller spelled it
  bool writable_;
};

MemoryRegistry::KeyId MemoryRegistry::MakeId(RegistryRoot root, std::u16string_view path, RegistryView view) {
  // The 32-bit view's keys live apart, under a name no real path has.
  return {root, (view == RegistryView::Bits32 ? u"<32>\\" : u"") + Lowered(path)};
}

std::unique_ptr<RegistryKey> MemoryRegistry::OpenOrCreate(RegistryRoot root, std::u16string_view path) {
  auto id = MakeId(root, path);
  if (deniedKeys.count(id.second)) return nullptr;
  keys_.try_emplace(id);
  return std::make_unique<MemoryRegistryKey>(*this, id, path, true);
}

std::unique_ptr<RegistryKey> MemoryRegistry::OpenForReading(RegistryRoot root, std::u16string_view path,
                                                            RegistryView view) {
  auto id = MakeId(root, path, view);
  if (deniedKeys.count(id.second) || !keys_.count(id)) return nullptr;
  return std::make_unique<MemoryRegistryKey>(*this, id, path, false);
}

void MemoryRegistry::Set(std::u16string_view path, std::u16string_view name, Bytes data, RegistryRoot root) {
  SetTyped(path, name, ValueType::Binary, std::move(data), root);
}

void MemoryRegistry::SetIn32BitView(std::u16string_view path, std::u16string_view name, Bytes data,
                                    RegistryRoot root) {
  keys_[MakeId(root, path, RegistryView::Bits32)][Lowered(name)] = std::move(data);
}

void MemoryRegistry::SetTyped(std::u16string_view path, std::u16string_view name, ValueType type, Bytes data,
                              RegistryRoot root) {
  auto id = MakeId(root, path);
  keys_[id][Lowered(name)] = std::move(data);
  if (type == ValueType::Binary)
    types_.erase({id, Lowered(name)});
  else
    types_[{id, Lowered(name)}] = type;
}

MemoryRegistry::ValueType MemoryRegistry::TypeOf(std::u16string_view path, std::u16string_view name,
                                                 RegistryRoot root) const {
  auto it = types_.find({MakeId(root, path), Lowered(name)});
  return it == types_.end() ? ValueType::Binary : it->second;
}

const MemoryRegistry::Bytes* MemoryRegistry::Get(std::u16string_view path, std::u16string_view name,
                                                 RegistryRoot root) const {
  auto key = keys_.find(MakeId(root, path));
  if (key == keys_.end()) return nullptr;
  auto value = key->second.find(Lowered(name));
  return value == key->second.end() ? nullptr : &value->second;
}

bool MemoryRegistry::HasKey(std::u16string_view path, RegistryRoot root) const {
  return keys_.count(MakeId(root, path)) != 0;
}

}  // namespace platform
