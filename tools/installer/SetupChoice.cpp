#include "tools/installer/SetupChoice.h"

#include <algorithm>

#include "catalogue/KeyLayout.h"

namespace installer {

namespace {

// Windows language ids: a primary language in the low 10 bits, a sub-language (country) above them.
constexpr int kAnyCountry = -1;

struct LanguageRule {
  std::uint16_t primary;
  int country;  // a sub-language, or kAnyCountry
};

constexpr bool Matches(LanguageRule rule, std::uint16_t languageId) {
  return (languageId & 0x3FF) == rule.primary && (rule.country == kAnyCountry || (languageId >> 10) == rule.country);
}

struct KeyboardRule {
  LanguageRule language;
  int variant;
};

// Keyboards whose layout language is not listed are 104-key (ANSI) ones: the United States and the rest of
// English, Polish, Russian, Chinese, Korean and others.
constexpr KeyboardRule kKeyboardRules[] = {
    {{0x11, kAnyCountry}, 2},  // Japanese
    {{0x09, 0x02}, 1},         // English, United Kingdom
    {{0x09, 0x06}, 1},         // English, Ireland
    {{0x07, kAnyCountry}, 1},  // German: Germany, Switzerland, Austria, ...
    {{0x0C, kAnyCountry}, 1},  // French: France, Belgium, Canada, Switzerland, ...
    {{0x0A, kAnyCountry}, 1},  // Spanish: Spain and Latin America
    {{0x03, kAnyCountry}, 1},  // Catalan
    {{0x10, kAnyCountry}, 1},  // Italian
    {{0x16, kAnyCountry}, 1},  // Portuguese: Portugal and Brazil
    {{0x13, kAnyCountry}, 1},  // Dutch: the Netherlands and Belgium
    {{0x06, kAnyCountry}, 1},  // Danish
    {{0x1D, kAnyCountry}, 1},  // Swedish
    {{0x14, kAnyCountry}, 1},  // Norwegian
    {{0x0B, kAnyCountry}, 1},  // Finnish
    {{0x0F, kAnyCountry}, 1},  // Icelandic
    {{0x05, kAnyCountry}, 1},  // Czech
    {{0x1B, kAnyCountry}, 1},  // Slovak
    {{0x0E, kAnyCountry}, 1},  // Hungarian
    {{0x24, kAnyCountry}, 1},  // Slovenian
    {{0x1A, kAnyCountry}, 1},  // Croatian, Serbian, Bosnian
    {{0x18, kAnyCountry}, 1},  // Romanian
    {{0x08, kAnyCountry}, 1},  // Greek
    {{0x1F, kAnyCountry}, 1},  // Turkish
    {{0x25, kAnyCountry}, 1},  // Estonian
};

struct DisplayRule {
  LanguageRule language;
  std::string_view code;
};

// The first rule that matches decides.
constexpr DisplayRule kDisplayRules[] = {
    {{0x09, kAnyCountry}, "en"},      {{0x07, kAnyCountry}, "de"},    {{0x0C, kAnyCountry}, "fr"},
    {{0x0A, kAnyCountry}, "es"},      {{0x10, kAnyCountry}, "it"},    {{0x16, kAnyCountry}, "pt-BR"},
    {{0x15, kAnyCountry}, "pl"},      {{0x19, kAnyCountry}, "ru"},    {{0x11, kAnyCountry}, "ja"},
    {{0x12, kAnyCountry}, "ko"},
    // Chinese: Taiwan, Hong Kong, Macao and neutral Traditional Chinese read Traditional; the rest Simplified.
    {{0x04, 0x01}, "zh-Hant"},        {{0x04, 0x03}, "zh-Hant"},      {{0x04, 0x05}, "zh-Hant"},
    {{0x04, 0x1F}, "zh-Hant"},        {{0x04, kAnyCountry}, "zh-Hans"},
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameCode(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return Lower(x) == Lower(y);
         });
}

// The package's folder spelled as it is, for a code in any case; none when the package lacks it.
std::optional<std::string> FindLanguage(const std::vector<std::string>& languages, std::string_view code) {
  for (const std::string& folder : languages)
    if (SameCode(folder, code)) return folder;
  return std::nullopt;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

std::string LanguageError(std::string_view given, const std::vector<std::string>& languages) {
  return "UI_LANGUAGE must be one of the package's languages (" + Joined(languages) + "), not \"" +
         std::string(given) + "\"";
}

}  // namespace

int VariantForKeyboardLayout(std::uint32_t layoutId) {
  // A layout id's low word is the language of the layout it is based on; the high word names a variant of it.
  const auto language = static_cast<std::uint16_t>(layoutId & 0xFFFF);
  for (const KeyboardRule& rule : kKeyboardRules)
    if (Matches(rule.language, language)) return rule.variant;
  return 0;
}

std::string_view LanguageForDisplay(std::uint16_t languageId) {
  for (const DisplayRule& rule : kDisplayRules)
    if (Matches(rule.language, languageId)) return rule.code;
  return kFallbackLanguage;
}

SetupChoice ChooseSetup(const SetupRequest& request) {
  SetupChoice choice;
  const std::string_view layout = Trimmed(request.layoutProperty);
  if (!layout.empty()) {
    if (layout.size() != 1 || layout[0] < '0' || layout[0] > '2') {
      choice.error = "KEYBOARD_LAYOUT must be 0 (104 keys), 1 (105 keys) or 2 (109 keys), not \"" +
                     request.layoutProperty + "\"";
      return choice;
    }
    choice.variant = layout[0] - '0';
    choice.layoutToWrite = static_cast<std::uint32_t>(choice.variant);
    choice.layoutSource = Source::Given;
  } else if (request.userLayout) {
    choice.variant = catalogue::LayoutVariant(*request.userLayout);
    choice.layoutSource = Source::Kept;
  } else {
    choice.variant = VariantForKeyboardLayout(request.keyboardLayout);
    choice.layoutToWrite = static_cast<std::uint32_t>(choice.variant);
  }

  const std::string_view given = Trimmed(request.languageProperty);
  if (!given.empty()) {
    const auto found = FindLanguage(request.languages, given);
    if (!found) {
      choice.error = LanguageError(request.languageProperty, request.languages);
      return choice;
    }
    choice.language = *found;
    choice.languageSource = Source::Given;
  } else if (const auto previous = FindLanguage(request.languages, request.previousLanguage)) {
    choice.language = *previous;
    choice.languageSource = Source::Kept;
  } else {
    const auto detected = FindLanguage(request.languages, LanguageForDisplay(request.displayLanguage));
    choice.language = detected.value_or(std::string(kFallbackLanguage));
  }
  return choice;
}

std::vector<std::string> SplitLanguageList(std::string_view list) {
  std::vector<std::string> items;
  while (!list.empty()) {
    const auto end = list.find(';');
    const std::string_view item = Trimmed(list.substr(0, end));
    if (!item.empty()) items.emplace_back(item);
    list = end == std::string_view::npos ? std::string_view{} : list.substr(end + 1);
  }
  return items;
}

}  // namespace installer
