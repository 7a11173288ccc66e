#include "catalogue/FunctionCatalogue.h"

#include <array>

#include "catalogue/KeyNames.h"
#include "strings/StringTable.h"

namespace catalogue {
namespace {

using C = Category;
using F = RecordFields;

// Item numbers follow the menu's order, not the codes: OFFICE opens with the four programs, MEDIA
// puts MUTE before the volume items, ADDITIONAL puts LOCK_PC last.
constexpr FunctionInfo kFunctions[] = {
    {0, "", C::Reset, 0, F::None},
    {1, "", C::SingleKey, 0, F::KeyCode},
    {2, "MACRO", C::Macro, 0, F::Macro},
    {8, "PROFILE", C::ProfileSwitch, 0, F::ProfileSwitch},
    {9, "APP", C::LaunchProgram, 0, F::LaunchProgram},
    {10, "DISABLE", C::Disable, 0, F::None},
    {17, "LEFT_BUTTON", C::Mouse, 0, F::None},
    {18, "RIGHT_BUTTON", C::Mouse, 0, F::None},
    {19, "MIDDLE_BUTTON", C::Mouse, 0, F::None},
    {24, "SCROLL_UP", C::Mouse, 0, F::None},
    {25, "SCROLL_DOWN", C::Mouse, 0, F::None},
    {32, "PLAYPAUSE", C::Media, 1, F::None},
    {33, "STOP", C::Media, 2, F::None},
    {34, "PREVIOUS", C::Media, 3, F::None},
    {35, "NEXT", C::Media, 4, F::None},
    {36, "OPEN", C::Media, 8, F::None},
    {37, "VOLUMEUP", C::Media, 7, F::None},
    {38, "VOLUMEDOWN", C::Media, 6, F::None},
    {39, "MUTE", C::Media, 5, F::None},
    {49, "HOME", C::Internet, 1, F::None},
    {50, "BACK", C::Internet, 2, F::None},
    {51, "LEFT", C::Internet, 3, F::None},  // the browser's forward function, under its stored key
    {52, "WSTOP", C::Internet, 4, F::None},
    {53, "MAIL", C::Internet, 5, F::None},
    {54, "REFRESH", C::Internet, 6, F::None},
    {55, "FAVORITE", C::Internet, 7, F::None},
    {56, "SEARCH", C::Internet, 8, F::None},
    {64, "CUT", C::Office, 5, F::None},
    {65, "COPY", C::Office, 6, F::None},
    {66, "PASTE", C::Office, 7, F::None},
    {67, "UNDO", C::Office, 8, F::None},
    {68, "ALL", C::Office, 9, F::None},
    {69, "FIND", C::Office, 10, F::None},
    {70, "NEW", C::Office, 11, F::None},
    {71, "PRINT", C::Office, 13, F::None},
    {72, "SAVE", C::Office, 12, F::None},
    {74, "WORD", C::Office, 1, F::None},
    {75, "EXCEL", C::Office, 4, F::None},
    {76, "OUTLOOK", C::Office, 2, F::None},
    {77, "POWERPOINT", C::Office, 3, F::None},
    {80, "SWAP_WINDOWS", C::Additional, 1, F::None},
    {81, "CLOSE_WINDOWS", C::Additional, 2, F::None},
    {82, "LOCK_PC", C::Additional, 10, F::None},
    {83, "OPEN_WINDOWS", C::Additional, 3, F::None},
    {84, "RUN", C::Additional, 4, F::None},
    {85, "SHOW_DESKTOP", C::Additional, 5, F::None},
    {86, "ZOOM_IN", C::Additional, 6, F::None},
    {87, "ZOOM_OUT", C::Additional, 7, F::None},
    {88, "MAX_WIN", C::Additional, 8, F::None},
    {89, "MIN_WIN", C::Additional, 9, F::None},
};

constexpr KeyMenuEntry kKeyMenu[] = {
    {"SINGLEKEY", C::SingleKey, false},
    {"MACRO", C::Macro, false},
    {"MOUSE", C::Mouse, false},
    {"INTERNET", C::Internet, true},
    {"OFFICE", C::Office, true},
    {"MEDIA", C::Media, true},
    {"ADDITIONAL", C::Additional, true},
    {"PROFILE", C::ProfileSwitch, false},
    {"APP", C::LaunchProgram, false},
    {"RESET", C::Reset, false},
    {"DISABLE", C::Disable, false},
};

constexpr std::array<const FunctionInfo*, 256> MakeKindIndex() {
  std::array<const FunctionInfo*, 256> index{};
  for (const auto& row : kFunctions) index[row.kind] = &row;
  return index;
}

constexpr auto kKindIndex = MakeKindIndex();

// A submenu's kinds in item order, gathered from the function table so the two cannot disagree.
struct Submenu {
  std::array<std::uint8_t, 20> kinds{};
  std::size_t count = 0;
};

constexpr Submenu MakeSubmenu(Category category) {
  Submenu submenu;
  for (const auto& row : kFunctions)
    if (row.category == category && row.item > 0) ++submenu.count;
  for (std::size_t item = 1; item <= submenu.count; ++item) {
    std::size_t found = 0;
    for (const auto& row : kFunctions)
      if (row.category == category && row.item == item) {
        submenu.kinds[item - 1] = row.kind;
        ++found;
      }
    if (found != 1) throw "every submenu place holds exactly one function";  // fails the build
  }
  return submenu;
}

constexpr Submenu kSubmenus[] = {
    MakeSubmenu(C::Internet),
    MakeSubmenu(C::Office),
    MakeSubmenu(C::Media),
    MakeSubmenu(C::Additional),
};
static_assert(kSubmenus[0].count == 8 && kSubmenus[1].count == 13 && kSubmenus[2].count == 8 &&
              kSubmenus[3].count == 10);

}  // namespace

std::span<const FunctionInfo> Functions() { return kFunctions; }

const FunctionInfo* FindFunction(std::uint8_t kind) { return kKindIndex[kind]; }

std::span<const KeyMenuEntry> KeyMenuEntries() { return kKeyMenu; }

std::span<const std::uint8_t> SubmenuKinds(Category category) {
  const auto first = static_cast<int>(C::Internet);
  const auto index = static_cast<int>(category) - first;
  if (index < 0 || index >= static_cast<int>(std::size(kSubmenus))) return {};
  const auto& submenu = kSubmenus[index];
  return {submenu.kinds.data(), submenu.count};
}

std::u16string FunctionLabel(std::uint8_t kind, std::uint8_t keyCode, std::u16string_view stringFilePath,
                             const platform::KeyboardLayout& layout) {
  const FunctionInfo* function = FindFunction(kind);
  if (!function) return {};
  if (function->fields == F::KeyCode) return KeyName(keyCode, layout);
  if (function->labelKey.empty()) return {};
  return strings::LookUpString(stringFilePath, kMenuSection, function->labelKey);
}

std::u16string FunctionLabel(std::uint8_t kind, std::uint8_t keyCode) {
  return FunctionLabel(kind, keyCode, strings::StringFilePath(), platform::SystemKeyboardLayout());
}

}  // namespace catalogue
