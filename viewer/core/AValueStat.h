#pragma once
// Minimum, maximum and total of one integer hit parameter of a channel. A minimum of 0 means
// that no value has been seen yet, so a 0 never stays the minimum once a later value is not 0.
#include <cstdint>

namespace ae {

class AValueStat {
 public:
  std::uint32_t Min = 0;
  std::uint32_t Max = 0;
  // 64 bits: a 32-bit total wraps after a few thousand long hits and would report nonsense.
  std::uint64_t Total = 0;

  void Add(std::uint32_t v) {
    if (Min == 0 || v < Min) Min = v;
    if (v > Max) Max = v;
    Total += v;
  }
};

}  // namespace ae
