#include <cstddef>
#include <cstdint>

#include "fuzz/macro/MacroFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  macrofuzz::RunInput(data, size);
  return 0;
}
