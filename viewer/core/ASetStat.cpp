#include "viewer/core/ASetStat.h"

namespace ae {

void ASetStat::AddChannel(int c, const ATestSetup& setup) {
  if (!InRange(c)) return;
  chans_[static_cast<std::size_t>(c - 1)] = std::make_unique<AChanStat>(c, SetSlot, setup);
}

}  // namespace ae
