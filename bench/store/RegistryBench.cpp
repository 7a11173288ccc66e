// A full save and a full load of the settings store against the real registry (run under Wine),
// beside bare loops of the same 3,379 RegSetValueExW and RegQueryValueExW calls as the baselines.
#include <windows.h>

#include <cstdio>

#include "bench/Harness.h"
#include "platform/win32/Win32Messenger.h"
#include "platform/win32/Win32Registry.h"
#include "store/RegistryPersistence.h"

int main() {
  platform::Win32Registry registry;
  platform::Win32Messenger messenger;
  auto store = store::MakeStore();
  store::LoadSettings(*store, registry);
  for (int p = 0; p < store::kProfileCount; ++p)
    for (int k = 0; k < store::kKeyCount; k += 3) store::WriteSingleKey(store->profiles[p].keys[0][k], 0x41);

  const auto save = bench::Measure(15, [&] { store::SaveSettings(*store, registry, messenger); });
  const auto load = bench::Measure(15, [&] { store::LoadSettings(*store, registry); });

  // Baseline: the same number of values and bytes, written straight through the API.
  HKEY key = nullptr;
  ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TrelmBenchBaseline", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
  BYTE record[1592] = {};
  const auto bare = bench::Measure(15, [&] {
    wchar_t name[32];
    for (int i = 0; i < store::kValuesWritten; ++i) {
      std::swprintf(name, 32, L"Value%04d", i % 337);
      ::RegSetValueExW(key, name, 0, REG_BINARY, record, i % 337 < 7 ? 1 : sizeof record);
    }
  });
  const auto bareRead = bench::Measure(15, [&] {
    wchar_t name[32];
    for (int i = 0; i < store::kValuesWritten; ++i) {
      std::swprintf(name, 32, L"Value%04d", i % 337);
      DWORD size = sizeof record;
      ::RegQueryValueExW(key, name, nullptr, nullptr, record, &size);
    }
  });
  ::RegCloseKey(key);
  ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TrelmBenchBaseline");

  bench::Report("registry: bare RegSetValueExW loop (baseline)", bare);
  bench::Report("registry: bare RegQueryValueExW loop (baseline)", bareRead);
  bench::Report("registry: save settings (3,379 values)", save, "bare RegSetValueExW loop", bare);
  bench::Report("registry: load settings (3,379 values)", load, "bare RegQueryValueExW loop", bareRead);
  return 0;
}
