// Every text of every shipped language fits where the windows draw it, and every character of it draws: the
// main window, each menu, editor and dialog is opened in each language, and each text the painting helpers
// report is measured in the font it is drawn in against the room its window gives it. A failure names the
// language, the text's key and the pixels it lacks; the cure is a shorter translation, never a moved control.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>

#include "platform/win32/Text.h"
#include "skin/DrawnTexts.h"
#include "strings/StringTable.h"
#include "tests/app/WindowTour.h"
#include "tests/strings/ShippedLanguages.h"

namespace {

using namespace apptest;

std::string Utf8(std::wstring_view text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

// The key a drawn text shows: the longest text of the language found in it, as "Profile 01" shows
// PROFILESET/PROFILE. Texts of no key (key names, fixed texts) are named by themselves.
std::string KeyShownBy(const std::wstring& drawn, const std::u16string& file) {
  const strings::StringKey* best = nullptr;
  std::size_t bestLength = 0;
  for (const auto& key : strings::kAllStringKeys) {
    const std::u16string text = strings::LookUpString(file, key.section, key.key);
    if (text.size() > bestLength && drawn.find(win::Wide(text)) != std::wstring::npos) {
      best = &key;
      bestLength = text.size();
    }
  }
  return best ? std::string(best->section) + "/" + std::string(best->key) : "a fixed text";
}

struct Overflow {
  long wide = 0, tall = 0;  // pixels beyond the room, both sides together
};
Overflow OverflowOf(const skin::DrawnText& text) {
  const RECT& room = text.room;
  const RECT& drawn = text.drawn;
  return {std::max(0L, room.left - drawn.left) + std::max(0L, drawn.right - room.right),
          std::max(0L, room.top - drawn.top) + std::max(0L, drawn.bottom - room.bottom)};
}

// Whether a character draws in a font as a glyph of the font or of a font linked to it (as Chinese, Japanese
// and Korean characters do in a Western font), rather than as the box that stands for a missing character.
class GlyphCheck {
 public:
  GlyphCheck() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, -kSide, 1, 32, BI_RGB};
    m_picture.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0));
    m_selected.emplace(m_dc.get(), m_picture.get());
  }
  bool Draws(const LOGFONTW& font, wchar_t c) {
    if (c == L' ' || c == 0x00A0 || (c >= 0xD800 && c <= 0xDFFF)) return true;  // blank, or half a pair
    Font& known = m_fonts[std::make_tuple(std::wstring(font.lfFaceName), font.lfHeight, font.lfWeight)];
    if (const auto answer = known.draws.find(c); answer != known.draws.end()) return answer->second;
    if (!known.font) known.font.reset(::CreateFontIndirectW(&font));
    win::SelectGuard selected(m_dc.get(), known.font.get());
    WORD glyph = 0;
    ::GetGlyphIndicesW(m_dc.get(), &c, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
    if (glyph != 0xFFFF) return known.draws[c] = true;
    if (known.missing.empty()) known.missing = Picture(kUnassigned);
    return known.draws[c] = Picture(c) != known.missing;
  }

 private:
  static constexpr int kSide = 48;
  static constexpr wchar_t kUnassigned = 0x0378;  // no font has a glyph for it

  std::vector<std::uint32_t> Picture(wchar_t c) {
    ::PatBlt(m_dc.get(), 0, 0, kSide, kSide, WHITENESS);
    ::TextOutW(m_dc.get(), 8, 8, &c, 1);
    ::GdiFlush();
    return {m_bits, m_bits + kSide * kSide};
  }

  win::MemDC m_dc{::CreateCompatibleDC(nullptr)};
  win::Bitmap m_picture;
  std::uint32_t* m_bits = nullptr;
  std::optional<win::SelectGuard> m_selected;
  struct Font {
    win::Font font;
    std::vector<std::uint32_t> missing;  // the box
    std::map<wchar_t, bool> draws;
  };
  std::map<std::tuple<std::wstring, LONG, LONG>, Font> m_fonts;
};

class TextFit : public WindowTour {};

TEST_F(TextFit, EveryTextOfEveryLanguageFitsWhereItIsDrawn) {
  std::vector<skin::DrawnText> drawn;
  skin::ObserveDrawnTexts([&](const skin::DrawnText& text) { drawn.push_back(text); });
  for (const auto& language : strtest::kShippedLanguages) {
    const std::u16string file = language.Path();
    strings::SetStringFilePath(file);
    Open();
    std::set<std::string> reported;
    GlyphCheck glyphs;
    for (const TourStop& stop : kTourStops) {
      if (stop.panelOut) SlidePanelOut();
      for (int i = 0; i < stop.variants && !HasFatalFailure(); ++i) (this->*stop.cycle)(i);
      if (stop.panelOut) SlidePanelIn();
      EXPECT_FALSE(drawn.empty()) << language.code << ": the " << stop.name << " drew no text";
      for (const skin::DrawnText& text : drawn) {
        const std::string what = std::string(language.code) + ": " + KeyShownBy(text.text, file) + " \"" +
                                 Utf8(text.text) + "\" in the " + stop.name + " (" + Utf8(text.font.lfFaceName) +
                                 " " + std::to_string(text.font.lfHeight) + ")";
        if (!reported.insert(what).second) continue;
        std::wstring boxed;
        for (const wchar_t c : text.text)
          if (!glyphs.Draws(text.font, c)) boxed += c;
        EXPECT_TRUE(boxed.empty()) << what << " shows a box for each of \"" << Utf8(boxed) << "\"";
        const Overflow overflow = OverflowOf(text);
        EXPECT_TRUE(overflow.wide == 0 && overflow.tall == 0)
            << what << " is " << overflow.wide << " px too wide and " << overflow.tall << " px too tall ("
            << text.drawn.right - text.drawn.left << " px in " << text.room.right - text.room.left << ")";
      }
      drawn.clear();
      if (HasFatalFailure()) break;
    }
    window->DestroyWindow();
    window.reset();
    if (HasFatalFailure()) break;
  }
  skin::ObserveDrawnTexts({});
}

}  // namespace
