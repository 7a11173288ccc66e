// Registry values written by something else than this program: every value the load reads, missing,
// empty, one byte short, one byte long, or stored as REG_DWORD or REG_SZ. The load must take only what
// fits, leave every other field as it loads normally, and the next save must write the usual sizes.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/fake/MemoryRegistry.h"
#include "platform/fake/RecordingMessenger.h"
#include "store/RegistryPersistence.h"

namespace store {
namespace {

using platform::MemoryRegistry;
using Bytes = MemoryRegistry::Bytes;
using Type = MemoryRegistry::ValueType;

// One registry value the load reads: where its bytes go in the store and how many it takes.
struct StoredValue {
  std::u16string path;
  std::u16string name;
  std::size_t storeOffset;
  std::size_t limit;
  bool saved;  // Language is read but never written
};

std::vector<StoredValue> AllValues() {
  const std::u16string header = kSettingsKeyPath;
  std::vector<StoredValue> all = {
      {header, u"Language", offsetof(StoreHeader, Language), 4, false},
      {header, u"ProfileTotle", offsetof(StoreHeader, ProfileTotle), 1, true},
      {header, u"ProfileCurrent", offsetof(StoreHeader, ProfileCurrent), 1, true},
      {header, u"AutoSwitch", offsetof(StoreHeader, AutoSwitch), 1, true},
      {header, u"ShowScreen", offsetof(StoreHeader, ShowScreen), 1, true},
      {header, u"TrayIcon", offsetof(StoreHeader, TrayIcon), 1, true},
      {header, u"LightOption", offsetof(StoreHeader, LightOption), 1, true},
      {header, u"MediaOption", offsetof(StoreHeader, MediaOption), 1, true},
      {header, u"bCustomSwitch", offsetof(StoreHeader, bCustomSwitch), 1, true},
      {header, u"SwitchCode", offsetof(StoreHeader, SwitchCode), 3, true},
  };
  const struct {
    const char16_t* name;
    std::size_t offset, limit;
  } profileFields[] = {
      {u"DeviceMode", offsetof(ProfileRecord, DeviceMode), 1},
      {u"AutoSwitch", offsetof(ProfileRecord, AutoSwitch), 1},
      {u"ButtonInfoChanged", offsetof(ProfileRecord, ButtonInfoChanged), 1},
      {u"Keymap", offsetof(ProfileRecord, Keymap), 1},
      {u"KeymapChanged", offsetof(ProfileRecord, KeymapChanged), 1},
      {u"Name", offsetof(ProfileRecord, Name), 260},
      {u"Exe", offsetof(ProfileRecord, Exe), 260},
  };
  for (int p = 0; p < kProfileCount; ++p) {
    const std::size_t base = offsetof(SettingsStore, profiles) + p * kProfileSize;
    for (const auto& f : profileFields) all.push_back({ProfileKeyPath(p), f.name, base + f.offset, f.limit, true});
    for (int l = 0; l < kLayerCount; ++l)
      for (int k = 0; k < kKeyCount; ++k)
        all.push_back({ProfileKeyPath(p), KeyValueName(l, k), KeyRecordOffset(p, l, k), kKeyRecordSize, true});
  }
  return all;
}

// What a well-kept registry holds: every byte non-zero, so a byte lost or misplaced shows, and the two
// indices in range (ProfileCurrent 7, each Keymap 0..2).
Bytes Ordinary(const StoredValue& value, std::size_t index) {
  Bytes bytes(value.limit);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>((index * 31 + i * 7) % 251 + 1);
  if (value.name == u"ProfileCurrent") bytes[0] = 7;
  if (value.name == u"Keymap") bytes[0] = static_cast<std::uint8_t>(index % 3);
  return bytes;
}

struct Variant {
  const char* label;
  bool present;
  Type type;
  // The stored bytes, made from the ordinary ones.
  Bytes (*make)(const Bytes& ordinary);
};

Bytes Utf16Decimal(unsigned n) {
  Bytes bytes;
  for (char c : std::to_string(n)) bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c), 0});
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

const Variant kVariants[] = {
    {"missing", false, Type::Binary, [](const Bytes&) { return Bytes{}; }},
    {"empty", true, Type::Binary, [](const Bytes&) { return Bytes{}; }},
    {"one byte short", true, Type::Binary, [](const Bytes& o) { return Bytes(o.begin(), o.end() - 1); }},
    {"one byte long", true, Type::Binary, [](const Bytes& o) { Bytes b = o; b.push_back(0x5A); return b; }},
    {"REG_DWORD", true, Type::Dword, [](const Bytes& o) { return Bytes{o[0], 0, 0, 0}; }},
    {"REG_SZ", true, Type::String, [](const Bytes& o) { return Utf16Decimal(o[0]); }},
};

class RegistryForeignValues : public ::testing::Test {
 protected:
  static std::vector<StoredValue>* values;
  static std::vector<Bytes>* ordinary;
  static SettingsStore* loadedOrdinarily;  // the store an ordinary registry loads into

  static void SetUpTestSuite() {
    values = new std::vector<StoredValue>(AllValues());
    ordinary = new std::vector<Bytes>;
    loadedOrdinarily = MakeStore().release();
    for (std::size_t i = 0; i < values->size(); ++i) {
      ordinary->push_back(Ordinary((*values)[i], i));
      std::memcpy(reinterpret_cast<std::uint8_t*>(loadedOrdinarily) + (*values)[i].storeOffset,
                  ordinary->back().data(), (*values)[i].limit);
    }
  }
  static void TearDownTestSuite() {
    delete values;
    delete ordinary;
    delete loadedOrdinarily;
  }

