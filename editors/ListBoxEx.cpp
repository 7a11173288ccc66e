#include "editors/ListBoxEx.h"

namespace {

constexpr int kBitmapSize = 16;
constexpr int kBitmapTop = 2;
constexpr int kTextIndent = 1;

// Item data 1 asks for the bitmap's indent without a bitmap.
constexpr ULONG_PTR kIndentOnly = 1;

struct LineLook {
  bool selectionFill;  // otherwise the background
  COLORREF text;
};

// A selected line is filled with the selection colour, every other one with the background, so a line
// that loses its selection, or is drawn again without an erase, never keeps an old fill.
LineLook LookOf(const DRAWITEMSTRUCT& dis, COLORREF text, COLORREF selectedText) {
  const bool selected = (dis.itemState & ODS_SELECTED) != 0;
  LineLook look{selected, text};
  if (selected && (dis.itemAction & ODA_FOCUS)) look.text = selectedText;
  if (dis.itemState & ODS_DISABLED) look.text = ::GetSysColor(COLOR_BTNSHADOW);
  return look;
}

void DrawLineBitmap(HDC dc, ULONG_PTR resource, int left, int top) {
  // Anything above 16 bits would be taken for a resource name, that is a pointer.
  if (resource > 0xFFFF) return;
  win::Bitmap bitmap(::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(static_cast<WORD>(resource))));
  if (!bitmap) return;
  win::MemDC source(::CreateCompatibleDC(dc));
  if (!source) return;
  win::SelectGuard selected(source.get(), bitmap.get());
  ::BitBlt(dc, left, top, kBitmapSize, kBitmapSize, source.get(), 0, 0, SRCCOPY);
}

}  // namespace

CListBoxEx::CListBoxEx()
    : m_font(::CreateFontW(14, 0, 0, 0, FW_LIGHT, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial")) {}

bool CListBoxEx::Create(const RECT& rect, HWND parent) {
  // No horizontal scroll bar: a long line is cut at the right edge.
  constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS |
                           LBS_MULTIPLESEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  return CListBox::Create(kStyle, rect, parent);
}

void CListBoxEx::PreSubclassWindow() {
  m_text = ::GetSysColor(COLOR_WINDOWTEXT);
  m_selectedText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
  m_selection = ::GetSysColor(COLOR_HIGHLIGHT);
}

void CListBoxEx::SetColours(COLORREF text, COLORREF selectedText, COLORREF selection) {
  m_text = text;
  m_selectedText = selectedText;
  m_selection = selection;
  if (m_hWnd) Invalidate();
}

void CListBoxEx::SetBackground(COLORREF colour) {
  m_background.reset(::CreateSolidBrush(colour));
  if (m_hWnd) Invalidate();
}

HBRUSH CListBoxEx::CtlColor(HDC, UINT) {
  if (!IsWindowEnabled()) return ::GetSysColorBrush(COLOR_INACTIVEBORDER);
  return m_background ? m_background.get() : ::GetSysColorBrush(COLOR_WINDOW);
}

bool CListBoxEx::MeasureItem(MEASUREITEMSTRUCT& mis) {
  if (mis.CtlType != ODT_LISTBOX) return false;
  mis.itemHeight = kLineHeight;
  return true;
}

void CListBoxEx::DrawItem(DRAWITEMSTRUCT& dis) {
  if (dis.itemID == static_cast<UINT>(-1)) return;  // an empty list draws no line
  HDC dc = dis.hDC;
  const RECT& line = dis.rcItem;
  const LineLook look = LookOf(dis, m_text, m_selectedText);
  if (look.selectionFill) {
    win::Brush fill(::CreateSolidBrush(m_selection));
    ::FillRect(dc, &line, fill.get());
  } else {
    ::FillRect(dc, &line, CtlColor(dc, WM_CTLCOLORLISTBOX));
  }

  const auto index = static_cast<WPARAM>(dis.itemID);
  const auto length = SendMessage(LB_GETTEXTLEN, index);
  std::wstring text;
  if (length > 0) {
    text.resize(static_cast<std::size_t>(length) + 1);
    const auto copied = SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  }
  RECT area = line;
  area.left += kTextIndent;
  if (dis.itemData != 0) {
    if (dis.itemData != kIndentOnly) DrawLineBitmap(dc, dis.itemData, line.left, line.top + kBitmapTop);
    area.left += kBitmapSize;
  }
  win::SelectGuard font(dc, m_font.get());
  const COLORREF oldColour = ::SetTextColor(dc, look.text);
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  ::SetBkMode(dc, oldMode);
  ::SetTextColor(dc, oldColour);
}

bool CListBoxEx::OnReflectedCommand(UINT notifyCode) {
  if (notifyCode == LBN_SELCHANGE && !m_selectionAllowed) {
    SetSel(-1, false);
    ::UpdateWindow(m_hWnd);
  }
  return false;
}

bool CListBoxEx::PreTranslateMessage(MSG& msg) {
  // Arrow keys, Space and letters never move or change the selection.
  return msg.hwnd == m_hWnd && (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP);
}

int CListBoxEx::GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }

int CListBoxEx::AddLine(const std::wstring& text) {
  return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CListBoxEx::InsertLine(int index, const std::wstring& text) {
  return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}

void CListBoxEx::DeleteLine(int index) { SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index)); }

void CListBoxEx::ResetContent() { SendMessage(LB_RESETCONTENT); }

void CListBoxEx::SetLineText(int index, const std::wstring& text) {
  if (index < 0 || index >= GetCount()) return;
  const bool selected = IsSelected(index);
  const LRESULT data = SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index));
  DeleteLine(index);
  InsertLine(index, text);
  SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), data);
  if (selected) SetSel(index, true);
}

std::wstring CListBoxEx::GetLineText(int index) const {
  const auto length = SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

bool CListBoxEx::IsSelected(int index) const { return SendMessage(LB_GETSEL, static_cast<WPARAM>(index)) > 0; }

void CListBoxEx::SetSel(int index, bool select) {
  SendMessage(LB_SETSEL, select ? TRUE : FALSE, static_cast<LPARAM>(index));
}

std::vector<int> CListBoxEx::GetSelItems() const {
  const auto count = SendMessage(LB_GETSELCOUNT);
  if (count <= 0) return {};
  std::vector<int> items(static_cast<std::size_t>(count));
  const auto got = SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(items.data()));
  items.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return items;
}

void CListBoxEx::SetCaretIndex(int index) { SendMessage(LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE); }

int CListBoxEx::GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }

void CListBoxEx::SetTopIndex(int index) { SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index)); }
