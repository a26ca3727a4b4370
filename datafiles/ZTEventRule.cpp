#include "datafiles/ZTEventRule.h"

#include "datafiles/EventWindows.h"

namespace ae {

ATestTime ZTEventRule::FromMicroseconds(std::int64_t microseconds) {
  if (microseconds < 0) microseconds = 0;
  return ATestTime::FromSeconds(static_cast<long double>(microseconds) * 1e-6L);
}

void ZTEventRule::Reset(const ATestTime& window1, const ATestTime& window2) {
  EventStart = ATestTime();
  Window1 = window1;
  Window2 = window2;
}

void ZTEventRule::ResetMicroseconds(std::int64_t window1, std::int64_t window2) {
  Reset(FromMicroseconds(window1), FromMicroseconds(window2));
}

int ZTEventRule::EventTest(const ZTRec& rec, ATestTime* distance) {
  // The caller's message names the record that is out of order.
  if (rec.Time < EventStart) ErrorTime = static_cast<double>(rec.Time.Seconds());
  return EventPosition(rec.Time, EventStart, Window1, Window2, distance);
}

}  // namespace ae
