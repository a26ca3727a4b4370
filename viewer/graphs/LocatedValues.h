#pragma once
// The values of a graph's two axes for the hits of a pass in file order when an axis is a
// location code: the location of the event whose first hit a record is, and the record's own
// value on the other axis. A record without a location has no values at all, so that it is not
// drawn, framed or counted on such a graph.
#include <cstddef>

#include "datafiles/ZTDataSet.h"
#include "viewer/graphs/AxisPixels.h"

namespace ae {

class LocatedValues {
 public:
  LocatedValues(const ZTDataSet& data, int xParam, int yParam)
      : base_(data.Recs.data()),
        cursor_(data.Locations),
        xParam_(xParam),
        yParam_(yParam),
        xLocated_(IsLocationCode(xParam)),
        yLocated_(IsLocationCode(yParam)) {}

  // Whether a graph of these axes takes its values from the locations.
  static bool Uses(int xParam, int yParam) { return IsLocationCode(xParam) || IsLocationCode(yParam); }

  // The values of a record of the data set, asked for in file order; false without a location.
  bool Get(const ZTShortHit& rec, double& x, double& y) {
    const ZTLocation* location = cursor_.At(static_cast<std::size_t>(&rec - base_));
    if (location == nullptr) return false;
    x = xLocated_ ? location->Value(xParam_) : HitValue(rec, xParam_);
    y = yLocated_ ? location->Value(yParam_) : HitValue(rec, yParam_);
    return true;
  }

 private:
  const ZTShortHit* base_;
  ZTLocations::Cursor cursor_;
  int xParam_;
  int yParam_;
  bool xLocated_;
  bool yLocated_;
};

}  // namespace ae
