#pragma once
// The base of every window: one object per window, linked to it through GWLP_USERDATA (or DWLP_USER for
// dialogs), one virtual window procedure with a single switch that calls the hooks below, and default
// processing for everything a hook does not take.
//
// Derived windows override the hooks they need, and WindowProc for any other message, handing what they
// do not handle to the base WindowProc. Controls are created with id 0 and told apart by their handles.

#include <windows.h>

#include <string>

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  // Destroys a window that is still alive; it is unlinked first, so no message reaches a half-destroyed object.
  virtual ~CWnd();

  HWND GetHwnd() const { return m_hWnd; }
  // The framework object linked to a window, or nullptr for windows no object owns.
  static CWnd* FromHandle(HWND hwnd);

  // Creates the window. Classes registered with StaticWindowProc link the object at WM_NCCREATE, so it
  // sees WM_CREATE; any other class (system controls) is subclassed as soon as CreateWindowEx returns.
  bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, const RECT& rect,
                HWND parent, UINT id = 0);
  // Links an existing window (a template's control) to this object by subclassing it.
  bool Attach(HWND hwnd);
  bool AttachDlgItem(int id, HWND parent);
  // Unlinks the window and hands it back; the window goes on with its previous procedure.
  HWND Detach();
  // Destroy-window hook: override for cleanup that must precede the window's end.
  virtual bool DestroyWindow();

  // Registers a window class whose procedure is ours, once per process; true when the class exists.
  static bool RegisterClassOnce(WNDCLASSEXW wc);
  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  // --- Hooks ---------------------------------------------------------------------------------------------
  // Before creation: adjust styles, register a custom window class. False cancels the creation.
  virtual bool PreCreateWindow(CREATESTRUCTW& cs);
  // When a window becomes this object's (creation, Attach), before the object handles its messages.
  virtual void PreSubclassWindow() {}
  // Messages from the queue reach the target window and each of its parents here before dispatch,
  // in modal runs as well as in the application's loop. True: handled, not dispatched.
  virtual bool PreTranslateMessage(MSG& msg);
  // The window procedure. Overrides handle what they want and pass the rest to the base class.
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // Default processing: the procedure the window had before it was linked, else the system's.
  virtual LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

  virtual int OnCreate(CREATESTRUCTW& cs);           // -1 cancels the creation
  // WM_COMMAND. lParam is the sending control's window; true when handled.
  virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
  virtual void OnPaint();
  virtual void OnTimer(UINT_PTR id);
  virtual void OnDestroy();
  // After WM_NCDESTROY, when the object is no longer linked: the place for an object to delete itself.
  virtual void PostNcDestroy() {}

  // Reflected from the parent, as owner-drawn and colour messages concern the control, not the parent.
  virtual void DrawItem(DRAWITEMSTRUCT& dis);
  virtual bool MeasureItem(MEASUREITEMSTRUCT& mis);        // true when this control measured the item
  virtual HBRUSH CtlColor(HDC dc, UINT ctlColorMessage);  // nullptr leaves the colours to the parent
  virtual bool OnReflectedCommand(UINT notifyCode);        // true keeps the command from the parent

  // Default processing of the message being handled now, with its own parameters.
  LRESULT Default();

  // --- Small helpers over the window handle ---------------------------------------------------------------
  bool IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }
  LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  bool PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  bool ShowWindow(int command) const;
  bool IsWindowVisible() const;
  bool EnableWindow(bool enable) const;
  bool IsWindowEnabled() const;
  void Invalidate(bool erase = true) const;
  bool MoveWindow(int x, int y, int width, int height, bool repaint = true) const;
  bool SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) const;
  RECT GetClientRect() const;
  RECT GetWindowRect() const;
  bool SetWindowText(const std::wstring& text) const;
  std::wstring GetWindowText() const;
  DWORD GetStyle() const;
  // Removes, then adds style bits; true when the style changed.
  bool ModifyStyle(DWORD remove, DWORD add) const;
  HWND GetParent() const;
  bool SetTimer(UINT_PTR id, UINT milliseconds) const;
  bool KillTimer(UINT_PTR id) const;
  void SetCapture() const;
  bool HasCapture() const;
  // Asks for one WM_MOUSELEAVE when the mouse leaves the client area.
  bool TrackMouseLeave() const;

 protected:
  HWND m_hWnd = nullptr;

 private:
  friend class CDialog;
  void Link(HWND hwnd);
  void Unlink();
  // The procedure of linked dialogs, which keep their object in DWLP_USER.
  static LRESULT CALLBACK DialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // Handles one message for a linked window, then unlinks on WM_NCDESTROY.
  static LRESULT Dispatch(CWnd* wnd, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool MeasureChild(MEASUREITEMSTRUCT& mis);

  WNDPROC m_previousProc = nullptr;  // set while a window of another class is subclassed
  bool m_isDialog = false;
};
