#include "editors/LaunchProgram.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <vector>

#include "resources/Resource.h"

namespace {

using skin::DialogButton;
using skin::DialogText;

constexpr COLORREF kWhite = RGB(255, 255, 255);

const DialogButton kButtons[] = {
    {{152, 173, 261, 198}, &strings::kOtherOk},
    {{264, 173, 372, 198}, &strings::kOtherCancel},
    {{256, 110, 351, 136}, &strings::kOtherBrowse, {kWhite, kWhite, kWhite}},
};

constexpr skin::TextStyle kTitle{L"BankGothic Lt BT", 18, FW_NORMAL, RGB(255, 175, 0)};
const DialogText kTexts[] = {
    {&strings::kOtherProgram, {20, 15, 300, 35}, kTitle},
    {&strings::kOtherShortcut, {41, 42, 260, 60}, skin::kLabelStyle},
    {&strings::kOtherPath, {40, 92, 168, 111}, skin::kLabelStyle},
};

constexpr RECT kNameBox{41, 63, 346, 80};
constexpr RECT kPathBox{41, 115, 250, 132};
constexpr COLORREF kBoxColour = RGB(207, 207, 207);
constexpr skin::TextStyle kBoxText{L"Arial", 16, FW_NORMAL, RGB(0, 0, 0)};

// Room for any path the system can open, far beyond MAX_PATH; a longer choice fails the dialog, which
// then counts as cancelled.
constexpr std::size_t kFileBufferChars = 32768;

}  // namespace

CLaunchProgram::CLaunchProgram() : CSkinnedDialog(IDD_LAUNCHPROGRAM) {}

void CLaunchProgram::SetProgram(std::wstring path, std::wstring name) {
  m_path = std::move(path);
  m_name = std::move(name);
}

BOOL CLaunchProgram::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  BuildSkin(SkinSet(u"program selection"), kButtons, kTexts);
  return TRUE;
}

void CLaunchProgram::OnButton(std::size_t index) {
  switch (index) {
    case kOk: EndDialog(IDOK); return;
    case kCancel: EndDialog(IDCANCEL); return;
    case kBrowse: Browse(); return;
    default: return;
  }
}

void CLaunchProgram::DrawContent(HDC dc) const {
  skin::FillBox(dc, kNameBox, kBoxColour);
  skin::DrawTextLine(dc, m_name, kNameBox, kBoxText);
  skin::FillBox(dc, kPathBox, kBoxColour);
  skin::DrawTextLine(dc, m_path, kPathBox, kBoxText);
}

std::optional<std::wstring> CLaunchProgram::AskForProgram() const {
  std::vector<wchar_t> file(kFileBufferChars, L'\0');
  m_path.copy(file.data(), std::min(m_path.size(), file.size() - 1));
  // Pairs of description and pattern, ended by an empty pair.
  static constexpr wchar_t kFilter[] = L"exe files (*.exe)\0*.exe\0\0";

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = m_hWnd;
  ofn.lpstrFilter = kFilter;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrDefExt = L"exe";
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!::GetOpenFileNameW(&ofn)) return std::nullopt;
  return std::wstring(file.data(), ::wcsnlen(file.data(), file.size()));
}

void CLaunchProgram::Browse() {
  auto chosen = AskForProgram();
  if (!chosen) return;
  m_path = std::move(*chosen);
  m_name = editors::FileDescriptionOf(m_path);
  ::InvalidateRect(m_hWnd, &kNameBox, FALSE);
  ::InvalidateRect(m_hWnd, &kPathBox, FALSE);
}

namespace editors {
namespace {

// Where VerQueryValueW says a value lies, if all of it lies inside the block it was asked about.
const std::byte* ValueInside(const std::vector<std::byte>& block, const void* value, std::size_t bytes) {
  const auto begin = reinterpret_cast<std::uintptr_t>(block.data());
  const auto at = reinterpret_cast<std::uintptr_t>(value);
  if (!value || at < begin || at - begin > block.size() || bytes > block.size() - (at - begin)) return nullptr;
  return static_cast<const std::byte*>(value);
}

}  // namespace

std::wstring FileDescriptionOf(const std::wstring& path) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<std::byte> block(size);
  if (!::GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return {};

  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length) || length < 4) return {};
  const std::byte* translation = ValueInside(block, value, 4);
  if (!translation) return {};
  WORD language = 0, codePage = 0;
  std::memcpy(&language, translation, sizeof(language));
  std::memcpy(&codePage, translation + sizeof(language), sizeof(codePage));

  wchar_t query[256];
  std::swprintf(query, std::size(query), L"\\StringFileInfo\\%04x%04x\\FileDescription", language, codePage);
  value = nullptr;
  length = 0;  // characters, for a text
  if (!::VerQueryValueW(block.data(), query, &value, &length) || length == 0) return {};
  const std::byte* text = ValueInside(block, value, std::size_t{length} * sizeof(wchar_t));
  if (!text) return {};
  std::wstring description(length, L'\0');
  std::memcpy(description.data(), text, std::size_t{length} * sizeof(wchar_t));
  description.resize(::wcsnlen(description.c_str(), description.size()));
  return description;
}

}  // namespace editors
