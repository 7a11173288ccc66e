#include "profiles/ProfileSetDlg.h"

#include <commdlg.h>
#include <shlobj.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <optional>
#include <vector>

#include "dialogs/WarningDlg.h"
#include "platform/WindowMessages.h"
#include "platform/win32/Text.h"
#include "profiles/ProfileSetRows.h"
#include "resources/Resource.h"
#include "store/ProfileFile.h"
#include "strings/StringTable.h"

namespace {

using profiles::kRowCount;
using D = CProfileSetDlg;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kOrange = RGB(255, 175, 0);
constexpr COLORREF kGrey = RGB(96, 96, 96);
constexpr std::size_t kButtonCount = D::kFirstReset + kRowCount;

constexpr RECT Win(const profiles::RowRect& r) { return {r.left, r.top, r.right, r.bottom}; }

std::array<skin::DialogButton, kButtonCount> MakeButtons() {
  std::array<skin::DialogButton, kButtonCount> buttons{};
  buttons[D::kOk] = {{302, 378, 410, 404}, &strings::kOtherOk};
  buttons[D::kCancel] = {{413, 378, 522, 404}, &strings::kOtherCancel};
  buttons[D::kExport] = {{16, 33, 90, 57}, &strings::kProfileSetExport, {kWhite, kOrange, kWhite}};
  buttons[D::kImport] = {{119, 33, 187, 57}, &strings::kProfileSetImport, {kWhite, kOrange, kWhite}};
  for (int row = 0; row < kRowCount; ++row) {
    buttons[D::kFirstAutoSwitch + row] = {Win(profiles::RowAutoSwitch(row))};
    buttons[D::kFirstReset + row] = {Win(profiles::RowReset(row)), &strings::kProfileSetReset,
                                     {kBlack, kBlack, kWhite}};
  }
  return buttons;
}
const auto kButtons = MakeButtons();

const skin::DialogText kTexts[] = {
    {&strings::kProfileSetTitle, {14, 10, 314, 30}, skin::kTitleStyle},
    {&strings::kProfileSetName, {16, 63, 155, 83}, skin::kLabelStyle},
    {&strings::kProfileSetApp, {156, 63, 330, 83}, skin::kLabelStyle},
    {&strings::kProfileSetAuto, {331, 63, 440, 83}, skin::kLabelStyle},
    {&strings::kProfileSetReset, {441, 63, 520, 83}, skin::kLabelStyle},
};

// Each row's Reset waits 500 ms on a timer of its own; 0 is kept free as no timer.
constexpr UINT_PTR ResetTimer(int row) { return static_cast<UINT_PTR>(row) + 1; }
constexpr UINT kResetDelay = 500;

// Room for any path the system can open; a longer choice fails the dialog, which then counts as cancelled.
constexpr std::size_t kFileBufferChars = 32768;

struct FileQuestion {
  bool save = false;
  const wchar_t* filter;  // pairs of description and pattern, ended by an empty pair
  const wchar_t* extension;
  const wchar_t* initialName;
  std::wstring folder;
  DWORD flags;
};

std::optional<std::wstring> AskForFile(HWND owner, const FileQuestion& q) {
  std::vector<wchar_t> file(kFileBufferChars, L'\0');
  std::wcsncpy(file.data(), q.initialName, file.size() - 1);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = q.filter;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = q.folder.empty() ? nullptr : q.folder.c_str();
  ofn.lpstrDefExt = q.extension;
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | q.flags;
  if (!(q.save ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn))) return std::nullopt;
  return std::wstring(file.data(), ::wcsnlen(file.data(), file.size()));
}

std::wstring ProgramFilesFolder() {
  wchar_t folder[MAX_PATH] = {};
  const DWORD needed = ::ExpandEnvironmentStringsW(L"%ProgramFiles%", folder, MAX_PATH);
  return needed > 0 && needed <= MAX_PATH ? folder : L"";
}

std::wstring DocumentsFolder() {
  wchar_t folder[MAX_PATH] = {};
  return SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder)) ? folder : L"";
}

constexpr wchar_t kProfileFilter[] = L"Profile File(*.prof)\0*.prof\0\0";

std::wstring SystemMessage(DWORD error) {
  wchar_t text[512] = {};
  const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                        text, static_cast<DWORD>(std::size(text)), nullptr);
  std::wstring message(text, std::min<std::size_t>(length, std::size(text)));
  while (!message.empty() && std::wcschr(L" \r\n", message.back())) message.pop_back();
  return message;
}

