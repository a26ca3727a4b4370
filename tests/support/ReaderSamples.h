#pragma once
// Small files that more than one test binary reads: the reader tests, and the tests that check
// that aetool shows what the readers decode.
#include <cstdint>

#include "tests/support/AlineIsaBuilder.h"
#include "tests/support/DtaBuilder.h"

namespace ae::test {

inline constexpr std::uint64_t DtaSecond = 4000000;  // DTA time units
inline constexpr std::uint32_t IsaStart = 1622109600;

// The setup messages as the first file of a test has them at its top level.
DtaBuilder ContinuedTestSetup();
// A continued file: message 8 with that setup, then hits, a sample, a pause, a waveform and the
// end of data. Without its second hit, it is the file a save writes that dropped that hit.
DtaBuilder ContinuedDtaFile(bool withSecondHit = true);

// A-Line ISA hits of channel 3 (index 2) of 100 ADC counts around a gain change to code 40 after
// the first two, one hit of channel 2 among them; with ownSetupFirst the file first sets
// channel 3 to gain code 35.
AlineIsaBuilder GainChangeIsaFile(bool ownSetupFirst);

}  // namespace ae::test
