#include <gtest/gtest.h>

#include "skin/BmpMenu.h"
#include "tests/skin/WinSkinSupport.h"

namespace skin {
namespace {

using skintest::HostWindow;

constexpr int kMenuWidth = 181, kMenuHeight = 295;
constexpr int kSubmenuWidth = 190, kSubmenuHeight = 300;
constexpr COLORREF kNormal = RGB(30, 30, 30);
constexpr COLORREF kOver = RGB(90, 60, 0);
constexpr COLORREF kDown = RGB(0, 0, 120);

// The key function menu's content: eleven entries, four with submenus.
struct Item {
  const char16_t* text;
  int value;
};
constexpr Item kTopLevel[] = {{u"Single key", 1}, {u"Macro", 2},  {u"Mouse", 3},   {u"Internet", 4},
                              {u"Office", 5},     {u"Media", 6},  {u"More", 7},    {u"Profile", 8},
                              {u"Program", 9},    {u"Reset", 0},  {u"Disable", 10}};
constexpr Item kMedia[] = {{u"Play/Pause", 32}, {u"Stop", 33},   {u"Previous", 34},    {u"Next", 35},
                           {u"Mute", 39},       {u"Volume -", 38}, {u"Volume +", 37}, {u"Player", 36}};

class BmpMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::MoveAway();
    auto solid = [](COLORREF c) { return [c](int, int) { return skintest::Solid(c); }; };
    for (const auto& [set, w, h] : {std::tuple{L"menu", kMenuWidth, kMenuHeight},
                                    std::tuple{L"sub", kSubmenuWidth, kSubmenuHeight}}) {
      ASSERT_TRUE(skintest::WritePng(Path(set, L"normal.png"), w, h, solid(kNormal)));
      ASSERT_TRUE(skintest::WritePng(Path(set, L"over.png"), w, h, solid(kOver)));
      ASSERT_TRUE(skintest::WritePng(Path(set, L"down.png"), w, h, solid(kDown)));
      // White outside a 3-pixel band along the left edge.
      skintest::WriteBmp(Path(set, L"mask.bmp"), w, h,
                         [](int x, int) { return x < 3 ? Bgr{255, 255, 255} : Bgr{0, 0, 0}; });
    }
  }

  std::wstring Path(const std::wstring& set, const std::wstring& face) const {
    return folder.File(set + L"_" + face);
  }
  static void FillKeyMenu(CBmpMenu& menu) {
    for (const auto& item : kTopLevel) AddMenuEntry(menu.entries, item.text, item.value, true);
    for (int position = 3; position <= 6; ++position)
      for (const auto& item : kMedia) AddSubmenuEntry(menu.entries, position, item.text, item.value, true);
  }
  void Open(CBmpMenu& menu, POINT at = {300, 200}, bool pump = true) {
    menu.SetMenuSkin(Path(L"menu", L"normal.png"), Path(L"menu", L"over.png"), Path(L"menu", L"down.png"),
                     Path(L"menu", L"normal.png"), Path(L"menu", L"mask.bmp"));
    for (int position = 3; position <= 6; ++position)
      menu.SetSubmenuSkin(position, Path(L"sub", L"normal.png"), Path(L"sub", L"over.png"), Path(L"sub", L"down.png"),
                          Path(L"sub", L"normal.png"), Path(L"sub", L"mask.bmp"));
    menu.x = at.x;
    menu.y = at.y;
    ASSERT_TRUE(menu.Create(host.GetHwnd()));
    if (pump) skintest::PumpFor(30);
  }
  RECT EntryRect(CBmpMenu& menu, int position) { return menu.Entry(position).GetWindowRect(); }
  std::vector<HostWindow::Message> Choices() const { return host.Received(wm::kMenuChoice); }
  void HoverEntry(CBmpMenu& menu, int position) {
    skintest::MoveTo(menu.Entry(position).GetHwnd(), POINT{40, 10});
    skintest::MoveTo(menu.Entry(position).GetHwnd(), POINT{41, 10});
  }

  skintest::ScratchFolder folder;
  HostWindow host{RECT{0, 0, 1280, 1024}};
};

TEST_F(BmpMenuTest, KeyMenuEntriesAreLaidOutWithItsGaps) {
  CBmpMenu menu;
  FillKeyMenu(menu);
  Open(menu);
  const RECT window = menu.GetWindowRect();
  EXPECT_EQ(window.left, 300);
  EXPECT_EQ(window.right - window.left, kMenuWidth);
  EXPECT_EQ(window.bottom - window.top, kMenuHeight);
  ASSERT_EQ(menu.EntryCount(), 11);
  const int tops[] = {10, 32, 54, 90, 112, 134, 156, 192, 214, 236, 258};
  for (int i = 0; i < 11; ++i) {
    const RECT r = EntryRect(menu, i);
    EXPECT_EQ(r.top - window.top, tops[i]) << i;
    EXPECT_EQ(r.right - r.left, kMenuWidth) << i;
  }
  EXPECT_EQ(menu.Entry(0).caption, L"Single key");
  EXPECT_EQ(menu.Entry(0).textOffset, 10);
  EXPECT_EQ(menu.Entry(0).hoverColour, kMenuOrange);

  win::Region shape(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(menu.GetHwnd(), shape.get()), ERROR);
  EXPECT_FALSE(::PtInRegion(shape.get(), 1, 100));
  EXPECT_TRUE(::PtInRegion(shape.get(), 3, 100));
}

