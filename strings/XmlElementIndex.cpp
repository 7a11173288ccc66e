#include "strings/XmlElementIndex.h"

#include <algorithm>
#include <cstring>

namespace strings {

void XmlElementRecord::SetStartTagLength(std::uint32_t n) {
  tagLengths = (tagLengths & ~kMaxStartTagLength) | std::min(n, kMaxStartTagLength);
}

void XmlElementRecord::SetEndTagLength(std::uint32_t n) {
  tagLengths = (tagLengths & kMaxStartTagLength) | (std::min(n, kMaxEndTagLength) << kStartTagBits);
}

void XmlElementRecord::SetDepth(std::uint32_t depth) {
  depthFlags = (depthFlags & 0xFFFF0000u) | std::min(depth, kMaxDepth);
}

void XmlRecordStore::Reset(std::uint32_t capacity) {
  m_segments.clear();
  m_capacity = 0;
  m_count = 0;
  Grow(std::max<std::uint32_t>(capacity, 1));
  m_count = 1;
  (*this)[0] = XmlElementRecord{};
}

void XmlRecordStore::Grow(std::uint32_t capacity) {
  // Every segment but the last is full; only the last one is ever reallocated, so growing never
  // copies more than 65,536 records.
  for (std::uint32_t first = 0; first < capacity; first += kSegmentSize) {
    const std::uint32_t segment = first >> kSegmentShift;
    const std::uint32_t want = std::min(capacity - first, kSegmentSize);
    const std::uint32_t have = m_capacity > first ? std::min(m_capacity - first, kSegmentSize) : 0;
    if (want <= have) continue;
    auto records = std::make_unique<XmlElementRecord[]>(want);
    if (have > 0) std::memcpy(records.get(), m_segments[segment].get(), have * sizeof(XmlElementRecord));
    if (segment < m_segments.size())
      m_segments[segment] = std::move(records);
    else
      m_segments.push_back(std::move(records));
  }
  m_capacity = std::max(m_capacity, capacity);
}

ElementIndex XmlRecordStore::Append() {
  constexpr std::uint32_t kLimit = 0xFFFFFFFFu;
  if (m_count == kLimit) return 0;
  if (m_count == m_capacity) {
    const std::uint64_t grown = std::uint64_t{m_capacity} + m_capacity / 2 + 1;
    Grow(static_cast<std::uint32_t>(std::min<std::uint64_t>(grown, kLimit)));
  }
  const ElementIndex index = m_count++;
  (*this)[index] = XmlElementRecord{};
  return index;
}

}  // namespace strings
