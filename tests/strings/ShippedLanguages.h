#pragma once
// The language files that ship with the program, read in place from the source tree's data folder
// (TRELM_SHIPPED_DATA_DIR). English is the program's own "Strings.xml"; a translation replaces it.
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace strtest {

struct ShippedLanguage {
  std::string_view code;  // the folder under data/lang, as the installer names the language
  std::string_view file;  // under the data folder
  std::u16string Path() const { return std::filesystem::path(TRELM_SHIPPED_DATA_DIR).append(file).u16string(); }
  friend void PrintTo(const ShippedLanguage& language, std::ostream* out) { *out << language.code; }
};

inline constexpr ShippedLanguage kEnglish{"en", "Strings.xml"};
inline constexpr ShippedLanguage kShippedLanguages[] = {
    kEnglish,
    {"de", "lang/de/Strings.xml"},
    {"fr", "lang/fr/Strings.xml"},
    {"es", "lang/es/Strings.xml"},
    {"it", "lang/it/Strings.xml"},
    {"pt-BR", "lang/pt-BR/Strings.xml"},
    {"pl", "lang/pl/Strings.xml"},
    {"ru", "lang/ru/Strings.xml"},
    {"zh-Hans", "lang/zh-Hans/Strings.xml"},
    {"zh-Hant", "lang/zh-Hant/Strings.xml"},
    {"ja", "lang/ja/Strings.xml"},
    {"ko", "lang/ko/Strings.xml"},
};

}  // namespace strtest
