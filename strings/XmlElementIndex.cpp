#include "strings/XmlElementIndex.h"

#include <algorithm>
#include <cstring>

namespace strings {

void XmlRecordStore::Reset(std::uint32_t capacity) {
  capacity = std::max<std::uint32_t>(capacity, 1);
  if (capacity != m_capacity) {
    m_segments.clear();
    m_capacity = 0;
    Grow(capacity);
  }
  Clear();
}

void XmlRecordStore::Grow(std::uint32_t capacity) {
  // Every segment but the last is full; only the last one is ever reallocated, so growing never
  // copies more than 65,536 records.
  for (std::uint32_t first = 0; first < capacity; first += kSegmentSize) {
    const std::uint32_t segment = first >> kSegmentShift;
    const std::uint32_t want = std::min(capacity - first, kSegmentSize);
    const std::uint32_t have = m_capacity > first ? std::min(m_capacity - first, kSegmentSize) : 0;
    if (want <= have) continue;
    auto records = std::make_unique_for_overwrite<XmlElementRecord[]>(want);
    if (have > 0) std::memcpy(records.get(), m_segments[segment].get(), have * sizeof(XmlElementRecord));
    if (segment < m_segments.size())
      m_segments[segment] = std::move(records);
    else
      m_segments.push_back(std::move(records));
  }
  m_capacity = std::max(m_capacity, capacity);
}

bool XmlRecordStore::GrowByHalf() {
  constexpr std::uint32_t kLimit = 0xFFFFFFFFu;
  if (m_capacity == kLimit) return false;
  const std::uint64_t grown = std::uint64_t{m_capacity} + m_capacity / 2 + 1;
  Grow(static_cast<std::uint32_t>(std::min<std::uint64_t>(grown, kLimit)));
  return true;
}

}  // namespace strings
