#include "app/MainWindowLogic.h"

#include <cstdio>

#include "platform/ProgramFolders.h"
#include "strings/StringTable.h"

namespace app {

void UseProgramFoldersOf(std::u16string_view moduleFileName) {
  auto folders = platform::ProgramFoldersOf(moduleFileName);
  strings::SetStringFilePath(folders.StringsFile());
  platform::SetProgramFolders(std::move(folders));
}

std::u16string ProfileLabelText(const store::SettingsStore& store, std::u16string_view profileWord) {
  const store::ProfileRecord& profile = store::CurrentProfile(store);
  const auto name = store::TerminatedView(profile.Name, store::kPathCapacity);
  const auto exe = store::TerminatedView(profile.Exe, store::kPathCapacity);
  std::u16string text;
  if (!name.empty()) {
    text = name;
  } else {
    char number[16];
    std::snprintf(number, sizeof number, " %.2u", static_cast<unsigned>(store::CurrentProfileIndex(store) + 1));
    text = profileWord;
    text.append(number, number + std::char_traits<char>::length(number));
  }
  text += u"    ";
  text += exe;
  return text;
}

Point KeyMenuOrigin(Point pointer, int fullScreenWidth, int fullScreenHeight) {
  Point origin = pointer;
  if (pointer.x + kKeyMenuWidth > fullScreenWidth) origin.x = pointer.x - kKeyMenuWidth;
  if (pointer.y + kKeyMenuHeight > fullScreenHeight) origin.y = pointer.y - kKeyMenuHeight;
  return origin;
}

MenuCommand DecodeMenuValue(std::uintptr_t value) {
  // A value wider than 32 bits (from another process) is no command of ours: category -1 does nothing.
  if (value > 0xFFFFFFFFu) return {-1, 0};
  const auto command = static_cast<std::uint32_t>(value);
  return {static_cast<int>(command / 65536u), static_cast<int>(command % 65536u)};
}

std::optional<std::uint8_t> DirectAssignmentKind(const MenuCommand& command) {
  using catalogue::Category;
  switch (static_cast<Category>(command.category)) {
    case Category::Reset:
      return store::kind::kNone;
    case Category::Disable:
      return store::kind::kDisabled;
    case Category::Internet:
    case Category::Office:
    case Category::Media:
    case Category::Additional:
      for (std::uint8_t kind : catalogue::SubmenuKinds(static_cast<Category>(command.category)))
        if (kind == command.item) return kind;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

KeyState KeyStateOf(const store::KeyRecord& record, bool beingEdited) {
  if (beingEdited) return KeyState::BeingEdited;
  return record.FunctionKind != 0 ? KeyState::Assigned : KeyState::Plain;
}

KeyLook LookOf(KeyState state) {
  switch (state) {
    case KeyState::Plain: return {LayerImage::Normal, LayerImage::Over, LayerImage::Down};
    case KeyState::Assigned: return {LayerImage::Selected, LayerImage::Over, LayerImage::Down};
    case KeyState::BeingEdited: return {LayerImage::Down, LayerImage::Down, LayerImage::Down};
  }
  return {LayerImage::Normal, LayerImage::Over, LayerImage::Down};
}

}  // namespace app
