#include "tools/installer/ChosenFiles.h"

#include <system_error>

#include "catalogue/KeyLayout.h"

namespace installer {

namespace fs = std::filesystem;

namespace {

// UTF-8, whatever the code page: the installation log takes any folder name.
std::string Text(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

bool IsLanguageCode(std::string_view code) {
  if (code.empty() || code.size() > 16) return false;
  for (char c : code)
    if (!(c == '-' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
  return true;
}

bool Copy(const fs::path& from, const fs::path& to, Placement& placement) {
  // MinGW's copy_file refuses to overwrite even when told to, so the old file goes first.
  std::error_code error;
  if (fs::exists(from, error)) fs::remove(to, error);
  fs::copy_file(from, to, error);
  if (!error) return true;
  placement = {false, "cannot copy " + Text(from) + " to " + Text(to) + ": " + error.message()};
  return false;
}

}  // namespace

std::string VariantFolder(int variant) { return std::to_string(catalogue::VisibleKeyCount(variant)); }

Placement PlaceChosenFiles(const fs::path& programFolder, int variant, std::string_view language) {
  if (variant < 0 || variant >= catalogue::kLayoutVariants || !IsLanguageCode(language))
    return {false, "not a choice: variant " + std::to_string(variant) + ", language " + std::string(language)};
  Placement placement;
  const fs::path skins = programFolder / "Skins";
  const fs::path pictures = skins / VariantFolder(variant);
  std::error_code error;
  int copied = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(pictures, error)) {
    if (!entry.is_regular_file()) continue;
    if (!Copy(entry.path(), skins / entry.path().filename(), placement)) return placement;
    ++copied;
  }
  if (error || copied == 0) return {false, "no keyboard pictures in " + Text(pictures)};
  const fs::path chosen = programFolder / "lang" / fs::path(std::string(language));
  if (!Copy(chosen / "Strings.xml", programFolder / "Strings.xml", placement)) return placement;
  // A language without a manual of its own reads the English one.
  const fs::path manual = fs::exists(chosen / "Manual.pdf", error) ? chosen / "Manual.pdf"
                                                                  : programFolder / "lang" / "en" / "Manual.pdf";
  if (fs::exists(manual, error)) Copy(manual, programFolder / "Manuals" / "Manual.pdf", placement);
  return placement;
}

}  // namespace installer
