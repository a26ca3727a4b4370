#include "viewer/core/AHist.h"

#include <algorithm>

#include "viewer/core/ATestSetup.h"

namespace ae {

AHist::AHist(int ringLength)
    : sums_(static_cast<std::size_t>(std::clamp(ringLength, 1, ATestSetup::MaxHstLastHits5)) + 1, 0u) {}

std::uint64_t AHist::RecentSum(std::int64_t k) const {
  k = std::clamp<std::int64_t>(k, 0, RingLength());
  const std::uint64_t n = HitCount;
  // Fewer hits than K: the older entries are 0, and the sum of so few hits has not wrapped.
  if (static_cast<std::uint64_t>(k) >= n) return running_;
  const std::uint32_t older = sums_[static_cast<std::size_t>((n - static_cast<std::uint64_t>(k)) % sums_.size())];
  return static_cast<std::uint32_t>(running_ - older);
}

void AHist::AddHit(std::uint16_t energy, const ATestTime& time, const ATestSetup& setup) {
  ++HitCount;
  EnergySum += energy;
  running_ += energy;
  sums_[HitCount % sums_.size()] = running_;

  const auto mean = static_cast<float>(static_cast<double>(EnergySum) / HitCount);
  float recent = 0.0f;
  if (const std::optional<std::int64_t> k = setup.HistoricK(HitCount)) {
    // Settings are checked when they are loaded or applied; K stays within the ring anyway.
    const std::int64_t kept = std::clamp<std::int64_t>(*k, 1, RingLength());
    recent = static_cast<float>(static_cast<double>(RecentSum(kept)) / static_cast<double>(kept));
  }
  if (mean == 0.0f) return;
  Current = static_cast<float>(static_cast<double>(recent) / mean);
  if (Current > Maximum) {
    Maximum = Current;
    MaximumTime = time;
  }
}

}  // namespace ae
