#pragma once
// The statistics of one run of the data statistic window: per set and checked channel, the hits
// of the loaded data set that lie in the set. The test setup is copied in, so that the run sees
// one setup from start to end.
#include <array>
#include <cstdint>
#include <memory>

#include "datafiles/ZTDataSet.h"
#include "viewer/core/ASetStat.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/ChannelList.h"

namespace ae {

class AOptions;

class ATestStat {
 public:
  static constexpr int Sets = ZTDataSet::FrameSlots;

  explicit ATestStat(const ATestSetup& setup) : setup_(setup) {}

  const ATestSetup& Setup() const { return setup_; }
  // The set of slot s (0..7), or null.
  ASetStat* Set(int s) { return InRange(s) ? sets_[static_cast<std::size_t>(s)].get() : nullptr; }
  const ASetStat* Set(int s) const { return InRange(s) ? sets_[static_cast<std::size_t>(s)].get() : nullptr; }
  bool AnySet() const;

  // Creates a set for every bit of the mask (bit i: set i+1).
  void CreateSets(std::uint8_t setMask);
  // Every set creates the record of channel c when it is checked.
  void AddChannel(int c, const AChannelSet& checked);
  // Adds the hit to the record of its channel in every set whose frame bit it carries; a hit of
  // a channel outside 1..128 or not checked adds nothing.
  void AddHit(const ZTShortHit& hit, const AChannelSet& checked) { AddHit(hit, hit.FrameBits, checked); }
  // The same with the sets given by `setBits` instead of the hit's frame bits.
  void AddHit(const ZTShortHit& hit, std::uint16_t setBits, const AChannelSet& checked);

  // The collection pass over the data set: the sets of the mask, every checked channel, then
  // every hit that is not deleted and lies in a set; in events view only the first hit of each
  // event. Nothing is collected when the data set is empty or the mask is 0. The time-order
  // error of the event rule (EZTData 2001) is raised.
  void Collect(const ZTDataSet& data, std::uint8_t setMask, const AChannelSet& checked, bool eventsView);
  void Collect(const ZTDataSet& data, std::uint8_t setMask, const AOptions& options);
  // The statistics of a file without frames: every hit that is not deleted counts in set 1,
  // whatever its frame marks (in events view the first hit of each event). The data set is only
  // read. The time-order error of the event rule is raised as by Collect.
  void CollectWhole(const ZTDataSet& data, const AChannelSet& checked, bool eventsView);
  void CollectWhole(const ZTDataSet& data, const AOptions& options);

  // Read accessors of the ZIP plot, for set slot s and channel c.
  bool HasChannel(int s, int c) const { return Chan(s, c) != nullptr; }
  const AChanStat* Chan(int s, int c) const {
    const ASetStat* set = Set(s);
    return set == nullptr ? nullptr : set->Chan(c);
  }

 private:
  static bool InRange(int s) { return s >= 0 && s < Sets; }
  // The pass of both: with `whole` every hit that is not deleted is taken as a hit of set 1.
  void CollectPass(const ZTDataSet& data, std::uint8_t setMask, const AChannelSet& checked, bool eventsView,
                   bool whole);

  ATestSetup setup_;
  std::array<std::unique_ptr<ASetStat>, Sets> sets_;
};

}  // namespace ae
