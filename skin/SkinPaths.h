#pragma once
// Where the skin images live and how their files are named: "<exe folder>Skins\<set>_<face>.<ext>".

#include <string>
#include <string_view>

namespace skin {

namespace face {
inline constexpr char16_t kNormal[] = u"normal";
inline constexpr char16_t kOver[] = u"over";
inline constexpr char16_t kDown[] = u"down";
inline constexpr char16_t kMask[] = u"mask";
inline constexpr char16_t kSelected[] = u"selected";
}  // namespace face

// "%sSkins\%s": the full path of one skin file beside the executable.
std::u16string SkinFilePath(std::u16string_view exeFolder, std::u16string_view fileName);

// "<set>_<face>.<ext>"; set names may hold spaces ("key behavior").
std::u16string SkinSetFileName(std::u16string_view set, std::u16string_view faceName,
                               std::u16string_view extension);

// The four files of a dialog skin set: the pictures in `extension`, the mask always ".bmp".
struct DialogSkinFiles {
  std::u16string normal, over, down, mask;
};
DialogSkinFiles DialogSkinSet(std::u16string_view exeFolder, std::u16string_view set,
                              std::u16string_view extension);

// The five files of a menu skin set: normal, over, down ".png", normal again as the fourth look, mask ".bmp".
struct MenuSkinFiles {
  std::u16string normal, over, down, fourth, mask;
};
MenuSkinFiles MenuSkinSet(std::u16string_view exeFolder, std::u16string_view set);

// The region-button files "<name>_n.bmp", "<name>_o.bmp", "<name>_d.bmp", with the normal file again
// as the fourth (disabled) look, as the dialogs pass them.
struct RegionButtonFiles {
  std::u16string first, second, third, fourth;
};
RegionButtonFiles RegionButtonSet(std::u16string_view exeFolder, std::u16string_view name);

}  // namespace skin
