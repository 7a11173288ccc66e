#include "skin/HyperLink.h"

#include <shellapi.h>

#include <optional>

#include "framework/DeviceContext.h"
#include "skin/ControlSupport.h"

namespace skin {
namespace {

// The default value of a key under HKEY_CLASSES_ROOT; nullopt when the key cannot be opened.
std::optional<std::wstring> ClassesRootDefault(const std::wstring& subKey) {
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS) return std::nullopt;
  win::RegKey key(raw);
  wchar_t value[260] = {};
  DWORD size = sizeof(value) - sizeof(wchar_t);  // room for a terminator the value may lack
  DWORD type = 0;
  if (::RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::wstring();
  return std::wstring(value);
}

std::string ToThreadAnsi(const std::wstring& text) {
  const int length = ::WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  if (length > 0)
    ::WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), static_cast<int>(text.size()), ansi.data(), length, nullptr,
                          nullptr);
  return ansi;
}

}  // namespace

bool CHyperLink::Create(const wchar_t* text, const RECT& rect, HWND parent, UINT id) {
  return CStatic::Create(text, WS_CHILD | WS_VISIBLE | SS_LEFT, rect, parent, id);
}

void CHyperLink::PreSubclassWindow() {
  ModifyStyle(0, SS_NOTIFY);
  const std::wstring text = GetWindowText();
  if (m_target.empty()) m_target = text;
  if (text.empty()) SetWindowText(m_target);

  HFONT base = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  if (!base) base = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  if (!base) base = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
  LOGFONTW font{};
  if (base && ::GetObjectW(base, sizeof(font), &font)) {
    m_normalFont.reset(::CreateFontIndirectW(&font));
    font.lfUnderline = TRUE;
    m_underlinedFont.reset(::CreateFontIndirectW(&font));
  }
  SelectFont(m_underline == LinkUnderline::Always);
  SizeToText();
  LoadHandCursor();
  if (m_tooltip.Create(m_hWnd)) {
    m_tooltip.AddTool(m_hWnd, m_target);
    m_tooltip.Activate(true);
  }
}

void CHyperLink::SetTarget(const std::wstring& target) {
  m_target = target;
  if (!m_hWnd) return;
  SizeToText();
  m_tooltip.SetToolText(m_hWnd, m_target);
}

void CHyperLink::SetUnderline(LinkUnderline mode) {
  m_underline = mode;
  if (m_hWnd) SelectFont(LinkUnderlined(m_underline, m_over));
}

HFONT CHyperLink::GetCurrentFont() const {
  return m_hWnd ? reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)) : nullptr;
}

