#pragma once
// The demo's own pictures, drawn when the generated skin is not beside the program: a panel for the
// demo itself, and stand-ins for the "warning" dialog, the key function menu sets and the "mouse left"
// region button. Each is written once into a folder that then serves as the skin folder.

#include <windows.h>

#include <string>

namespace skindemo {

// The demo panel's size and the rectangles its art draws buttons at.
inline constexpr SIZE kPanelSize{640, 360};
struct PanelButton {
  RECT rect;
  const wchar_t* caption;
};
inline constexpr PanelButton kPush{{30, 70, 190, 100}, L"Push"};
inline constexpr PanelButton kToggle{{30, 112, 190, 142}, L"Toggle"};
inline constexpr PanelButton kLongCaption{{30, 154, 190, 184}, L"A caption far too long for its button"};
inline constexpr PanelButton kMenu{{30, 196, 190, 226}, L"Key menu..."};
inline constexpr PanelButton kWarning{{30, 238, 190, 268}, L"Warning..."};
inline constexpr PanelButton kDisabled{{30, 280, 190, 310}, L"Disabled"};
inline constexpr PanelButton kRotated90{{220, 70, 256, 310}, L"ROTATED 90"};
inline constexpr PanelButton kRotated270{{266, 70, 302, 310}, L"ROTATED 270"};
inline constexpr PanelButton kClose{{604, 12, 628, 36}, L"X"};
inline constexpr POINT kRegionButtonAt{340, 70};
inline constexpr RECT kStatusRect{340, 236, 624, 262};
inline constexpr RECT kLinkRect{340, 290, 600, 310};

// Both folders are bases that hold a "Skins" folder, as the program's own folder does, and end with a
// backslash. Writes the demo panel ("skindemo" in ".bmp" and ".png") into the fallback's skin folder,
// and a stand-in for each set whose normal picture the real skin folder lacks.
void DrawFallbackArt(const std::wstring& fallbackBase, const std::wstring& realBase);

// The base to take the skin file `file` from: the real one when its skin folder has the file.
std::wstring FolderFor(const std::wstring& file, const std::wstring& fallbackBase, const std::wstring& realBase);

}  // namespace skindemo
