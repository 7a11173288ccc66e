// The program's resources as the windows find them: templates, icon, strings, version, manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <cwctype>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "resources/Resource.h"

namespace {

// The style stored in a template: DIALOGEX keeps it at byte 12, the classic form at byte 0.
DWORD TemplateStyle(UINT id) {
  HRSRC resource = ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_DIALOG);
  if (!resource) return 0;
  const auto* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, resource)));
  WORD head[2];
  std::memcpy(head, bytes, sizeof(head));
  DWORD style;
  std::memcpy(&style, bytes + (head[0] == 1 && head[1] == 0xFFFF ? 12 : 0), sizeof(style));
  return style;
}

int ChildCount(HWND hwnd) {
  int count = 0;
  for (HWND child = ::GetWindow(hwnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) ++count;
  return count;
}

TEST(Templates, AreCaptionlessPopupsWithTheStylesTheirWindowsExpect) {
  struct Case {
    UINT id;
    bool visible;
    bool clipsChildren;
    int controls;
  } cases[] = {
      {IDD_OSSELSETTING_DIALOG, true, true, 0}, {IDD_ABOUTBOX, true, false, 2}, {IDD_BMPMENU, false, false, 0},
      {IDD_REFRENCE, false, true, 0},           {IDD_SWITCH, true, true, 0},    {IDD_MOUSE, true, true, 0},
      {IDD_MACROSET, true, true, 0},            {IDD_PROFILESET, true, true, 0}, {IDD_SINGLEKEY, true, true, 0},
      {IDD_WARNING, true, true, 0},             {IDD_LAUNCHPROGRAM, true, true, 0}, {IDD_SWITCHPROFILE, true, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    const DWORD style = TemplateStyle(c.id);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_EQ((style & WS_VISIBLE) != 0, c.visible);
    EXPECT_EQ((style & WS_CLIPCHILDREN) != 0, c.clipsChildren);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0u) << "no caption, no border";

    CDialog dialog(c.id);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(ChildCount(dialog.GetHwnd()), c.controls);
  }
}

TEST(Templates, AboutBoxHasTheTwoLinkStaticsToAttach) {
  CDialog about(IDD_ABOUTBOX);
  ASSERT_TRUE(about.Create());
  for (int id : {IDC_SUPPORT_LINK, IDC_FORUM_LINK}) {
    CWnd link;
    EXPECT_TRUE(link.AttachDlgItem(id, about.GetHwnd())) << id;
    wchar_t className[16] = {};
    ::GetClassNameW(link.GetHwnd(), className, 16);
    EXPECT_STREQ(className, L"Static");
  }
}

TEST(Resources, AboutItemTextIconVersionAndCommonControls) {
  wchar_t text[64] = {};
  ::LoadStringW(nullptr, IDS_ABOUTBOX, text, 64);
  EXPECT_STREQ(text, L"&About TrelmVantoria...");
  CDialog main(IDD_OSSELSETTING_DIALOG);
  ASSERT_TRUE(main.Create());
  HMENU system = ::GetSystemMenu(main.GetHwnd(), FALSE);
  ASSERT_NE(system, nullptr) << "the about item goes into the main window's system menu";
  EXPECT_TRUE(::AppendMenuW(system, MF_STRING, 16, text));

  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                 IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    BITMAP colour{};
    ::GetObjectW(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, size);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyIcon(icon);
  }

  wchar_t path[MAX_PATH];
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::vector<BYTE> version(::GetFileVersionInfoSizeW(path, nullptr));
  ASSERT_FALSE(version.empty());
  ASSERT_TRUE(::GetFileVersionInfoW(path, 0, static_cast<DWORD>(version.size()), version.data()));
  wchar_t* product = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(version.data(), L"\\StringFileInfo\\040904b0\\ProductVersion",
                               reinterpret_cast<void**>(&product), &length));
  EXPECT_STREQ(product, L"1.0.0");

  // The manifest selects common controls 6, which load from the side-by-side store (Wine's copy
  // reports version 5 from DllGetVersion, so the place it comes from is what tells).
  wchar_t comctl[MAX_PATH] = {};
  ::GetModuleFileNameW(::LoadLibraryW(L"comctl32.dll"), comctl, MAX_PATH);
  std::wstring where = comctl;
  for (wchar_t& ch : where) ch = static_cast<wchar_t>(::towlower(ch));
  EXPECT_NE(where.find(L"common-controls_6595b64144ccf1df_6.0."), std::wstring::npos) << comctl;
}

}  // namespace
