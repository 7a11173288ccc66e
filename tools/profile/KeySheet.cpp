#include "tools/profile/KeySheet.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/KeyLayout.h"
#include "tools/profile/SlotNames.h"
#include "tools/profile/Text.h"

namespace profiletool {
namespace {

// The drawing spans the keyboard picture's key area with room for a title above it.
constexpr int kLeft = 64, kTop = 140, kWidth = 1000, kHeight = 360;
constexpr double kInset = 1.5;  // keys touch in the layout table; a gap keeps them apart on paper
constexpr int kBackspaceSlot = 30;  // the Enter key ends on the right where Backspace above it ends
constexpr int kCapsSlot = 59;       // the Enter key's lower part lies in the Caps Lock row
constexpr int kLabelFont = 9, kSmallestFont = 6, kNameFont = 7, kMaxLines = 3;
constexpr double kCharWidth = 0.64;  // of the font size: bold sans-serif letters, a little generously

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Num(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

// UTF-8 characters, not bytes, decide how wide a text is.
std::size_t Characters(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

struct Box {
  double left, top, width, height;
};

// The function's label in at most a few words, with a second detail line where one helps.
std::vector<std::string> LabelLines(const store::KeyRecord& record, int variant, const Labels& labels) {
  const std::uint8_t kind = record.FunctionKind;
  const auto textKey = FunctionTextKey(kind);
  if (kind == store::kind::kNone) return {};
  if (textKey.empty()) return {"kind " + std::to_string(kind)};
  switch (kind) {
    case store::kind::kSingleKey:
      return {SentKeyText(record.singleKey.KeyCode, variant)};
    case store::kind::kMacro: {
      const int count = record.macro.EventCount;
      return {labels.Text(textKey), std::to_string(count) + (count == 1 ? " event" : " events")};
    }
    case store::kind::kProfileSwitch: {
      // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about "literal" + std::string here.
      std::string target = "P";
      target += std::to_string(std::int64_t{record.profileSwitch.TargetProfile} + 1);
      target += " L";
      target += std::to_string(std::int64_t{record.profileSwitch.TargetLayer} + 1);
      return {labels.Text(textKey), target};
    }
    case store::kind::kLaunchProgram: {
      const std::string program = ProgramName(record);
      return {program.empty() ? labels.Text(textKey) : program};
    }
    default:
      return {labels.Text(textKey)};
  }
}

// Greedy word wrap into lines of at most `width` characters; a longer word stays whole.
std::vector<std::string> Wrapped(const std::string& text, std::size_t width) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    const std::string word = text.substr(start, end - start);
    if (!word.empty()) {
      if (line.empty()) line = word;
      else if (Characters(line) + 1 + Characters(word) <= width) line += " " + word;
      else {
        lines.push_back(line);
        line = word;
      }
    }
    start = end + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void DrawText(std::string& svg, const Box& box, const std::vector<std::string>& labelLines) {
  if (labelLines.empty()) return;
  // Fit the font to the widest line, wrapping the main label first.
  const double room = box.width - 4;
  std::vector<std::string> lines;
  double font = kLabelFont;
  for (; font >= kSmallestFont; font -= 0.5) {
    lines.clear();
    const auto perLine = static_cast<std::size_t>(std::max(1.0, room / (kCharWidth * font)));
    for (const auto& text : labelLines)
      for (auto& line : Wrapped(text, perLine)) lines.push_back(line);
    std::size_t widest = 0;
    for (const auto& line : lines) widest = std::max(widest, Characters(line));
    if (widest * kCharWidth * font <= room && lines.size() <= static_cast<std::size_t>(kMaxLines)) break;
  }
  font = std::max<double>(font, kSmallestFont);
  if (lines.size() > static_cast<std::size_t>(kMaxLines)) {
    lines.resize(kMaxLines);
    lines.back() += "\u2026";
  }
  const double lineHeight = font * 1.15;
  const double centreY = box.top + box.height / 2 + kNameFont / 2.0;
  double y = centreY - lineHeight * (static_cast<double>(lines.size()) - 1) / 2 + font * 0.35;
  svg += "<text class=\"label\" x=\"" + Num(box.left + box.width / 2) + "\" font-size=\"" + Num(font) + "\">";
  for (const auto& line : lines) {
    svg += "<tspan x=\"" + Num(box.left + box.width / 2) + "\" y=\"" + Num(y) + "\">" + Escaped(line) + "</tspan>";
    y += lineHeight;
  }
  svg += "</text>\n";
}

void DrawKeyName(std::string& svg, const Box& box, const std::string& name) {
  svg += "<text class=\"name\" x=\"" + Num(box.left + 3) + "\" y=\"" + Num(box.top + kNameFont + 1) + "\">" +
         Escaped(name) + "</text>\n";
}

std::string ClassOf(const store::KeyRecord& record) {
  return record.FunctionKind == store::kind::kNone ? "key" : "key assigned";
}

void DrawEnterKey(std::string& svg, int variant, const store::KeyRecord& record, const Labels& labels) {
  const app::Point corner = app::EnterKeyCorner(variant);
  const app::KeyRect backspace = app::KeyRectangle(variant, kBackspaceSlot);
  const app::KeyRect caps = app::KeyRectangle(variant, kCapsSlot);
  const int right = backspace.left + backspace.width;
  const int split = caps.top, bottom = caps.top + caps.height;
  // Each part starts right of the last key before it in its row.
  const auto startOfPart = [&](int rowTop) {
    int start = corner.x;
    for (int slot = 0; slot < store::kKeyCount; ++slot) {
      const app::KeyRect r = app::KeyRectangle(variant, slot);
      if (!r.empty() && r.top == rowTop && r.left + r.width < right) start = std::max(start, r.left + r.width + 1);
    }
    return start;
  };
  const int upperLeft = startOfPart(corner.y), lowerLeft = startOfPart(split);
  const double i = kInset, step = lowerLeft < upperLeft ? i : -i;
  const std::pair<double, double> points[] = {{upperLeft + i, corner.y + i}, {right - i, corner.y + i},
                                              {right - i, bottom - i},       {lowerLeft + i, bottom - i},
                                              {lowerLeft + i, split + step}, {upperLeft + i, split + step}};
  svg += "<polygon class=\"" + ClassOf(record) + "\" points=\"";
  for (const auto& [x, y] : points) svg += Num(x) + "," + Num(y) + " ";
  svg.back() = '"';
  svg += "/>\n";
  const Box lower{lowerLeft + i, split + i, right - lowerLeft - 2 * i, bottom - split - 2 * i};
  const Box upper{upperLeft + i, corner.y + i, right - upperLeft - 2 * i, split - corner.y - 2 * i};
  const Box& wider = lower.width >= upper.width ? lower : upper;
  DrawKeyName(svg, upper, Readable(SlotName(variant, store::kEnterKeySlot)));
  DrawText(svg, wider, LabelLines(record, variant, labels));
}

std::string Svg(const store::ProfileRecord& profile, int layer, int variant, const Labels& labels) {
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" + Num(kLeft) + " " + Num(kTop) + " " +
                    Num(kWidth) + " " + Num(kHeight) + "\" width=\"" + Num(kWidth) + "\" height=\"" + Num(kHeight) +
                    "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n"
                    "<style>"
                    ".key{fill:#ffffff;stroke:#9a9a9a;stroke-width:1}"
                    ".assigned{fill:#e4ecfb;stroke:#1d3f7a;stroke-width:1.4}"
                    ".name{font-size:" + Num(kNameFont) + "px;fill:#6b6b6b}"
                    ".label{text-anchor:middle;fill:#000000;font-weight:bold}"
                    ".title{font-size:18px;font-weight:bold}.subtitle{font-size:10px;fill:#444444}"
                    "</style>\n";
  svg += "<rect x=\"" + Num(kLeft) + "\" y=\"" + Num(kTop) + "\" width=\"" + Num(kWidth) + "\" height=\"" + Num(kHeight) +
         "\" fill=\"#ffffff\"/>\n";
  const auto name = store::TerminatedView(profile.Name, store::kPathCapacity);
  const auto program = store::TerminatedView(profile.Exe, store::kPathCapacity);
  svg += "<text class=\"title\" x=\"84\" y=\"174\">" + Escaped(name.empty() ? "Profile" : Readable(name)) +
         " \u2014 layer " + std::to_string(layer + 1) + "</text>\n";
  svg += "<text class=\"subtitle\" x=\"84\" y=\"192\">" +
         Escaped((program.empty() ? std::string() : Readable(program) + " \u00b7 ") + "layout variant " +
                 std::to_string(variant)) +
         "</text>\n";
  for (int slot = 0; slot < store::kKeyCount; ++slot) {
    const store::KeyRecord& record = profile.keys[layer][slot];
    if (slot == store::kEnterKeySlot) {
      DrawEnterKey(svg, variant, record, labels);
      continue;
    }
    const app::KeyRect r = app::KeyRectangle(variant, slot);
    if (r.empty()) continue;
    const Box box{r.left + kInset, r.top + kInset, r.width - 2 * kInset, r.height - 2 * kInset};
    svg += "<rect class=\"" + ClassOf(record) + "\" x=\"" + Num(box.left) + "\" y=\"" + Num(box.top) + "\" width=\"" +
           Num(box.width) + "\" height=\"" + Num(box.height) + "\" rx=\"4\"/>\n";
    DrawKeyName(svg, box, Readable(SlotName(variant, slot)));
    DrawText(svg, box, LabelLines(record, variant, labels));
  }
  return svg + "</svg>\n";
}

}  // namespace

std::string KeySheet(const store::ProfileRecord& profile, int layer, int variant, const Labels& labels,
                     SheetFormat format) {
  variant = app::LayoutVariant(variant < 0 ? 0u : static_cast<std::uint32_t>(variant));
  layer = std::clamp(layer, 0, store::kLayerCount - 1);
  const std::string svg = Svg(profile, layer, variant, labels);
  if (format == SheetFormat::Svg) return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + svg;
  const auto name = store::TerminatedView(profile.Name, store::kPathCapacity);
  return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" +
         Escaped(name.empty() ? "Profile" : Readable(name)) + " \u2014 layer " + std::to_string(layer + 1) +
         "</title>\n<style>@page{size:landscape;margin:10mm}body{margin:0}svg{width:100%;height:auto}</style>"
         "</head>\n<body>\n" +
         svg + "</body></html>\n";
}

}  // namespace profiletool
