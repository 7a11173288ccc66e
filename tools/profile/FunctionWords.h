#pragma once
// A key's function in words: the catalogue's text keys, the macro settings' words, and the labels of
// the string table that the diff and the sheet show.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/KeyRecord.h"

namespace strings {
class CXmlReader;
}

namespace profiletool {

// The catalogue's text key of a kind ("MUTE", "MACRO"); the key function menu's entry for the kinds the
// catalogue leaves unlabelled ("RESET" for 0, "SINGLEKEY" for 1); empty for codes that name nothing.
std::string_view FunctionTextKey(std::uint8_t kind);
std::optional<std::uint8_t> KindOfTextKey(std::string_view textKey);

// Words of the macro settings in the order of their stored values; a value outside them has no word.
std::span<const std::string_view> PauseWords();          // DelayMode
std::span<const std::string_view> RepeatWords();         // RepeatMode
std::span<const std::string_view> IntervalSwitchWords(); // IntervalOn
std::span<const std::string_view> IntervalWords();       // IntervalIndex

// The word of `value` in `words`, or the number itself.
std::string WordOr(std::span<const std::string_view> words, std::int64_t value);

// The "MENU" texts of a language file, which name the functions.
class Labels {
 public:
  Labels() = default;  // no texts: the text keys stand for themselves
  // The texts the program ships with (data/Strings.xml), built into the tool.
  static const Labels& English();
  // The texts of a language file; nothing, with the reason in `error`, when the file cannot be read or
  // is no language file.
  static std::optional<Labels> Read(const std::filesystem::path& file, std::string* error);

  // The label of `textKey`; the text key itself where there is none.
  std::string Text(std::string_view textKey) const;
  bool Has(std::string_view textKey) const { return m_texts.count(std::string(textKey)) != 0; }

 private:
  static std::optional<Labels> Parse(strings::CXmlReader& reader);
  std::map<std::string, std::string, std::less<>> m_texts;
};

// The function `word` names: the catalogue's text key ("MUTE", "SINGLEKEY"), its English label ("Mute",
// "Volume Up") or its label in `labels`, in any case, with or without spaces and punctuation.
struct FunctionWord {
  std::optional<std::uint8_t> kind;
  std::string problem;  // without a kind: why, with the nearest words ("did you mean ...")
};
FunctionWord KindOfWord(std::string_view word, const Labels& labels);

// "Mute", "Single Key (A)", "Macro (4 events)", "Profile Switch (profile 3, layer 2, on screen)",
// "Launch Program (Notepad)", "unassigned", "function kind 73".
std::string Summary(const store::KeyRecord& record, int variant, const Labels& labels);

// The function's own fields, as (what, value) pairs in words: the macro's settings and every event line,
// the program's path and name. Empty for the other kinds, which the summary says whole.
std::vector<std::pair<std::string, std::string>> Details(const store::KeyRecord& record, int variant);

// A launch record's program: its shortcut name, else the file name of its path; empty when both are.
std::string ProgramName(const store::KeyRecord& record);

// The single key's name ("A", "F5", "0xE9"); "(no key)" for 0.
std::string SentKeyText(std::uint8_t keyCode, int variant);

}  // namespace profiletool
