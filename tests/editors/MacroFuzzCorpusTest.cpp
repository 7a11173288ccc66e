// Replays the macro fuzz target's seed corpus through the same entry point, so every build exercises it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/macro/MacroFuzzInput.h"

namespace {

std::filesystem::path CorpusFolder() {
  // The sources sit beside each other; under Wine the same Unix path is reached through drive Z:.
  const std::filesystem::path here = std::filesystem::path(__FILE__).parent_path();
  const std::filesystem::path candidates[] = {here / ".." / "fuzz" / "fuzz_macro",
                                              std::filesystem::path("Z:" + here.string()) / ".." / "fuzz" / "fuzz_macro"};
  for (const std::filesystem::path& candidate : candidates) {
    std::error_code ec;
    if (std::filesystem::is_directory(candidate, ec)) return candidate;
  }
  return {};
}

TEST(MacroFuzzCorpus, EverySeedRunsCleanly) {
  const std::filesystem::path folder = CorpusFolder();
  ASSERT_FALSE(folder.empty()) << "seed corpus not found beside " << __FILE__;
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(entry.path().filename().string());
    macrofuzz::RunInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++seeds;
  }
  EXPECT_GE(seeds, 10);
}

}  // namespace
