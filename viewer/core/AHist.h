#pragma once
// The historic index of a channel: the mean energy of its K most recent hits against the mean
// energy of all its hits, K chosen by the hit count (ATestSetup::HistoricK), and the highest
// index reached with the time it was reached.
#include <cstdint>
#include <vector>

#include "datafiles/ATestTime.h"
#include "viewer/core/AChan.h"

namespace ae {

class ATestSetup;

class AHist : public AChan {
 public:
  std::uint64_t EnergySum = 0;  // all N = HitCount hits
  float Current = 0.0f;
  float Maximum = 0.0f;
  ATestTime MaximumTime;

  // Ring length: MP_HstLastHits5 of the test setup, kept within 1..ATestSetup::MaxHstLastHits5.
  explicit AHist(int ringLength);

  int RingLength() const { return static_cast<int>(sums_.size()) - 1; }
  void AddHit(std::uint16_t energy, const ATestTime& time, const ATestSetup& setup);
  // The sum of the energies of the K most recent hits, K within 0..RingLength(); hits before
  // the first count as energy 0.
  std::uint64_t RecentSum(std::int64_t k) const;

 private:
  // The ring keeps, for the last RingLength()+1 hit counts n, the energy sum of the first n
  // hits modulo 2^32; the sum of the K most recent energies is the difference of two entries.
  // It is exact, as K 16-bit energies sum to less than 2^32, and costs the same for any K.
  std::vector<std::uint32_t> sums_;
  std::uint32_t running_ = 0;
};

}  // namespace ae
