#include "tools/profile/Commands.h"

#include <algorithm>
#include <cerrno>
#include <istream>
#include <optional>
#include <ostream>
#include <set>
#include <system_error>

#include "Version.h"
#include "tools/profile/CommandLine.h"
#include "tools/profile/KeySheet.h"
#include "tools/profile/Listings.h"
#include "tools/profile/OutputFiles.h"
#include "tools/profile/ProfileCheck.h"
#include "tools/profile/ProfileDiff.h"
#include "tools/profile/ProfileFiles.h"
#include "tools/profile/ProfileJson.h"
#include "tools/profile/SettingsBackup.h"

namespace profiletool {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTool = "trelm-profile: ";
constexpr std::string_view kStandard = "-";

fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

struct Input {
  std::string name;  // for messages
  fs::path path;     // empty for standard input
  bool Standard() const { return path.empty(); }
};

struct Target {
  std::string name;
  fs::path path;  // empty for standard output
};

// What a command writes, which decides the names it refuses without --force.
enum class Writes { Json, ProfileFile, Sheet };

class Run {
 public:
  Run(const Arguments& args, Console& console) : m_args(args), m_console(console) {}

  int Exit() const { return m_exit; }

  bool Prepare() {
    if (const std::string* v = m_args.Option("--variant")) {
      if (v->size() != 1 || (*v)[0] < '0' || (*v)[0] > '2') return Usage("--variant is 0, 1 or 2");
      m_variant = (*v)[0] - '0';
    }
    if (std::count(m_args.files.begin(), m_args.files.end(), kStandard) > 1)
      return Usage("standard input (-) can be read only once");
    for (const std::string& file : m_args.files)
      m_inputs.push_back(file == kStandard ? Input{"standard input", {}} : Input{file, PathOf(file)});
    return ChooseLabels();
  }

  void ToJson() {
    const auto targets = Plan(".json", Writes::Json);
    for (std::size_t i = 0; targets && i < m_inputs.size(); ++i) {
      const LoadedProfile loaded = Load(m_inputs[i]);
      if (!loaded.profile || !Checked(m_inputs[i], loaded, "its JSON")) continue;
      Write((*targets)[i], ProfileToJson(*loaded.profile, loaded.variant, m_labels));
    }
  }

  void FromJson() {
    const auto targets = Plan(".prof", Writes::ProfileFile);
    for (std::size_t i = 0; targets && i < m_inputs.size(); ++i) {
      const LoadedProfile loaded = Load(m_inputs[i], /*jsonOnly=*/true);
      if (!loaded.profile || !Checked(m_inputs[i], loaded, "the profile file")) continue;
      Write((*targets)[i], std::string(reinterpret_cast<const char*>(loaded.profile.get()), store::kProfileSize));
    }
  }

  void Check() {
    for (const Input& input : m_inputs) {
      const LoadedProfile loaded = Load(input, false, /*quiet=*/true);
      if (loaded.outcome == Outcome::UsageOrIo) continue;
      bool fault = !loaded.profile;
      for (const auto& problem : loaded.problems)
        m_console.out << input.name << (loaded.profile ? ": warning: " : ": ") << problem << "\n";
      if (loaded.profile)
        for (const auto& problem : CheckProfile(*loaded.profile, loaded.variant)) {
          const bool isFault = problem.severity == Severity::Fault;
          m_console.out << input.name << (isFault ? ": " : ": warning: ") << problem.text << "\n";
          fault |= isFault;
        }
      if (fault) Worst(Outcome::InputProblem);
    }
  }

  void Diff() {
    const LoadedProfile a = Load(m_inputs[0]), b = Load(m_inputs[1]);
    if (!a.profile || !b.profile) return;
    const auto lines = DiffProfiles(*a.profile, *b.profile, a.variant, m_labels);
    for (const auto& line : lines) m_console.out << line << "\n";
    if (!lines.empty()) Worst(Outcome::InputProblem);
  }

  void Sheet() {
    const std::string* layer = m_args.Option("--layer");
    std::vector<int> layers;
    if (layer && *layer == "all") layers = {0, 1, 2};
    else if (layer && layer->size() == 1 && (*layer)[0] >= '1' && (*layer)[0] <= '3') layers = {(*layer)[0] - '1'};
    else return (void)Usage("sheet needs --layer 1, 2, 3 or all");
    const auto targets = Plan(".html", Writes::Sheet);
    for (std::size_t i = 0; targets && i < m_inputs.size(); ++i) {
      const LoadedProfile loaded = Load(m_inputs[i]);
      if (!loaded.profile) continue;
      for (const auto& problem : CheckProfile(*loaded.profile, loaded.variant))
        if (problem.severity == Severity::Fault) Warn(m_inputs[i].name + ": warning: " + problem.text);
      const auto& target = (*targets)[i];
      const bool svg = !target.path.empty() && Extension(target.path) == ".svg";
      Write(target, KeySheet(*loaded.profile, layers, loaded.variant, m_labels, svg ? SheetFormat::Svg : SheetFormat::Html));
    }
  }

