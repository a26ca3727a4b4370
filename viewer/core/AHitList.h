#pragma once
// The hits of greatest energy of a channel: a table of hit copies of fixed capacity,
// preallocated so that adding a hit allocates nothing, and their order by descending energy.
#include <cstdint>
#include <vector>

#include "datafiles/ZTShortHit.h"

namespace ae {

class AHitList {
 public:
  // Capacity: SevHitNum of the test setup, kept within 0..ATestSetup::MaxSevHitNum. With
  // capacity 0 the list stays empty.
  explicit AHitList(int capacity);

  int Capacity() const { return static_cast<int>(table_.size()); }
  std::uint16_t Count() const { return count_; }
  // The i-th kept hit in descending order of energy, i < Count().
  const ZTShortHit& Hit(int i) const { return table_[order_[static_cast<std::size_t>(i)]]; }
  // Sum of the energies of the kept hits.
  std::uint64_t EnergySum() const { return sum_; }

  // Keeps the hit when the list is not full, or in place of the weakest kept hit when its
  // energy is greater (an equal energy replaces nothing). True when it was kept.
  bool Insert(const ZTShortHit& hit);

 private:
  std::vector<ZTShortHit> table_;
  std::vector<std::uint16_t> order_;  // indices into table_, descending energy
  std::uint16_t count_ = 0;
  std::uint64_t sum_ = 0;
};

}  // namespace ae
