#pragma once
// Where the main window's children appear and how the advanced settings panel slides, apart from any
// window: the editors and the profile dialog hang below the keyboard, the panel rolls out above it while
// the main window moves down.

#include <vector>

#include "catalogue/KeyLayout.h"

namespace app {

// Top-left corner of an editor or the profile dialog, from the main window's top-left corner.
inline constexpr catalogue::Point kAttachedOffset{446, 539};
// Top-left corner of the panel while it is out, from the main window's top-left corner.
inline constexpr catalogue::Point kPanelOffset{576, -228};
// The main window moves this far down while the panel slides out, in steps of kSlideStep.
inline constexpr int kSlideDistance = 228;
inline constexpr int kSlideStep = 5;
// The panel's top while it slides out, from the main window's first top.
inline constexpr int kPanelSlideTop = 5;

// How far the main window at `mainTop` must move up so that a child `childHeight` high, attached below
// the keyboard, ends at the full-screen height; 0 when it fits.
int LiftNeeded(int mainTop, int childHeight, int fullScreenHeight);

// One step of a slide: the main window's top, from its top before the slide, and the panel's height.
struct SlideFrame {
  int mainOffset = 0;
  int panelHeight = 0;
  friend bool operator==(const SlideFrame&, const SlideFrame&) = default;
};

// Out: the main window moves down by 5, 10, ... 225 while the panel, its top fixed, grows to 10 pixels more
// than the offset; the last frame puts the main window 228 down and gives the panel its full height.
std::vector<SlideFrame> SlideOutFrames(int panelHeight);
// In: the main window moves up by 5, 10, ... 225 while the panel shrinks by as much; the last frame puts
// the main window 228 up (the panel is hidden then).
std::vector<SlideFrame> SlideInFrames(int panelHeight);

}  // namespace app
