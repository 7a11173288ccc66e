#pragma once
// The marks of a document text: the offset of every '<', '>' and '=', in order. They are found in
// one vectorised pass (or while the text is decoded), so that building the index steps from tag to
// tag without reading the text in between, and without each step waiting for the scan before it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace strings {

// '<', '=' and '>' are 3C, 3D and 3E: the units at most 2 above '<'.
inline bool IsXmlMark(char16_t c) { return static_cast<char16_t>(c - u'<') <= 2; }

class XmlMarkList {
 public:
  // Room for this many marks after the write position, kept by MakeRoom while writing.
  static constexpr std::size_t kSlack = 16;

  // Starts writing with room for about `expected` marks.
  std::uint32_t* BeginWriting(std::size_t expected);
  // Keeps kSlack marks of room after the write position `end`; returns it (the buffer may move).
  std::uint32_t* MakeRoom(std::uint32_t* end) { return end + kSlack <= m_data.get() + m_capacity ? end : Grow(end); }
  void FinishWriting(const std::uint32_t* end) { m_size = static_cast<std::size_t>(end - m_data.get()); }

  const std::uint32_t* begin() const { return m_data.get(); }
  const std::uint32_t* end() const { return m_data.get() + m_size; }
  std::size_t size() const { return m_size; }

 private:
  std::uint32_t* Grow(std::uint32_t* end);

  std::unique_ptr<std::uint32_t[]> m_data;
  std::size_t m_capacity = 0;
  std::size_t m_size = 0;
};

// The marks of `text`, which replace what `marks` held.
void FindXmlMarks(std::u16string_view text, XmlMarkList& marks);

}  // namespace strings
