#pragma once
// The modal window that picks the program a key launches. The caller hands it the key's program path
// and name, runs it, and on 1 (OK) writes both texts back into the record; 2 is Cancel.

#include <optional>
#include <string>

#include "skin/SkinnedDialog.h"

class CLaunchProgram : public skin::CSkinnedDialog {
 public:
  enum Button { kOk, kCancel, kBrowse };

  CLaunchProgram();

  // Before the run: what the key holds now.
  void SetProgram(std::wstring path, std::wstring name);
  const std::wstring& ProgramPath() const { return m_path; }
  const std::wstring& ProgramName() const { return m_name; }

 protected:
  BOOL OnInitDialog() override;
  void OnButton(std::size_t index) override;
  void DrawContent(HDC dc) const override;

 private:
  // The platform's open-file dialog, starting at the current path; nothing when the user cancels.
  std::optional<std::wstring> AskForProgram() const;
  void Browse();

  std::wstring m_path, m_name;
};

namespace editors {

// The FileDescription of an executable's version resource, in the language of its first translation;
// empty when the file has no version resource, no translation table or no description.
std::wstring FileDescriptionOf(const std::wstring& path);

}  // namespace editors
