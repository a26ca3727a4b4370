#pragma once
// The viewer's event rule: groups the hits of a pass over the loaded records into events. The
// first hit of an event opens it; hits within window 1 of that hit are its second hits, hits
// within window 2 its lockout hits; the next hit beyond window 2 opens a new event. The state
// is the caller's (the program keeps one, see ZTDataSet::EventRule), not a reader's.
#include <cstdint>

#include "datafiles/ATestTime.h"
#include "datafiles/ZTShortHit.h"

namespace ae {

class ZTEventRule {
 public:
  ATestTime EventStart;    // time of the first hit of the current event
  ATestTime Window1;       // second hits (MPT)
  ATestTime Window2;       // lockout hits
  double ErrorTime = 0.0;  // seconds: time of the record that broke the time order

  // Starts a pass: event start 0 and the two windows.
  void Reset(const ATestTime& window1, const ATestTime& window2);
  // The same with windows in microseconds, as the test setup holds MPT and Lockout. A negative
  // window holds nothing and is taken as 0.
  void ResetMicroseconds(std::int64_t window1, std::int64_t window2);

  // 0 when the record opens a new event, 1 for a second hit, 2 for a lockout hit; the distance
  // to the event start goes to *distance when asked for. A record earlier than the event start
  // stores its time in ErrorTime and raises EZTData 2001.
  int EventTest(const ZTRec& rec, ATestTime* distance = nullptr);

  static ATestTime FromMicroseconds(std::int64_t microseconds);
};

}  // namespace ae
