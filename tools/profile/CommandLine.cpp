#include "tools/profile/CommandLine.h"

#include <algorithm>
#include <limits>

namespace profiletool {
namespace {

constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();

constexpr std::string_view kToJsonOptions[] = {"-o", "--variant", "--strings", "--force"};
constexpr std::string_view kFromJsonOptions[] = {"-o", "--strings", "--force"};
constexpr std::string_view kReportOptions[] = {"--variant", "--strings"};
constexpr std::string_view kSheetOptions[] = {"-o", "--layer", "--variant", "--strings"};
constexpr std::string_view kVariantOption[] = {"--variant"};
constexpr std::string_view kStringsOption[] = {"--strings"};

constexpr CommandSpec kCommands[] = {
    {"to-json", 1, kAny, kToJsonOptions,
     "to-json FILE... [-o FILE.json|FOLDER/|-] [--variant V] [--strings FILE] [--force]",
     R"(Writes each profile as JSON, to standard output without -o: its name, program, auto switch, the
layer shown, the values kept for the companion, and per layer the keys that have a function, each with
its "key" name, its function's "kind", "function" (the catalogue's text key, such as "MUTE") and
"label" (its name in the language file, such as "Mute"), and its own fields. Bytes that no field
explains travel as hex in "extra". Several files need -o FOLDER/, where each takes its own name.
A profile with faults (as check lists them) is written only with --force; the faults are listed.)"},
    {"from-json", 1, kAny, kFromJsonOptions, "from-json FILE.json... -o FILE.prof|FOLDER/|- [--strings FILE] [--force]",
     R"(The way back, byte for byte. To change a key, edit its "function" (or its "kind"; when both are
given they must agree) and its fields, for example
  {"key": "F5", "function": "Volume Up"}
  {"key": "f9", "function": "single key", "sends": "PrintScreen"}
  {"key": "Esc", "function": "MACRO", "macro": {"events": ["A Press", "50ms", "A Release"]}}
A function is named by its text key, its English label or its label in the --strings language, in
any case; list-functions lists them, list-keys the key names. "label" is only for reading: where it
disagrees with "function", the function counts. Nothing is written when the document has an error,
or a fault the program would stumble on, unless --force is given.)"},
    {"check", 1, kAny, kReportOptions, "check FILE... [--variant V] [--strings FILE]",
     R"(Lists every problem of each file, one to a line, the file's name first. Faults (a text without
its end, a layer or value outside its range, a function kind that names nothing) exit with 1;
warnings (a program name with a folder, odd flags, a launch key without a path, a single key
without a code, bytes a function does not use that are not zero) are listed but exit with 0.)"},
    {"diff", 2, 2, kReportOptions, "diff A B [--variant V] [--strings FILE]",
     "Lists the differences of two profiles in words, one to a line; exits with 1 when they differ."},
    {"sheet", 1, kAny, kSheetOptions,
     "sheet FILE... --layer 1|2|3|all -o FILE.html|FILE.svg|FOLDER/|- [--variant V] [--strings FILE]",
     R"(Draws the keyboard with each key's function, as a printable HTML page (also for -o -) or as SVG.
Below the keyboard a legend tells what does not fit on a key: a macro's events, a program's path, a
switch's target, and keys assigned on slots the layout does not show. --layer all puts the three
layers on one page, which prints on A4 and on Letter.)"},
    {"list-keys", 0, 0, kVariantOption, "list-keys [--variant V]",
     R"(Lists the key names of a layout variant for "key", what a single key "sends" and the macro
lines, with the other words accepted for them.)"},
    {"list-functions", 0, 0, kStringsOption, "list-functions [--strings FILE]",
     R"(Lists the functions: their kind, text key and label, with the members each one needs.)"},
    {"backup", 1, 1, {}, "backup FOLDER",
     "Windows: writes the whole settings from the registry as Setting.json and Profile0.json .. Profile9.json."},
    {"restore", 1, 1, {}, "restore FOLDER",
     R"(Windows: checks all eleven documents of a backup first and writes nothing when one has a fault;
then writes them into the registry and tells the companion program.)"},
    {"help", 0, 1, {}, "help [COMMAND]", "Tells how to use the tool, or one command."},
};

constexpr std::string_view kValuedOptions[] = {"-o", "--variant", "--layer", "--strings"};

