// The launch program dialog for real under Wine, with the shipped texts and skin and two small programs
// beside the test: real clicks on its buttons, and the platform's open-file dialog answered by typing.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <iterator>
#include <string>
#include <string_view>

#include "editors/LaunchProgram.h"
#include "platform/ProgramFolders.h"
#include "platform/win32/Text.h"
#include "tests/framework/TestSupport.h"

namespace {

using D = CLaunchProgram;
constexpr wchar_t kDescription[] = L"Trelm Test Program";
constexpr RECT kButtonRects[] = {{152, 173, 261, 198}, {264, 173, 372, 198}, {256, 110, 351, 136}};

std::wstring Beside(const wchar_t* name) { return win::Wide(platform::Folders().exe) + name; }
std::wstring Versioned() { return Beside(L"LaunchTargetVersioned.exe"); }
std::wstring Plain() { return Beside(L"LaunchTargetPlain.exe"); }

void Click(D& dialog, D::Button button) {
  const RECT& r = kButtonRects[button];
  fwtest::ClickAt(dialog.GetHwnd(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

INT_PTR RunWith(D& dialog, std::wstring path, std::wstring name, std::function<void(D&)> act) {
  dialog.SetProgram(std::move(path), std::move(name));
  return fwtest::DoModalAndAct(dialog, std::move(act));
}

TEST(LaunchProgram, OnlyItsButtonsAndTheCloseCommandEndItAndOkKeepsTheTexts) {
  struct Case {
    const wchar_t *path, *name;
    std::function<void(D&)> close;
    INT_PTR expected;
  };
  const Case cases[] = {
      {L"C:\\Games\\Quest\\quest.exe", L"Quest", [](D& d) { Click(d, D::kOk); }, IDOK},
      {L"", L"", [](D& d) { Click(d, D::kOk); }, IDOK},
      {L"C:\\a.exe", L"A", [](D& d) { Click(d, D::kCancel); }, IDCANCEL},
      {L"C:\\a.exe", L"A", [](D& d) { d.PostMessage(WM_CLOSE); }, IDCANCEL},
  };
  for (const Case& c : cases) {
    D dialog;
    const INT_PTR result = RunWith(dialog, c.path, c.name, [&](D& d) {
      const RECT rect = d.GetWindowRect();
      EXPECT_EQ(rect.right - rect.left, 386);  // the size of its skin
      EXPECT_EQ(rect.bottom - rect.top, 212);
      fwtest::PressKey(VK_RETURN);
      fwtest::PressKey(VK_ESCAPE);
      fwtest::PumpFor(200);
      EXPECT_TRUE(d.IsWindowVisible()) << "Enter and Esc must not close it";
      c.close(d);
    });
    EXPECT_EQ(result, c.expected) << c.path;
    EXPECT_EQ(dialog.ProgramPath(), c.path);
    EXPECT_EQ(dialog.ProgramName(), c.name);
  }
}

TEST(LaunchProgram, TheNameIsTheFileDescriptionOfTheVersionResource) {
  EXPECT_EQ(editors::FileDescriptionOf(Versioned()), kDescription);
  for (const std::wstring& none : {Plain(), Beside(L"NoSuchProgram.exe"), Beside(L"Strings.xml"), std::wstring()})
    EXPECT_EQ(editors::FileDescriptionOf(none), L"") << none;
}

// --- The open-file dialog, answered from inside its own modal run ------------------------------------------

// `typed` replaces the file name and Enter confirms it; nothing typed presses Esc.
struct OpenFileAnswer {
  HWND owner = nullptr;
  std::wstring typed, shownFirst;
  DWORD seenAt = 0, answeredAt = 0;
} g_answer;

void CALLBACK AnswerOpenFile(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = fwtest::ModalOver(g_answer.owner);
  const DWORD now = ::GetTickCount();
  if (g_answer.answeredAt) {
    if (!dialog) {
      ::KillTimer(nullptr, id);
    } else if (now - g_answer.answeredAt > 5000) {  // never hang the run
      ADD_FAILURE() << "the open-file dialog did not take the answer";
      ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    return;
  }
  if (!dialog) return;
  if (!g_answer.seenAt) g_answer.seenAt = now;
  if (now - g_answer.seenAt < 500) return;  // let it fill its folder view first
  g_answer.answeredAt = now;
  g_answer.shownFirst = fwtest::AnswerFileDialog(dialog, g_answer.typed);
}

TEST(LaunchProgram, BrowseTakesTheChosenProgramAndItsNameAndCancelChangesNothing) {
  const std::wstring longPath = L"C:\\" + std::wstring(600, L'x') + L"\\long.exe";
  struct Case {
    std::wstring path, name, typed, expectedPath, expectedName;
  };
  const Case cases[] = {
      {Plain(), L"Old", Versioned(), Versioned(), kDescription},
      {Versioned(), kDescription, Plain(), Plain(), L""},
      {Versioned(), L"Kept", L"", Versioned(), L"Kept"},
      {longPath, L"Long", Versioned(), Versioned(), kDescription},
      {longPath, L"Long", L"", longPath, L"Long"},
  };
  for (const Case& c : cases) {
    D dialog;
    g_answer = {};
    g_answer.typed = c.typed;
    const INT_PTR result = RunWith(dialog, c.path, c.name, [](D& d) {
      g_answer.owner = d.GetHwnd();
      ::SetTimer(nullptr, 0, 100, &AnswerOpenFile);
      Click(d, D::kBrowse);
      EXPECT_TRUE(fwtest::PumpUntil([] { return g_answer.answeredAt && !fwtest::ModalOver(g_answer.owner); }, 15000));
      Click(d, D::kOk);
    });
    const auto at = &c - cases;
    EXPECT_EQ(result, IDOK) << at;
    if (::GetFileAttributesW(c.path.c_str()) != INVALID_FILE_ATTRIBUTES) {  // it starts at the current program
      EXPECT_FALSE(g_answer.shownFirst.empty()) << at;
      EXPECT_TRUE(c.path.ends_with(g_answer.shownFirst)) << at;
    }
    EXPECT_EQ(dialog.ProgramPath(), c.expectedPath) << at;
    EXPECT_EQ(dialog.ProgramName(), c.expectedName) << at;
  }
}

}  // namespace
