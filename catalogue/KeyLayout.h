#pragma once
// The keyboard picture's geometry: the rectangle of every key slot in each layout variant.

#include <array>
#include <cstdint>

#include "store/SettingsStore.h"

namespace catalogue {

struct KeyRect {
  int left = 0, top = 0, width = 0, height = 0;
  constexpr bool empty() const { return width == 0 || height == 0; }
  friend bool operator==(const KeyRect&, const KeyRect&) = default;
};

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

inline constexpr int kLayoutVariants = 3;

// Language 1 and 2 select their variants; any other value is variant 0.
int LayoutVariant(std::uint32_t language);

// The rectangle of a key button; empty for the Enter key (a shaped button of its own), for slots the
// variant does not show and for indices out of range.
KeyRect KeyRectangle(int variant, int slot);

// Top-left corner of the shaped Enter key.
Point EnterKeyCorner(int variant);

// How many slots the variant shows, the Enter key included (104, 105, 109).
int VisibleKeyCount(int variant);

}  // namespace catalogue