// The reader's or writer's reason, with the system's own words when the system refused the file.
std::wstring ReasonText(const store::ProfileFileResult& result, DWORD systemError) {
  const std::string description = result.description();
  std::wstring reason(description.begin(), description.end());
  using enum store::ProfileFileStatus;
  const bool systemFailure = result.status == CannotCreate || result.status == CannotWrite ||
                             result.status == CannotOpen || result.status == CannotRead;
  const std::wstring system = systemFailure && systemError != 0 ? SystemMessage(systemError) : L"";
  return system.empty() ? reason + L"." : reason + L": " + system;
}

}  // namespace

CProfileSetDlg::CProfileSetDlg(store::SettingsStore& store)
    : CSkinnedDialog(IDD_PROFILESET), m_store(store), m_copy(store::MakeStore()) {}

BOOL CProfileSetDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  const auto files = SkinSet(u"profile selection");
  BuildSkin(files, kButtons, kTexts);
  // The auto switch boxes never light up under the pointer: their over face is the normal picture's,
  // which the button table cannot say, so they are cut again with the down picture loaded once more.
  skin::SkinBitmap down;
  skin::LoadSkinBitmap(win::Wide(files.down).c_str(), down);
  const skin::FaceCutter cutter;
  const HBITMAP normal = Skin().normal();
  for (int row = 0; row < kRowCount && ButtonCount() == kButtonCount; ++row) {
    skin::CBitmapBtn2& box = GetButton(kFirstAutoSwitch + row);
    const RECT r = Win(profiles::RowAutoSwitch(row));
    box.SetFaces(cutter, normal, normal, down.get(), normal, r.left, r.top, r.right, r.bottom);
    box.toggleMode = true;
    skin::CBitmapBtn2& reset = GetButton(kFirstReset + row);
    reset.toggleMode = true;
    reset.fontHeight = 17;
  }
  m_defaultName = strings::LookUpString(strings::kProfileSetProfile);
  LoadFromStore();
  return TRUE;
}

bool CProfileSetDlg::Built() const { return m_hWnd && ButtonCount() == kButtonCount; }

int CProfileSetDlg::SelectedRow() const { return store::CurrentProfileIndex(*m_copy); }

std::wstring CProfileSetDlg::RowNameText(int row) const {
  if (!store::ValidProfile(row)) return {};
  return win::Wide(profiles::RowName(m_copy->profiles[row], row, m_defaultName));
}

std::wstring CProfileSetDlg::RowProgramText(int row) const {
  if (!store::ValidProfile(row)) return {};
  return win::Wide(profiles::RowProgram(m_copy->profiles[row]));
}

void CProfileSetDlg::LoadFromStore() {
  m_copy->CopyFrom(m_store);
  // The selected row is the copy's current profile; one out of range would select no row and be committed.
  m_copy->header.ProfileCurrent = static_cast<std::uint32_t>(store::CurrentProfileIndex(*m_copy));
  RefreshRows();
}

void CProfileSetDlg::RefreshRows() {
  StopPendingReset();
  ShowRowButtons();
  if (m_hWnd) Invalidate(false);
}

void CProfileSetDlg::ShowRowButtons() {
  if (!Built()) return;
  for (int row = 0; row < kRowCount; ++row) {
    GetButton(kFirstAutoSwitch + row).SetChecked(Row(row).AutoSwitch != 0);
    GetButton(kFirstReset + row).SetChecked(row == m_pendingReset);
  }
}

void CProfileSetDlg::InvalidateRow(int row) {
  const RECT r = Win(profiles::RowBackground(row));
  if (m_hWnd) ::InvalidateRect(m_hWnd, &r, FALSE);
}

void CProfileSetDlg::SelectRow(int row) {
  m_copy->header.ProfileCurrent = static_cast<std::uint32_t>(row);
  Invalidate(false);
}

void CProfileSetDlg::DrawContent(HDC dc) const {
  const int selected = SelectedRow();
  for (int row = 0; row < kRowCount; ++row) {
    skin::FillBox(dc, Win(profiles::RowBackground(row)), row == selected ? kOrange : kGrey);
    skin::DrawTextLine(dc, RowNameText(row), Win(profiles::RowNameCell(row)), skin::kLabelStyle);
    skin::DrawTextLine(dc, RowProgramText(row), Win(profiles::RowProgramCell(row)), skin::kLabelStyle);
  }
}

void CProfileSetDlg::OnButton(std::size_t index) {
  if (index >= kFirstReset && index < kButtonCount) return StartReset(static_cast<int>(index - kFirstReset));
  if (index >= kFirstAutoSwitch && index < kFirstReset) {
    const int row = static_cast<int>(index - kFirstAutoSwitch);
    profiles::ToggleAutoSwitch(Row(row));
    GetButton(index).SetChecked(Row(row).AutoSwitch != 0);
    return;
  }
  switch (index) {
    case kOk: return Close(true);
    case kCancel: return Close(false);
    case kExport: return Export();
    case kImport: return Import();
    default: return;
  }
}