TEST_F(BmpMenuTest, ChoosingAPlainEntryPostsItsPositionAndValue) {
  CBmpMenu menu;
  FillKeyMenu(menu);
  Open(menu);
  skintest::ClickAt(menu.Entry(7).GetHwnd(), POINT{40, 10});
  ASSERT_TRUE(skintest::PumpUntil([&] { return !Choices().empty(); }));
  EXPECT_EQ(Choices()[0].wParam, 7u << 16);
  EXPECT_EQ(static_cast<std::uint32_t>(Choices()[0].lParam), 8u << 16);
}

TEST_F(BmpMenuTest, SubmenuOpensOnHoverAndReportsTheSubmenuChoice) {
  CBmpMenu menu;
  FillKeyMenu(menu);
  Open(menu);
  skintest::ClickAt(menu.Entry(5).GetHwnd(), POINT{40, 10});
  skintest::PumpFor(100);
  EXPECT_TRUE(Choices().empty()) << "an entry that owns a submenu sends nothing";

  HoverEntry(menu, 5);
  ASSERT_TRUE(skintest::PumpUntil([&] { return menu.GetOpenSubmenu() != nullptr; }));
  EXPECT_EQ(menu.GetOpenSubmenuPosition(), 5);
  EXPECT_EQ(menu.entries[5].submenuOpen, 1);
  CSubBmpMenu& submenu = *menu.GetOpenSubmenu();
  const RECT entry = EntryRect(menu, 5);
  const RECT placed = submenu.GetWindowRect();
  EXPECT_EQ(placed.left, entry.right);
  EXPECT_EQ(placed.top, entry.top);
  EXPECT_EQ(submenu.EntryCount(), 8);
  EXPECT_EQ(submenu.Entry(0).textInRect, 1) << "the submenu of position 5 is of kind 2";
  EXPECT_EQ(submenu.Entry(1).GetWindowRect().top - placed.top, 36);

  // Into the submenu: it stays open and its entry stays highlighted.
  skintest::MoveTo(submenu.Entry(1).GetHwnd(), POINT{50, 10});
  skintest::MoveTo(submenu.Entry(1).GetHwnd(), POINT{51, 10});
  skintest::PumpFor(50);
  ASSERT_EQ(menu.GetOpenSubmenu(), &submenu);
  EXPECT_TRUE(menu.Entry(5).IsHighlighted());

  skintest::LeftDown();
  skintest::LeftUp();
  ASSERT_TRUE(skintest::PumpUntil([&] { return !Choices().empty(); }));
  EXPECT_EQ(Choices()[0].wParam, 5u * 65536u + 1u);
  EXPECT_EQ(static_cast<std::uint32_t>(Choices()[0].lParam), 6u * 65536u + 33u);
}

TEST_F(BmpMenuTest, MovingToAnotherEntryClosesTheSubmenu) {
  CBmpMenu menu;
  FillKeyMenu(menu);
  Open(menu);
  HoverEntry(menu, 3);
  ASSERT_TRUE(skintest::PumpUntil([&] { return menu.GetOpenSubmenuPosition() == 3; }));
  HoverEntry(menu, 4);
  ASSERT_TRUE(skintest::PumpUntil([&] { return menu.GetOpenSubmenuPosition() == 4; }));
  EXPECT_EQ(menu.entries[3].submenuOpen, 0);
  EXPECT_FALSE(menu.Entry(3).IsHighlighted());
  HoverEntry(menu, 0);
  ASSERT_TRUE(skintest::PumpUntil([&] { return menu.GetOpenSubmenu() == nullptr; }));
  EXPECT_FALSE(menu.Entry(4).IsHighlighted());
}

TEST_F(BmpMenuTest, NearTheRightEdgeTheSubmenuOpensToTheLeft) {
  CBmpMenu menu;
  FillKeyMenu(menu);
  const int screen = ::GetSystemMetrics(SM_CXFULLSCREEN);
  Open(menu, POINT{screen - kMenuWidth - 5, 200});
  HoverEntry(menu, 6);
  ASSERT_TRUE(skintest::PumpUntil([&] { return menu.GetOpenSubmenu() != nullptr; }));
  const RECT entry = EntryRect(menu, 6);
  EXPECT_EQ(menu.GetOpenSubmenu()->GetWindowRect().left, entry.right - 2 * kMenuWidth);
  EXPECT_LT(menu.GetOpenSubmenu()->GetWindowRect().right, screen);
}

