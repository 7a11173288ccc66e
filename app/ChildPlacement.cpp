#include "app/ChildPlacement.h"

#include <algorithm>

namespace app {

int LiftNeeded(int mainTop, int childHeight, int fullScreenHeight) {
  return std::max(0, mainTop + kAttachedOffset.y + childHeight - fullScreenHeight);
}

std::vector<SlideFrame> SlideOutFrames(int panelHeight) {
  std::vector<SlideFrame> frames;
  for (int offset = kSlideStep; offset < kSlideDistance; offset += kSlideStep)
    frames.push_back({offset, offset + 10});
  frames.push_back({kSlideDistance, panelHeight});
  return frames;
}

std::vector<SlideFrame> SlideInFrames(int panelHeight) {
  std::vector<SlideFrame> frames;
  for (int offset = kSlideStep; offset < kSlideDistance; offset += kSlideStep)
    frames.push_back({-offset, std::max(0, panelHeight - offset)});
  frames.push_back({-kSlideDistance, 0});
  return frames;
}

}  // namespace app
