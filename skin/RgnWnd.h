#pragma once
// A free-standing window shaped like its picture: the outline comes from its first picture file, with
// one key colour outside. It keeps the outline for hit tests and tracks a press inside it.

#include <array>
#include <string>

#include "framework/Wnd.h"
#include "platform/win32/Handles.h"

namespace skin {

inline constexpr wchar_t kRgnButtonClass[] = L"Rgn Button";

class CRgnWnd : public CWnd {
 public:
  // A visible tab-stop child of `parent`, empty at first: creation reads the first file, shapes the window
  // and sizes it to the picture at (0, 0). The owner then moves it to its place.
  bool Create(HWND parent, UINT id = 0);

  const std::wstring& GetFile(int index) const { return m_files[static_cast<std::size_t>(index)]; }
  HRGN GetRegion() const { return m_region.get(); }
  // Whether a client point lies inside the outline; never without an outline.
  bool Inside(int x, int y) const;

 protected:
  bool PreCreateWindow(CREATESTRUCTW& cs) override;
  int OnCreate(CREATESTRUCTW& cs) override;
  void OnPaint() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  // Repaints when the cursor's being inside changed while captured.
  void TrackPress(int x, int y);

  std::array<std::wstring, 4> m_files;  // first (normal, also the outline), second, third, fourth
  bool m_captured = false;
  bool m_pressedInside = false;

 private:
  void BuildRegion();

  win::Region m_region;
};

}  // namespace skin
