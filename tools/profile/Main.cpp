// trelm-profile: profiles as readable JSON and back, checked, compared, printed as a cheat-sheet, and on
// Windows the whole settings backed up to a folder and restored. The logic lives in the library beside
// this file; here are only the command line, the files and the exit codes.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "platform/win32/Win32Messenger.h"
#include "platform/win32/Win32Registry.h"
#endif

#include "tools/profile/KeySheet.h"
#include "tools/profile/ProfileCheck.h"
#include "tools/profile/ProfileDiff.h"
#include "tools/profile/ProfileFiles.h"
#include "tools/profile/ProfileJson.h"
#include "tools/profile/SettingsBackup.h"

namespace profiletool {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage = R"(trelm-profile: read, change, check, compare and print TrelmVantoria keyboard profiles

  trelm-profile to-json FILE.prof [-o FILE.json] [--variant 0|1|2]
  trelm-profile from-json FILE.json -o FILE.prof
  trelm-profile check FILE.prof|FILE.json [--variant V]
  trelm-profile diff A B [--variant V]
  trelm-profile sheet FILE --layer 1|2|3 [--variant V] -o FILE.svg|FILE.html
  trelm-profile backup FOLDER       (Windows: the whole settings from the registry)
  trelm-profile restore FOLDER      (Windows: back into the registry, then the companion is told)

A file whose name ends in .json is a JSON document; any other file is a profile file as the program
exports it (526420 bytes). Layers, profiles and repeat counts count from 1, as the program shows them.

to-json      writes one profile as JSON (to standard output without -o): its name, program, auto switch,
             the layer shown, the values kept for the companion, and per layer the keys that have a
             function, with the key's name, the function's "kind" and "function" (the catalogue's text
             key, such as "MUTE") and its own fields. Bytes no field explains travel as hex in "extra".
from-json    the way back, byte for byte. To change a key, edit its "function" (or its "kind"; when
             both are given they must agree) and its fields, for example {"key": "F5", "function":
             "MACRO", "macro": {"events": ["A Press", "50ms", "A Release"]}}. Nothing is written when
             the document has an error, or a problem the program's import would refuse.
check        lists every problem, one to a line.
diff         lists the differences in words, one to a line.
sheet        draws the keyboard with each key's function label, as SVG or as a printable HTML page.
backup       writes Setting.json and Profile0.json .. Profile9.json into FOLDER.
restore      checks all eleven documents first and writes nothing when one has a problem.

Options:
  -o FILE          where to write
  --variant V      the keyboard's layout variant that names the keys: 0 (104 keys, US), 1 (105 keys,
                   one more beside the left Shift), 2 (109 keys, Japanese); default 0, or a JSON
                   document's own. Names never depend on this machine's keyboard layout.
  --layer N        the layer the sheet shows, 1 to 3
  --strings FILE   the language file whose texts label the functions (diff, sheet); default the
                   Strings.xml beside this program, else the catalogue's text keys
  -h, --help       this text

Exit codes: 0 fine; 1 the input has problems (diff: the profiles differ); 2 a usage or I/O error.
)";

fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

struct Arguments {
  std::string command;
  std::vector<std::string> files;
  std::map<std::string, std::string> options;
};

int Usage(const std::string& message) {
  std::cerr << "trelm-profile: " << message << "\n(trelm-profile --help tells how to use it)\n";
  return static_cast<int>(Outcome::UsageOrIo);
}

void Report(const std::vector<std::string>& lines, std::ostream& out, const char* prefix = "") {
  for (const auto& line : lines) out << prefix << line << "\n";
}

std::optional<int> NumberOption(const Arguments& args, const std::string& name, int low, int high, bool* bad) {
  const auto found = args.options.find(name);
  if (found == args.options.end()) return std::nullopt;
  const std::string& text = found->second;
  if (text.size() == 1 && text[0] >= '0' + low && text[0] <= '0' + high) return text[0] - '0';
  *bad = true;
  return std::nullopt;
}

