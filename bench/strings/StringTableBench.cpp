// What the texts of one start-up cost: the 129 lookups the windows make, each reading and parsing the
// language file again, against the same lookups answered from the parsed file kept between them.
// A bare read of the file, 129 times, is the baseline.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bench/Harness.h"
#include "strings/StringTable.h"

namespace {

std::size_t g_sink = 0;  // keeps the compiler from dropping the work

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

void LookUpAll(const std::u16string& path, bool cached) {
  for (const auto& pair : strings::kAllStringKeys)
    g_sink += cached ? strings::LookUpString(path, pair.section, pair.key).size()
                     : strings::LookUpStringUncached(path, Widen(pair.section), Widen(pair.key)).size();
}

}  // namespace

int main() {
  namespace fs = std::filesystem;
  const fs::path shipped(TRELM_SHIPPED_STRINGS);
  // Two copies, so the kept file can be made stale by turns: each round then starts like a fresh run.
  const fs::path first = fs::temp_directory_path() / "trelm-bench-strings-1.xml";
  const fs::path second = fs::temp_directory_path() / "trelm-bench-strings-2.xml";
  std::error_code error;
  fs::copy_file(shipped, first, fs::copy_options::overwrite_existing, error);
  fs::copy_file(shipped, second, fs::copy_options::overwrite_existing, error);
  if (error) {
    std::printf("strings: cannot copy %s: %s\n", shipped.string().c_str(), error.message().c_str());
    return 1;
  }
  const std::u16string paths[] = {first.u16string(), second.u16string()};
  const auto size = fs::file_size(first);

  const auto bare = bench::Measure(30, [&] {
    for (std::size_t i = 0; i < strings::kStringKeyCount; ++i) {
      std::ifstream in(first, std::ios::binary);
      g_sink += std::string(std::istreambuf_iterator<char>(in), {}).size();
    }
  });
  const auto uncached = bench::Measure(30, [&] { LookUpAll(paths[0], false); });
  int round = 0;
  const auto coldCache = bench::Measure(30, [&] { LookUpAll(paths[++round % 2], true); });
  const auto warmCache = bench::Measure(30, [&] { LookUpAll(paths[0], true); });

  std::printf("strings: %zu lookups in a %ju-byte file\n", strings::kStringKeyCount, static_cast<std::uintmax_t>(size));
  bench::Report("strings: bare file reads, one per lookup (baseline)", bare);
  bench::Report("strings: start-up, file parsed per lookup", uncached, "bare file reads", bare);
  bench::Report("strings: start-up, file parsed once", coldCache, "bare file reads", bare);
  bench::Report("strings: lookups in the kept file", warmCache, "bare file reads", bare);
  std::printf("strings: start-up speed-up of keeping the file: %.1fx\n", uncached.medianMs / coldCache.medianMs);

  fs::remove(first, error);
  fs::remove(second, error);
  return g_sink == 0;  // every lookup came back empty: the file was not read
}