TEST_F(BmpMenuTest, DisabledEntriesCannotBeChosen) {
  CBmpMenu menu;
  AddMenuEntry(menu.entries, u"On", 1, true);
  AddMenuEntry(menu.entries, u"Off", 2, false);
  Open(menu);
  EXPECT_FALSE(menu.Entry(1).IsWindowEnabled());
  skintest::ClickAt(menu.Entry(1).GetHwnd(), POINT{40, 10});
  skintest::PumpFor(150);
  EXPECT_TRUE(Choices().empty());
}

TEST_F(BmpMenuTest, ThePreselectedEntryTakesAReleaseOfAPressMadeElsewhere) {
  CBmpMenu menu;
  FillKeyMenu(menu);
  menu.preselected = 2;
  Open(menu);
  EXPECT_EQ(menu.Entry(2).releaseClick, 1);
  // Pressed on the menu's background, in the gap before entry 3 (the X server hands a release to the
  // top-level window that saw the press, so the press stays within the menu).
  skintest::MoveTo(menu.GetHwnd(), POINT{40, 82});
  skintest::LeftDown();
  skintest::MoveTo(menu.Entry(2).GetHwnd(), POINT{40, 10});
  skintest::LeftUp();
  ASSERT_TRUE(skintest::PumpUntil([&] { return !Choices().empty(); }));
  EXPECT_EQ(Choices()[0].wParam, 2u << 16);
  EXPECT_EQ(static_cast<std::uint32_t>(Choices()[0].lParam), 3u << 16);
}

TEST_F(BmpMenuTest, MoreThanTwentyEntriesShowTwenty) {
  CBmpMenu menu;
  for (int i = 0; i < 25; ++i) AddMenuEntry(menu.entries, u"x", i, true);
  for (int i = 0; i < 25; ++i) AddSubmenuEntry(menu.entries, 3, u"y", i, true);
  menu.kind = skin::kModifierMenu;  // 18-pixel entries: twenty of them still fit the skin
  Open(menu);
  EXPECT_EQ(menu.EntryCount(), 20);
  HoverEntry(menu, 3);
  ASSERT_TRUE(skintest::PumpUntil([&] { return menu.GetOpenSubmenu() != nullptr; }));
  EXPECT_EQ(menu.GetOpenSubmenu()->EntryCount(), 20);
}

TEST_F(BmpMenuTest, DestroyingTheMenuEmptiesTheEntryList) {
  {
    CBmpMenu menu;
    FillKeyMenu(menu);
    Open(menu);
    HoverEntry(menu, 4);
    ASSERT_TRUE(skintest::PumpUntil([&] { return menu.GetOpenSubmenu() != nullptr; }));
    menu.DestroyWindow();
    EXPECT_TRUE(menu.entries.empty());
    EXPECT_EQ(menu.GetOpenSubmenu(), nullptr);
  }
  HWND window = nullptr;
  {
    CBmpMenu menu;
    FillKeyMenu(menu);
    Open(menu);
    window = menu.GetHwnd();
  }  // the owner may also just let the object go
  EXPECT_FALSE(::IsWindow(window));
}

TEST_F(BmpMenuTest, AnOwnerEmptyingTheListUnderAnOpenSubmenuGetsNoChoice) {
  CBmpMenu menu;
  FillKeyMenu(menu);
  Open(menu);
  HoverEntry(menu, 5);
  ASSERT_TRUE(skintest::PumpUntil([&] { return menu.GetOpenSubmenu() != nullptr; }));
  HWND second = menu.GetOpenSubmenu()->Entry(1).GetHwnd();
  menu.entries.clear();  // against the rules, but it must not crash the menu
  skintest::ClickAt(second, POINT{50, 10});
  skintest::PumpFor(150);
  EXPECT_TRUE(Choices().empty());
}

TEST_F(BmpMenuTest, FiveHundredMenusLeaveNothingBehind) {
  const long handles = win::LiveHandleCount();
  const int windows = skintest::ThreadWindowCount();
  for (int i = 0; i < 500; ++i) {
    CBmpMenu menu;
    FillKeyMenu(menu);
    Open(menu, {300, 200}, i % 50 == 0);
    if (i % 50 == 0) {
      HoverEntry(menu, 5);
      ASSERT_TRUE(skintest::PumpUntil([&] { return menu.GetOpenSubmenu() != nullptr; }));
    }
    menu.DestroyWindow();
  }
  EXPECT_EQ(win::LiveHandleCount(), handles);
  EXPECT_EQ(skintest::ThreadWindowCount(), windows);
}

}  // namespace
}  // namespace skin
