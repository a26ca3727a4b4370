#pragma once
// The statistics of one channel within one set: hit count, amplitude distribution, minimum,
// maximum and total of six hit parameters, the MONPAC quantities, the local-dynamic criterion
// and the hits inside each pressure hold.
#include <array>
#include <cstdint>

#include "datafiles/ZTShortHit.h"
#include "viewer/core/AChan.h"
#include "viewer/core/AHoldsStat.h"
#include "viewer/core/ALocDynStat.h"
#include "viewer/core/AMonpac.h"
#include "viewer/core/AValueStat.h"

namespace ae {

class ATestSetup;

class AChanStat : public AChan {
 public:
  // Counter i counts the hits whose amplitude is strictly greater than threshold i.
  static constexpr std::array<int, 7> AmpThresholds = {50, 55, 60, 65, 70, 80, 90};
  enum : int { vsAmplitude, vsEnergy, vsCounts, vsDuration, vsRise, vsFrequency, ValueCount };
  static constexpr std::array<const char*, ValueCount> ValueNames = {"Amplitude", "Energy",   "Counts",
                                                                     "Duration",  "RiseTime", "Frequency"};

  std::int32_t SetSlot = 0;  // 0..7
  std::array<std::uint32_t, AmpThresholds.size()> AmpDistr{};
  std::array<AValueStat, ValueCount> Values{};
  AMonpac Monpac;
  ALocDynStat LocDyn;
  AHoldsStat Holds;

  AChanStat(int channel, int setSlot, const ATestSetup& setup);

  void AddHit(const ZTShortHit& hit, const ATestSetup& setup);

  // counts * 1000 / duration, a duration of 0 taken as 1, truncated.
  static std::uint32_t Frequency(const ZTShortHit& hit);
};

}  // namespace ae
