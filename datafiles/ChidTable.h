#pragma once
// The characteristics (CHIDs) a DTA hit may carry, indexed by CHID 1..21: the byte size of the
// value inside a hit message, its print width in the text dump, a long and a short name.
#include <array>

namespace ae {

struct ChidEntry {
  int Size;
  int Width;
  const char* LongName;
  const char* ShortName;
};

inline constexpr int ChidMin = 1;
inline constexpr int ChidMax = 21;

inline constexpr std::array<ChidEntry, ChidMax + 1> ChidTable = {{
    {0, 0, "", ""},  // CHID 0 does not exist
    {2, 6, "RiseTime", "Rise"},
    {2, 6, "Counts to Peak", "CntPk"},
    {2, 6, "Counts", "Cnts"},
    {2, 6, "Energy", "Ener"},
    {4, 7, "Duration", "Durat"},
    {1, 4, "Amplitude", "Amp"},
    {1, 4, "RMS", "RMS"},
    {1, 4, "ASL", "ASL"},
    {1, 3, "Gain", "Gn"},
    {1, 3, "Threshold", "TH"},
    {1, 5, "Pre-Amp Current", "PrAm"},
    {4, 7, "LostHits", "LstHts"},
    {2, 6, "AverFreq", "A-Frq"},
    {2, 6, "Reserved5", "R5"},
    {0, 4, "Reserved6", "R6"},
    {4, 6, "Reserved7", "R7"},
    {2, 6, "RMS", "RMS"},
    {2, 6, "ReverbFreq", "R-Frq"},
    {2, 6, "InitFreq", "I-Frq"},
    {4, 8, "SignalStrength", "SigStr"},
    {4, 8, "AbsolutEnergy", "AbsEn"},
}};

// The entry of a CHID, or null for a CHID outside 1..21.
inline const ChidEntry* FindChid(int chid) {
  return chid >= ChidMin && chid <= ChidMax ? &ChidTable[static_cast<unsigned>(chid)] : nullptr;
}

}  // namespace ae
