#include "profiles/ProfileSetRows.h"

#include <algorithm>

namespace profiles {

namespace {

template <typename Area>
int RowWhere(int x, int y, Area area) {
  for (int row = 0; row < kRowCount; ++row)
    if (area(row).Contains(x, y)) return row;
  return -1;
}

}  // namespace

int RowPressedAt(int x, int y) { return RowWhere(x, y, RowPressArea); }
int ProgramCellAt(int x, int y) { return RowWhere(x, y, RowProgramCell); }

std::u16string RowName(const store::ProfileRecord& profile, int row, std::u16string_view defaultLabel) {
  const std::u16string_view name = store::TerminatedView(profile.Name, store::kPathCapacity);
  if (!name.empty()) return std::u16string(name);
  // "%s %.2d" of the label and the row's number.
  const int number = std::clamp(row, 0, 98) + 1;
  std::u16string text(defaultLabel);
  text += u' ';
  text += static_cast<char16_t>(u'0' + number / 10);
  text += static_cast<char16_t>(u'0' + number % 10);
  return text;
}

std::u16string_view RowProgram(const store::ProfileRecord& profile) {
  return store::TerminatedView(profile.Exe, store::kPathCapacity);
}

std::u16string_view FileNameAndExtension(std::u16string_view path) {
  const auto separator = path.find_last_of(u"\\/");
  if (separator != std::u16string_view::npos) return path.substr(separator + 1);
  if (path.size() >= 2 && path[1] == u':') return path.substr(2);  // "C:game.exe"
  return path;
}

void SetProgram(store::ProfileRecord& profile, std::u16string_view path) {
  std::fill(std::begin(profile.Exe), std::end(profile.Exe), u'\0');
  store::CopyTerminated(profile.Exe, store::kPathCapacity, FileNameAndExtension(path));
}

void ToggleAutoSwitch(store::ProfileRecord& profile) { profile.AutoSwitch = profile.AutoSwitch == 0 ? 1 : 0; }

}  // namespace profiles
