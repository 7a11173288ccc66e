#include "framework/Wnd.h"

#include "framework/WinApp.h"

namespace {

// The object whose window CreateEx is creating: linked at WM_NCCREATE, or measured while a system
// control asks its parent for item sizes before CreateEx could subclass it.
thread_local CWnd* t_creating = nullptr;

// The message each linked window is handling, innermost last, for Default().
struct CurrentMessage {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};
thread_local const CurrentMessage* t_current = nullptr;

constexpr wchar_t kDefaultClass[] = L"TrelmWindow";

HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }

bool RegisterDefaultClass() {
  WNDCLASSEXW wc{};
  wc.style = CS_DBLCLKS;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kDefaultClass;
  return CWnd::RegisterClassOnce(wc);
}

bool ClassUsesStaticWindowProc(HINSTANCE instance, const wchar_t* className) {
  WNDCLASSEXW wc{sizeof(wc)};
  if (!::GetClassInfoExW(instance, className, &wc) && !::GetClassInfoExW(nullptr, className, &wc)) return false;
  return wc.lpfnWndProc == &CWnd::StaticWindowProc;
}

}  // namespace

CWnd::~CWnd() {
  if (!m_hWnd) return;
  HWND hwnd = Detach();
  if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  // The slot only means `this` while the window runs our procedure; other windows use it for themselves.
  auto proc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
  if (proc == &StaticWindowProc) return reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (proc == &DialogWindowProc) return reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  return nullptr;
}

bool CWnd::RegisterClassOnce(WNDCLASSEXW wc) {
  wc.cbSize = sizeof(wc);
  if (!wc.hInstance) wc.hInstance = Instance();
  if (!wc.lpfnWndProc) wc.lpfnWndProc = &StaticWindowProc;
  WNDCLASSEXW existing{sizeof(existing)};
  if (::GetClassInfoExW(wc.hInstance, wc.lpszClassName, &existing)) return true;
  return ::RegisterClassExW(&wc) != 0;
}

bool CWnd::PreCreateWindow(CREATESTRUCTW&) { return true; }

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, const RECT& rect,
                    HWND parent, UINT id) {
  if (m_hWnd) return false;
  if (!className && !RegisterDefaultClass()) return false;
  CREATESTRUCTW cs{};
  cs.dwExStyle = exStyle;
  cs.lpszClass = className ? className : kDefaultClass;
  cs.lpszName = title;
  cs.style = style;
  cs.x = rect.left;
  cs.y = rect.top;
  cs.cx = rect.right - rect.left;
  cs.cy = rect.bottom - rect.top;
  cs.hwndParent = parent;
  cs.hMenu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
  cs.hInstance = Instance();
  cs.lpCreateParams = this;
  if (!PreCreateWindow(cs)) return false;

  const bool ours = ClassUsesStaticWindowProc(cs.hInstance, cs.lpszClass);
  CWnd* outer = t_creating;
  t_creating = this;
  HWND hwnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                cs.hwndParent, cs.hMenu, cs.hInstance, ours ? this : cs.lpCreateParams);
  t_creating = outer;
  if (!hwnd) return false;
  if (ours) return m_hWnd == hwnd;
  if (Attach(hwnd)) return true;
  ::DestroyWindow(hwnd);
  return false;
}

void CWnd::Link(HWND hwnd) {
  m_hWnd = hwnd;
  ::SetWindowLongPtrW(hwnd, m_isDialog ? DWLP_USER : GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void CWnd::Unlink() {
  if (!m_hWnd) return;
  const auto ourProc = m_isDialog ? &DialogWindowProc : &StaticWindowProc;
  // Put the previous procedure back only while ours is on top; someone may have subclassed after us.
  if (m_previousProc && reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) == ourProc)
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
  ::SetWindowLongPtrW(m_hWnd, m_isDialog ? DWLP_USER : GWLP_USERDATA, 0);
  m_hWnd = nullptr;
  m_previousProc = nullptr;
}

bool CWnd::Attach(HWND hwnd) {
  if (m_hWnd || !hwnd || !::IsWindow(hwnd) || FromHandle(hwnd)) return false;
  m_isDialog = false;
  m_hWnd = hwnd;
  PreSubclassWindow();
  Link(hwnd);
  m_previousProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StaticWindowProc)));
  return true;
}

bool CWnd::AttachDlgItem(int id, HWND parent) { return Attach(::GetDlgItem(parent, id)); }

HWND CWnd::Detach() {
  HWND hwnd = m_hWnd;
  Unlink();
  return hwnd;
}

bool CWnd::DestroyWindow() { return m_hWnd && ::DestroyWindow(m_hWnd); }

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* wnd = reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!wnd && msg == WM_NCCREATE) {
    // Only the object CreateEx is creating may claim the window; other creators' parameters mean nothing here.
    auto* candidate = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (candidate && candidate == t_creating && !candidate->m_hWnd) {
      wnd = candidate;
      wnd->m_isDialog = false;
      wnd->m_previousProc = nullptr;
      wnd->Link(hwnd);
      wnd->PreSubclassWindow();
    }
  }
  if (!wnd) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  return Dispatch(wnd, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK CWnd::DialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* wnd = reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!wnd) return ::DefDlgProcW(hwnd, msg, wParam, lParam);
  return Dispatch(wnd, hwnd, msg, wParam, lParam);
}

