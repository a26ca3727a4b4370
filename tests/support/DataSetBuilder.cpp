#include "tests/support/DataSetBuilder.h"

#include <utility>

namespace ae::test {

ZTShortHit Hit(double seconds, int channel, int amplitude, int energy) {
  ZTShortHit hit;
  hit.Kind = rkHit;
  hit.Time = ATestTime::FromSeconds(seconds);
  hit.Channel = static_cast<std::uint8_t>(channel);
  hit.Amplitude = static_cast<std::uint8_t>(amplitude);
  hit.Energy = static_cast<std::uint16_t>(energy);
  return hit;
}

ZTDataSet MakeSet(std::vector<ZTShortHit> recs) {
  ZTDataSet set;
  set.Recs = std::move(recs);
  set.RecCount = static_cast<int>(set.Recs.size());
  for (const ZTShortHit& rec : set.Recs)
    if (rec.IsHit()) ++set.HitCount;
  return set;
}

std::vector<int> FrameBits(const ZTDataSet& set) {
  std::vector<int> bits;
  for (const ZTShortHit& rec : set.Recs) bits.push_back(rec.FrameBits);
  return bits;
}

}  // namespace ae::test
