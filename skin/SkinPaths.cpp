#include "skin/SkinPaths.h"

namespace skin {

std::u16string SkinFilePath(std::u16string_view exeFolder, std::u16string_view fileName) {
  std::u16string path(exeFolder);
  path += u"Skins\\";
  path += fileName;
  return path;
}

std::u16string SkinSetFileName(std::u16string_view set, std::u16string_view faceName,
                               std::u16string_view extension) {
  std::u16string name(set);
  name += u'_';
  name += faceName;
  name += u'.';
  name += extension;
  return name;
}

DialogSkinFiles DialogSkinSet(std::u16string_view exeFolder, std::u16string_view set,
                              std::u16string_view extension) {
  auto file = [&](std::u16string_view faceName, std::u16string_view ext) {
    return SkinFilePath(exeFolder, SkinSetFileName(set, faceName, ext));
  };
  return {file(face::kNormal, extension), file(face::kOver, extension), file(face::kDown, extension),
          file(face::kMask, u"bmp")};
}

MenuSkinFiles MenuSkinSet(std::u16string_view exeFolder, std::u16string_view set) {
  auto pictures = DialogSkinSet(exeFolder, set, u"png");
  auto fourth = pictures.normal;
  return {std::move(pictures.normal), std::move(pictures.over), std::move(pictures.down), std::move(fourth),
          std::move(pictures.mask)};
}

RegionButtonFiles RegionButtonSet(std::u16string_view exeFolder, std::u16string_view name) {
  auto file = [&](std::u16string_view suffix) {
    std::u16string fileName(name);
    fileName += suffix;
    return SkinFilePath(exeFolder, fileName);
  };
  return {file(u"_n.bmp"), file(u"_o.bmp"), file(u"_d.bmp"), file(u"_n.bmp")};
}

}  // namespace skin