LRESULT CWnd::Dispatch(CWnd* wnd, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const CurrentMessage current{hwnd, msg, wParam, lParam};
  const CurrentMessage* outer = t_current;
  t_current = &current;
  LRESULT result = 0;
  try {
    result = wnd->WindowProc(msg, wParam, lParam);
  } catch (...) {
    // An exception must not unwind through the system's code; the message counts as handled.
    result = 0;
  }
  t_current = outer;
  if (msg == WM_NCDESTROY && wnd->m_hWnd == hwnd) {
    wnd->Unlink();
    if (CWinApp* app = CWinApp::GetApp()) app->OnWindowDestroyed(wnd);
    wnd->PostNcDestroy();  // may delete the object: nothing touches it afterwards
  }
  return result;
}

LRESULT CWnd::Default() {
  // Only the window the message was sent to can give it default processing.
  if (!t_current || !m_hWnd || t_current->hwnd != m_hWnd) return 0;
  return DefWindowProc(t_current->msg, t_current->wParam, t_current->lParam);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (m_previousProc) return ::CallWindowProcW(m_previousProc, m_hWnd, msg, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate(*reinterpret_cast<CREATESTRUCTW*>(lParam)) == -1 ? -1 : 0;
    case WM_COMMAND: {
      CWnd* child = FromHandle(reinterpret_cast<HWND>(lParam));
      if (child && child != this && child->OnReflectedCommand(HIWORD(wParam))) return 0;
      if (OnCommand(wParam, lParam)) return 0;
      break;
    }
    case WM_DRAWITEM: {
      auto& dis = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      CWnd* child = dis.CtlType == ODT_MENU ? nullptr : FromHandle(dis.hwndItem);
      if (child && child != this) {
        child->DrawItem(dis);
        return TRUE;
      }
      break;
    }
    case WM_MEASUREITEM:
      if (MeasureChild(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
      CWnd* child = FromHandle(reinterpret_cast<HWND>(lParam));
      if (child && child != this)
        if (HBRUSH brush = child->CtlColor(reinterpret_cast<HDC>(wParam), msg))
          return reinterpret_cast<LRESULT>(brush);
      break;
    }
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
  }
  return DefWindowProc(msg, wParam, lParam);
}

bool CWnd::MeasureChild(MEASUREITEMSTRUCT& mis) {
  if (mis.CtlType == ODT_MENU) return false;
  // Every control has id 0, so the id names a group of children; the first that measures wins.
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (static_cast<UINT>(::GetDlgCtrlID(child)) != mis.CtlID) continue;
    CWnd* wnd = FromHandle(child);
    if (wnd && wnd != this && wnd->MeasureItem(mis)) return true;
  }
  // A fixed-height owner-drawn list asks while it is being created, before CreateEx has linked it.
  return t_creating && !t_creating->m_hWnd && t_creating->MeasureItem(mis);
}

bool CWnd::PreTranslateMessage(MSG&) { return false; }
int CWnd::OnCreate(CREATESTRUCTW&) { return static_cast<int>(Default()); }
bool CWnd::OnCommand(WPARAM, LPARAM) { return false; }
void CWnd::OnPaint() { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::DrawItem(DRAWITEMSTRUCT&) {}
bool CWnd::MeasureItem(MEASUREITEMSTRUCT&) { return false; }
HBRUSH CWnd::CtlColor(HDC, UINT) { return nullptr; }
bool CWnd::OnReflectedCommand(UINT) { return false; }

LRESULT CWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageW(m_hWnd, msg, wParam, lParam);
}
bool CWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageW(m_hWnd, msg, wParam, lParam) != FALSE;
}
bool CWnd::ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command) != FALSE; }
bool CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
bool CWnd::EnableWindow(bool enable) const { return ::EnableWindow(m_hWnd, enable) != FALSE; }
bool CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
void CWnd::Invalidate(bool erase) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
bool CWnd::MoveWindow(int x, int y, int width, int height, bool repaint) const {
  return ::MoveWindow(m_hWnd, x, y, width, height, repaint) != FALSE;
}
bool CWnd::SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) const {
  return ::SetWindowPos(m_hWnd, insertAfter, x, y, width, height, flags) != FALSE;
}
RECT CWnd::GetClientRect() const {
  RECT rect{};
  ::GetClientRect(m_hWnd, &rect);
  return rect;
}
RECT CWnd::GetWindowRect() const {
  RECT rect{};
  ::GetWindowRect(m_hWnd, &rect);
  return rect;
}
bool CWnd::SetWindowText(const std::wstring& text) const { return ::SetWindowTextW(m_hWnd, text.c_str()) != FALSE; }
std::wstring CWnd::GetWindowText() const {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()))));
  return text;
}
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
bool CWnd::ModifyStyle(DWORD remove, DWORD add) const {
  const DWORD style = GetStyle();
  const DWORD changed = (style & ~remove) | add;
  if (changed == style) return false;
  ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
  return true;
}
HWND CWnd::GetParent() const { return ::GetParent(m_hWnd); }
bool CWnd::SetTimer(UINT_PTR id, UINT milliseconds) const { return ::SetTimer(m_hWnd, id, milliseconds, nullptr) != 0; }
bool CWnd::KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id) != FALSE; }
void CWnd::SetCapture() const { ::SetCapture(m_hWnd); }
bool CWnd::HasCapture() const { return m_hWnd && ::GetCapture() == m_hWnd; }
bool CWnd::TrackMouseLeave() const {
  TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
  return ::TrackMouseEvent(&tme) != FALSE;
}
