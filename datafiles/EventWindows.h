#pragma once
// Where a time falls in the current event. A reader's EventPos and the viewer's event rule on
// its in-memory records both decide by this one function, so the two can never disagree.
#include "datafiles/ATestTime.h"
#include "datafiles/EZTData.h"

namespace ae {

// 1 when t lies within window1 of the event start, 2 when within window2, otherwise 0 and t
// becomes the new event start. The distance is stored in *distance when asked for. Raises
// EZTData 2001 when t is earlier than the event start (the data are not sorted by time); the
// event start is then left as it was.
inline int EventPosition(const ATestTime& t, ATestTime& eventStart, const ATestTime& window1, const ATestTime& window2,
                         ATestTime* distance = nullptr) {
  if (t < eventStart) throw EZTData(EZTData::TimeOrderError);
  // The difference of the tick counts is exact; going through seconds and truncating back
  // loses a tick for about half of all pairs, which moves hits across a window edge.
  const ATestTime d = ATestTime::FromTicks(t.Ticks() - eventStart.Ticks());
  if (distance != nullptr) *distance = d;
  if (d <= window1) return 1;
  if (d <= window2) return 2;
  eventStart = t;
  return 0;
}

}  // namespace ae