  // The registry with the values chosen by `varied` stored in `variant`'s form, the others ordinary.
  static MemoryRegistry Registry(const Variant* variant, bool (*varied)(std::size_t, std::size_t), std::size_t arg) {
    MemoryRegistry registry;
    for (std::size_t i = 0; i < values->size(); ++i) {
      const StoredValue& v = (*values)[i];
      if (!variant || !varied(i, arg))
        registry.Set(v.path, v.name, (*ordinary)[i]);
      else if (variant->present)
        registry.SetTyped(v.path, v.name, variant->type, variant->make((*ordinary)[i]));
    }
    return registry;
  }

  // Loads with `variant` applied to every value for which varied(i, arg) holds, and checks the whole
  // store against the ordinary load with only those fields changed; then saves and checks the sizes.
  static void LoadAndSave(const Variant& variant, bool (*varied)(std::size_t, std::size_t), std::size_t arg) {
    MemoryRegistry registry = Registry(&variant, varied, arg);
    auto store = MakeStore();
    std::memset(static_cast<void*>(store.get()), 0xEE, kStoreSize);  // the load clears it first
    LoadSettings(*store, registry);

    auto expected = MakeStore();
    std::memcpy(static_cast<void*>(expected.get()), loadedOrdinarily, kStoreSize);
    auto* out = reinterpret_cast<std::uint8_t*>(expected.get());
    for (std::size_t i = 0; i < values->size(); ++i) {
      if (!varied(i, arg)) continue;
      const StoredValue& v = (*values)[i];
      const Bytes stored = variant.present ? variant.make((*ordinary)[i]) : Bytes{};
      std::memset(out + v.storeOffset, 0, v.limit);
      if (!stored.empty() && stored.size() <= v.limit) std::memcpy(out + v.storeOffset, stored.data(), stored.size());
    }
    ClampIndices(*expected);

    const auto* got = reinterpret_cast<const std::uint8_t*>(store.get());
    if (std::memcmp(got, out, kStoreSize) != 0) {
      std::size_t at = 0;
      while (got[at] == out[at]) ++at;
      std::size_t owner = 0;
      while (owner + 1 < values->size() && (*values)[owner + 1].storeOffset <= at) ++owner;
      ADD_FAILURE() << variant.label << ": store byte " << at << " is " << int(got[at]) << ", expected "
                    << int(out[at]) << " (near value " << std::string((*values)[owner].name.begin(),
                                                                      (*values)[owner].name.end())
                    << " of " << std::string((*values)[owner].path.begin(), (*values)[owner].path.end()) << ")";
      return;
    }

    platform::RecordingMessenger messenger;
    registry.ClearWrites();
    EXPECT_EQ(SaveSettings(*store, registry, messenger).valuesWritten, kValuesWritten);
    ASSERT_EQ(registry.writes().size(), static_cast<std::size_t>(kValuesWritten));
    std::size_t w = 0;
    for (std::size_t i = 0; i < values->size(); ++i) {
      const StoredValue& v = (*values)[i];
      if (!v.saved) continue;
      ASSERT_EQ(registry.writes()[w].name, v.name);
      ASSERT_EQ(registry.writes()[w++].size, v.limit) << variant.label;
      ASSERT_EQ(registry.TypeOf(v.path, v.name), Type::Binary) << variant.label;
    }
    // Language is never written: whatever form it had, it keeps.
    const bool languageVaried = varied(0, arg);
    EXPECT_EQ(registry.TypeOf(kSettingsKeyPath, u"Language"), languageVaried ? variant.type : Type::Binary);
  }
};

std::vector<StoredValue>* RegistryForeignValues::values = nullptr;
std::vector<Bytes>* RegistryForeignValues::ordinary = nullptr;
SettingsStore* RegistryForeignValues::loadedOrdinarily = nullptr;

TEST_F(RegistryForeignValues, OrdinaryValuesLoadIntoTheirFields) {
  ASSERT_EQ(values->size(), 10u + kProfileCount * (7u + kLayerCount * kKeyCount));
  MemoryRegistry registry = Registry(nullptr, nullptr, 0);
  auto store = MakeStore();
  LoadSettings(*store, registry);
  EXPECT_EQ(std::memcmp(store.get(), loadedOrdinarily, kStoreSize), 0);
}

// Every value in each variant. A load of 5 MB costs too much to take the 20,280 one at a time, so each
// load varies every fourth value: the three values between two varied ones, its neighbours in the
// store, must still load unchanged.
TEST_F(RegistryForeignValues, EveryValueInEveryVariant) {
  constexpr std::size_t kStripes = 4;
  std::size_t tried = 0;
  for (const Variant& variant : kVariants)
    for (std::size_t stripe = 0; stripe < kStripes; ++stripe) {
      LoadAndSave(variant, [](std::size_t v, std::size_t s) { return v % kStripes == s; }, stripe);
      if (HasFailure()) return;
      for (std::size_t i = stripe; i < values->size(); i += kStripes) ++tried;
    }
  EXPECT_EQ(tried, 6u * 3380u);
}

}  // namespace
}  // namespace store
