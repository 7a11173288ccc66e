#pragma once
// The installed program holds the keyboard pictures of every layout variant (Skins\104, Skins\105,
// Skins\109) and every language (lang\<code>\Strings.xml, with Manual.pdf for English and for each language
// that has a manual of its own); the user's choice is copied to where the program reads it: Skins\,
// Strings.xml and Manuals\Manual.pdf beside the program.

#include <filesystem>
#include <string>
#include <string_view>

namespace installer {

// Skins' subfolder of a variant: the number of keys it shows.
std::string VariantFolder(int variant);

struct Placement {
  bool ok = true;
  std::string failure;  // what could not be copied, in words (UTF-8)
};

// Refuses a variant other than 0, 1 or 2 and a language that is not a plain folder name (letters, digits
// and hyphens), so no choice reaches outside the program's folder.
Placement PlaceChosenFiles(const std::filesystem::path& programFolder, int variant, std::string_view language);

}  // namespace installer