void CProfileSetDlg::OnCancel() {
  // The close command of a hidden dialog must not tell the main window that it closed.
  if (IsWindowVisible()) Close(false);
}

void CProfileSetDlg::Close(bool commit) {
  // A reset still waiting for its question would otherwise ask about a dialog that is gone.
  StopPendingReset();
  if (commit) m_store.CopyFrom(*m_copy);
  EndDialog(commit ? IDOK : IDCANCEL);  // hides it
  PostToMainWindow(wm::kFromProfileDialog, wm::kClosed);
}

// --- Reset -------------------------------------------------------------------------------------------------

void CProfileSetDlg::StartReset(int row) {
  // A second Reset within the delay replaces the first, whose button goes back up.
  if (m_pendingReset != row) StopPendingReset();
  m_pendingReset = row;
  GetButton(kFirstReset + row).SetChecked(true);  // also when the click has just unchecked it
  SetTimer(ResetTimer(row), kResetDelay);
}

void CProfileSetDlg::StopPendingReset() {
  if (m_pendingReset < 0) return;
  if (m_hWnd) KillTimer(ResetTimer(m_pendingReset));
  if (Built()) GetButton(kFirstReset + m_pendingReset).SetChecked(false);
  m_pendingReset = -1;
}

void CProfileSetDlg::OnTimer(UINT_PTR id) {
  KillTimer(id);
  if (m_pendingReset >= 0 && id == ResetTimer(m_pendingReset))
    PostToMainWindow(wm::kFromProfileDialog, wm::kConfirm);
}

void CProfileSetDlg::ResetDecision(bool confirmed) {
  const int row = m_pendingReset;
  if (!store::ValidProfile(row)) return;  // the rows were refreshed meanwhile: nothing is pending
  if (confirmed) {
    std::memset(static_cast<void*>(&Row(row)), 0, sizeof(store::ProfileRecord));
    if (Built()) GetButton(kFirstAutoSwitch + row).SetChecked(false);
    InvalidateRow(row);
  }
  StopPendingReset();
}

// --- Programs and profile files ----------------------------------------------------------------------------

void CProfileSetDlg::ChooseProgram(int row) {
  const auto path = AskForFile(m_hWnd, {false, L"(*.exe)\0*.exe\0\0", L"exe", L"*.exe", ProgramFilesFolder(), 0});
  if (!path) return;
  profiles::SetProgram(Row(row), win::Utf16(*path));
  InvalidateRow(row);
}

void CProfileSetDlg::Export() {
  const auto path =
      AskForFile(m_hWnd, {true, kProfileFilter, L"prof", L"*.prof", DocumentsFolder(), OFN_OVERWRITEPROMPT});
  if (!path) return;
  ::SetLastError(0);
  const auto result = store::WriteProfileFile(std::filesystem::path(*path), Row(SelectedRow()));
  const DWORD error = ::GetLastError();
  if (!result.ok()) TellFileFailed(*path, ReasonText(result, error));
}

void CProfileSetDlg::Import() {
  const auto path =
      AskForFile(m_hWnd, {false, kProfileFilter, L"prof", L"*.prof", DocumentsFolder(), OFN_FILEMUSTEXIST});
  if (!path) return;
  const int row = SelectedRow();
  ::SetLastError(0);
  const auto result = store::ReadProfileFile(std::filesystem::path(*path), Row(row));
  const DWORD error = ::GetLastError();
  if (!result.ok()) return TellFileFailed(*path, ReasonText(result, error));  // the row is untouched
  ShowRowButtons();
  Invalidate(false);
}

void CProfileSetDlg::TellFileFailed(const std::wstring& path, const std::wstring& reason) {
  // Modal over this dialog, which is the active window: the main window is disabled while it shows.
  RunWarning(dialogs::WarningMode::kProfileFileFailed, m_hWnd,
             win::Wide(profiles::FileNameAndExtension(win::Utf16(path))), reason);
}

// --- Mouse -------------------------------------------------------------------------------------------------

LRESULT CProfileSetDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
      // Both presses of a double click select, as single presses do.
      if (const int row = profiles::RowPressedAt(x, y); row >= 0) SelectRow(row);
      if (msg == WM_LBUTTONDBLCLK)
        if (const int row = profiles::ProgramCellAt(x, y); row >= 0) ChooseProgram(row);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (::GetActiveWindow() != m_hWnd) ::SetActiveWindow(m_hWnd);
      break;
    default:
      break;
  }
  return CSkinnedDialog::WindowProc(msg, wParam, lParam);
}