void CHyperLink::SelectFont(bool underlined) {
  HFONT font = underlined ? m_underlinedFont.get() : m_normalFont.get();
  if (font && GetCurrentFont() != font) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void CHyperLink::SizeToText() {
  if (!autoSize || !m_hWnd) return;
  const std::wstring text = GetWindowText();
  SIZE extent{};
  if (win::WindowDC dc(m_hWnd); dc) {
    win::SelectGuard selected(dc.get(), m_underlinedFont ? m_underlinedFont.get() : GetCurrentFont());
    ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  }
  RECT window = GetWindowRect();
  const RECT client = GetClientRect();
  ::MapWindowPoints(nullptr, GetParent(), reinterpret_cast<POINT*>(&window), 2);
  const DWORD style = GetStyle();
  const DWORD align = style & SS_TYPEMASK;
  const LinkHAlign horizontal = align == SS_CENTER ? LinkHAlign::Centre : align == SS_RIGHT ? LinkHAlign::Right
                                                                                          : LinkHAlign::Left;
  const Rect old{window.left, window.top, window.right, window.bottom};
  const Rect sized = LinkRectForText(old, extent.cx, extent.cy, old.width() - client.right,
                                     old.height() - client.bottom, (style & SS_CENTERIMAGE) != 0, horizontal);
  SetWindowPos(nullptr, sized.left, sized.top, sized.width(), sized.height(), SWP_NOZORDER | SWP_NOACTIVATE);
  if (m_tooltip.IsCreated()) m_tooltip.UpdateToolRect(m_hWnd);
}

void CHyperLink::LoadHandCursor() {
  if (m_hand) return;
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryW(folder, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    const std::wstring helpViewer = std::wstring(folder) + L"\\winhlp32.exe";
    win::Module module(::LoadLibraryExW(helpViewer.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (module) {
      if (HCURSOR shared = ::LoadCursorW(module.get(), MAKEINTRESOURCEW(106)))
        m_handCopy.reset(static_cast<HCURSOR>(::CopyImage(shared, IMAGE_CURSOR, 0, 0, 0)));
    }
  }
  // Without the help viewer's hand the system's own serves.
  m_hand = m_handCopy ? m_handCopy.get() : ::LoadCursorW(nullptr, IDC_HAND);
}

void CHyperLink::RepaintAround() {
  // The text is transparent: its parent repaints the background under it, then the text is drawn again.
  RECT rect = GetClientRect();
  rect.bottom += 10;
  ::MapWindowPoints(m_hWnd, GetParent(), reinterpret_cast<POINT*>(&rect), 2);
  ::InvalidateRect(GetParent(), &rect, TRUE);
  Invalidate(true);
}

HBRUSH CHyperLink::CtlColor(HDC dc, UINT) {
  ::SetTextColor(dc, CurrentColour());
  ::SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
}

bool CHyperLink::OnReflectedCommand(UINT notifyCode) {
  if (notifyCode != STN_CLICKED) return false;
  OnClicked();
  return true;
}

void CHyperLink::OnClicked() {
  m_over = false;
  const long long result = OpenTarget(m_target);
  if (ShellOpenSucceeded(result)) {
    m_visited = true;
    RepaintAround();
    return;
  }
  ::MessageBeep(MB_ICONEXCLAMATION);
  const std::u16string message = HyperlinkErrorMessage(static_cast<long>(result));
  const std::wstring text(message.begin(), message.end());
  ::MessageBoxW(m_hWnd, text.c_str(), nullptr, MB_ICONEXCLAMATION | MB_OK);
}

long long CHyperLink::OpenTarget(const std::wstring& target) {
  const auto shell = reinterpret_cast<INT_PTR>(::ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr,
                                                               SW_SHOWNORMAL));
  if (ShellOpenSucceeded(shell)) return shell;
  const auto type = ClassesRootDefault(L".htm");
  if (!type) return shell;
  const auto command = ClassesRootDefault(*type + L"\\shell\\open\\command");
  if (!command) return shell;
  const std::u16string line = HtmFallbackCommand(std::u16string(command->begin(), command->end()),
                                                 std::u16string(target.begin(), target.end()));
  return ::WinExec(ToThreadAnsi(std::wstring(line.begin(), line.end())).c_str(), SW_SHOWNORMAL);
}

void CHyperLink::OnTimer(UINT_PTR id) {
  if (id != kHoverTimer) return CStatic::OnTimer(id);
  const DWORD position = ::GetMessagePos();
  POINT point{static_cast<SHORT>(LOWORD(position)), static_cast<SHORT>(HIWORD(position))};
  ::ScreenToClient(m_hWnd, &point);
  const RECT client = GetClientRect();
  if (::PtInRect(&client, point)) return;
  m_over = false;
  KillTimer(kHoverTimer);
  if (m_underline != LinkUnderline::Always) SelectFont(false);
  RepaintAround();
}

bool CHyperLink::DestroyWindow() {
  if (m_hWnd) KillTimer(kHoverTimer);
  return CStatic::DestroyWindow();
}

void CHyperLink::OnDestroy() {
  KillTimer(kHoverTimer);
  m_tooltip.Destroy();
  CStatic::OnDestroy();
}

bool CHyperLink::PreTranslateMessage(MSG& msg) {
  RelayToTooltip(m_tooltip, m_hWnd, msg);
  return CStatic::PreTranslateMessage(msg);
}

LRESULT CHyperLink::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!m_over) {
        m_over = true;
        if (m_underline == LinkUnderline::Hover) SelectFont(true);
        RepaintAround();
        SetTimer(kHoverTimer, kHoverMilliseconds);
      }
      break;
    case WM_SETCURSOR:
      if (m_hand) {
        ::SetCursor(m_hand);
        return TRUE;
      }
      break;
  }
  return CStatic::WindowProc(msg, wParam, lParam);
}

}  // namespace skin
