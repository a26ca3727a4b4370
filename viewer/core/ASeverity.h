#pragma once
// The severity of a channel: the mean energy of its hits of greatest energy, and the highest
// value it has reached. While the list fills, the mean covers all hits so far and can fall.
#include "viewer/core/AHitList.h"

namespace ae {

class ASeverity : public AHitList {
 public:
  float Current = 0.0f;
  float Maximum = 0.0f;  // reported as "Sev." and used for the zone class

  explicit ASeverity(int capacity) : AHitList(capacity) {}

  void AddHit(const ZTShortHit& hit);
};

}  // namespace ae
