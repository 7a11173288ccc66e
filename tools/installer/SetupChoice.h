#pragma once
// What the Windows Installer package decides on the user's machine: which keyboard's pictures and which
// language's texts to install, and whether to write the header value Language. Decided from the package's
// public properties, what the user already has, and the user's keyboard layout and display language.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace installer {

// The language of the program's own "Strings.xml", installed when nothing better is found.
inline constexpr std::string_view kFallbackLanguage = "en";

// The layout variant of a keyboard layout id (KLID, such as 0x00000407 or 0xE0010411): 2 for Japanese,
// 1 for the countries whose keyboards carry the ISO key beside the left Shift, 0 for the rest.
int VariantForKeyboardLayout(std::uint32_t layoutId);

// The language code (a folder name under lang\: en, de, fr, es, it, pt-BR, pl, ru, zh-Hans, zh-Hant, ja, ko)
// for a display language id (LANGID); English for the others.
std::string_view LanguageForDisplay(std::uint16_t languageId);

// Where a choice came from, for the installation log.
enum class Source { Given, Kept, Detected };

struct SetupRequest {
  std::string layoutProperty;      // KEYBOARD_LAYOUT as given; empty when not given
  std::string languageProperty;    // UI_LANGUAGE as given
  std::optional<std::uint32_t> userLayout;  // the user's Language, when the program would read one
  std::string previousLanguage;    // the language the package installed last time; empty on a first install
  std::uint32_t keyboardLayout = 0;   // the user's keyboard layout id
  std::uint16_t displayLanguage = 0;  // the user's display language id
  std::vector<std::string> languages;  // the language folders the package installs
};

struct SetupChoice {
  int variant = 0;                             // whose keyboard pictures go into Skins
  std::optional<std::uint32_t> layoutToWrite;  // the Language to write; none keeps the user's
  std::string language;                        // whose Strings.xml is installed
  Source layoutSource = Source::Detected;
  Source languageSource = Source::Detected;
  std::string error;  // a property the package refuses, in words; empty when the choice stands
};

// Given properties win and are written even over the user's value; otherwise the user's Language and the
// language installed before are kept, and only what is missing is detected.
SetupChoice ChooseSetup(const SetupRequest& request);

// "de;en;fr" -> {"de", "en", "fr"}: the package's list of its language folders.
std::vector<std::string> SplitLanguageList(std::string_view list);

}  // namespace installer
