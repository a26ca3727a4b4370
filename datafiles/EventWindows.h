#pragma once
// Where a time falls in the current event. A reader's EventPos and the viewer's event rule on
// its in-memory records both decide by this one function, so the two can never disagree.
#include "datafiles/ATestTime.h"
#include "datafiles/EZTData.h"

namespace ae {

// 1 when t (a time, or its count of ticks) lies within window1 of the event start, 2 when within window2, otherwise 0
// and t becomes the new event start. The distance is stored in *distance when asked for. Raises EZTData 2001 when t is
// earlier than the event start (the data are not sorted by time); the event start is then left as it was.
inline int EventPosition(std::uint64_t ticks, ATestTime& eventStart, const ATestTime& window1, const ATestTime& window2,
                         ATestTime* distance = nullptr) {
  // Whole tick counts throughout: the word-wise order of times is the order of their counts,
  // and the difference of the counts is exact (going through seconds and truncating back
  // loses a tick for about half of all pairs, which moves hits across a window edge).
  const std::uint64_t startTicks = eventStart.Ticks();
  if (ticks < startTicks) throw EZTData(EZTData::TimeOrderError);
  const std::uint64_t d = ticks - startTicks;
  if (distance != nullptr) *distance = ATestTime::FromTicks(d);
  if (d <= window1.Ticks()) return 1;
  if (d <= window2.Ticks()) return 2;
  eventStart = ATestTime::FromTicks(ticks);
  return 0;
}
inline int EventPosition(const ATestTime& t, ATestTime& eventStart, const ATestTime& window1, const ATestTime& window2,
                         ATestTime* distance = nullptr) {
  return EventPosition(t.Ticks(), eventStart, window1, window2, distance);
}

}  // namespace ae
