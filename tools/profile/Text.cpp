#include "tools/profile/Text.h"

#include <algorithm>
#include <cstdint>

namespace profiletool {
namespace {

void Append(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::optional<std::string> Convert(std::u16string_view text, bool replace) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      Append(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
      ++i;
    } else if (high || low) {
      if (!replace) return std::nullopt;
      Append(out, 0xFFFD);
    } else {
      Append(out, unit);
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> Utf8Of(std::u16string_view text) { return Convert(text, false); }

std::string Readable(std::u16string_view text) { return *Convert(text, true); }

std::optional<std::u16string> Utf16Of(std::string_view text) {
  static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};  // overlong forms are refused
  std::u16string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    const int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || text.size() - i <= static_cast<std::size_t>(extra)) return std::nullopt;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<std::uint8_t>(text[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (next & 0x3F);
    }
    if (c < kSmallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
    i += 1 + static_cast<std::size_t>(extra);
  }
  return out;
}

std::u16string Utf16Lenient(std::string_view text) {
  if (auto exact = Utf16Of(text)) return *exact;
  std::u16string out;
  for (const char32_t c : CodePoints(text)) {
    if (c >= 0x10000 && c <= 0x10FFFF) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += c >= 0xD800 && c <= 0xDFFF ? u'\uFFFD' : static_cast<char16_t>(c);
    }
  }
  return out;
}

std::u32string CodePoints(std::string_view text) {
  std::u32string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    const int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
    char32_t c = extra == 0 ? lead : U'\uFFFD';
    std::size_t used = 1;
    if (extra > 0 && i + static_cast<std::size_t>(extra) < text.size()) {
      char32_t value = lead & (0x3F >> extra);
      bool whole = true;
      for (int k = 1; whole && k <= extra; ++k) {
        const auto next = static_cast<std::uint8_t>(text[i + k]);
        whole = (next & 0xC0) == 0x80;
        value = (value << 6) | (next & 0x3F);
      }
      if (whole && value <= 0x10FFFF) {
        c = value;
        used += static_cast<std::size_t>(extra);
      }
    }
    out += c;
    i += used;
  }
  return out;
}

std::string Utf8OfCodePoints(std::u32string_view text) {
  std::string out;
  for (const char32_t c : text) Append(out, c);
  return out;
}

namespace {

char16_t Lower(char16_t c) {
  struct Range {
    char16_t first, last;
    int shift;
    bool pairs;  // upper and lower case alternate, upper first
  };
  static constexpr Range kRanges[] = {
      {0x41, 0x5A, 0x20, false},     {0xC0, 0xD6, 0x20, false},     {0xD8, 0xDE, 0x20, false},
      {0x100, 0x137, 1, true},       {0x14A, 0x177, 1, true},       {0x391, 0x3A1, 0x20, false},
      {0x3A3, 0x3AB, 0x20, false},   {0x400, 0x40F, 0x50, false},   {0x410, 0x42F, 0x20, false},
      {0x460, 0x481, 1, true},       {0x48A, 0x4BF, 1, true},       {0x1E00, 0x1EFF, 1, true},
  };
  for (const Range& r : kRanges)
    if (c >= r.first && c <= r.last) {
      if (r.pairs && (c - r.first) % 2 != 0) return c;
      return static_cast<char16_t>(c + r.shift);
    }
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 == 1 ? static_cast<char16_t>(c + 1) : c;
  if (c == 0x3C2) return 0x3C3;  // final sigma
  return c;
}

// Edit distance with a swap of two neighbours counting once, so "Mtue" is near "Mute".
std::size_t Distance(std::u16string_view a, std::u16string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i)
    for (std::size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}

}  // namespace

std::u16string Folded(std::u16string_view word) {
  std::u16string out;
  for (const char16_t c : word)
    if (c != u' ' && c != u'_') out += Lower(c);
  return out.empty() ? std::u16string(word) : out;
}

std::vector<std::u16string> Nearest(std::u16string_view word, const std::vector<std::u16string>& candidates,
                                    std::size_t count) {
  const std::u16string folded = Folded(word);
  if (folded.empty()) return {};
  const std::size_t near = std::max<std::size_t>(1, folded.size() / 3);
  std::vector<std::pair<std::size_t, std::u16string>> found;
  for (const auto& candidate : candidates) {
    const std::u16string other = Folded(candidate);
    std::size_t distance = Distance(folded, other);
    if (distance > near && folded.size() >= 3 && other.starts_with(folded)) distance = near;
    if (distance > near) continue;
    if (std::none_of(found.begin(), found.end(), [&](const auto& f) { return Folded(f.second) == other; }))
      found.emplace_back(distance, candidate);
  }
  std::stable_sort(found.begin(), found.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  std::vector<std::u16string> nearest;
  for (std::size_t i = 0; i < found.size() && i < count; ++i) nearest.push_back(found[i].second);
  return nearest;
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text);
  quoted += '"';
  return quoted;
}

std::string QuotedChoice(const std::vector<std::u16string>& words) {
  std::string text;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += i + 1 == words.size() ? " or " : ", ";
    text += Quoted(Readable(words[i]));
  }
  return text;
}

}  // namespace profiletool
