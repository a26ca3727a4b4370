#pragma once
// What the benchmarks share: their clock, and a way to have a file in the page cache before it
// is timed.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "datafiles/DataStream.h"

namespace ae::bench {

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Reads the whole file once, so that what is timed afterwards reads from memory.
inline void WarmCache(const std::string& path) {
  DataStream in(path, "rb");
  std::vector<char> buffer(1 << 20);
  while (std::fread(buffer.data(), 1, buffer.size(), in.Get()) == buffer.size()) {
  }
}

}  // namespace ae::bench
