#pragma once
// Locates the events of the loaded records. The events are those of the event rule with the
// setup's MPT and Lockout over the hits that are not deleted, in file (time) order; an event
// gives its first hit and its second hits, and of those only the first arrival on each channel
// that has a sensor counts (lockout hits give nothing). The location belongs to the event's
// first hit. Hits the rule puts into an event before any event started (within the windows of
// time 0) belong to no event and are not located.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/ZTDataSet.h"
#include "viewer/core/ALocationRules.h"
#include "viewer/core/ALocationSetup.h"

namespace ae {

class ATestSetup;

// One located event.
struct ALocatedEvent {
  std::size_t Rec = 0;  // the first hit's index in the records
  ALocationResult Location;
};

class AEventLocator {
 public:
  AEventLocator(const ALocationSetup& location, std::int64_t mptMicroseconds, std::int64_t lockoutMicroseconds);

  // Calls `located` for every located event, in record order, on the calling thread (the events
  // are solved in batches, by several threads when a batch is large). A hit earlier than the
  // event it would belong to (the records are not in time order) ends the walk, after the event
  // before it; its time in seconds is returned.
  std::optional<double> Locate(const std::vector<ZTShortHit>& recs,
                               const std::function<void(const ALocatedEvent&)>& located) const;

  // Brings the data set's locations up to date with its hits and the setup, when they are not
  // already: after a load, after hits were deleted or undeleted (the data set's Version), and after the
  // location setup or the event windows changed. An event that comes out of the event rule as it
  // was keeps its location without being solved again. True when the locations were worked out.
  static bool Update(ZTDataSet& data, const ATestSetup& setup);
  // What the locations of a data set depend on in the setup, as Update compares it.
  static std::string SetupKey(const ATestSetup& setup);

 private:
  // Walks the events; `reuse` is asked first with the event's first hit and digest, and a
  // location it gives is taken as the event's.
  std::optional<double> Walk(const std::vector<ZTShortHit>& recs,
                             const std::function<const ZTLocation*(std::size_t rec, std::uint32_t key)>& reuse,
                             const std::function<void(const ALocatedEvent&, std::uint32_t key)>& located) const;

  ALocationSetup location_;
  ALocationRules rules_;
  std::int64_t mpt_;
  std::int64_t lockout_;
};

}  // namespace ae
