#pragma once
// A tiny benchmark harness that builds for every configuration (Google Benchmark is not available
// to the MinGW builds): runs a body repeatedly and reports the median and the best time. With
// TRELM_BENCH_RESULTS naming a file, every report is also appended to it as one JSON line (name, median,
// best, and the baseline and ratio where there is one), which scripts/run-benchmarks gathers.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace bench {

struct Timing {
  double medianMs = 0;
  double bestMs = 0;
};

// TRELM_BENCH_ONCE runs each body once: the tests prove the programs run, without measuring.
inline Timing Measure(int repetitions, const std::function<void()>& body) {
  if (const char* once = std::getenv("TRELM_BENCH_ONCE"); once && *once) repetitions = 1;
  std::vector<double> ms;
  ms.reserve(repetitions);
  for (int i = 0; i < repetitions; ++i) {
    const auto start = std::chrono::steady_clock::now();
    body();
    const auto end = std::chrono::steady_clock::now();
    ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms.front()};
}

namespace detail {
inline std::string JsonText(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (static_cast<unsigned char>(c) >= 0x20) quoted += c;
  }
  return quoted + '"';
}

inline void Record(const std::string& name, const Timing& t, const std::string& baseline, double baselineMs) {
  const char* path = std::getenv("TRELM_BENCH_RESULTS");
  if (!path || !*path) return;
  if (std::FILE* out = std::fopen(path, "a")) {
    std::fprintf(out, "{\"name\": %s, \"median_ms\": %.4f, \"best_ms\": %.4f", JsonText(name).c_str(), t.medianMs,
                 t.bestMs);
    if (!baseline.empty() && baselineMs > 0)
      std::fprintf(out, ", \"baseline\": %s, \"baseline_ms\": %.4f, \"ratio\": %.4f", JsonText(baseline).c_str(),
                   baselineMs, t.medianMs / baselineMs);
    std::fprintf(out, "}\n");
    std::fclose(out);
  }
}
}  // namespace detail

inline void Report(const std::string& name, const Timing& t, const std::string& extra = {}) {
  std::printf("%-48s median %9.3f ms   best %9.3f ms%s%s\n", name.c_str(), t.medianMs, t.bestMs,
              extra.empty() ? "" : "   ", extra.c_str());
  std::fflush(stdout);
  detail::Record(name, t, {}, 0);
}

// A measurement beside the baseline measured in the same run: the ratio of the medians is printed and kept.
inline void Report(const std::string& name, const Timing& t, const std::string& baselineName, const Timing& baseline) {
  const double ratio = baseline.medianMs > 0 ? t.medianMs / baseline.medianMs : 0;
  std::printf("%-48s median %9.3f ms   best %9.3f ms   %.2fx %s\n", name.c_str(), t.medianMs, t.bestMs, ratio,
              baselineName.c_str());
  std::fflush(stdout);
  detail::Record(name, t, baselineName, baseline.medianMs);
}

}  // namespace bench
