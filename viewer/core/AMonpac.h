#pragma once
// The MONPAC quantities of one channel within one set: the events above the evaluation
// threshold, the high-amplitude events, their total duration, the severity, the historic index
// and the zone-intensity class derived from the last two.
#include <cstdint>
#include <string_view>

#include "datafiles/ZTShortHit.h"
#include "viewer/core/AHist.h"
#include "viewer/core/ASeverity.h"

namespace ae {

class ATestSetup;

class AMonpac {
 public:
  enum : int { zcNone = -1, zcA = 0, zcB = 1, zcC = 2, zcD = 3, zcE = 4, zcMinor = 5 };
  // Fewer events than this leave the intensity analysis not applicable.
  static constexpr std::uint32_t MinEvents = 10;

  std::uint32_t Events = 0;
  std::uint64_t TotalDuration = 0;  // 64 bits: durations are 32-bit microseconds
  std::uint32_t HiAmpEvents = 0;
  ASeverity Severity;
  AHist Hist;
  std::int32_t ZoneClass = zcNone;  // set when the MONPAC report is written

  // Sizes from the setup: SevHitNum hit copies, MP_HstLastHits5 ring entries.
  explicit AMonpac(const ATestSetup& setup);

  void AddHit(const ZTShortHit& hit, const ATestSetup& setup);
  // Stores and returns the zone class of the maximum historic index and maximum severity.
  int ComputeZoneClass();

  // The zone class of the point (H, S), in single precision; every boundary belongs to the
  // lower class.
  static int ZoneClassOf(float h, float s);
  // "A".."E", "Mnr"; empty for no class.
  static std::string_view ZoneText(int zoneClass);
};

}  // namespace ae
