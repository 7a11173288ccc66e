#pragma once
// What every fuzz input shares: a check that stops the run where a promise breaks (the fuzzer keeps the
// input), and a reader that decodes the input front to back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace fuzzing {

inline void Require(bool condition) {
  if (!condition) std::abort();
}

// Past the input's end every read is 0, so every input decodes to something.
class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  bool AtEnd() const { return m_at >= m_size; }
  std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }
  std::uint32_t U32() { return U16() | static_cast<std::uint32_t>(U16()) << 16; }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_at = 0;
};

}  // namespace fuzzing
