#include "skin/HyperLinkLogic.h"

#include <string>

namespace skin {
namespace {

struct ErrorText {
  long result;
  const char16_t* text;
};

constexpr ErrorText kErrorTexts[] = {
    {0, u"The operating system is out\nof memory or resources."},
    {2, u"The specified file was not found."},
    {3, u"The specified path was not found."},
    {5, u"The operating system denied\naccess to the specified file."},
    {8, u"There was not enough memory to complete the operation."},
    {11, u"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, u"A sharing violation occurred. "},
    {27, u"The filename association is\nincomplete or invalid."},
    {28, u"The DDE transaction could not\nbe completed because the request timed out."},
    {29, u"The DDE transaction failed."},
    {30, u"The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {31, u"There is no application associated\nwith the given filename extension."},
    {32, u"The specified dynamic-link library was not found."},
};

}  // namespace

Colour LinkTextColour(const LinkColours& colours, bool over, bool visited) {
  return over ? colours.hover : visited ? colours.visited : colours.link;
}

bool LinkUnderlined(LinkUnderline mode, bool over) {
  return mode == LinkUnderline::Always || (mode == LinkUnderline::Hover && over);
}

Rect LinkRectForText(const Rect& old, int textWidth, int textHeight, int frameWidth, int frameHeight,
                     bool centreVertically, LinkHAlign align) {
  const int width = textWidth + frameWidth;
  const int height = textHeight + frameHeight;
  Rect r;
  r.top = centreVertically ? old.top + (old.height() - height) / 2 : old.top;
  r.bottom = r.top + height;
  switch (align) {
    case LinkHAlign::Centre: r.left = old.left + (old.width() - width) / 2; break;
    case LinkHAlign::Right: r.left = old.right - width; break;
    case LinkHAlign::Left: r.left = old.left; break;
  }
  r.right = r.left + width;
  return r;
}

std::u16string HtmFallbackCommand(std::u16string_view command, std::u16string_view target) {
  auto cut = command.find(u"\"%1\"");
  if (cut == std::u16string_view::npos) cut = command.find(u"%1");
  std::u16string line(cut == std::u16string_view::npos ? command : command.substr(0, cut));
  line += u' ';
  line += target;
  return line;
}

std::u16string HyperlinkErrorMessage(long result) {
  std::u16string message = u"Unable to open hyperlink:\n\n";
  for (const auto& entry : kErrorTexts) {
    if (entry.result == result) return message + entry.text;
  }
  const auto number = std::to_string(result);
  message += u"Unknown Error (";
  message.append(number.begin(), number.end());
  message += u") occurred.";
  return message;
}

}  // namespace skin
