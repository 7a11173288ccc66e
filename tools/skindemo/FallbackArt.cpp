#include "tools/skindemo/FallbackArt.h"

#include <objidl.h>
#include <gdiplus.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace skindemo {
namespace {

using Gdiplus::Color;

const Color kBackground(255, 24, 26, 31);
const Color kPanel(255, 36, 39, 46);
const Color kOrange(255, 255, 175, 0);
const Color kKey(255, 255, 0, 200);  // the region buttons' outside

enum class Look { Normal, Over, Down };

Color ButtonFill(Look look) {
  switch (look) {
    case Look::Over: return Color(255, 92, 70, 24);
    case Look::Down: return Color(255, 150, 100, 0);
    case Look::Normal: break;
  }
  return Color(255, 58, 62, 72);
}

bool SaveAs(Gdiplus::Bitmap& picture, const std::wstring& path, const wchar_t* mimeType) {
  UINT count = 0, size = 0;
  Gdiplus::GetImageEncodersSize(&count, &size);
  std::vector<BYTE> buffer(size);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i)
    if (std::wstring(encoders[i].MimeType) == mimeType)
      return picture.Save(path.c_str(), &encoders[i].Clsid, nullptr) == Gdiplus::Ok;
  return false;
}

void RoundRect(Gdiplus::Graphics& g, const Gdiplus::Brush& brush, const RECT& r, int radius) {
  Gdiplus::GraphicsPath path;
  const INT d = radius * 2, w = r.right - r.left - 1, h = r.bottom - r.top - 1;
  const INT x = r.left, y = r.top;
  path.AddArc(x, y, d, d, 180, 90);
  path.AddArc(x + w - d, y, d, d, 270, 90);
  path.AddArc(x + w - d, y + h - d, d, d, 0, 90);
  path.AddArc(x, y + h - d, d, d, 90, 90);
  path.CloseFigure();
  g.FillPath(&brush, &path);
}

void DrawButton(Gdiplus::Graphics& g, const RECT& r, Look look) {
  Gdiplus::SolidBrush fill(ButtonFill(look));
  RoundRect(g, fill, r, 5);
  Gdiplus::Pen edge(look == Look::Normal ? Color(255, 90, 94, 104) : kOrange, 1);
  g.DrawLine(&edge, static_cast<INT>(r.left + 5), static_cast<INT>(r.bottom - 1), static_cast<INT>(r.right - 6),
             static_cast<INT>(r.bottom - 1));
}

// One picture per look, drawn by `draw`, saved in every format asked for.
void DrawSet(const std::wstring& skins, const std::wstring& set, SIZE size,
             const std::function<void(Gdiplus::Graphics&, Look)>& draw,
             std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> formats) {
  const std::pair<Look, const wchar_t*> looks[] = {{Look::Normal, L"normal"}, {Look::Over, L"over"}, {Look::Down, L"down"}};
  for (const auto& [look, name] : looks) {
    Gdiplus::Bitmap picture(size.cx, size.cy, PixelFormat24bppRGB);
    Gdiplus::Graphics g(&picture);
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    draw(g, look);
    for (const auto& [extension, mime] : formats) SaveAs(picture, skins + set + L"_" + name + extension, mime);
  }
}

// Pure white outside a rounded shape, black inside.
void DrawMask(const std::wstring& path, SIZE size, int radius) {
  Gdiplus::Bitmap mask(size.cx, size.cy, PixelFormat24bppRGB);
  Gdiplus::Graphics g(&mask);
  g.Clear(Color(255, 255, 255, 255));
  Gdiplus::SolidBrush inside(Color(255, 0, 0, 0));
  RoundRect(g, inside, RECT{0, 0, size.cx, size.cy}, radius);
  SaveAs(mask, path, L"image/bmp");
}

