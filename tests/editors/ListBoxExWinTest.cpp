// The macro editor's event list drawing its lines: each draw request of the list box, handed to it
// through its parent as the system does, is drawn into a picture whose pixels are then read.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "editors/ListBoxEx.h"
#include "tests/framework/TestSupport.h"

namespace {

constexpr COLORREF kText = RGB(40, 60, 250);
constexpr COLORREF kSelectedText = RGB(20, 240, 20);
constexpr COLORREF kSelection = RGB(255, 175, 0);
constexpr COLORREF kBackground = RGB(78, 78, 78);
constexpr COLORREF kUntouched = RGB(255, 0, 255);

class Host : public CWnd {
 public:
  Host() { CreateEx(0, nullptr, L"list host", WS_POPUP | WS_VISIBLE, RECT{300, 300, 520, 540}, nullptr); }
};

// A 32-bit picture of `width` × `height` filled with kUntouched, selected into its own device context.
struct Picture {
  Picture(int width, int height) : dc(::CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    bitmap.reset(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    selected.emplace(dc.get(), bitmap.get());
    const RECT all{0, 0, width, height};
    win::Brush fill(::CreateSolidBrush(kUntouched));
    ::FillRect(dc.get(), &all, fill.get());
  }
  int Count(COLORREF colour, const RECT& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) count += ::GetPixel(dc.get(), x, y) == colour;
    return count;
  }
  win::MemDC dc;
  win::Bitmap bitmap;
  std::optional<win::SelectGuard> selected;
};

TEST(ListBoxEx, LinesAreFilledAndWrittenInTheOwnersColoursAndCutAtTheirRightEdge) {
  Host host;
  CListBoxEx list;
  ASSERT_TRUE(list.Create(RECT{10, 10, 174, 204}, host.GetHwnd()));
  list.SetColours(kText, kSelectedText, kSelection);
  list.SetBackground(kBackground);
  list.AddLine(std::wstring(80, L'W'));
  EXPECT_EQ(list.SendMessage(LB_GETITEMHEIGHT, 0), CListBoxEx::kLineHeight);
  EXPECT_FALSE(list.GetStyle() & WS_HSCROLL);

  struct Case {
    UINT action, state;
    ULONG_PTR itemData;
    COLORREF fill, text;
  };
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  const Case cases[] = {
      {ODA_DRAWENTIRE, 0, 0, kBackground, kText},  // a line drawn for the first time
      {ODA_DRAWENTIRE, ODS_SELECTED, 0, kSelection, kText},
      {ODA_SELECT, ODS_SELECTED, 0, kSelection, kText},
      {ODA_SELECT, 0, 0, kBackground, kText},  // a deselected line returns to the background
      {ODA_FOCUS, ODS_SELECTED | ODS_FOCUS, 0, kSelection, kSelectedText},
      {ODA_FOCUS, ODS_SELECTED, 0, kSelection, kSelectedText},
      {ODA_DRAWENTIRE, ODS_DISABLED, 0, kBackground, shadow},
      {ODA_DRAWENTIRE, 0, 0x12345, kBackground, kText},  // no such bitmap: the text all the same
  };
  constexpr RECT kItem{0, 20, 120, 40};
  for (const Case& c : cases) {
    Picture picture(200, 60);
    DRAWITEMSTRUCT dis{ODT_LISTBOX, 0, 0, c.action, c.state, list.GetHwnd(), picture.dc.get(), kItem, c.itemData};
    host.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    const RECT lowerEdge{kItem.left, kItem.bottom - 2, kItem.right, kItem.bottom};  // below the text
    EXPECT_EQ(picture.Count(c.fill, lowerEdge), 2 * (kItem.right - kItem.left)) << c.action << "/" << c.state;
    EXPECT_GT(picture.Count(c.text, kItem), 0) << c.action << "/" << c.state;
    for (COLORREF other : {kText, kSelectedText, shadow}) {
      if (other == c.text) continue;
      EXPECT_EQ(picture.Count(other, kItem), 0) << c.action << "/" << c.state;
    }
    const RECT right{kItem.right, 0, 200, 60}, above{0, 0, 200, kItem.top};
    EXPECT_EQ(picture.Count(kUntouched, right), 80 * 60) << "the line is cut at its right edge";
    EXPECT_EQ(picture.Count(kUntouched, above), 200 * kItem.top);
  }

  // An empty list's draw request draws nothing.
  Picture picture(200, 60);
  DRAWITEMSTRUCT empty{ODT_LISTBOX, 0, static_cast<UINT>(-1), ODA_FOCUS, ODS_FOCUS, list.GetHwnd(), picture.dc.get(),
                       kItem, 0};
  host.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&empty));
  EXPECT_EQ(picture.Count(kUntouched, RECT{0, 0, 200, 60}), 200 * 60);
}

}  // namespace
