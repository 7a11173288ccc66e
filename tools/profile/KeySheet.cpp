#include "tools/profile/KeySheet.h"

#include <algorithm>
#include <cstdio>

#include "tools/profile/KeyboardVariants.h"
#include "tools/profile/MacroLines.h"
#include "tools/profile/SlotNames.h"
#include "tools/profile/Text.h"

namespace profiletool {
namespace {

// The drawing spans the keyboard picture's key area, with the title above and the legend below.
constexpr double kLeft = 64, kTop = 140, kWidth = 1000;
constexpr double kKeysTop = 209, kKeysBottom = 485;  // of every variant's keys, in the layout's pixels
constexpr double kInset = 1.5;  // keys touch in the layout table; a gap keeps them apart on paper
constexpr int kBackspaceSlot = 30;  // the Enter key ends on the right where Backspace above it ends
constexpr int kCapsSlot = 59;       // the Enter key's lower part lies in the Caps Lock row
constexpr double kNameSize = 7;
constexpr FitRule kNameRule{kNameSize, 5, 5, 1.2, false};
constexpr FitRule kLabelRule{9, 6, 7.5, 1.15, true};
constexpr FitRule kLegendRule{8, 6.5, 0, 1.2, true};
constexpr double kLegendKeyColumn = 90, kLegendLines = 3;

std::string Num(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

struct LegendEntry {
  std::string key, text;
};

// The drawing so far, and where the next piece goes.
struct Page {
  std::string svg;
  double y = kTop;
  std::vector<LegendEntry> legend;
};

std::string Attribute(const char* name, double value) { return std::string(" ") + name + "=\"" + Num(value) + "\""; }

void DrawLines(std::string& svg, const char* cssClass, const FittedText& text, const TextArea& area, bool centred) {
  if (text.lines.empty()) return;
  const double lineHeight = text.size * (centred ? kLabelRule.lineHeight : kNameRule.lineHeight);
  const double x = centred ? area.left + area.width / 2 : area.left;
  double y = area.top + (area.height - lineHeight * static_cast<double>(text.lines.size())) / 2 + text.size * 0.82;
  if (!centred) y = area.top + text.size * 0.9;
  svg += std::string("<text class=\"") + cssClass + "\"" + Attribute("font-size", text.size) + ">";
  for (const auto& line : text.lines) {
    svg += "<tspan" + Attribute("x", x) + Attribute("y", y) + ">" + XmlEscaped(line) + "</tspan>";
    y += lineHeight;
  }
  svg += "</text>\n";
}

std::string Joined(const std::vector<std::string>& lines, const char* between) {
  std::string text;
  for (const auto& line : lines) text += (text.empty() ? "" : between) + line;
  return text;
}

// What a key's function says beyond its label, for the legend; empty when the key says it all.
std::string LegendText(const store::KeyRecord& record, int variant, const Labels& labels) {
  const std::string label = labels.Text(FunctionTextKey(record.FunctionKind));
  switch (record.FunctionKind) {
    case store::kind::kMacro: {
      std::vector<std::string> events;
      const int count = std::min<int>(record.macro.EventCount, store::kMacroEventCapacity);
      for (int i = 0; i < count; ++i) events.push_back(Readable(EventLine(record.macro.Events[i], variant)));
      return label + ", " + std::to_string(count) + (count == 1 ? " event: " : " events: ") + Joined(events, ", ");
    }
    case store::kind::kLaunchProgram: {
      const auto path = store::TerminatedView(record.launch.ProgramPath, store::kPathCapacity);
      const auto name = store::TerminatedView(record.launch.ShortcutName, store::kPathCapacity);
      return label + ": " + Readable(path) + (name.empty() ? "" : " (" + Readable(name) + ")");
    }
    case store::kind::kProfileSwitch: {
      const auto& target = record.profileSwitch;
      return label + ": profile " + std::to_string(std::int64_t{target.TargetProfile} + 1) + ", layer " +
             std::to_string(std::int64_t{target.TargetLayer} + 1) + (target.ShowOsd == 1 ? ", shown on screen" : "");
    }
    default:
      return {};
  }
}

std::string ClassOf(const store::KeyRecord& record) {
  return record.FunctionKind == store::kind::kNone ? "key" : "key assigned";
}

// A key's name and label in their areas; what does not fit goes to the legend and a tooltip.
void DrawKeyTexts(Page& page, const std::string& name, const TextArea& nameArea, const TextArea& labelArea,
                  const store::KeyRecord& record, int variant, const Labels& labels) {
  const FittedText fittedName = FitKeyName(name, nameArea);
  const auto lines = KeyLabelLines(record, variant, labels);
  const FittedText fittedLabel = FitKeyLabel(lines, labelArea);
  std::string legend = LegendText(record, variant, labels);
  if (legend.empty() && fittedLabel.elided) legend = Joined(lines, ", ");
  if (fittedName.elided || fittedLabel.elided)
    page.svg += "<title>" + XmlEscaped(name + (lines.empty() ? "" : ": " + Joined(lines, ", "))) + "</title>";
  DrawLines(page.svg, "name", fittedName, nameArea, false);
  DrawLines(page.svg, "label", fittedLabel, labelArea, true);
  if (!legend.empty()) page.legend.push_back({name, legend});
}

void DrawEnterKey(Page& page, int variant, const store::KeyRecord& record, const Labels& labels) {
  const catalogue::Point corner = catalogue::EnterKeyCorner(variant);
  const catalogue::KeyRect backspace = catalogue::KeyRectangle(variant, kBackspaceSlot);
  const catalogue::KeyRect caps = catalogue::KeyRectangle(variant, kCapsSlot);
  const int right = backspace.left + backspace.width;
  const int split = caps.top, bottom = caps.top + caps.height;
  // Each part starts right of the last key before it in its row.
  const auto startOfPart = [&](int rowTop) {
    int start = corner.x;
    for (int slot = 0; slot < store::kKeyCount; ++slot) {
      const catalogue::KeyRect r = catalogue::KeyRectangle(variant, slot);
      if (!r.empty() && r.top == rowTop && r.left + r.width < right) start = std::max(start, r.left + r.width + 1);
    }
    return start;
  };
  const int upperLeft = startOfPart(corner.y), lowerLeft = startOfPart(split);
  const double i = kInset, step = lowerLeft < upperLeft ? i : -i;
  const std::pair<double, double> points[] = {{upperLeft + i, corner.y + i}, {right - i, corner.y + i},
                                              {right - i, bottom - i},       {lowerLeft + i, bottom - i},
                                              {lowerLeft + i, split + step}, {upperLeft + i, split + step}};
  page.svg += "<g><polygon class=\"" + ClassOf(record) + "\" points=\"";
  for (const auto& [x, y] : points) page.svg += Num(x) + "," + Num(y) + " ";
  page.svg.back() = '"';
  page.svg += "/>\n";
  const catalogue::KeyRect upper{upperLeft, corner.y, right - upperLeft, split - corner.y};
  const catalogue::KeyRect lower{lowerLeft, split, right - lowerLeft, bottom - split};
  const TextArea nameArea = KeyNameArea(upper);
  // The label in the wider part, below the name when that is the part the name is in.
  TextArea labelArea = KeyLabelArea(lower.width >= upper.width ? lower : upper);
  if (lower.width >= upper.width) labelArea = {labelArea.left, lower.top + kInset + 1, labelArea.width, lower.height - 2 * kInset - 2};
  DrawKeyTexts(page, Readable(SlotName(variant, store::kEnterKeySlot)), nameArea, labelArea, record, variant, labels);
  page.svg += "</g>\n";
}

void DrawKeyboard(Page& page, const store::KeyRecord (&keys)[store::kKeyCount], int variant, const Labels& labels) {
  const double shift = page.y + 4 - kKeysTop;
  page.svg += "<g transform=\"translate(0," + Num(shift) + ")\">\n";
  std::vector<LegendEntry> unshown;
  for (int slot = 0; slot < store::kKeyCount; ++slot) {
    const store::KeyRecord& record = keys[slot];
    if (slot == store::kEnterKeySlot) {
      DrawEnterKey(page, variant, record, labels);
      continue;
    }
    const catalogue::KeyRect r = catalogue::KeyRectangle(variant, slot);
    if (r.empty()) {
      // A slot the layout does not show keeps its record; it is listed rather than lost.
      if (record.FunctionKind != store::kind::kNone) {
        std::string text = Joined(KeyLabelLines(record, variant, labels), ", ");
        const std::string more = LegendText(record, variant, labels);
        unshown.push_back({"slot " + std::to_string(slot), "not on this keyboard: " + (more.empty() ? text : more)});
      }
      continue;
    }
    page.svg += "<g><rect class=\"" + ClassOf(record) + "\"" + Attribute("x", r.left + kInset) +
                Attribute("y", r.top + kInset) + Attribute("width", r.width - 2 * kInset) +
                Attribute("height", r.height - 2 * kInset) + " rx=\"4\"/>\n";
    DrawKeyTexts(page, Readable(SlotName(variant, slot)), KeyNameArea(r), KeyLabelArea(r), record, variant, labels);
    page.svg += "</g>\n";
  }
  page.svg += "</g>\n";
  page.y = kKeysBottom + shift + 8;
  page.legend.insert(page.legend.end(), unshown.begin(), unshown.end());
}

void DrawLegend(Page& page) {
  const double textLeft = kLeft + 20 + kLegendKeyColumn, textWidth = kWidth - 40 - kLegendKeyColumn;
  for (const LegendEntry& entry : page.legend) {
    const FittedText key = FitText({entry.key}, kLegendKeyColumn - 6, kLegendRule.largest * kLegendRule.lineHeight,
                                   Weight::Bold, kLegendRule);
    const FittedText text = FitText({entry.text}, textWidth, kLegendLines * kLegendRule.largest * kLegendRule.lineHeight,
                                    Weight::Book, kLegendRule);
    page.svg += "<g>";
    if (text.elided || key.elided) page.svg += "<title>" + XmlEscaped(entry.key + ": " + entry.text) + "</title>";
    const double height = text.size * kLegendRule.lineHeight * static_cast<double>(text.lines.size());
    DrawLines(page.svg, "legend-key", key, {kLeft + 20, page.y, kLegendKeyColumn - 6, key.size * 1.2}, false);
    DrawLines(page.svg, "legend", text, {textLeft, page.y, textWidth, height}, false);
    page.svg += "</g>\n";
    page.y += height + 3;
  }
  page.legend.clear();
}

std::string Title(const store::ProfileRecord& profile) {
  const auto name = store::TerminatedView(profile.Name, store::kPathCapacity);
  return name.empty() ? "Profile" : Readable(name);
}

std::string Svg(const store::ProfileRecord& profile, const std::vector<int>& layers, int variant, const Labels& labels) {
  Page page;
  const bool several = layers.size() > 1;
  const auto program = store::TerminatedView(profile.Exe, store::kPathCapacity);
  const std::string title = Title(profile) + (several ? std::string() : " \u2014 layer " + std::to_string(layers[0] + 1));
  const std::string subtitle = (program.empty() ? std::string() : Readable(program) + " \u00b7 ") + "layout variant " +
                               std::to_string(variant);
  const TextArea titleArea{kLeft + 20, page.y + 18, kWidth - 40, 22};
  DrawLines(page.svg, "title", FitText({title}, titleArea.width, titleArea.height, Weight::Bold, {18, 10, 10, 1.2, false}),
            titleArea, false);
  DrawLines(page.svg, "subtitle", FitText({subtitle}, titleArea.width, 12, Weight::Book, {10, 7, 7, 1.2, false}),
            {titleArea.left, page.y + 40, titleArea.width, 12}, false);
  page.y += 58;
  for (const int layer : layers) {
    if (several) {
      page.svg += "<text class=\"heading\"" + Attribute("x", kLeft + 20) + Attribute("y", page.y + 14) + ">Layer " +
                  std::to_string(layer + 1) + "</text>\n";
      page.y += 16;
    }
    DrawKeyboard(page, profile.keys[layer], variant, labels);
    DrawLegend(page);
    page.y += 10;
  }
  const double height = page.y - kTop;
  // Wider than the keyboard where the legend is long, so the page still prints whole.
  const double width = std::max(kWidth, height / (several ? kPortraitRatio : kLandscapeRatio));
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" + Num(kLeft) + " " + Num(kTop) + " " +
                    Num(width) + " " + Num(height) + "\"" + Attribute("width", width) + Attribute("height", height) +
                    " font-family=\"" + std::string(kSheetFonts) + "\">\n"
                    "<style>"
                    ".key{fill:#ffffff;stroke:#9a9a9a;stroke-width:1}"
                    ".assigned{fill:#e4ecfb;stroke:#1d3f7a;stroke-width:1.4}"
                    ".name{fill:#6b6b6b}"
                    ".label{text-anchor:middle;fill:#000000;font-weight:bold}"
                    ".title{font-weight:bold}.subtitle{fill:#444444}.heading{font-size:13px;font-weight:bold}"
                    ".legend-key{font-weight:bold}.legend{fill:#222222}"
                    "</style>\n";
  svg += "<rect" + Attribute("x", kLeft) + Attribute("y", kTop) + Attribute("width", width) + Attribute("height", height) +
         " fill=\"#ffffff\"/>\n";
  return svg + page.svg + "</svg>\n";
}

}  // namespace

TextArea KeyNameArea(const catalogue::KeyRect& key) {
  return {key.left + kInset + 2.5, key.top + kInset + 1, key.width - 2 * kInset - 5, kNameSize * kNameRule.lineHeight};
}

TextArea KeyLabelArea(const catalogue::KeyRect& key) {
  const TextArea name = KeyNameArea(key);
  const double top = name.top + name.height;
  return {key.left + kInset + 2, top, key.width - 2 * kInset - 4, key.top + key.height - kInset - 1 - top};
}

std::vector<std::string> KeyLabelLines(const store::KeyRecord& record, int variant, const Labels& labels) {
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

FittedText FitKeyName(const std::string& name, const TextArea& area) {
  return FitText({name}, area.width, area.height, Weight::Book, kNameRule);
}

FittedText FitKeyLabel(const std::vector<std::string>& lines, const TextArea& area) {
  return FitText(lines, area.width, area.height, Weight::Bold, kLabelRule);
}

std::string KeySheet(const store::ProfileRecord& profile, const std::vector<int>& layers, int variant,
                     const Labels& labels, SheetFormat format) {
  variant = Variant(variant);
  std::vector<int> shown;
  for (const int layer : layers) shown.push_back(std::clamp(layer, 0, store::kLayerCount - 1));
  if (shown.empty()) shown.push_back(0);
  const std::string svg = Svg(profile, shown, variant, labels);
  if (format == SheetFormat::Svg) return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + svg;
  // Well-formed XML as well as HTML, so one reader checks both forms.
  const std::string title = Title(profile) + (shown.size() > 1 ? std::string() : " \u2014 layer " + std::to_string(shown[0] + 1));
  return "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><meta charset=\"utf-8\"/><title>" +
         XmlEscaped(title) + "</title>\n<style>@page{size:" + (shown.size() > 1 ? "portrait" : "landscape") +
         ";margin:10mm}body{margin:0}svg{display:block;width:100%;height:auto}</style>"
         "</head>\n<body>\n" +
         svg + "</body></html>\n";
}

}  // namespace profiletool
