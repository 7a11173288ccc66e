#include "framework/Gdiplus.h"

namespace win {

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, nothing suppressed
  m_started = Gdiplus::GdiplusStartup(&m_token, &input, nullptr) == Gdiplus::Ok;
}

GdiplusSession::~GdiplusSession() {
  if (m_started) Gdiplus::GdiplusShutdown(m_token);
}

std::unique_ptr<Gdiplus::FontFamily> SansSerifFamily() {
  const Gdiplus::FontFamily* generic = Gdiplus::FontFamily::GenericSansSerif();
  if (generic && generic->GetLastStatus() == Gdiplus::Ok && generic->IsAvailable())
    return std::unique_ptr<Gdiplus::FontFamily>(generic->Clone());
  for (const wchar_t* name : {L"Microsoft Sans Serif", L"Tahoma", L"Arial", L"DejaVu Sans"}) {
    auto family = std::make_unique<Gdiplus::FontFamily>(name);
    if (family->GetLastStatus() == Gdiplus::Ok && family->IsAvailable()) return family;
  }
  return nullptr;
}

}  // namespace win
