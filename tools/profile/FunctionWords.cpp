#include "tools/profile/FunctionWords.h"

#include <algorithm>

#include "catalogue/FunctionCatalogue.h"
#include "strings/XmlReader.h"
#include "tools/profile/EnglishStrings.h"
#include "tools/profile/KeyWords.h"
#include "tools/profile/MacroLines.h"
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

std::optional<Labels> Labels::Parse(strings::CXmlReader& reader) {
  if (!reader.ParseDocument()) return std::nullopt;
  Labels labels;
  bool found = false;
  // As the program's lookup: the first text of a key in any "MENU" section under the root counts.
  reader.ResetCursor();
  const std::u16string section(catalogue::kMenuSection.begin(), catalogue::kMenuSection.end());
  while (reader.FindChild(section)) {
    found = true;
    if (reader.EnterChild()) {
      while (reader.FindChild()) {
        const std::string key = Readable(reader.ChildName());
        const std::u16string text = reader.ChildText();
        if (!text.empty()) labels.m_texts.emplace(key, Readable(text));
      }
    }
    reader.LeaveChild();
  }
  if (!found) return std::nullopt;
  return labels;
}

const Labels& Labels::English() {
  static const Labels english = [] {
    strings::CXmlReader reader;
    reader.LoadDocumentBytes(kEnglishStrings);
    return Parse(reader).value_or(Labels());
  }();
  return english;
}

std::optional<Labels> Labels::Read(const std::filesystem::path& file, std::string* error) {
  strings::CXmlReader reader;
  if (!reader.LoadDocumentFile(file)) {
    *error = "cannot be read: " + Readable(reader.ErrorText());
    return std::nullopt;
  }
  auto labels = Parse(reader);
  if (!labels) *error = reader.IsWellFormed() ? "is no language file: it has no MENU section"
                                              : "is no language file: " + Readable(reader.ErrorText());
  return labels;
}

std::string Labels::Text(std::string_view textKey) const {
  const auto found = m_texts.find(textKey);
  return found != m_texts.end() ? found->second : std::string(textKey);
}

namespace {

// Letters and digits only, in lower case: "Play/Pause", "play pause" and "PLAYPAUSE" are one word.
std::u16string FunctionFolded(std::string_view word) {
  std::u16string folded;
  for (const char16_t c : Folded(Utf16Lenient(word)))
    if (c >= 0x80 || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) folded += c;
  return folded;
}

}  // namespace

FunctionWord KindOfWord(std::string_view word, const Labels& labels) {
  const std::u16string folded = FunctionFolded(word);
  // Text keys first, then the English labels, then the language's: a word of an earlier kind wins.
  const std::function<std::string(std::string_view)> sources[] = {
      [](std::string_view key) { return std::string(key); },
      [](std::string_view key) { return Labels::English().Text(key); },
      [&](std::string_view key) { return labels.Text(key); },
  };
  std::vector<std::u16string> candidates;
  for (const auto& source : sources) {
    std::vector<std::uint8_t> kinds;
    for (const auto& function : catalogue::Functions()) {
      const std::string text = source(FunctionTextKey(function.kind));
      candidates.push_back(Utf16Lenient(text));
      if (!folded.empty() && FunctionFolded(text) == folded) kinds.push_back(function.kind);
    }
    if (kinds.size() == 1) return {kinds.front(), {}};
    if (kinds.size() > 1) {
      std::vector<std::u16string> keys;
      for (const std::uint8_t kind : kinds) keys.push_back(Utf16Lenient(FunctionTextKey(kind)));
      return {std::nullopt, Quoted(word) + " names several functions: write " + QuotedChoice(keys)};
    }
  }
  std::string problem = "no function is called ";
  problem += Quoted(word);
  const auto nearest = Nearest(Utf16Lenient(word), candidates);
  if (!nearest.empty()) problem += "; did you mean " + QuotedChoice(nearest) + "?";
  return {std::nullopt, problem + " (list-functions lists them)"};
}

std::string SentKeyText(std::uint8_t keyCode, int variant) {
  if (keyCode == 0) return "(no key)";
  return Readable(KeyWord(keyCode, variant));
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
    const int count = std::min<int>(macro.EventCount, store::kMacroEventCapacity);
    for (int i = 0; i < count; ++i) details.emplace_back("event " + Number(i + 1), Readable(EventLine(macro.Events[i], variant)));
  } else if (record.FunctionKind == store::kind::kLaunchProgram) {
    details.emplace_back("path", TextOf(store::TerminatedView(record.launch.ProgramPath, store::kPathCapacity)));
    details.emplace_back("name", TextOf(store::TerminatedView(record.launch.ShortcutName, store::kPathCapacity)));
  }
  return details;
}

}  // namespace profiletool
