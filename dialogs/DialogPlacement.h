#pragma once
// Where a window of a given size sits centred in the full-screen client area.

namespace dialogs {

struct Origin {
  int x = 0, y = 0;
  friend bool operator==(const Origin&, const Origin&) = default;
};

constexpr Origin CentredOrigin(int areaWidth, int areaHeight, int width, int height) {
  return {(areaWidth - width) / 2, (areaHeight - height) / 2};
}

}  // namespace dialogs
