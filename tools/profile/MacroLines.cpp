#include "tools/profile/MacroLines.h"

#include "editors/MacroModel.h"
#include "tools/profile/KeyWords.h"
#include "tools/profile/Text.h"

namespace profiletool {
namespace {

constexpr int kLongestPauseMs = 255 * editors::kPauseUnitMs;

bool EndsWithFolded(std::u16string_view text, std::u16string_view end) {
  if (text.size() < end.size()) return false;
  return Folded(text.substr(text.size() - end.size())) == Folded(end);
}

std::string PauseRule() {
  return "a pause is a multiple of " + std::to_string(editors::kPauseUnitMs) + " ms up to " +
         std::to_string(kLongestPauseMs) + " ms, such as \"200ms\"";
}

}  // namespace

std::u16string EventLine(store::MacroEvent event, int variant) {
  if (event.code == editors::kPauseCode) {
    const std::string ms = std::to_string(event.value * editors::kPauseUnitMs) + "ms";
    return std::u16string(ms.begin(), ms.end());
  }
  return KeyWord(event.code, variant, KeyNaming::Events) + (event.value == 1 ? u" Release" : u" Press");
}

ParsedLine ParseEventLine(std::u16string_view line, int variant) {
  const std::string quoted = Quoted(Readable(line));
  if (EndsWithFolded(line, u"ms")) {
    std::u16string_view digits = line.substr(0, line.size() - 2);
    while (!digits.empty() && digits.back() == u' ') digits.remove_suffix(1);
    long ms = digits.empty() ? -1 : 0;
    for (const char16_t c : digits) {
      if (c < u'0' || c > u'9' || ms > kLongestPauseMs) {
        ms = -1;
        break;
      }
      ms = ms * 10 + (c - u'0');
    }
    if (ms < 0 || ms % editors::kPauseUnitMs != 0 || ms > kLongestPauseMs) return {std::nullopt, quoted + ": " + PauseRule()};
    return {store::MacroEvent{editors::kPauseCode, static_cast<std::uint8_t>(ms / editors::kPauseUnitMs)}, {}};
  }
  for (const auto& [suffix, value] : {std::pair{std::u16string_view(u" Press"), 0}, std::pair{std::u16string_view(u" Release"), 1}}) {
    if (!EndsWithFolded(line, suffix) || line.size() == suffix.size()) continue;
    const auto key = line.substr(0, line.size() - suffix.size());
    const auto code = CodeOfKeyWord(key, variant, KeyNaming::Events);
    if (!code || *code == editors::kPauseCode) {
      std::string problem = quoted + ": no key is named \"" + Readable(key) + "\"";
      const auto nearest = NearestKeyWords(key, variant, KeyNaming::Events);
      if (!nearest.empty()) problem += "; did you mean " + QuotedChoice(nearest) + "?";
      return {std::nullopt, problem};
    }
    return {store::MacroEvent{*code, static_cast<std::uint8_t>(value)}, {}};
  }
  return {std::nullopt, quoted + " is no macro line such as \"A Press\", \"A Release\" or \"200ms\" (" + PauseRule() + ")"};
}

}  // namespace profiletool
