#include "viewer/core/ASeverity.h"

namespace ae {

void ASeverity::AddHit(const ZTShortHit& hit) {
  Insert(hit);
  // An empty list (capacity 0) has severity 0.
  if (Count() == 0) return;
  Current = static_cast<float>(static_cast<double>(EnergySum()) / Count());
  if (Current > Maximum) Maximum = Current;
}

}  // namespace ae
