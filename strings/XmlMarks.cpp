#include "strings/XmlMarks.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace strings {

namespace {

#if defined(__SSE2__)
// All ones in the lane of each mark among eight units. '<', '=' and '>' are 3C, 3D and 3E: a unit
// is a mark when it minus 3C (wrapping below it) is at most 2, which subtracting 2 with saturation
// turns into zero.
inline __m128i MarkLanes(const char16_t* p) {
  const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i fromLt = _mm_sub_epi16(units, _mm_set1_epi16(u'<'));
  return _mm_cmpeq_epi16(_mm_subs_epu16(fromLt, _mm_set1_epi16(2)), _mm_setzero_si128());
}
#endif

}  // namespace

std::uint32_t* XmlMarkList::BeginWriting(std::size_t expected) {
  const std::size_t wanted = expected + kSlack;
  if (m_capacity < wanted) {
    m_data = std::make_unique_for_overwrite<std::uint32_t[]>(wanted);
    m_capacity = wanted;
  }
  m_size = 0;
  return m_data.get();
}

std::uint32_t* XmlMarkList::Grow(std::uint32_t* end) {
  const std::size_t used = static_cast<std::size_t>(end - m_data.get());
  const std::size_t capacity = std::max(m_capacity + m_capacity / 2, used + kSlack);
  auto data = std::make_unique_for_overwrite<std::uint32_t[]>(capacity);
  std::memcpy(data.get(), m_data.get(), used * sizeof(std::uint32_t));
  m_data = std::move(data);
  m_capacity = capacity;
  return m_data.get() + used;
}

void FindXmlMarks(std::u16string_view text, XmlMarkList& marks) {
  const char16_t* const t = text.data();
  const std::size_t n = text.size();
  std::uint32_t* out = marks.BeginWriting(n / 8);
  std::size_t i = 0;
#if defined(__SSE2__)
  for (; n - i >= 16; i += 16) {
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(MarkLanes(t + i), MarkLanes(t + i + 8))));
    if (mask == 0) continue;
    out = marks.MakeRoom(out);
    do {
      *out++ = static_cast<std::uint32_t>(i + static_cast<unsigned>(__builtin_ctz(mask)));
      mask &= mask - 1;
    } while (mask != 0);
  }
#endif
  for (; i < n; ++i) {
    if (!IsXmlMark(t[i])) continue;
    out = marks.MakeRoom(out);
    *out++ = static_cast<std::uint32_t>(i);
  }
  marks.FinishWriting(out);
}

}  // namespace strings
