#pragma once
// Hand-built data sets for the selection tests.
#include <vector>

#include "datafiles/ZTDataSet.h"

namespace ae::test {

// A hit with the parameters the selection tests frame on.
ZTShortHit Hit(double seconds, int channel, int amplitude, int energy);
// A data set holding the records, with its record and hit counts.
ZTDataSet MakeSet(std::vector<ZTShortHit> recs);
// The frame bits of every record, in order.
std::vector<int> FrameBits(const ZTDataSet& set);

}  // namespace ae::test
