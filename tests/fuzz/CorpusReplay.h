#pragma once
// Replays a fuzz target's seed corpus (tests/fuzz/<name>/) through the target's own entry point, so every
// build of the tests exercises it, natively and under Wine.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fuzztest {

inline std::filesystem::path CorpusFolder(const std::string& name) {
  // The corpora sit beside this header; under Wine the same Unix path is reached through drive Z:.
  const std::filesystem::path here = std::filesystem::path(__FILE__).parent_path();
  for (const std::filesystem::path& candidate : {here / name, std::filesystem::path("Z:" + here.string()) / name}) {
    std::error_code ec;
    if (std::filesystem::is_directory(candidate, ec)) return candidate;
  }
  return {};
}

// Runs every seed of the corpus `name` through `run`; there must be at least `minimum` of them.
template <typename Run>
void ReplayCorpus(const std::string& name, Run run, int minimum = 10) {
  const std::filesystem::path folder = CorpusFolder(name);
  ASSERT_FALSE(folder.empty()) << "seed corpus " << name << " not found beside " << __FILE__;
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(entry.path().filename().string());
    run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++seeds;
  }
  EXPECT_GE(seeds, minimum);
}

}  // namespace fuzztest
