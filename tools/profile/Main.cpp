// trelm-profile: profiles as readable JSON and back, checked, compared, printed as a cheat-sheet, and on
// Windows the whole settings backed up to a folder and restored. Everything but the process itself
// (its arguments, its standard streams, its folder, the registry) lives in the library beside this file.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "platform/win32/Win32Messenger.h"
#include "platform/win32/Win32Registry.h"
#endif

#include "tools/profile/Commands.h"

namespace {

std::filesystem::path ProgramFolder() {
#ifdef _WIN32
  std::wstring buffer(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  buffer.resize(length);
  return std::filesystem::path(buffer).parent_path();
#else
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
#endif
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  // Profiles and JSON travel through the standard streams byte for byte.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const auto text = std::filesystem::path(argv[i]).u8string();
    args.emplace_back(text.begin(), text.end());
  }
  platform::Win32Registry registry;
  platform::Win32Messenger messenger;
  profiletool::Console console{std::cin, std::cout, std::cerr, ProgramFolder(), &registry, &messenger};
  return profiletool::RunTool(args, console);
}
#else
int main(int argc, char** argv) {
  profiletool::Console console{std::cin, std::cout, std::cerr, ProgramFolder()};
  return profiletool::RunTool(std::vector<std::string>(argv + 1, argv + argc), console);
}
#endif