fs::path ProgramFolder() {
#ifdef _WIN32
  std::wstring buffer(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  buffer.resize(length);
  return fs::path(buffer).parent_path();
#else
  std::error_code error;
  return fs::read_symlink("/proc/self/exe", error).parent_path();
#endif
}

Labels LabelsFor(const Arguments& args) {
  const auto found = args.options.find("--strings");
  const fs::path file = found != args.options.end() ? PathOf(found->second) : ProgramFolder() / "Strings.xml";
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return Labels();
  return Labels(fs::absolute(file, error).u16string());
}

bool WriteOutput(const fs::path& path, const std::string& bytes) {
  if (WriteWholeFile(path, bytes)) return true;
  std::cerr << "trelm-profile: " << PathText(path) << ": cannot be written\n";
  return false;
}

// Loads a profile, telling what went wrong; problems with the file itself that still left a record
// (a file longer than a profile) are told as warnings.
LoadedProfile Load(const std::string& file, std::optional<int> variant) {
  LoadedProfile loaded = LoadProfile(PathOf(file), variant);
  Report(loaded.problems, std::cerr, loaded.profile ? "trelm-profile: warning: " : "trelm-profile: ");
  return loaded;
}

int Failed(const LoadedProfile& loaded) { return static_cast<int>(loaded.outcome); }

int ToJson(const Arguments& args, std::optional<int> variant) {
  const auto loaded = Load(args.files[0], variant);
  if (!loaded.profile) return Failed(loaded);
  const std::string json = ProfileToJson(*loaded.profile, loaded.variant);
  const auto output = args.options.find("-o");
  if (output == args.options.end()) {
    std::cout << json << std::flush;
    return std::cout ? 0 : static_cast<int>(Outcome::UsageOrIo);
  }
  return WriteOutput(PathOf(output->second), json) ? 0 : static_cast<int>(Outcome::UsageOrIo);
}

int FromJson(const Arguments& args) {
  const auto output = args.options.find("-o");
  if (output == args.options.end()) return Usage("from-json needs -o FILE.prof");
  const fs::path input = PathOf(args.files[0]);
  const auto text = ReadWholeFile(input);
  if (!text) {
    std::cerr << "trelm-profile: " << args.files[0] << ": cannot be read\n";
    return static_cast<int>(Outcome::UsageOrIo);
  }
  const auto profile = std::make_unique<store::ProfileRecord>();
  int variant = 0;
  const JsonResult result = ProfileFromJson(*text, *profile, &variant);
  if (!result.ok) {
    std::cerr << "trelm-profile: " << args.files[0] << ": " << result.message << "\nnothing was written\n";
    return static_cast<int>(Outcome::InputProblem);
  }
  bool refused = false;
  for (const auto& problem : CheckProfile(*profile, variant)) {
    std::cerr << "trelm-profile: " << (problem.refusedByImport ? "" : "warning: ") << args.files[0] << ": "
              << problem.text << "\n";
    refused |= problem.refusedByImport;
  }
  if (refused) {
    std::cerr << "the program's import would refuse such a profile; nothing was written\n";
    return static_cast<int>(Outcome::InputProblem);
  }
  const std::string bytes(reinterpret_cast<const char*>(profile.get()), store::kProfileSize);
  return WriteOutput(PathOf(output->second), bytes) ? 0 : static_cast<int>(Outcome::UsageOrIo);
}

int Check(const Arguments& args, std::optional<int> variant) {
  // The file's own problems (its size, its JSON) are part of the list; only failing to read it is not.
  const auto loaded = LoadProfile(PathOf(args.files[0]), variant);
  if (loaded.outcome == Outcome::UsageOrIo) {
    Report(loaded.problems, std::cerr, "trelm-profile: ");
    return Failed(loaded);
  }
  std::vector<std::string> lines = loaded.problems;
  if (loaded.profile)
    for (const auto& problem : CheckProfile(*loaded.profile, loaded.variant)) lines.push_back(problem.text);
  Report(lines, std::cout);
  return lines.empty() ? 0 : static_cast<int>(Outcome::InputProblem);
}

int Diff(const Arguments& args, std::optional<int> variant) {
  const auto a = Load(args.files[0], variant);
  const auto b = Load(args.files[1], variant);
  if (!a.profile || !b.profile) return std::max(Failed(a), Failed(b));
  const auto lines = DiffProfiles(*a.profile, *b.profile, a.variant, LabelsFor(args));
  Report(lines, std::cout);
  return lines.empty() ? 0 : static_cast<int>(Outcome::InputProblem);
}

int Sheet(const Arguments& args, std::optional<int> variant) {
  bool bad = false;
  const auto layer = NumberOption(args, "--layer", 1, 3, &bad);
  if (bad || !layer) return Usage("sheet needs --layer 1, 2 or 3");
  const auto output = args.options.find("-o");
  if (output == args.options.end()) return Usage("sheet needs -o FILE.svg or -o FILE.html");
  const fs::path path = PathOf(output->second);
  auto extension = PathText(path.extension());
  for (auto& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (extension != ".svg" && extension != ".html" && extension != ".htm")
    return Usage("the sheet is written as .svg or .html");
  const auto loaded = Load(args.files[0], variant);
  if (!loaded.profile) return Failed(loaded);
  const std::string sheet = KeySheet(*loaded.profile, *layer - 1, loaded.variant, LabelsFor(args),
                                     extension == ".svg" ? SheetFormat::Svg : SheetFormat::Html);
  return WriteOutput(path, sheet) ? 0 : static_cast<int>(Outcome::UsageOrIo);
}

int BackupOrRestore(const Arguments& args) {
#ifdef _WIN32
  platform::Win32Registry registry;
  platform::Win32Messenger messenger;
  const fs::path folder = PathOf(args.files[0]);
  const BackupResult result = args.command == "backup" ? BackupSettings(registry, folder)
                                                       : RestoreSettings(registry, messenger, folder);
  Report(result.messages, std::cerr, "trelm-profile: ");
  return static_cast<int>(result.outcome);
#else
  (void)args;
  std::cerr << "trelm-profile: backup and restore work on Windows, where the settings live in the registry\n";
  return static_cast<int>(Outcome::UsageOrIo);
#endif
}

int Run(const std::vector<std::string>& argv) {
  Arguments args;
  for (std::size_t i = 0; i < argv.size(); ++i) {
    const std::string& a = argv[i];
    if (a == "-h" || a == "--help" || a == "help") {
      std::cout << kUsage;
      return 0;
    }
    if (a == "-o" || a == "--variant" || a == "--layer" || a == "--strings") {
      if (i + 1 >= argv.size()) return Usage(a + " needs a value");
      if (args.options.count(a)) return Usage(a + " is given twice");
      args.options[a] = argv[++i];
    } else if (a.size() > 1 && a[0] == '-') {
      return Usage("unknown option " + a);
    } else if (args.command.empty()) {
      args.command = a;
    } else {
      args.files.push_back(a);
    }
  }
  static const std::map<std::string, std::size_t> kFileCounts = {
      {"to-json", 1}, {"from-json", 1}, {"check", 1}, {"diff", 2}, {"sheet", 1}, {"backup", 1}, {"restore", 1}};
  if (args.command.empty()) return Usage("no command given");
  const auto count = kFileCounts.find(args.command);
  if (count == kFileCounts.end()) return Usage("unknown command " + args.command);
  if (args.files.size() != count->second)
    return Usage(args.command + " takes " + (count->second == 1 ? "one file" : "two files") +
                 (args.command == "backup" || args.command == "restore" ? " (a folder)" : ""));
  bool bad = false;
  const auto variant = NumberOption(args, "--variant", 0, 2, &bad);
  if (bad) return Usage("--variant is 0, 1 or 2");

  if (args.command == "to-json") return ToJson(args, variant);
  if (args.command == "from-json") return FromJson(args);
  if (args.command == "check") return Check(args, variant);
  if (args.command == "diff") return Diff(args, variant);
  if (args.command == "sheet") return Sheet(args, variant);
  return BackupOrRestore(args);
}

}  // namespace
}  // namespace profiletool

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const auto text = std::filesystem::path(argv[i]).u8string();
    args.emplace_back(text.begin(), text.end());
  }
  return profiletool::Run(args);
}
#else
int main(int argc, char** argv) { return profiletool::Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
