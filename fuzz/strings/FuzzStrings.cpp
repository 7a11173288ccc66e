#include <cstddef>
#include <cstdint>

#include "fuzz/strings/StringsFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  stringsfuzz::RunInput(data, size);
  return 0;
}
