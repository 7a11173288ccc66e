#include "store/SettingsStore.h"

#include <cstring>

namespace store {

void SettingsStore::CopyFrom(const SettingsStore& other) {
  if (this != &other) std::memcpy(static_cast<void*>(this), &other, kStoreSize);
}

std::unique_ptr<SettingsStore> MakeStore() { return std::unique_ptr<SettingsStore>(new SettingsStore()); }

KeyRecord* FindKeyRecord(SettingsStore& store, int profile, int layer, int key) {
  if (!ValidProfile(profile) || !ValidLayer(layer) || !ValidKey(key)) return nullptr;
  return &store.profiles[profile].keys[layer][key];
}

const KeyRecord* FindKeyRecord(const SettingsStore& store, int profile, int layer, int key) {
  return FindKeyRecord(const_cast<SettingsStore&>(store), profile, layer, key);
}

int CurrentProfileIndex(const SettingsStore& store) {
  const auto current = store.header.ProfileCurrent;
  return ValidProfile(current) ? static_cast<int>(current) : 0;
}

ProfileRecord& CurrentProfile(SettingsStore& store) { return store.profiles[CurrentProfileIndex(store)]; }

const ProfileRecord& CurrentProfile(const SettingsStore& store) {
  return CurrentProfile(const_cast<SettingsStore&>(store));
}

void ClearStore(SettingsStore& store) { std::memset(static_cast<void*>(&store), 0, kStoreSize); }

void ResetAll(SettingsStore& store) {
  const auto language = store.header.Language;
  ClearStore(store);
  store.header.Language = language;
}

void ResetLayer(SettingsStore& store, int profile, int layer) {
  if (!ValidProfile(profile) || !ValidLayer(layer)) return;
  std::memset(static_cast<void*>(store.profiles[profile].keys[layer]), 0, kLayerStride);
}

void ResetKey(SettingsStore& store, int profile, int layer, int key) {
  if (KeyRecord* record = FindKeyRecord(store, profile, layer, key)) ClearRecord(*record);
}

bool ClampKeymap(ProfileRecord& profile) {
  if (ValidLayer(profile.Keymap)) return false;
  profile.Keymap = 0;
  return true;
}

bool ClampIndices(SettingsStore& store) {
  bool changed = false;
  if (!ValidProfile(store.header.ProfileCurrent)) {
    store.header.ProfileCurrent = 0;
    changed = true;
  }
  for (auto& profile : store.profiles) changed |= ClampKeymap(profile);
  return changed;
}

}  // namespace store
