#include <cstddef>
#include <cstdint>
#include <memory>

#include <gtest/gtest.h>

#include "datafiles/APagePrefault.h"

namespace ae {
namespace {

// The helper runs while the range is filled, whichever of the two gets ahead, and is stopped
// half-way as well as left to finish: what the filler wrote is exactly what the range holds.
TEST(APagePrefault, NeverChangesWhatTheFillerWrites) {
  constexpr std::size_t bytes = APagePrefault::MinBytes * 3 + 12345;
  for (const std::size_t stopAt : {bytes, bytes / 3}) {
    const std::unique_ptr<std::uint32_t[]> memory(new std::uint32_t[bytes / 4]);
    auto* words = memory.get();
    {
      APagePrefault prefault(words, bytes / 4 * 4);
      for (std::size_t i = 0; i < stopAt / 4; ++i) {
        if (i % 4096 == 0) prefault.Reached(i * 4);
        words[i] = static_cast<std::uint32_t>(i * 2654435761u);
      }
    }
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < stopAt / 4; ++i) wrong += words[i] != static_cast<std::uint32_t>(i * 2654435761u);
    EXPECT_EQ(wrong, 0u) << "filled up to " << stopAt;
  }
}

// Nothing to do for a small range, an empty one or none at all.
TEST(APagePrefault, LeavesSmallAndEmptyRangesAlone) {
  std::uint8_t small[64] = {7};
  { APagePrefault prefault(small, sizeof small); }
  { APagePrefault prefault(nullptr, APagePrefault::MinBytes * 2); }
  EXPECT_EQ(small[0], 7);
}

}  // namespace
}  // namespace ae
