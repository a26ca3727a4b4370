#include "viewer/core/AHitList.h"

#include <algorithm>
#include <utility>

#include "viewer/core/ATestSetup.h"

namespace ae {

AHitList::AHitList(int capacity) {
  const auto n = static_cast<std::size_t>(std::clamp(capacity, 0, ATestSetup::MaxSevHitNum));
  table_.resize(n);
  order_.resize(n);
}

bool AHitList::Insert(const ZTShortHit& hit) {
  std::size_t pos;
  if (count_ < table_.size()) {
    pos = count_;
    order_[pos] = count_;
    ++count_;
  } else {
    if (count_ == 0) return false;
    pos = count_ - 1u;
    if (!(hit.Energy > table_[order_[pos]].Energy)) return false;
    sum_ -= table_[order_[pos]].Energy;
  }
  table_[order_[pos]] = hit;
  sum_ += hit.Energy;
  // The rest is in order: move the new entry up to its place.
  while (pos > 0 && table_[order_[pos - 1]].Energy < table_[order_[pos]].Energy) {
    std::swap(order_[pos - 1], order_[pos]);
    --pos;
  }
  return true;
}

}  // namespace ae
