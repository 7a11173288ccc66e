#include "tools/profile/SheetText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/profile/Text.h"

namespace profiletool {
namespace {

#include "tools/profile/SheetFontMetrics.inc"

constexpr std::uint16_t kNoGlyph = 65535;
constexpr char32_t kEllipsis = 0x2026;

std::u32string Decode(std::string_view text) { return CodePoints(text); }
std::string Encode(std::u32string_view text) { return Utf8OfCodePoints(text); }

// East Asian wide and fullwidth characters: an em each, and a line may break between them.
bool IsWide(char32_t c) {
  static constexpr std::pair<char32_t, char32_t> kWide[] = {
      {0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF},
      {0xA000, 0xA4CF}, {0xA960, 0xA97F}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF}, {0xFE10, 0xFE19},
      {0xFE30, 0xFE6F}, {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF},
      {0x20000, 0x3FFFD}};
  return std::any_of(std::begin(kWide), std::end(kWide), [c](const auto& r) { return c >= r.first && c <= r.second; });
}

// Characters a line must not start with, and ones it must not end with (Japanese line breaking).
bool NoLineStart(char32_t c) {
  static constexpr std::u32string_view kNoStart = U"、。，．：；？！）」』】〉》〕ーぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ々〜…・";
  return kNoStart.find(c) != std::u32string_view::npos;
}
bool NoLineEnd(char32_t c) {
  static constexpr std::u32string_view kNoEnd = U"（「『【〈《〔";
  return kNoEnd.find(c) != std::u32string_view::npos;
}

// Letters of alphabets (Latin, Greek, Cyrillic, ...), between which a broken word takes a hyphen.
bool IsLetter(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= 0xC0 && !IsWide(c)); }

double Advance(char32_t c, Weight weight) {
  std::size_t index = 0;
  for (const MetricsRange& range : kMetricsRanges) {
    if (c >= range.first && c <= range.last) {
      const std::uint16_t width = (weight == Weight::Bold ? kBoldWidths : kBookWidths)[index + (c - range.first)];
      if (width != kNoGlyph) return width / 1000.0;
      break;
    }
    index += range.last - range.first + 1u;
  }
  if (c >= 0xFF61 && c <= 0xFF9F) return 0.5;  // halfwidth katakana
  return 1.0;                                  // wide, or a font we do not know: an em is generous
}

double Width(std::u32string_view text, double size, Weight weight) {
  double em = 0;
  for (const char32_t c : text) em += Advance(c, weight);
  return em * size;
}

struct Segment {
  std::u32string text;
  bool spaceBefore = false;
};

// The pieces a line may break between: words, word parts after "/" or "-", single wide characters.
std::vector<Segment> Segments(std::u32string_view text) {
  std::vector<Segment> segments;
  bool space = false, breakAfter = false;
  for (const char32_t c : text) {
    if (c == U' ' || c == 0x3000) {
      space = true;
      continue;
    }
    const bool wide = IsWide(c);
    const bool afterOpening = !segments.empty() && NoLineEnd(segments.back().text.back());
    if (segments.empty() || space || ((breakAfter || wide) && !NoLineStart(c) && !afterOpening))
      segments.push_back({{}, space && !segments.empty()});
    segments.back().text += c;
    space = false;
    breakAfter = c == U'/' || c == U'-' || wide;
  }
  return segments;
}

