#include "datafiles/ZTShortHit.h"

#include <iomanip>
#include <ostream>

#include "datafiles/StreamFormatGuard.h"

namespace ae {

namespace {

double AverageFrequency(const ZTShortHit& h) {
  // Floating division on purpose: a zero duration gives infinity or NaN, never a trap.
  return static_cast<double>(h.Counts) / static_cast<double>(h.Duration) * 1000.0;
}

}  // namespace

double ZTShortHit::GetValue(int code) const {
  switch (code) {
    case pcHits: return 1.0;
    case pcTime: return static_cast<double>(Time.Seconds());
    case pcChannel: return Channel;
    case pcRise: return Rise;
    case pcCounts: return Counts;
    case pcEnergy: return Energy;
    case pcDuration: return Duration;
    case pcAmplitude: return Amplitude;
    case pcPar1: return Parametric;
    case pcAverFreq: return AverageFrequency(*this);
    default: return 0.0;
  }
}

void ZTShortHit::DumpTitles(std::ostream& os, int mask) const {
  if (mask & pcTime) os << std::setw(14) << "Time (sec.)";
  if (mask & pcChannel) os << std::setw(4) << "Chn";
  if (mask & pcRise) os << std::setw(6) << "Rise";
  if (mask & pcCounts) os << std::setw(6) << "Count";
  if (mask & pcDuration) os << std::setw(7) << "Durat";
  if (mask & pcEnergy) os << std::setw(6) << "Ener";
  if (mask & pcAmplitude) os << std::setw(4) << "Amp";
  if (mask & pcAverFreq) os << std::setw(7) << "Freq";
  if (mask & pcPar1) os << std::setw(8) << "Prm";
}

void ZTShortHit::DumpValues(std::ostream& os, int mask) const {
  if (mask & pcTime) os << Time;
  if (mask & pcChannel) os << std::setw(4) << static_cast<unsigned>(Channel);
  if (mask & pcRise) os << std::setw(6) << Rise;
  if (mask & pcCounts) os << std::setw(6) << Counts;
  if (mask & pcDuration) os << std::setw(7) << Duration;
  if (mask & pcEnergy) os << std::setw(6) << Energy;
  if (mask & pcAmplitude) os << std::setw(4) << static_cast<unsigned>(Amplitude);
  if (mask & pcAverFreq) {
    StreamFormatGuard guard(os);
    os << std::fixed << std::setprecision(1) << std::setw(7) << AverageFrequency(*this);
  }
  // The parametric column has a title but no value.
}

}  // namespace ae
