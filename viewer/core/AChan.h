#pragma once
// Base of the per-channel records of the statistics: a channel number and a hit count.
#include <cstdint>

namespace ae {

class AChan {
 public:
  std::int32_t Channel = 0;
  std::uint32_t HitCount = 0;  // hits added

  AChan() = default;
  explicit AChan(std::int32_t channel) : Channel(channel) {}
};

}  // namespace ae
