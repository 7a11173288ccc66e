#pragma once
// The ten rows of the profile management dialog, away from the window: where each row and its cells lie,
// which row a press hits, what a row shows of its profile, and the program name a chosen path gives.

#include <string>
#include <string_view>

#include "store/SettingsStore.h"

namespace profiles {

inline constexpr int kRowCount = store::kProfileCount;

// Client pixels; right and bottom exclusive.
struct RowRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend constexpr bool operator==(const RowRect&, const RowRect&) = default;
};

constexpr int RowTop(int row) { return 92 + 22 * row; }
// The row's painted background.
constexpr RowRect RowBackground(int row) { return {14, RowTop(row), 522, RowTop(row) + 21}; }
// Where a press selects the row: the background without its top line.
constexpr RowRect RowPressArea(int row) { return {14, RowTop(row) + 1, 522, RowTop(row) + 21}; }
constexpr RowRect RowNameCell(int row) { return {17, RowTop(row), 155, RowTop(row) + 21}; }
// Also where a double click chooses the row's program.
constexpr RowRect RowProgramCell(int row) { return {156, RowTop(row), 334, RowTop(row) + 21}; }
constexpr RowRect RowAutoSwitch(int row) { return {335, RowTop(row) + 4, 350, RowTop(row) + 19}; }
constexpr RowRect RowReset(int row) { return {432, RowTop(row) + 1, 521, RowTop(row) + 21}; }

// The row whose press area holds the point, or -1.
int RowPressedAt(int x, int y);
// The row whose program cell holds the point, or -1.
int ProgramCellAt(int x, int y);

// The profile's Name; for a profile without one, "<label> 01" .. "<label> 10" by row.
std::u16string RowName(const store::ProfileRecord& profile, int row, std::u16string_view defaultLabel);
// The profile's Exe, empty when none.
std::u16string_view RowProgram(const store::ProfileRecord& profile);

// File name and extension of a path, without drive and folders: "C:\Games\Quest\game.exe" gives "game.exe".
std::u16string_view FileNameAndExtension(std::u16string_view path);
// Ties the program at `path` to the profile by its file name and extension, cut to what Exe holds.
void SetProgram(store::ProfileRecord& profile, std::u16string_view path);
// 1 when the flag was 0, else 0.
void ToggleAutoSwitch(store::ProfileRecord& profile);

}  // namespace profiles
