// The profile management dialog for real under Wine, with the shipped texts and skin beside the test: a
// hidden child of a stand-in main window (titled like the real one, recording what the dialog posts and
// answering the reset question as the main window does), driven by real clicks, with the platform's file
// dialogs answered by typing and the notices by clicking.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/WarningDlg.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Text.h"
#include "profiles/ProfileSetRows.h"
#include "profiles/ProfileSetDlg.h"
#include "tests/framework/TestSupport.h"

namespace {

using D = CProfileSetDlg;
constexpr POINT kAt{446, 539};  // where the main window attaches it

// --- The modal windows the dialog opens, answered one after another from a timer ----------------------------

struct Answers {
  HWND owner = nullptr;
  std::deque<std::function<void(HWND)>> steps;
  HWND answered = nullptr;
  DWORD seenAt = 0;
  std::vector<std::wstring> firstNames;  // what each file dialog showed in its name box
  std::wstring noticeTitle, noticeFirst, noticeSecond;
} g_answers;

void CALLBACK Answer(HWND, UINT, UINT_PTR id, DWORD) {
  HWND window = fwtest::ModalOver(g_answers.owner);
  if (!window || window == g_answers.answered) return;
  const DWORD now = ::GetTickCount();
  if (!g_answers.seenAt) g_answers.seenAt = now;
  if (now - g_answers.seenAt < 500) return;  // let a file dialog fill its folder view first
  g_answers.seenAt = 0;
  g_answers.answered = window;
  if (g_answers.steps.empty()) {
    ADD_FAILURE() << "an unexpected window opened";
    ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  auto step = std::move(g_answers.steps.front());
  g_answers.steps.pop_front();
  if (g_answers.steps.empty()) ::KillTimer(nullptr, id);
  step(window);
}

// `typed` replaces the file name and Enter confirms it; nothing typed presses Esc.
std::function<void(HWND)> TypeFileName(std::wstring typed) {
  return [typed](HWND dialog) { g_answers.firstNames.push_back(fwtest::AnswerFileDialog(dialog, typed)); };
}

std::function<void(HWND)> ReadAndCloseNotice() {
  return [](HWND window) {
    auto* notice = dynamic_cast<CWarningDlg*>(CWnd::FromHandle(window));
    ASSERT_TRUE(notice);
    g_answers.noticeTitle = notice->GetTitleText();
    g_answers.noticeFirst = notice->GetFirstLine();
    g_answers.noticeSecond = notice->GetSecondLine();
    fwtest::ClickCentre(notice->GetOkButton());
  };
}

// --- The fixture ---------------------------------------------------------------------------------------------

std::wstring TempPath(const wchar_t* name) {
  wchar_t folder[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + name;
}

std::vector<char> FileBytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A profile record is half a megabyte: copies live on the heap.
using Bytes = std::vector<unsigned char>;
Bytes BytesOf(const store::ProfileRecord& profile) {
  const auto* begin = reinterpret_cast<const unsigned char*>(&profile);
  return Bytes(begin, begin + sizeof(store::ProfileRecord));
}
bool SameProfile(const store::ProfileRecord& a, const store::ProfileRecord& b) { return BytesOf(a) == BytesOf(b); }

class ProfileSetDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    fwtest::UseProgramFilesBesideTest();  // a test before may have pointed the texts elsewhere
    Name(0, u"Racing", u"racer.exe");
    settings->profiles[0].AutoSwitch = 1;
    settings->profiles[0].Keymap = 2;
    settings->profiles[0].keys[1][20].FunctionKind = 1;
    settings->profiles[0].keys[1][20].bytes[26] = 0x41;
    settings->profiles[0].keys[2][109].bytes[1591] = 0x5A;
    Name(3, u"Office", u"word.exe");
    settings->header.ProfileCurrent = 1;

    main = std::make_unique<fwtest::StandInMainWindow>();
    ASSERT_TRUE(main->IsWindow());
    dialog = std::make_unique<D>(*settings);
    ASSERT_TRUE(dialog->Create(main->GetHwnd()));
    EXPECT_FALSE(dialog->IsWindowVisible());
    main->onMessage = [this](const fwtest::StandInMainWindow::Received& r) {
      if (r.msg != wm::kFromProfileDialog || r.code != wm::kConfirm) return;
      dialog->EnableWindow(false);  // as the main window runs the question
      dialog->ResetDecision(confirm);
      dialog->EnableWindow(true);
    };
    g_answers = {};
    g_answers.owner = dialog->GetHwnd();
  }
  void TearDown() override {  // SetUp may have stopped part-way
    if (dialog) dialog->DestroyWindow();
    if (main) main->onMessage = nullptr;
    main.reset();
  }
  // What the dialog told the main window.
  std::vector<WPARAM> Told() const { return main->Codes(wm::kFromProfileDialog); }

  void Name(int profile, std::u16string_view name, std::u16string_view program) {
    store::CopyTerminated(settings->profiles[profile].Name, store::kPathCapacity, name);
    store::CopyTerminated(settings->profiles[profile].Exe, store::kPathCapacity, program);
  }
  // As the main window's PROFILE command shows it.
  void Show() {
    main->received.clear();
    dialog->LoadFromStore();
    dialog->SetWindowPos(nullptr, kAt.x, kAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    dialog->ShowWindow(SW_SHOW);
    ::EnableWindow(main->GetHwnd(), FALSE);
    ::SetActiveWindow(dialog->GetHwnd());
    fwtest::PumpFor(50);
  }
  // Closes with a button or the close command and waits for the report, as the main window does.
  void Close(int button) {
    if (button == D::kOk || button == D::kCancel)
      Click(static_cast<D::Button>(button));
    else
      dialog->PostMessage(WM_CLOSE);
    EXPECT_TRUE(fwtest::PumpUntil([this] { return !Told().empty() && Told().back() == wm::kClosed; }));
    EXPECT_FALSE(dialog->IsWindowVisible());
    ::EnableWindow(main->GetHwnd(), TRUE);
  }
  void Click(RECT r) { fwtest::ClickAt(dialog->GetHwnd(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2}); }
  void Click(D::Button button) {
    static constexpr RECT kRects[] = {{302, 378, 410, 404}, {413, 378, 522, 404}, {16, 33, 90, 57}, {119, 33, 187, 57}};
    Click(kRects[button]);
  }
  void Click(profiles::RowRect r) { Click(RECT{r.left, r.top, r.right, r.bottom}); }
  void ClickRow(int row) { fwtest::ClickAt(dialog->GetHwnd(), {60, profiles::RowTop(row) + 10}); }
  bool Checked(int button) { return dialog->GetButton(static_cast<std::size_t>(button)).GetChecked() != 0; }

  // Clicks `button`, answers what opens with `steps` and waits until every answer was given.
  void ClickAndAnswer(D::Button button, std::deque<std::function<void(HWND)>> steps) {
    g_answers.steps = std::move(steps);
    ::SetTimer(nullptr, 0, 100, &Answer);
    Click(button);
    EXPECT_TRUE(fwtest::PumpUntil(
        [] { return g_answers.steps.empty() && !fwtest::ModalOver(g_answers.owner); }, 20000));
  }

  std::unique_ptr<store::SettingsStore> settings = store::MakeStore();
  std::unique_ptr<fwtest::StandInMainWindow> main;
  bool confirm = true;  // the user's answer to the reset question
  std::unique_ptr<D> dialog;
};

TEST_F(ProfileSetDialog, RowsShowTheProfilesAndThePointerActivatesIt) {
  Show();
  const RECT rect = dialog->GetWindowRect();
  EXPECT_EQ(rect.right - rect.left, 536);  // the size of its skin
  EXPECT_EQ(rect.bottom - rect.top, 418);
  EXPECT_EQ(dialog->RowNameText(0), L"Racing");
  EXPECT_EQ(dialog->RowProgramText(0), L"racer.exe");
  EXPECT_EQ(dialog->RowNameText(1), L"Profile 02");
  EXPECT_EQ(dialog->RowProgramText(1), L"");
  EXPECT_EQ(dialog->RowNameText(3), L"Office");
  EXPECT_EQ(dialog->RowNameText(9), L"Profile 10");
  EXPECT_EQ(dialog->SelectedRow(), 1);
  for (int row = 0; row < profiles::kRowCount; ++row) {
    EXPECT_EQ(Checked(D::kFirstAutoSwitch + row), row == 0) << row;
    EXPECT_FALSE(Checked(D::kFirstReset + row)) << row;
  }

  HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
  ::SetActiveWindow(other);
  fwtest::MoveTo(dialog->GetHwnd(), {250, 360});
  EXPECT_TRUE(fwtest::PumpUntil([&] { return ::GetActiveWindow() == dialog->GetHwnd(); }, 1000));
  ::DestroyWindow(other);

  fwtest::PressKey(VK_RETURN);
  fwtest::PressKey(VK_ESCAPE);
  fwtest::PumpFor(200);
  EXPECT_TRUE(dialog->IsWindowVisible()) << "Enter and Esc must not close it";
  Close(D::kCancel);
}

TEST_F(ProfileSetDialog, OkCommitsTheSelectedRowAndCancelOrTheCloseCommandDropsIt) {
  struct Case {
    int row;
    int closeWith;  // a button, or -1 for the close command
    std::uint32_t current;
  };
  const Case cases[] = {{5, D::kOk, 5}, {2, D::kCancel, 5}, {7, -1, 5}, {0, D::kOk, 0}};
  for (const Case& c : cases) {
    Show();
    ClickRow(c.row);
    EXPECT_EQ(dialog->SelectedRow(), c.row);
    settings->header.LightOption = 3;  // changed elsewhere meanwhile: OK puts back what it copied
    Close(c.closeWith);
    EXPECT_EQ(settings->header.ProfileCurrent, c.current) << c.row;
    EXPECT_EQ(settings->header.LightOption, c.closeWith == D::kOk ? 0u : 3u) << c.row;
    EXPECT_EQ(Told(), (std::vector<WPARAM>{wm::kClosed})) << c.row;
    settings->header.LightOption = 0;
  }
}

TEST_F(ProfileSetDialog, AResetAsksTheMainWindowAndOnlyAConfirmedOneClearsTheRowOnOk) {
  struct Case {
    bool confirm;
    D::Button closeWith;
    const wchar_t* rowAfter;
  };
  const Case cases[] = {{true, D::kOk, L"Profile 04"}, {false, D::kOk, L"Office"}, {true, D::kCancel, L"Profile 04"}};
  for (const Case& c : cases) {
    Name(3, u"Office", u"word.exe");
    settings->profiles[3].AutoSwitch = 1;
    const Bytes before = BytesOf(settings->profiles[3]);
    Show();
    confirm = c.confirm;
    Click(profiles::RowReset(3));
    EXPECT_TRUE(Checked(D::kFirstReset + 3));
    EXPECT_EQ(dialog->PendingReset(), 3);
    EXPECT_TRUE(Told().empty()) << "the question waits 500 ms";
    ASSERT_TRUE(fwtest::PumpUntil([&] { return dialog->PendingReset() == -1; }, 2000));
    EXPECT_EQ(Told(), (std::vector<WPARAM>{wm::kConfirm}));
    EXPECT_FALSE(Checked(D::kFirstReset + 3));
    EXPECT_EQ(Checked(D::kFirstAutoSwitch + 3), !c.confirm);
    EXPECT_EQ(dialog->RowNameText(3), c.rowAfter);
    EXPECT_EQ(dialog->RowProgramText(3), c.confirm ? L"" : L"word.exe");
    EXPECT_TRUE(BytesOf(settings->profiles[3]) == before) << "nothing reaches the store before OK";
    Close(c.closeWith);
    const bool cleared = c.confirm && c.closeWith == D::kOk;
    EXPECT_TRUE(BytesOf(settings->profiles[3]) == (cleared ? Bytes(store::kProfileSize, 0) : before)) << c.confirm;
  }
}

TEST_F(ProfileSetDialog, TheAutoSwitchBoxesFlipTheirProfilesFlags) {
  Show();
  for (int row : {0, 2, 2, 4}) Click(profiles::RowAutoSwitch(row));
  EXPECT_FALSE(Checked(D::kFirstAutoSwitch + 0));
  EXPECT_FALSE(Checked(D::kFirstAutoSwitch + 2));
  EXPECT_TRUE(Checked(D::kFirstAutoSwitch + 4));
  EXPECT_EQ(dialog->SelectedRow(), 1) << "the boxes do not select";
  Close(D::kOk);
  const std::uint32_t expected[] = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
  for (int row = 0; row < profiles::kRowCount; ++row) EXPECT_EQ(settings->profiles[row].AutoSwitch, expected[row]);
}

TEST_F(ProfileSetDialog, AnExportedProfileImportsIntoAnotherRowWithAllItsKeys) {
  const std::wstring file = TempPath(L"trelm racing.prof");
  ::DeleteFileW(file.c_str());
  Show();
  ClickRow(0);
  ClickAndAnswer(D::kExport, {TypeFileName(file)});
  const std::vector<char> bytes = FileBytes(file);
  ASSERT_EQ(bytes.size(), 526420u);
  EXPECT_EQ(std::memcmp(bytes.data(), &settings->profiles[0], bytes.size()), 0);
  EXPECT_EQ(g_answers.firstNames, (std::vector<std::wstring>{L"*.prof"}));

  ClickRow(4);
  ClickAndAnswer(D::kImport, {TypeFileName(file)});
  EXPECT_EQ(dialog->RowNameText(4), L"Racing");
  EXPECT_EQ(dialog->RowProgramText(4), L"racer.exe");
  EXPECT_TRUE(Checked(D::kFirstAutoSwitch + 4));
  EXPECT_TRUE(SameProfile(dialog->WorkingCopy().profiles[4], settings->profiles[0]));
  EXPECT_EQ(settings->profiles[4].Name[0], u'\0') << "nothing reaches the store before OK";
  Close(D::kOk);
  EXPECT_TRUE(SameProfile(settings->profiles[4], settings->profiles[0]));
  EXPECT_EQ(settings->header.ProfileCurrent, 4u);
  ::DeleteFileW(file.c_str());
}

TEST_F(ProfileSetDialog, AFileThatCannotBeWrittenOrReadIsToldAndChangesNothing) {
  const std::wstring shortFile = TempPath(L"trelm short.prof");
  const std::wstring badLayer = TempPath(L"trelm layer.prof");
  {
    std::ofstream(std::filesystem::path(shortFile), std::ios::binary) << "not a profile";
    std::vector<char> bytes(526420, 0);
    bytes[526412] = 5;  // Keymap
    std::ofstream(std::filesystem::path(badLayer), std::ios::binary).write(bytes.data(), std::ssize(bytes));
  }
  const std::wstring missingFolder = TempPath(L"trelm no such folder\\out.prof");
  struct Case {
    D::Button button;
    std::wstring path, fileShown, reasonStart;
  };
  const Case cases[] = {
      {D::kImport, shortFile, L"trelm short.prof", L"The file is too short to be a profile"},
      {D::kImport, badLayer, L"trelm layer.prof", L"The layer choice in the file is out of range"},
      {D::kExport, missingFolder, L"out.prof", L"The profile file could not be created"},
  };
  for (const Case& c : cases) {
    Show();
    ClickRow(3);
    ClickAndAnswer(c.button, {TypeFileName(c.path), ReadAndCloseNotice()});
    EXPECT_EQ(g_answers.noticeTitle, L"Profile File");
    EXPECT_EQ(g_answers.noticeFirst, L"Nothing was changed. File: " + c.fileShown);
    EXPECT_TRUE(g_answers.noticeSecond.starts_with(c.reasonStart)) << g_answers.noticeSecond;
    EXPECT_TRUE(SameProfile(dialog->WorkingCopy().profiles[3], settings->profiles[3]));
    EXPECT_EQ(dialog->RowNameText(3), L"Office");
    EXPECT_TRUE(dialog->IsWindowVisible() && dialog->IsWindowEnabled());
    Close(D::kCancel);
    g_answers = {};
    g_answers.owner = dialog->GetHwnd();
  }
  EXPECT_EQ(::GetFileAttributesW(missingFolder.c_str()), INVALID_FILE_ATTRIBUTES);
  ::DeleteFileW(shortFile.c_str());
  ::DeleteFileW(badLayer.c_str());
}

TEST_F(ProfileSetDialog, ADoubleClickOnAProgramCellKeepsOnlyTheProgramsFileName) {
  const std::wstring folder = TempPath(L"trelm games\\Quest");
  std::filesystem::create_directories(std::filesystem::path(folder));
  const std::wstring game = folder + L"\\game.exe";
  std::ofstream(std::filesystem::path(game)) << "MZ";
  struct Case {
    std::wstring typed, expected;
  };
  const Case cases[] = {{game, L"game.exe"}, {L"", L"game.exe"}};  // Esc keeps what was chosen
  Show();
  for (const Case& c : cases) {
    g_answers.steps = {TypeFileName(c.typed)};
    g_answers.answered = nullptr;
    ::SetTimer(nullptr, 0, 100, &Answer);
    const POINT cell{200, profiles::RowTop(6) + 10};
    fwtest::MoveTo(dialog->GetHwnd(), cell);
    fwtest::LeftDown();
    fwtest::LeftUp();
    fwtest::LeftDown();  // the second press of a double click
    fwtest::LeftUp();
    EXPECT_TRUE(fwtest::PumpUntil([] { return g_answers.steps.empty() && !fwtest::ModalOver(g_answers.owner); }, 20000));
    EXPECT_EQ(dialog->RowProgramText(6), c.expected);
    EXPECT_EQ(dialog->SelectedRow(), 6);
  }
  EXPECT_EQ(g_answers.firstNames, (std::vector<std::wstring>{L"*.exe", L"*.exe"}));
  Close(D::kOk);
  EXPECT_EQ(std::u16string_view(settings->profiles[6].Exe), u"game.exe");
  std::filesystem::remove_all(std::filesystem::path(TempPath(L"trelm games")));
}

TEST_F(ProfileSetDialog, TheFileNoticeHasEnglishTextsWhenTheLanguageFileLacksThem) {
  const std::wstring oldFile = TempPath(L"trelm old strings.xml");
  std::ofstream(std::filesystem::path(oldFile)) << "<?xml version=\"1.0\"?><Strings><OTHER><OK>OK</OK></OTHER>"
                                                    "</Strings>";
  for (const bool shipped : {true, false}) {
    if (!shipped) strings::SetStringFilePath(win::Utf16(oldFile));
    CWarningDlg notice;
    notice.mode = dialogs::WarningMode::kProfileFileFailed;
    notice.detail = L"a.prof";
    notice.reason = L"Why.";
    ASSERT_TRUE(notice.Create(nullptr));
    EXPECT_EQ(notice.GetTitleText(), L"Profile File");
    EXPECT_EQ(notice.GetFirstLine(), L"Nothing was changed. File: a.prof");
    EXPECT_EQ(notice.GetSecondLine(), L"Why.");
    notice.DestroyWindow();
  }
  fwtest::UseProgramFilesBesideTest();
  ::DeleteFileW(oldFile.c_str());
}

}  // namespace
