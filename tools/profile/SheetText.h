#pragma once
// Text on the key sheet: measured with the metrics of the font the sheet names, fitted into a box by
// shrinking, then wrapping, then eliding, and escaped so that every sheet is well-formed XML.

#include <string>
#include <string_view>
#include <vector>

namespace profiletool {

// The sheet's font: DejaVu Sans first, Arial where it is missing (narrower, so what fits DejaVu fits
// Arial), then fonts with East Asian characters.
inline constexpr const char* kSheetFonts =
    "DejaVu Sans, Arial, Noto Sans CJK JP, WenQuanYi Micro Hei, Microsoft YaHei, Meiryo, Malgun Gothic, sans-serif";

enum class Weight { Book, Bold };

// The width of UTF-8 `text` at font size `size`: DejaVu Sans's advances where it has the character, an
// em for East Asian wide characters and for any other it lacks.
double TextWidth(std::string_view text, double size, Weight weight);

struct FitRule {
  double largest, smallest;     // font sizes, tried in half steps
  double oneLineDown = 0;       // shrink this far on one line before wrapping; 0: wrap at once
  double lineHeight = 1.15;     // of the font size
  bool wrap = true;
};

struct FittedText {
  double size = 0;
  std::vector<std::string> lines;
  bool elided = false;  // cut with "…": the whole text belongs in a tooltip
};

// Each of `paragraphs` starts a line. Shrinks, then wraps at spaces, after "/" and "-" and between East
// Asian characters, then breaks words, and only then elides.
FittedText FitText(const std::vector<std::string>& paragraphs, double width, double height, Weight weight,
                   const FitRule& rule);

// For XML text and attribute values: markup characters as entities, the control characters XML cannot
// hold as their visible pictures (U+2400 ...).
std::string XmlEscaped(std::string_view text);

}  // namespace profiletool
