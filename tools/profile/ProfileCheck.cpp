#include "tools/profile/ProfileCheck.h"

#include <algorithm>

#include "catalogue/FunctionCatalogue.h"
#include "editors/MacroModel.h"
#include "tools/profile/FunctionWords.h"
#include "tools/profile/RecordFields.h"
#include "tools/profile/SlotNames.h"
#include "tools/profile/Text.h"

namespace profiletool {
namespace {

std::string N(std::int64_t n) { return std::to_string(n); }

bool Terminated(const char16_t* text) {
  return store::TerminatedView(text, store::kPathCapacity).size() < store::kPathCapacity;
}

std::string TooLong(const std::string& what) {
  return what + " has " + N(store::kPathCapacity) + " characters and no end; at most " + N(store::kMaxPathLength) + " fit";
}

// Bytes the record's function does not use: zero as the program writes every kind but the macro, whose
// editor keeps what an earlier function left.
void CheckUnusedBytes(const store::KeyRecord& record, const std::string& where, std::vector<Problem>& problems) {
  if (record.FunctionKind == store::kind::kMacro) return;
  bool used[store::kKeyRecordSize] = {};
  for (const FieldSpan& span : KeyFields(record)) std::fill(used + span.offset, used + span.offset + span.size, true);
  std::size_t count = 0, first = 0;
  for (std::size_t i = 0; i < store::kKeyRecordSize; ++i)
    if (!used[i] && record.bytes[i] != 0 && count++ == 0) first = i;
  if (count == 0) return;
  const std::string bytes = N(static_cast<std::int64_t>(count)) + (count == 1 ? " byte" : " bytes");
  const std::string are = count == 1 ? " is" : " are";
  const std::string text =
      record.FunctionKind == store::kind::kNone
          ? "the unassigned key holds " + bytes + " that" + are + " not zero"
          : bytes + " that " + Labels::English().Text(FunctionTextKey(record.FunctionKind)) + " does not use" + are +
                " not zero";
  problems.push_back({where + ": " + text + ", from offset " + N(static_cast<std::int64_t>(first)),
                      Severity::Warning});
}

struct Range {
  const char* what;
  std::int64_t value, low, high;
  int shownFrom;  // 1 where people count from 1
};

void CheckRanges(std::initializer_list<Range> ranges, const std::string& where, std::vector<Problem>& problems) {
  for (const Range& r : ranges)
    if (r.value < r.low || r.value > r.high)
      problems.push_back({where + ": " + r.what + " " + N(r.value + r.shownFrom) + " is outside " +
                          N(r.low + r.shownFrom) + " to " + N(r.high + r.shownFrom)});
}

void CheckKey(const store::KeyRecord& record, const std::string& where, std::vector<Problem>& problems) {
  const std::uint8_t kind = record.FunctionKind;
  if (kind != store::kind::kNone && !catalogue::FindFunction(kind)) {
    problems.push_back({where + ": function kind " + N(kind) + " is no known function"});
    return;
  }
  CheckUnusedBytes(record, where, problems);
  if (kind == store::kind::kMacro) {
    const auto& macro = record.macro;
    CheckRanges({{"macro pause setting", macro.DelayMode, 0, 1, 0},
                 {"macro repeat setting", macro.RepeatMode, 0, 2, 0},
                 {"macro repeat count", macro.RepeatCountIndex, 0, 9, 1},
                 {"macro interval switch", macro.IntervalOn, 0, 1, 0},
                 {"macro interval length setting", macro.IntervalIndex, 0, 3, 0}},
                where, problems);
    if (macro.EventCount > store::kMacroEventCapacity)
      problems.push_back({where + ": macro event count " + N(macro.EventCount) + " is above 256"});
    const int count = std::min<int>(macro.EventCount, store::kMacroEventCapacity);
    for (int i = 0; i < count; ++i) {
      const auto event = macro.Events[i];
      if (event.code != editors::kPauseCode && event.value > 1)
        problems.push_back({where + ": macro event " + N(i + 1) + " has the value " + N(event.value) +
                            ", neither press (0) nor release (1)"});
    }
  } else if (kind == store::kind::kProfileSwitch) {
    const auto& target = record.profileSwitch;
    CheckRanges({{"target profile", target.TargetProfile, 0, store::kProfileCount - 1, 1},
                 {"target layer", target.TargetLayer, 0, store::kLayerCount - 1, 1},
                 {"on-screen display value", target.ShowOsd, 0, 1, 0}},
                where, problems);
  } else if (kind == store::kind::kLaunchProgram) {
    if (!Terminated(record.launch.ProgramPath)) problems.push_back({where + ": " + TooLong("the program path")});
    if (!Terminated(record.launch.ShortcutName)) problems.push_back({where + ": " + TooLong("the program name")});
    if (record.launch.ProgramPath[0] == 0)
      problems.push_back({where + ": the launch has no program path, so the key starts nothing", Severity::Warning});
  } else if (kind == store::kind::kSingleKey && record.singleKey.KeyCode == 0) {
    problems.push_back({where + ": the single key sends no key (its code is 0)", Severity::Warning});
  }
}

}  // namespace

bool HasFault(const std::vector<Problem>& problems) {
  return std::any_of(problems.begin(), problems.end(), [](const Problem& p) { return p.severity == Severity::Fault; });
}

std::vector<Problem> CheckProfile(const store::ProfileRecord& profile, int variant) {
  std::vector<Problem> problems;
  if (!Terminated(profile.Name)) problems.push_back({TooLong("the profile name")});
  if (!Terminated(profile.Exe)) problems.push_back({TooLong("the profile's program")});
  if (!store::ValidLayer(profile.Keymap))
    problems.push_back({"the layer shown, " + N(std::int64_t{profile.Keymap} + 1) + ", is outside 1 to 3"});
  const auto program = store::TerminatedView(profile.Exe, store::kPathCapacity);
  if (const auto folder = program.find_last_of(u"\\/:"); folder != std::u16string_view::npos)
    problems.push_back({"the profile's program \"" + Readable(program) +
                            "\" names a folder; automatic switching compares the file name alone, such as \"" +
                            Readable(program.substr(folder + 1)) + "\"",
                        Severity::Warning});
  if (profile.AutoSwitch > 1)
    problems.push_back({"the auto switch is " + N(profile.AutoSwitch) + "; it is 0 (off) or 1 (on)", Severity::Warning});
  for (int layer = 0; layer < store::kLayerCount; ++layer)
    for (int slot = 0; slot < store::kKeyCount; ++slot)
      CheckKey(profile.keys[layer][slot], "layer " + N(layer + 1) + ", " + SlotLabel(variant, slot), problems);
  return problems;
}

std::vector<Problem> CheckRegistryFit(const store::ProfileRecord& profile) {
  std::vector<Problem> problems;
  const struct {
    const char* what;
    std::uint32_t value;
  } bytes[] = {{"device mode", profile.DeviceMode},
               {"auto switch", profile.AutoSwitch},
               {"button info marker", profile.ButtonInfoChanged},
               {"layer shown", profile.Keymap},
               {"keymap marker", profile.KeymapChanged}};
  for (const auto& field : bytes)
    if (field.value > 255)
      problems.push_back({std::string("the ") + field.what + " value " + N(field.value) +
                          " does not fit the one byte the registry keeps"});
  // The registry keeps the first 260 bytes (130 units) of each text; whatever lies beyond would be lost.
  constexpr std::size_t kKept = store::kPathCapacity / 2;
  const auto beyondKept = [](const char16_t* text) {
    return std::any_of(text + kKept, text + store::kPathCapacity, [](char16_t c) { return c != 0; });
  };
  if (beyondKept(profile.Name)) problems.push_back({"the profile name reaches past the 130 characters the registry keeps"});
  if (beyondKept(profile.Exe)) problems.push_back({"the profile's program reaches past the 130 characters the registry keeps"});
  return problems;
}

std::vector<Problem> CheckRegistryFit(const store::StoreHeader& header) {
  std::vector<Problem> problems;
  if (!store::ValidProfile(header.ProfileCurrent))
    problems.push_back({"the current profile, " + N(std::int64_t{header.ProfileCurrent} + 1) + ", is outside 1 to 10"});
  const struct {
    const char* what;
    std::uint32_t value;
  } bytes[] = {{"profile total", header.ProfileTotle}, {"auto switch", header.AutoSwitch},
               {"on-screen display", header.ShowScreen}, {"tray icon", header.TrayIcon},
               {"light option", header.LightOption},     {"media option", header.MediaOption},
               {"custom switch flag", header.bCustomSwitch}};
  for (const auto& field : bytes)
    if (field.value > 255)
      problems.push_back({std::string("the ") + field.what + " value " + N(field.value) +
                          " does not fit the one byte the registry keeps"});
  if (header.reserved != 0) problems.push_back({"the reserved byte after the hot-key is " + N(header.reserved) + ", not 0"});
  return problems;
}

}  // namespace profiletool
