#pragma once
// What a selection frame selects: the hits whose two parameters fall into its value ranges, on
// its channels, within the time window when that is on; in event view whole events by their
// first hit. Everything is passed in, so the data set needs no view state of its own.
#include <bitset>
#include <cstdint>

#include "datafiles/DataFileTypes.h"

namespace ae {

struct ZTFrameCriteria {
  int XParam = pcHits;  // parameter codes
  int YParam = pcHits;
  double XFrom = 0.0;  // inclusive value ranges, from <= to
  double XTo = 0.0;
  double YFrom = 0.0;
  double YTo = 0.0;
  std::bitset<128> Channels;  // bit c-1 for channel c

  bool TimeFilter = false;  // the time window is on: only hits with TimeFrom <= t <= TimeTo
  double TimeFrom = 0.0;    // seconds
  double TimeTo = 0.0;

  bool EventsView = false;  // select whole events by their first hit
  std::int64_t Mpt = 5000;  // event windows in microseconds (test setup MPT, Lockout)
  std::int64_t Lockout = 20000;
};

}  // namespace ae