// Greedy wrapping at `size`; a piece wider than a line fails unless `breakWords`, which cuts it (with a
// hyphen between two letters of a word that is not East Asian).
bool Wrap(const std::vector<std::string>& paragraphs, double width, double size, Weight weight, bool breakWords,
          std::vector<std::u32string>& lines) {
  lines.clear();
  for (const auto& paragraph : paragraphs) {
    std::u32string line;
    for (Segment segment : Segments(Decode(paragraph))) {
      std::u32string candidate = line.empty() ? segment.text : line + (segment.spaceBefore ? U" " : U"") + segment.text;
      if (Width(candidate, size, weight) <= width) {
        line = std::move(candidate);
        continue;
      }
      if (!line.empty()) lines.push_back(std::move(line));
      line.clear();
      while (segment.text.size() > 1 && Width(segment.text, size, weight) > width) {
        if (!breakWords) return false;
        const auto& text = segment.text;
        const auto piece = [&](std::size_t n) {
          return text.substr(0, n) + (IsLetter(text[n - 1]) && IsLetter(text[n]) ? U"-" : U"");
        };
        std::size_t fits = text.size() - 1;
        while (fits > 1 && Width(piece(fits), size, weight) > width) --fits;
        // Where a letter meets a sign ("Notepad|++"), else leaving three characters for the next line.
        std::size_t keep = text.size() > 5 ? std::min(fits, text.size() - 3) : fits;
        for (std::size_t n = fits; n > fits / 2; --n)
          if (IsLetter(text[n - 1]) != IsLetter(text[n])) {
            keep = n;
            break;
          }
        lines.push_back(piece(keep));
        segment.text.erase(0, keep);
      }
      line = segment.text;
    }
    if (!line.empty()) lines.push_back(std::move(line));
  }
  return true;
}

std::size_t LinesThatFit(double height, double size, const FitRule& rule) {
  return static_cast<std::size_t>(std::floor(height / (size * rule.lineHeight) + 1e-9));
}

FittedText Fitted(double size, const std::vector<std::u32string>& lines, bool elided) {
  FittedText fitted{size, {}, elided};
  for (const auto& line : lines) fitted.lines.push_back(Encode(line));
  return fitted;
}

}  // namespace

double TextWidth(std::string_view text, double size, Weight weight) { return Width(Decode(text), size, weight); }

FittedText FitText(const std::vector<std::string>& paragraphs, double width, double height, Weight weight,
                   const FitRule& rule) {
  std::vector<std::u32string> lines;
  for (const auto& paragraph : paragraphs) lines.push_back(Decode(paragraph));
  const auto allFit = [&](double size) {
    return lines.size() <= LinesThatFit(height, size, rule) &&
           std::all_of(lines.begin(), lines.end(), [&](const auto& line) { return Width(line, size, weight) <= width; });
  };
  const double oneLineDown = rule.wrap ? rule.oneLineDown : rule.smallest;
  for (double size = rule.largest; oneLineDown > 0 && size >= oneLineDown - 1e-9; size -= 0.5)
    if (allFit(size)) return Fitted(size, lines, false);
  if (rule.wrap) {
    for (double size = rule.largest; size >= rule.smallest - 1e-9; size -= 0.5)
      if (Wrap(paragraphs, width, size, weight, false, lines) && allFit(size)) return Fitted(size, lines, false);
    Wrap(paragraphs, width, rule.smallest, weight, true, lines);
    if (allFit(rule.smallest)) return Fitted(rule.smallest, lines, false);
  }
  const std::size_t room = std::max<std::size_t>(1, LinesThatFit(height, rule.smallest, rule));
  const bool dropped = lines.size() > room;
  if (dropped) lines.resize(room);
  for (auto& line : lines) {
    const bool last = &line == &lines.back();
    if (Width(line, rule.smallest, weight) <= width && !(last && dropped)) continue;
    while (!line.empty() && Width(line + kEllipsis, rule.smallest, weight) > width) line.pop_back();
    while (!line.empty() && line.back() == U' ') line.pop_back();
    line += kEllipsis;
  }
  return Fitted(rule.smallest, lines, true);
}

std::string XmlEscaped(std::string_view text) {
  std::u32string out;
  for (const char32_t c : Decode(text)) {
    if (c < 0x20) out += static_cast<char32_t>(0x2400 + c);  // the control pictures: ␀ ␁ ... ␟
    else if (c == 0x7F) out += static_cast<char32_t>(0x2421);
    else if ((c >= 0x80 && c <= 0x9F) || c == 0xFFFE || c == 0xFFFF || (c >= 0xD800 && c <= 0xDFFF)) out += U'\uFFFD';
    else out += c;
  }
  std::string escaped;
  for (const char c : Encode(out)) {
    switch (c) {
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '&': escaped += "&amp;"; break;
      case '"': escaped += "&quot;"; break;
      case '\'': escaped += "&apos;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace profiletool
