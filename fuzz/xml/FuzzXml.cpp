#include <cstddef>
#include <cstdint>

#include "fuzz/xml/XmlFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  xmlfuzz::RunInput(data, size);
  return 0;
}
