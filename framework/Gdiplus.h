#pragma once
// GDI+ for the life of a scope. Images are owned by win::GdiplusImage / win::GdiplusBitmap (Handles.h).

#include <memory>

#include "platform/win32/Handles.h"

namespace win {

class GdiplusSession {
 public:
  // Version 1, no debug callback, background thread and external codecs not suppressed.
  GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  ~GdiplusSession();
  bool Started() const { return m_started; }

 private:
  ULONG_PTR m_token = 0;
  bool m_started = false;
};

// The generic sans-serif family, or the first installed of a few common ones when the system has no
// generic one (Wine answers with a family whose fonts are missing, and text drawn with it never shows).
std::unique_ptr<Gdiplus::FontFamily> SansSerifFamily();

}  // namespace win
