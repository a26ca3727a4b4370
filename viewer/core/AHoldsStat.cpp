#include "viewer/core/AHoldsStat.h"

#include <algorithm>

#include "viewer/core/ATestSetup.h"

namespace ae {

AHoldsStat::AHoldsStat(const ATestSetup& setup) : Counts(setup.Holds.size(), 0u) {}

void AHoldsStat::AddHit(const ZTShortHit& hit, double t, const ATestSetup& setup) {
  if (hit.Amplitude <= setup.EvalTH) return;
  const std::size_t n = std::min(Counts.size(), setup.Holds.size());
  for (std::size_t i = 0; i < n; ++i)
    if (setup.Holds[i].Contains(t)) ++Counts[i];
}

}  // namespace ae
