#pragma once
// A printable cheat-sheet of a profile's layers: the keyboard drawn from the keyboard picture's layout
// table, each key with its name and the label of its function, and below it a legend of what does not
// fit on a key. As SVG, or as an HTML page around it; either way well-formed XML.

#include <string>
#include <vector>

#include "catalogue/KeyLayout.h"
#include "store/SettingsStore.h"
#include "tools/profile/FunctionWords.h"
#include "tools/profile/SheetText.h"

namespace profiletool {

enum class SheetFormat { Svg, Html };

// `layers` 0..2: one layer on a landscape page, or several one below the other on a portrait page,
// sized so that the page prints whole on A4 and on Letter.
std::string KeySheet(const store::ProfileRecord& profile, const std::vector<int>& layers, int variant,
                     const Labels& labels, SheetFormat format);

// The widest height-to-width ratio of the sheet on a portrait page and on a landscape page, margins
// of 10 mm included, that both A4 and Letter hold.
inline constexpr double kPortraitRatio = 1.30;
inline constexpr double kLandscapeRatio = 0.68;

// How a key's texts are laid out, for the tests that prove they fit: the area of its name and of its
// function's label inside a key of the layout, and the lines of the label (name, then a detail).
struct TextArea {
  double left, top, width, height;
};
TextArea KeyNameArea(const catalogue::KeyRect& key);
TextArea KeyLabelArea(const catalogue::KeyRect& key);
std::vector<std::string> KeyLabelLines(const store::KeyRecord& record, int variant, const Labels& labels);
FittedText FitKeyName(const std::string& name, const TextArea& area);
FittedText FitKeyLabel(const std::vector<std::string>& lines, const TextArea& area);

}  // namespace profiletool
