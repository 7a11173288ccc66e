// Start-up as a user sees it: the time from starting the installed program to its main window waiting for
// input (created, settings loaded, skinned and painted), beside a bare program that only creates and paints
// a window, both started and timed the same way. The registry holds a full set of settings first.
#include <windows.h>

#include <string>

#include "bench/Harness.h"
#include "platform/win32/Module.h"
#include "platform/win32/Win32Messenger.h"
#include "platform/win32/Win32Registry.h"
#include "store/RegistryPersistence.h"

namespace {

BOOL CALLBACK CloseWindowsOf(HWND window, LPARAM processId) {
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == static_cast<DWORD>(processId)) ::PostMessageW(window, WM_CLOSE, 0, 0);
  return TRUE;
}

// Starts `program`, waits until it waits for input, then closes it and waits for its end.
double StartToIdle(const std::wstring& program) {
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + program + L"\"";
  const auto start = std::chrono::steady_clock::now();
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
    return 0;
  ::WaitForInputIdle(process.hProcess, 60000);
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  ::EnumWindows(&CloseWindowsOf, static_cast<LPARAM>(process.dwProcessId));
  if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return ms;
}

}  // namespace

int main() {
  {
    auto settings = store::MakeStore();
    platform::Win32Registry registry;
    platform::Win32Messenger messenger;
    for (int p = 0; p < store::kProfileCount; ++p)
      for (int k = 0; k < store::kKeyCount; k += 3) store::WriteSingleKey(settings->profiles[p].keys[0][k], 0x41);
    store::SaveSettings(*settings, registry, messenger);
  }
  const std::u16string module = win::ModuleFileName();
  const std::wstring folder(module.begin(), module.begin() + static_cast<std::ptrdiff_t>(module.find_last_of(u'\\') + 1));
  StartToIdle(folder + L"OsselSetting.exe");  // the first start warms the caches of the platform
  const auto bare = bench::Measure(5, [&] { StartToIdle(folder + L"BareWindowProgram.exe"); });
  const auto program = bench::Measure(5, [&] { StartToIdle(folder + L"OsselSetting.exe"); });
  bench::Report("start-up: bare program started until idle (baseline)", bare);
  bench::Report("start-up: the program started until idle", program, "bare program", bare);
  return 0;
}
