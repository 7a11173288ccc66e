#pragma once
// One move-only owner for every kind of Win32 handle; the release function is part of the type,
// so a bitmap cannot be released with DeleteDC. In test builds the owners count what they hold,
// so tests can prove that a window opened and closed many times leaves nothing behind
// (Wine's GetGuiResources always answers 0).

#include <windows.h>
// GDI+ needs the COM base types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <utility>

namespace win {

#if defined(TRELM_COUNT_HANDLES) && TRELM_COUNT_HANDLES
inline constexpr bool kCountHandles = true;
#else
inline constexpr bool kCountHandles = false;
#endif

// What Windows counts a handle as: GetGuiResources' GDI and USER objects, or neither (keys, files, GDI+).
enum class HandleKind { kGdi, kUser, kOther };

// Live handles held by all owners together (always 0 when counting is off).
inline long& LiveHandleCount() {
  static long count = 0;  // one UI thread: no atomics needed
  return count;
}
// Live handles of one kind.
inline long& LiveHandleCount(HandleKind kind) {
  static long counts[3] = {};
  return counts[static_cast<int>(kind)];
}

// For owners that are not UniqueHandle (device contexts from GetDC/BeginPaint, OLE pictures) but must be
// counted too.
inline void CountLive(long delta, HandleKind kind = HandleKind::kGdi) {
  if constexpr (kCountHandles) {
    LiveHandleCount() += delta;
    LiveHandleCount(kind) += delta;
  }
}

template <typename H>
constexpr bool NotNull(H h) { return h != H{}; }

// GDI+ objects are C++ objects; their own operator delete hands the memory back to GDI+.
template <typename T>
void DeletePointer(T* object) { delete object; }

inline bool ValidFileHandle(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }

// A popup owned by another window dies with its owner; only a window still alive is destroyed.
inline BOOL DestroyLiveWindow(HWND h) { return ::IsWindow(h) && ::DestroyWindow(h); }

// The kind of the handles a release function frees.
template <auto Release>
inline constexpr HandleKind kKindReleasedBy = HandleKind::kOther;
template <> inline constexpr HandleKind kKindReleasedBy<&::DeleteObject> = HandleKind::kGdi;
template <> inline constexpr HandleKind kKindReleasedBy<&::DeleteDC> = HandleKind::kGdi;
template <> inline constexpr HandleKind kKindReleasedBy<&::DestroyIcon> = HandleKind::kUser;
template <> inline constexpr HandleKind kKindReleasedBy<&::DestroyCursor> = HandleKind::kUser;
template <> inline constexpr HandleKind kKindReleasedBy<&::DestroyMenu> = HandleKind::kUser;
template <> inline constexpr HandleKind kKindReleasedBy<&DestroyLiveWindow> = HandleKind::kUser;

template <typename H, auto Release, bool (*IsValid)(H) = &NotNull<H>>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) : h_(h) { Counted(+1); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, H{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      h_ = std::exchange(other.h_, H{});  // already counted by `other`
    }
    return *this;
  }
  ~UniqueHandle() { reset(); }

  H get() const { return h_; }
  explicit operator bool() const { return IsValid(h_); }

  // Takes ownership of `h`, releasing what was held before.
  void reset(H h = H{}) {
    if (h == h_) return;
    if (IsValid(h_)) {
      Release(h_);
      Counted(-1);
    }
    h_ = h;
    Counted(+1);
  }
  // Gives the handle away; the caller (or the platform) owns it now.
  [[nodiscard]] H release() {
    Counted(-1);
    return std::exchange(h_, H{});
  }

 private:
  void Counted(long delta) const {
    if (IsValid(h_)) CountLive(delta, kKindReleasedBy<Release>);
  }
  H h_{};
};

using Bitmap = UniqueHandle<HBITMAP, &::DeleteObject>;
using Region = UniqueHandle<HRGN, &::DeleteObject>;
using Font = UniqueHandle<HFONT, &::DeleteObject>;
using Brush = UniqueHandle<HBRUSH, &::DeleteObject>;
using Pen = UniqueHandle<HPEN, &::DeleteObject>;
using MemDC = UniqueHandle<HDC, &::DeleteDC>;
using Icon = UniqueHandle<HICON, &::DestroyIcon>;
using RegKey = UniqueHandle<HKEY, &::RegCloseKey>;
using Module = UniqueHandle<HMODULE, &::FreeLibrary>;
using File = UniqueHandle<HANDLE, &::CloseHandle, &ValidFileHandle>;
using KernelHandle = UniqueHandle<HANDLE, &::CloseHandle>;
using GlobalMemory = UniqueHandle<HGLOBAL, &::GlobalFree>;
using GdiObject = UniqueHandle<HGDIOBJ, &::DeleteObject>;
using Cursor = UniqueHandle<HCURSOR, &::DestroyCursor>;  // only for copies, never for shared cursors
using Menu = UniqueHandle<HMENU, &::DestroyMenu>;
using Window = UniqueHandle<HWND, &DestroyLiveWindow>;  // windows no framework object manages (tooltips)
using GdiplusImage = UniqueHandle<Gdiplus::Image*, &DeletePointer<Gdiplus::Image>>;
using GdiplusBitmap = UniqueHandle<Gdiplus::Bitmap*, &DeletePointer<Gdiplus::Bitmap>>;

// Selects an object into a device context and puts the previous one back when it goes out of scope,
// so the selected object is never deleted while still selected.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace win