constexpr const char* kOptionsHelp = R"(Options:
  -o FILE          where to write; "-" is standard output. A name ending in / is a folder, where each
                   result takes its input's name (several inputs always go to a folder). A link is
                   written through to its target and a device directly; a folder, the input itself,
                   and JSON into a .prof name or a profile into a .json name are refused.
  --variant V      the keyboard's layout variant that names the keys: 0 (104 keys, US), 1 (105 keys,
                   one more beside the left Shift), 2 (109 keys, Japanese); default 0, or a JSON
                   document's own. Names never depend on this machine's keyboard layout.
  --layer N        the layer the sheet shows, 1 to 3, or all
  --strings FILE   the language file (Strings.xml) whose texts label the functions, and whose labels
                   name them in JSON; default the Strings.xml beside this program, else English
  --force          write what would otherwise be refused: a damaged profile, a name's other extension
  -h, --help       this text; COMMAND --help tells about one command
  --version        the tool's version
)";

}  // namespace

std::span<const CommandSpec> Commands() { return kCommands; }

const CommandSpec* FindCommand(std::string_view name) {
  for (const CommandSpec& command : kCommands)
    if (command.name == name) return &command;
  return nullptr;
}

const std::string* Arguments::Option(std::string_view name) const {
  const auto found = options.find(name);
  return found == options.end() ? nullptr : &found->second;
}

ParsedArguments ParseArguments(const std::vector<std::string>& argv) {
  Arguments args;
  std::string commandName;
  bool help = false, version = false, onlyFiles = false;
  for (std::size_t i = 0; i < argv.size(); ++i) {
    const std::string& a = argv[i];
    const bool option = !onlyFiles && a.size() > 1 && a[0] == '-';
    if (option && a == "--") {
      onlyFiles = true;
    } else if (option && (a == "-h" || a == "--help")) {
      help = true;
    } else if (option && a == "--version") {
      version = true;
    } else if (option && a == "--force") {
      args.force = true;
      args.options["--force"];
    } else if (option && std::find(std::begin(kValuedOptions), std::end(kValuedOptions), a) != std::end(kValuedOptions)) {
      if (i + 1 >= argv.size()) return {std::nullopt, a + " needs a value"};
      if (args.options.count(a)) return {std::nullopt, a + " is given twice"};
      args.options[a] = argv[++i];
    } else if (option) {
      return {std::nullopt, "unknown option " + a};
    } else if (commandName.empty()) {
      commandName = a;
    } else {
      args.files.push_back(a);
    }
  }
  if (version) {
    args.request = Request::Version;
    return {std::move(args), {}};
  }
  if (commandName.empty()) {
    if (help) {
      args.request = Request::Help;
      return {std::move(args), {}};
    }
    return {std::nullopt, "no command given"};
  }
  args.command = FindCommand(commandName);
  if (!args.command) return {std::nullopt, "unknown command " + commandName};
  if (help || args.command->name == "help") {
    args.request = Request::Help;
    if (args.command->name == "help") {
      args.command = args.files.empty() ? nullptr : FindCommand(args.files.front());
      if (!args.files.empty() && !args.command) return {std::nullopt, "unknown command " + args.files.front()};
    }
    return {std::move(args), {}};
  }
  const CommandSpec& command = *args.command;
  for (const auto& [name, value] : args.options)
    if (std::find(command.options.begin(), command.options.end(), name) == command.options.end())
      return {std::nullopt, std::string(command.name) + " takes no " + name};
  const std::size_t count = args.files.size();
  if (count < command.fewestFiles || count > command.mostFiles) {
    const std::string usage = "usage: trelm-profile " + std::string(command.synopsis);
    if (command.mostFiles == 0) return {std::nullopt, std::string(command.name) + " takes no file; " + usage};
    return {std::nullopt, std::string(command.name) + (count < command.fewestFiles ? " needs more files" : " takes fewer files") +
                              "; " + usage};
  }
  return {std::move(args), {}};
}

std::string HelpText(const CommandSpec* command) {
  if (command) {
    std::string text = "usage: trelm-profile " + std::string(command->synopsis) + "\n\n" + std::string(command->help) + "\n";
    if (!command->options.empty()) text += "\n" + std::string(kOptionsHelp);
    return text;
  }
  std::string text = "trelm-profile: read, change, check, compare and print TrelmVantoria keyboard profiles\n\n";
  for (const CommandSpec& c : kCommands) text += "  trelm-profile " + std::string(c.synopsis) + "\n";
  text += "  trelm-profile --version\n\n";
  text += R"(A file named .json is a JSON document and one named .prof a profile file as the program exports
it (526420 bytes); any other name is told by its contents. Layers, profiles and repeat counts count
from 1, as the program shows them. The README's profile tool section describes every JSON member.

)";
  text += kOptionsHelp;
  text += "\nExit codes: 0 fine; 1 the input has problems (diff: the profiles differ); 2 a usage or I/O error.\n";
  return text;
}

}  // namespace profiletool