  void ListKeys() { m_console.out << KeyListing(m_variant.value_or(0)); }
  void ListFunctions() { m_console.out << FunctionListing(m_labels, m_labelsName); }

  void BackupOrRestore(bool backup) {
    if (!m_console.registry || !m_console.messenger)
      return (void)Error("backup and restore work on Windows, where the settings live in the registry", Outcome::UsageOrIo);
    const fs::path folder = PathOf(m_args.files[0]);
    const BackupResult result = backup ? BackupSettings(*m_console.registry, folder)
                                       : RestoreSettings(*m_console.registry, *m_console.messenger, folder);
    for (const auto& message : result.messages) m_console.err << kTool << message << "\n";
    Worst(result.outcome);
  }

  void FinishOutput() {
    errno = 0;
    m_console.out.flush();
    if (!m_console.out && !m_outputFailed) Error("standard output: cannot be written: " + SystemError(), Outcome::UsageOrIo);
  }

 private:
  static std::string SystemError() { return errno ? std::generic_category().message(errno) : "the stream failed"; }

  void Worst(Outcome outcome) { m_exit = std::max(m_exit, static_cast<int>(outcome)); }
  void Warn(const std::string& text) { m_console.err << kTool << text << "\n"; }
  bool Error(const std::string& text, Outcome outcome) {
    m_console.err << kTool << text << "\n";
    Worst(outcome);
    return false;
  }
  bool Usage(const std::string& text) {
    return Error(text + "\n(trelm-profile " + std::string(m_args.command->name) + " --help tells how to use it)",
                 Outcome::UsageOrIo);
  }

  bool ChooseLabels() {
    m_labels = Labels::English();
    m_labelsName = "English";
    std::string error;
    if (const std::string* file = m_args.Option("--strings")) {
      auto labels = Labels::Read(PathOf(*file), &error);
      if (!labels) return Error(*file + ": " + error, Outcome::UsageOrIo);
      m_labels = std::move(*labels);
      m_labelsName = *file;
    } else if (std::error_code e; fs::is_regular_file(m_console.programFolder / "Strings.xml", e)) {
      // The installed program's own language, when it can be read; English otherwise.
      if (auto labels = Labels::Read(m_console.programFolder / "Strings.xml", &error)) {
        m_labels = std::move(*labels);
        m_labelsName = PathText(m_console.programFolder / "Strings.xml");
      }
    }
    return true;
  }

  // A profile read from a file or standard input, its problems told unless `quiet`.
  LoadedProfile Load(const Input& input, bool jsonOnly = false, bool quiet = false) {
    const FileBytes read = input.Standard() ? ReadWholeStream(m_console.in) : ReadWholeFile(input.path);
    LoadedProfile loaded;
    if (!read.bytes) {
      loaded.outcome = Outcome::UsageOrIo;
      Error(input.name + ": cannot be read: " + read.error, loaded.outcome);
      return loaded;
    }
    const bool json = jsonOnly ? StartsLikeJson(*read.bytes) || (!IsProfilePath(input.path) && read.bytes->size() != store::kProfileSize)
                               : LooksLikeJson(input.path, *read.bytes);
    if (jsonOnly && !json) {
      loaded.outcome = Outcome::InputProblem;
      loaded.problems.push_back("is a profile file, not JSON (to-json turns it into JSON)");
    } else if (read.tooLarge && json) {
      loaded.outcome = Outcome::InputProblem;
      loaded.problems.push_back("is far too large for a profile document");
    } else {
      loaded = LoadProfileBytes(*read.bytes, json, m_variant, m_labels);
    }
    if (!quiet) {
      for (const auto& problem : loaded.problems)
        loaded.profile ? Warn(input.name + ": warning: " + problem) : (void)Error(input.name + ": " + problem, loaded.outcome);
      if (!loaded.profile && jsonOnly && loaded.outcome == Outcome::InputProblem) Warn(input.name + ": nothing was written");
    }
    if (!loaded.profile) Worst(loaded.outcome);
    return loaded;
  }

  // Tells the profile's problems; false, with exit code 1, when a fault stops it (unless --force).
  bool Checked(const Input& input, const LoadedProfile& loaded, const std::string& what) {
    const auto problems = CheckProfile(*loaded.profile, loaded.variant);
    const bool stopped = HasFault(problems) && !m_args.force;
    for (const auto& problem : problems) {
      const bool shownAsFault = problem.severity == Severity::Fault && stopped;
      m_console.err << kTool << input.name << (shownAsFault ? ": " : ": warning: ") << problem.text << "\n";
    }
    if (stopped)
      return Error(input.name + ": the profile has faults the program would stumble on; " + what +
                       " is written only with --force",
                   Outcome::InputProblem);
    return true;
  }

  bool SameFile(const fs::path& a, const fs::path& b) const {
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
  }

