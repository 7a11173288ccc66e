#include <cstddef>
#include <cstdint>

#include "fuzz/profile/ProfileFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  profilefuzz::RunInput(data, size);
  return 0;
}
