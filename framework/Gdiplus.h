#pragma once
// GDI+ for the life of a scope. Images are owned by win::GdiplusImage / win::GdiplusBitmap (Handles.h).

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

}  // namespace win
