#pragma once
// The element index of a parsed document: one compact record per element, pointing back into the
// document text, kept in segments so a large document needs no single huge allocation.

#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

namespace strings {

// Index 0 is the document itself; its first child is the root element.
using ElementIndex = std::uint32_t;

struct XmlElementRecord {
  static constexpr std::uint32_t kStartTagBits = 22;
  static constexpr std::uint32_t kMaxStartTagLength = (1u << kStartTagBits) - 1;
  static constexpr std::uint32_t kMaxEndTagLength = (1u << (32 - kStartTagBits)) - 1;
  static constexpr std::uint32_t kMaxDepth = 0xFFFF;

  // Flags, kept in the high half of depthFlags.
  static constexpr std::uint16_t kEmpty = 0x0001;           // written as <a/>
  static constexpr std::uint16_t kNotEnded = 0x0002;        // closed without its end tag
  static constexpr std::uint16_t kErrorInSubtree = 0x0004;  // this element or one inside it holds an error
  static constexpr std::uint16_t kNotWellFormed = 0x0008;   // record 0 only

  // No member initialisers: segments are allocated without zeroing, and every record handed out is
  // value-initialised (all zero) first.
  std::uint32_t start;       // offset of the start tag's '<'
  std::uint32_t length;      // start tag's '<' to end tag's '>' inclusive
  std::uint32_t tagLengths;  // start-tag length (low 22 bits), end-tag length (high 10 bits)
  std::uint32_t depthFlags;  // depth (low 16 bits), flags (high 16 bits)
  ElementIndex parent;
  ElementIndex firstChild;
  ElementIndex nextSibling;
  // For a first child: the last child of its parent, so appending is one step.
  ElementIndex previousSibling;

  // A length too large for its field is stored as the field's maximum; readers then measure the
  // tag again from the text.
  std::uint32_t StartTagLength() const { return tagLengths & kMaxStartTagLength; }
  std::uint32_t EndTagLength() const { return tagLengths >> kStartTagBits; }
  void SetStartTagLength(std::uint32_t n) {
    tagLengths = (tagLengths & ~kMaxStartTagLength) | (n < kMaxStartTagLength ? n : kMaxStartTagLength);
  }
  void SetEndTagLength(std::uint32_t n) {
    const std::uint32_t packed = n < kMaxEndTagLength ? n : kMaxEndTagLength;
    tagLengths = (tagLengths & kMaxStartTagLength) | (packed << kStartTagBits);
  }

  // The nesting level at which the start tag was read (the root is 1), at most 65,535.
  std::uint32_t Depth() const { return depthFlags & 0xFFFF; }
  void SetDepth(std::uint32_t depth) {
    depthFlags = (depthFlags & 0xFFFF0000u) | (depth < kMaxDepth ? depth : kMaxDepth);
  }
  std::uint16_t Flags() const { return static_cast<std::uint16_t>(depthFlags >> 16); }
  bool Has(std::uint16_t flag) const { return (Flags() & flag) != 0; }
  void Set(std::uint16_t flag) { depthFlags |= static_cast<std::uint32_t>(flag) << 16; }
};
static_assert(sizeof(XmlElementRecord) == 32, "eight 32-bit words per element");
static_assert(std::is_trivial_v<XmlElementRecord>);

class XmlRecordStore {
 public:
  static constexpr std::uint32_t kSegmentShift = 16;
  static constexpr std::uint32_t kSegmentSize = 1u << kSegmentShift;  // 65,536 records

  XmlRecordStore() { Reset(1); }

  // Empties the store and makes room for exactly `capacity` records; record 0 (the document) is
  // present.
  void Reset(std::uint32_t capacity);
  // Back to record 0 alone, keeping the memory.
  void Clear() {
    m_count = 1;
    (*this)[0] = XmlElementRecord{};
  }
  // Adds a record and returns its index; grows to one and a half times when full. 0 when no
  // further index can be given. The new record's fields are unset: the caller writes every one.
  ElementIndex AppendUnfilled() {
    if (m_count == m_capacity && !GrowByHalf()) return 0;
    return m_count++;
  }

  std::uint32_t Count() const { return m_count; }
  std::uint32_t Capacity() const { return m_capacity; }
  std::size_t SegmentCount() const { return m_segments.size(); }

  XmlElementRecord& operator[](ElementIndex i) { return m_segments[i >> kSegmentShift][i & (kSegmentSize - 1)]; }
  const XmlElementRecord& operator[](ElementIndex i) const {
    return m_segments[i >> kSegmentShift][i & (kSegmentSize - 1)];
  }

 private:
  void Grow(std::uint32_t capacity);
  bool GrowByHalf();

  std::vector<std::unique_ptr<XmlElementRecord[]>> m_segments;
  std::uint32_t m_capacity = 0;
  std::uint32_t m_count = 0;
};

}  // namespace strings
