#pragma once
// The system controls the skinned controls are built on, created with id 0 and owned by their object.

#include "framework/Wnd.h"

class CButton : public CWnd {
 public:
  bool Create(const wchar_t* text, DWORD style, const RECT& rect, HWND parent, UINT id = 0) {
    return CreateEx(0, L"BUTTON", text, style, rect, parent, id);
  }
};

class CStatic : public CWnd {
 public:
  bool Create(const wchar_t* text, DWORD style, const RECT& rect, HWND parent, UINT id = 0) {
    return CreateEx(0, L"STATIC", text, style, rect, parent, id);
  }
};

class CListBox : public CWnd {
 public:
  bool Create(DWORD style, const RECT& rect, HWND parent, UINT id = 0) {
    return CreateEx(0, L"LISTBOX", nullptr, style, rect, parent, id);
  }
};
