#pragma once
// A tiny benchmark harness that builds for every configuration (Google Benchmark is not available
// to the MinGW builds): runs a body repeatedly and reports the median and the best time.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace bench {

struct Timing {
  double medianMs = 0;
  double bestMs = 0;
};

inline Timing Measure(int repetitions, const std::function<void()>& body) {
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

inline void Report(const std::string& name, const Timing& t, const std::string& extra = {}) {
  std::printf("%-48s median %9.3f ms   best %9.3f ms%s%s\n", name.c_str(), t.medianMs, t.bestMs,
              extra.empty() ? "" : "   ", extra.c_str());
  std::fflush(stdout);
}

}  // namespace bench
