#pragma once
// The hits above the evaluation threshold inside each pressure hold of the test setup.
#include <cstdint>
#include <vector>

#include "datafiles/ZTShortHit.h"

namespace ae {

class ATestSetup;

class AHoldsStat {
 public:
  std::vector<std::uint32_t> Counts;  // one per hold, in the order of the setup's holds

  // The number of holds is fixed here, from the setup.
  explicit AHoldsStat(const ATestSetup& setup);

  std::size_t HoldCount() const { return Counts.size(); }
  void AddHit(const ZTShortHit& hit, double t, const ATestSetup& setup);
};

}  // namespace ae
