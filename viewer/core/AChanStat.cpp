#include "viewer/core/AChanStat.h"

#include "viewer/core/ATestSetup.h"

namespace ae {

AChanStat::AChanStat(int channel, int setSlot, const ATestSetup& setup)
    : AChan(channel), SetSlot(setSlot), Monpac(setup), Holds(setup) {}

std::uint32_t AChanStat::Frequency(const ZTShortHit& hit) {
  const double d = hit.Duration == 0 ? 1.0 : static_cast<double>(hit.Duration);
  // At most 65535 * 1000: always within 32 bits.
  return static_cast<std::uint32_t>(static_cast<double>(hit.Counts) * 1000.0 / d);
}

void AChanStat::AddHit(const ZTShortHit& hit, const ATestSetup& setup) {
  ++HitCount;
  for (std::size_t i = 0; i < AmpThresholds.size() && hit.Amplitude > AmpThresholds[i]; ++i) ++AmpDistr[i];
  Values[vsAmplitude].Add(hit.Amplitude);
  Values[vsEnergy].Add(hit.Energy);
  Values[vsCounts].Add(hit.Counts);
  Values[vsDuration].Add(hit.Duration);
  Values[vsRise].Add(hit.Rise);
  Values[vsFrequency].Add(Frequency(hit));
  const double t = static_cast<double>(hit.Time.Seconds());
  Monpac.AddHit(hit, setup);
  LocDyn.AddHit(t, hit.Counts, setup.LDExponent);
  Holds.AddHit(hit, t, setup);
}

}  // namespace ae
