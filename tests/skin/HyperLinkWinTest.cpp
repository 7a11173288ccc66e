#include <gtest/gtest.h>

#include <optional>

#include "skin/HyperLink.h"
#include "tests/skin/WinSkinSupport.h"

namespace skin {
namespace {

using skintest::HostWindow;

// The ".htm" handler the fallback finds. It is set where the program reads it, under HKEY_CLASSES_ROOT
// (Wine has no per-user view of it), and what was there before is put back afterwards.
class HtmHandler {
 public:
  // An empty command leaves ".htm" pointing at a type that does not exist.
  explicit HtmHandler(const std::wstring& command) {
    m_previous = Get(L".htm");
    Set(L".htm", L"trelmtest.page");
    if (!command.empty()) Set(L"trelmtest.page\\shell\\open\\command", command);
  }
  ~HtmHandler() {
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L"trelmtest.page");
    if (m_previous)
      Set(L".htm", *m_previous);
    else
      ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L".htm");
  }

 private:
  static std::optional<std::wstring> Get(const wchar_t* key) {
    wchar_t value[260] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    if (::RegGetValueW(HKEY_CLASSES_ROOT, key, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
      return std::nullopt;
    return std::wstring(value);
  }
  static void Set(const wchar_t* key, const std::wstring& value) {
    HKEY raw = nullptr;
    ::RegCreateKeyExW(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr);
    win::RegKey owned(raw);
    ::RegSetValueExW(owned.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
  std::optional<std::wstring> m_previous;
};

// A program beside the tests that ends at once.
std::wstring NoopProgram() {
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self);
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"skin_test_noop.exe";
}

// Reads and closes the first message box that shows up while the link handles its click.
struct MessageBoxWatch {
  static inline std::vector<std::wstring> texts;
  static inline bool seen = false;
  static BOOL CALLBACK FindBox(HWND w, LPARAM found) {
    wchar_t cls[32] = {};
    ::GetClassNameW(w, cls, 32);
    if (std::wstring(cls) != L"#32770" || !::IsWindowVisible(w)) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
  }
  static BOOL CALLBACK ReadText(HWND child, LPARAM) {
    wchar_t text[512] = {};
    ::GetWindowTextW(child, text, 512);
    texts.push_back(text);
    return TRUE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    seen = true;
    ::EnumChildWindows(box, &ReadText, 0);
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
};

class HyperLinkTest : public ::testing::Test {
 protected:
  void SetUp() override { skintest::MoveAway(); }
  void Make(CHyperLink& link, const wchar_t* text, RECT rect = {40, 40, 340, 60}) {
    ASSERT_TRUE(link.Create(text, rect, host.GetHwnd()));
    skintest::PumpFor(20);
  }
  skintest::ScratchFolder folder;
  HostWindow host;
};

TEST_F(HyperLinkTest, EmptyTextShowsTheTargetAndTextBecomesTheTarget) {
  CHyperLink shown;
  shown.SetTarget(L"http://www.example.com/");
  Make(shown, L"");
  EXPECT_EQ(shown.GetWindowText(), L"http://www.example.com/");
  EXPECT_EQ(shown.GetTooltip().GetToolText(shown.GetHwnd()), L"http://www.example.com/");
  EXPECT_NE(shown.GetStyle() & SS_NOTIFY, 0u);

  CHyperLink named;
  Make(named, L"C:\\Manual.pdf", RECT{40, 80, 340, 100});
  EXPECT_EQ(named.GetTarget(), L"C:\\Manual.pdf");
}

TEST_F(HyperLinkTest, SizesItselfToItsTextKeepingItsAlignment) {
  CHyperLink left, right;
  Make(left, L"Support");
  // A dialog's static, attached to its link object.
  HWND rightStatic = ::CreateWindowExW(0, L"STATIC", L"Support", WS_CHILD | WS_VISIBLE | SS_RIGHT, 40, 80, 300, 20,
                                       host.GetHwnd(), nullptr, nullptr, nullptr);
  ASSERT_TRUE(right.Attach(rightStatic));
  const RECT l = left.GetWindowRect();
  const RECT r = right.GetWindowRect();
  EXPECT_LT(l.right - l.left, 200);
  EXPECT_GT(l.right - l.left, 10);
  const POINT origin = skintest::ScreenPoint(host.GetHwnd(), POINT{40, 40});
  EXPECT_EQ(l.left, origin.x);
  EXPECT_EQ(r.right, origin.x + 300) << "a right-aligned link keeps its right edge";
  EXPECT_EQ(r.right - r.left, l.right - l.left);
}

bool Underlined(HFONT font) {
  LOGFONTW info{};
  ::GetObjectW(font, sizeof(info), &info);
  return info.lfUnderline != 0;
}

TEST_F(HyperLinkTest, HoverChangesColourAndUnderlinesOnlyInHoverMode) {
  CHyperLink link;
  Make(link, L"Forum");
  EXPECT_EQ(link.CurrentColour(), 0xEE0000u);
  EXPECT_FALSE(Underlined(link.GetCurrentFont()));
  skintest::MoveTo(link.GetHwnd(), POINT{3, 3});
  skintest::MoveTo(link.GetHwnd(), POINT{4, 4});
  ASSERT_TRUE(skintest::PumpUntil([&] { return link.IsOver(); }));
  EXPECT_EQ(link.CurrentColour(), 0x0000FFu);
  EXPECT_TRUE(Underlined(link.GetCurrentFont()));

  skintest::MoveAway();
  EXPECT_TRUE(skintest::PumpUntil([&] { return !link.IsOver(); }, 400)) << "the hover look ends about 100 ms after";
  EXPECT_FALSE(Underlined(link.GetCurrentFont()));

  link.SetUnderline(LinkUnderline::Never);
  skintest::MoveTo(link.GetHwnd(), POINT{3, 3});
  skintest::MoveTo(link.GetHwnd(), POINT{4, 4});
  ASSERT_TRUE(skintest::PumpUntil([&] { return link.IsOver(); }));
  EXPECT_EQ(link.CurrentColour(), 0x0000FFu);
  EXPECT_FALSE(Underlined(link.GetCurrentFont()));

  link.SetUnderline(LinkUnderline::Always);
  skintest::MoveAway();
  ASSERT_TRUE(skintest::PumpUntil([&] { return !link.IsOver(); }, 400));
  EXPECT_TRUE(Underlined(link.GetCurrentFont()));
}

TEST_F(HyperLinkTest, ASuccessfulOpenMarksTheLinkVisited) {
  CHyperLink link;
  link.SetTarget(NoopProgram());
  Make(link, L"run");
  skintest::ClickAt(link.GetHwnd(), POINT{3, 3});
  ASSERT_TRUE(skintest::PumpUntil([&] { return link.IsVisited(); }, 5000));
  skintest::MoveAway();
  ASSERT_TRUE(skintest::PumpUntil([&] { return !link.IsOver(); }, 400));
  EXPECT_EQ(link.CurrentColour(), 0x8B1A55u);
}

TEST_F(HyperLinkTest, ATargetWithoutHandlerIsReportedWithItsReason) {
  const std::wstring page = folder.File(L"page.zzqx");
  skintest::WriteBytes(page, {'x'});
  HtmHandler noFallback(L"");
  EXPECT_EQ(CHyperLink::OpenTarget(page), 31);

  CHyperLink link;
  link.SetTarget(page);
  Make(link, L"page");
  MessageBoxWatch::texts.clear();
  MessageBoxWatch::seen = false;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &MessageBoxWatch::Tick);
  skintest::ClickAt(link.GetHwnd(), POINT{3, 3});
  skintest::PumpUntil([] { return MessageBoxWatch::seen; }, 5000);
  ::KillTimer(nullptr, timer);
  ASSERT_TRUE(MessageBoxWatch::seen);
  const std::wstring expected =
      L"Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.";
  EXPECT_NE(std::find(MessageBoxWatch::texts.begin(), MessageBoxWatch::texts.end(), expected),
            MessageBoxWatch::texts.end());
  EXPECT_FALSE(link.IsVisited());
}

TEST_F(HyperLinkTest, TheHtmHandlerOpensWhatTheShellCannot) {
  const std::wstring page = folder.File(L"page.zzqx");
  skintest::WriteBytes(page, {'x'});
  HtmHandler fallback(L"\"" + NoopProgram() + L"\" \"%1\"");
  EXPECT_GT(CHyperLink::OpenTarget(page), 32);
  HtmHandler unquoted(NoopProgram() + L" %1");
  EXPECT_GT(CHyperLink::OpenTarget(page), 32);
}

TEST_F(HyperLinkTest, FiveHundredLinksLeaveNothingBehind) {
  const long handles = win::LiveHandleCount();
  const int windows = skintest::ThreadWindowCount();
  for (int i = 0; i < 500; ++i) {
    CHyperLink link;
    ASSERT_TRUE(link.Create(L"http://www.example.com/", RECT{40, 40, 340, 60}, host.GetHwnd()));
    link.SetUnderline(LinkUnderline::Always);
    ::UpdateWindow(link.GetHwnd());
  }
  EXPECT_EQ(win::LiveHandleCount(), handles);
  EXPECT_EQ(skintest::ThreadWindowCount(), windows);
}

}  // namespace
}  // namespace skin