  static bool EndsWithSeparator(const std::string& name) {
#ifdef _WIN32
    return !name.empty() && (name.back() == '/' || name.back() == '\\');
#else
    return !name.empty() && name.back() == '/';
#endif
  }

  // Where each input's result goes: standard output, the file -o names, or a file of the input's name
  // in the folder -o names. Nothing, after telling why, when one of them must not be written.
  std::optional<std::vector<Target>> Plan(const std::string& extension, Writes writes) {
    const auto refuse = [&](bool usage, const std::string& text) -> std::optional<std::vector<Target>> {
      usage ? Usage(text) : Error(text, Outcome::UsageOrIo);
      return std::nullopt;
    };
    const std::string* output = m_args.Option("-o");
    const std::string command(m_args.command->name);
    if (!output && writes != Writes::Json)
      return refuse(true, command + " needs -o: a file, a folder ending in /, or - for standard output");
    if (!output || *output == kStandard) {
      if (m_inputs.size() > 1) return refuse(true, "several files cannot all go to standard output; give -o FOLDER/");
      return std::vector<Target>{{"standard output", {}}};
    }
    std::vector<Target> targets;
    const fs::path out = PathOf(*output);
    std::error_code error;
    if (EndsWithSeparator(*output) || m_inputs.size() > 1) {
      if (!fs::is_directory(out, error)) return refuse(false, *output + ": no such folder");
      std::set<fs::path> names;
      for (const Input& input : m_inputs) {
        if (input.Standard()) return refuse(true, "standard input has no name to write into a folder; give -o FILE");
        fs::path name = input.path.filename();
        name.replace_extension(extension);
        if (!names.insert(name).second) return refuse(false, "two inputs would both be written as " + PathText(out / name));
        targets.push_back({PathText(out / name), out / name});
      }
    } else {
      if (fs::is_directory(FinalTarget(out), error))
        return refuse(false, *output + ": is a folder; to write into it, end its name with /");
      for (const Input& input : m_inputs)
        if (!input.Standard() && SameFile(out, input.path))
          return refuse(false, *output + ": is the input " + input.name + "; write the result to another file");
      const std::string ext = Extension(out);
      if (writes == Writes::Sheet && ext != ".svg" && ext != ".html" && ext != ".htm")
        return refuse(true, "the sheet is written as .html, .svg or to - (HTML)");
      const bool wrongName = (writes == Writes::Json && ext == ".prof") || (writes == Writes::ProfileFile && ext == ".json");
      if (wrongName && !m_args.force)
        return refuse(false, *output + ": a name ending in " + ext + " is for " + (ext == ".prof" ? "profile files" : "JSON") +
                                 ", and " + command + " writes " + (writes == Writes::Json ? "JSON" : "a profile file") +
                                 "; choose another name, or give --force");
      targets.push_back({*output, out});
    }
    for (const Target& target : targets)
      for (const Input& input : m_inputs)
        if (!input.Standard() && SameFile(target.path, input.path))
          return refuse(false, target.name + ": is the input " + input.name + "; write the result to another file");
    return targets;
  }

  void Write(const Target& target, const std::string& bytes) {
    if (target.path.empty()) {
      errno = 0;
      m_console.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      m_console.out.flush();
      if (!m_console.out && !m_outputFailed) Error("standard output: cannot be written: " + SystemError(), Outcome::UsageOrIo);
      m_outputFailed = !m_console.out;
      return;
    }
    const WriteResult written = WriteFileSafely(target.path, bytes);
    if (!written.ok) Error(target.name + ": cannot be written: " + written.error, Outcome::UsageOrIo);
  }

  const Arguments& m_args;
  Console& m_console;
  std::vector<Input> m_inputs;
  std::optional<int> m_variant;
  Labels m_labels;
  std::string m_labelsName;
  int m_exit = 0;
  bool m_outputFailed = false;  // told once
};

}  // namespace

int RunTool(const std::vector<std::string>& argv, Console& console) {
  const ParsedArguments parsed = ParseArguments(argv);
  if (!parsed.arguments) {
    console.err << kTool << parsed.error << "\n(trelm-profile --help tells how to use it)\n";
    return static_cast<int>(Outcome::UsageOrIo);
  }
  const Arguments& args = *parsed.arguments;
  if (args.request == Request::Version) {
    console.out << "trelm-profile " << TRELM_VERSION_TEXT << "\n";
  } else if (args.request == Request::Help) {
    console.out << HelpText(args.command);
  }
  Run run(args, console);
  if (args.request == Request::Run && run.Prepare()) {
    const std::string_view name = args.command->name;
    if (name == "to-json") run.ToJson();
    else if (name == "from-json") run.FromJson();
    else if (name == "check") run.Check();
    else if (name == "diff") run.Diff();
    else if (name == "sheet") run.Sheet();
    else if (name == "list-keys") run.ListKeys();
    else if (name == "list-functions") run.ListFunctions();
    else run.BackupOrRestore(name == "backup");
  }
  run.FinishOutput();
  return run.Exit();
}

}  // namespace profiletool