void Text(Gdiplus::Graphics& g, const wchar_t* text, float x, float y, float size, const Color& colour) {
  Gdiplus::FontFamily arial(L"Arial");
  const Gdiplus::FontFamily* family = arial.IsAvailable() ? &arial : Gdiplus::FontFamily::GenericSansSerif();
  Gdiplus::Font font(family, size, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
  Gdiplus::SolidBrush brush(colour);
  g.DrawString(text, -1, &font, Gdiplus::PointF(x, y), &brush);
}

void DrawPanel(const std::wstring& skins) {
  DrawSet(skins, L"skindemo", kPanelSize, [](Gdiplus::Graphics& g, Look look) {
    g.Clear(kBackground);
    Gdiplus::SolidBrush panel(kPanel);
    RoundRect(g, panel, RECT{8, 48, kPanelSize.cx - 8, kPanelSize.cy - 8}, 10);
    Gdiplus::SolidBrush accent(kOrange);
    g.FillRectangle(&accent, 20, 40, 160, 3);
    for (const auto* button : {&kPush, &kToggle, &kLongCaption, &kMenu, &kWarning, &kDisabled, &kRotated90,
                               &kRotated270, &kClose})
      DrawButton(g, button->rect, look);
    Gdiplus::SolidBrush status(Color(255, 28, 30, 36));
    g.FillRectangle(&status, static_cast<INT>(kStatusRect.left), static_cast<INT>(kStatusRect.top),
                    static_cast<INT>(kStatusRect.right - kStatusRect.left),
                    static_cast<INT>(kStatusRect.bottom - kStatusRect.top));
  }, {{L".bmp", L"image/bmp"}, {L".png", L"image/png"}});
  DrawMask(skins + L"skindemo_mask.bmp", kPanelSize, 14);
}

void DrawWarning(const std::wstring& skins) {
  constexpr SIZE size{480, 160};
  DrawSet(skins, L"warning", size, [](Gdiplus::Graphics& g, Look look) {
    g.Clear(kBackground);
    Gdiplus::SolidBrush accent(kOrange);
    g.FillRectangle(&accent, 20, 34, 200, 2);
    DrawButton(g, RECT{235, 121, 344, 147}, look);
    DrawButton(g, RECT{347, 121, 456, 147}, look);
  }, {{L".jpg", L"image/jpeg"}});
  DrawMask(skins + L"warning_mask.bmp", size, 12);
}

void DrawMenuSet(const std::wstring& skins, const std::wstring& set, SIZE size) {
  DrawSet(skins, set, size, [&](Gdiplus::Graphics& g, Look look) {
    g.Clear(Color(255, 30, 32, 38));
    if (look == Look::Normal) return;
    // The whole picture in the hovered or pressed look: wherever an entry lies, its face is cut from here.
    Gdiplus::SolidBrush fill(ButtonFill(look));
    g.FillRectangle(&fill, 3, 3, size.cx - 6, size.cy - 6);
  }, {{L".png", L"image/png"}});
  DrawMask(skins + set + L"_mask.bmp", size, 8);
}

void DrawMouseLeft(const std::wstring& skins) {
  constexpr SIZE size{70, 110};
  const std::pair<Look, const wchar_t*> looks[] = {{Look::Normal, L"_n"}, {Look::Over, L"_o"}, {Look::Down, L"_d"}};
  for (const auto& [look, suffix] : looks) {
    Gdiplus::Bitmap picture(size.cx, size.cy, PixelFormat24bppRGB);
    Gdiplus::Graphics g(&picture);
    g.Clear(kKey);  // no smoothing: the edge must not blend into the key colour
    Gdiplus::SolidBrush body(ButtonFill(look));
    g.FillEllipse(&body, 0, 0, size.cx * 2, size.cy * 2);
    Text(g, L"L", 24, 34, 26, look == Look::Normal ? Color(255, 220, 220, 220) : kOrange);
    SaveAs(picture, skins + L"mouse left" + suffix + L".bmp", L"image/bmp");
  }
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

void DrawFallbackArt(const std::wstring& fallbackBase, const std::wstring& realBase) {
  const std::wstring fallback = fallbackBase + L"Skins\\";
  const std::wstring real = realBase + L"Skins\\";
  std::error_code ignored;
  std::filesystem::create_directories(fallback, ignored);
  DrawPanel(fallback);
  if (!Exists(real + L"warning_normal.jpg")) DrawWarning(fallback);
  if (!Exists(real + L"key function_normal.png")) DrawMenuSet(fallback, L"key function", SIZE{181, 295});
  for (const wchar_t* set : {L"Internet", L"office", L"media", L"additional"})
    if (!Exists(real + set + L"_normal.png")) DrawMenuSet(fallback, set, SIZE{200, 310});
  if (!Exists(real + L"mouse left_n.bmp")) DrawMouseLeft(fallback);
}

std::wstring FolderFor(const std::wstring& file, const std::wstring& fallbackBase, const std::wstring& realBase) {
  return Exists(realBase + L"Skins\\" + file) ? realBase : fallbackBase;
}

}  // namespace skindemo
