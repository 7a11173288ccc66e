#pragma once
// Where the program's files lie: everything it reads sits beside the executable. Worked out once at
// start-up from the executable's own file name and asked for by every window afterwards.

#include <string>
#include <string_view>

namespace platform {

// Drive and folder of a module file name, with its trailing separator ("C:\Prog\" for "C:\Prog\a.exe",
// "C:" for "C:a.exe"). A name without any folder gives an empty text.
inline std::u16string FolderOfModule(std::u16string_view moduleFileName) {
  const auto slash = moduleFileName.find_last_of(u"\\/");
  if (slash != std::u16string_view::npos) return std::u16string(moduleFileName.substr(0, slash + 1));
  if (moduleFileName.size() >= 2 && moduleFileName[1] == u':') return std::u16string(moduleFileName.substr(0, 2));
  return {};
}

struct ProgramFolders {
  std::u16string exe;  // the executable's folder with its trailing backslash

  // A file beside the executable ("Strings.xml", "Quorbel.dll").
  std::u16string Beside(std::u16string_view name) const { return exe + std::u16string(name); }
  std::u16string StringsFile() const { return Beside(u"Strings.xml"); }
  std::u16string Manual() const { return Beside(u"Manuals\\Manual.pdf"); }
  std::u16string HookLibrary() const { return Beside(u"Quorbel.dll"); }
};

inline ProgramFolders ProgramFoldersOf(std::u16string_view moduleFileName) {
  return {FolderOfModule(moduleFileName)};
}

// The process-wide answer: empty until start-up (or a test) sets it.
inline ProgramFolders& ProcessFoldersStorage() {
  static ProgramFolders folders;
  return folders;
}
inline void SetProgramFolders(ProgramFolders folders) { ProcessFoldersStorage() = std::move(folders); }
inline const ProgramFolders& Folders() { return ProcessFoldersStorage(); }

}  // namespace platform
