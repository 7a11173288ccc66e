#include "tools/profile/FunctionWords.h"

#include <cstdio>

#include "catalogue/FunctionCatalogue.h"
#include "catalogue/KeyNames.h"
#include "editors/MacroModel.h"
#include "strings/StringTable.h"
#include "tools/profile/SlotNames.h"
#include "tools/profile/Text.h"

namespace profiletool {
namespace {

constexpr std::string_view kPauseWords[] = {"ignore", "record"};
constexpr std::string_view kRepeatWords[] = {"count", "while held", "until pressed again"};
constexpr std::string_view kIntervalSwitchWords[] = {"off", "on"};
constexpr std::string_view kIntervalWords[] = {"200ms", "800ms", "1600ms", "2400ms"};

std::string TextOf(std::u16string_view text) { return Readable(text); }

std::string Number(std::int64_t n) { return std::to_string(n); }

}  // namespace

std::string_view FunctionTextKey(std::uint8_t kind) {
  const catalogue::FunctionInfo* function = catalogue::FindFunction(kind);
  if (!function) return {};
  if (!function->labelKey.empty()) return function->labelKey;
  for (const auto& entry : catalogue::KeyMenuEntries())
    if (entry.category == function->category) return entry.textKey;
  return {};
}

std::optional<std::uint8_t> KindOfTextKey(std::string_view textKey) {
  if (textKey.empty()) return std::nullopt;
  for (const auto& function : catalogue::Functions())
    if (FunctionTextKey(function.kind) == textKey) return function.kind;
  return std::nullopt;
}

std::span<const std::string_view> PauseWords() { return kPauseWords; }
std::span<const std::string_view> RepeatWords() { return kRepeatWords; }
std::span<const std::string_view> IntervalSwitchWords() { return kIntervalSwitchWords; }
std::span<const std::string_view> IntervalWords() { return kIntervalWords; }

std::string WordOr(std::span<const std::string_view> words, std::int64_t value) {
  if (value >= 0 && value < static_cast<std::int64_t>(words.size())) return std::string(words[value]);
  return Number(value);
}

std::string Labels::Text(std::string_view textKey) const {
  if (!m_file.empty()) {
    const auto text = strings::LookUpString(m_file, catalogue::kMenuSection, textKey);
    if (!text.empty()) return Readable(text);
  }
  return std::string(textKey);
}

std::string SentKeyText(std::uint8_t keyCode, int variant) {
  if (keyCode == 0) return "(no key)";
  const auto name = catalogue::KeyName(keyCode, LayoutOf(variant));
  if (!name.empty()) return TextOf(name);
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", keyCode);
  return hex;
}

std::string ProgramName(const store::KeyRecord& record) {
  auto name = store::TerminatedView(record.launch.ShortcutName, store::kPathCapacity);
  if (name.empty()) {
    const auto path = store::TerminatedView(record.launch.ProgramPath, store::kPathCapacity);
    name = path.substr(path.find_last_of(u"\\/") + 1);
  }
  return TextOf(name);
}

std::string Summary(const store::KeyRecord& record, int variant, const Labels& labels) {
  const std::uint8_t kind = record.FunctionKind;
  const std::string_view textKey = FunctionTextKey(kind);
  if (kind == store::kind::kNone) return "unassigned";
  if (textKey.empty()) return "function kind " + Number(kind);
  const std::string label = labels.Text(textKey);
  switch (kind) {
    case store::kind::kSingleKey:
      return label + " (" + SentKeyText(record.singleKey.KeyCode, variant) + ")";
    case store::kind::kMacro: {
      const int count = record.macro.EventCount;
      return label + " (" + Number(count) + (count == 1 ? " event)" : " events)");
    }
    case store::kind::kProfileSwitch: {
      const auto& target = record.profileSwitch;
      std::string text = label + " (profile " + Number(std::int64_t{target.TargetProfile} + 1) + ", layer " +
                         Number(std::int64_t{target.TargetLayer} + 1);
      if (target.ShowOsd == 1) text += ", on screen";
      return text + ")";
    }
    case store::kind::kLaunchProgram: {
      const std::string name = ProgramName(record);
      return name.empty() ? label : label + " (" + name + ")";
    }
    default:
      return label;
  }
}

std::vector<std::pair<std::string, std::string>> Details(const store::KeyRecord& record, int variant) {
  std::vector<std::pair<std::string, std::string>> details;
  if (record.FunctionKind == store::kind::kMacro) {
    const auto& macro = record.macro;
    details.emplace_back("pauses", WordOr(kPauseWords, macro.DelayMode));
    details.emplace_back("repeat", WordOr(kRepeatWords, macro.RepeatMode));
    details.emplace_back("repeat count", Number(std::int64_t{macro.RepeatCountIndex} + 1));
    details.emplace_back("interval", WordOr(kIntervalSwitchWords, macro.IntervalOn));
    details.emplace_back("interval length", WordOr(kIntervalWords, macro.IntervalIndex));
    editors::MacroModel model;
    model.Load(record);
    for (int i = 0; i < model.EventCount(); ++i)
      details.emplace_back("event " + Number(i + 1), TextOf(model.LineText(i, LayoutOf(variant))));
  } else if (record.FunctionKind == store::kind::kLaunchProgram) {
    details.emplace_back("path", TextOf(store::TerminatedView(record.launch.ProgramPath, store::kPathCapacity)));
    details.emplace_back("name", TextOf(store::TerminatedView(record.launch.ShortcutName, store::kPathCapacity)));
  }
  return details;
}

}  // namespace profiletool
