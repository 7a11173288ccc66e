#pragma once
// The hyperlink control's decisions that need no window: colours, underline, size, the ".htm"
// fallback command line and the error texts.

#include <string>
#include <string_view>

#include "skin/ButtonLook.h"

namespace skin {

struct LinkColours {
  Colour link = 0xEE0000;
  Colour visited = 0x8B1A55;
  Colour hover = 0x0000FF;
};

Colour LinkTextColour(const LinkColours& colours, bool over, bool visited);

// When the link is underlined: only while the mouse is over it, always, or never.
enum class LinkUnderline { Hover = -1, Always = 1, Never = 2 };
bool LinkUnderlined(LinkUnderline mode, bool over);

enum class LinkHAlign { Left, Centre, Right };

// The control's new rectangle when sized to its text: the text's extent plus the frame (the window
// size minus the client size), keeping the vertical centre (centred image style) or the top, and the
// horizontal centre, the right edge or the left edge.
Rect LinkRectForText(const Rect& old, int textWidth, int textHeight, int frameWidth, int frameHeight,
                     bool centreVertically, LinkHAlign align);

// The ".htm" handler's command cut before its "%1" placeholder (quoted or not), then a space and the target.
std::u16string HtmFallbackCommand(std::u16string_view command, std::u16string_view target);

// "Unable to open hyperlink:\n\n" and the text for a shell result of 32 or below.
std::u16string HyperlinkErrorMessage(long result);

// Shell results above 32 mean success.
constexpr bool ShellOpenSucceeded(long long result) { return result > 32; }

}  // namespace skin
