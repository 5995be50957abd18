// Timing helpers shared by the benchmarks.
#pragma once

#include <chrono>

template <typename F>
double MicrosecondsPerRun(int runs, F f) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) f();
  const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
  return took.count() / runs;
}
