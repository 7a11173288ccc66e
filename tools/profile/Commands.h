#pragma once
// The commands of trelm-profile over a console: what the program's main hands in, and what the tests
// drive without a process of their own.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace platform {
class Registry;
class WindowMessenger;
}  // namespace platform

namespace profiletool {

struct Console {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  std::filesystem::path programFolder;             // where the default language file lies
  platform::Registry* registry = nullptr;          // Windows: the settings, for backup and restore
  platform::WindowMessenger* messenger = nullptr;
};

// Runs one command line (without the program's name) and gives its exit code.
int RunTool(const std::vector<std::string>& argv, Console& console);

}  // namespace profiletool
