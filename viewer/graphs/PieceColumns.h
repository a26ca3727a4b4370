#pragma once
// What the point passes of a page read of a piece of records, worked out once for all the
// graphs that draw the piece: the records' seconds, whether they lie in the time window, and
// their pixels on every axis a pass asks for. Each value comes from the very functions a pass
// would apply to one record (HitValue, the setup's parametric conversion, AxisPixels), so the
// passes draw the same pixels as when each works its values out alone.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "datafiles/ZTShortHit.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/graphs/AxisPixels.h"

namespace ae {

class PieceColumns {
 public:
  // The pixel of a value beyond the axis range.
  static constexpr std::int32_t Outside = std::numeric_limits<std::int32_t>::min();

  explicit PieceColumns(const ATestSetup& setup) : setup_(setup) {}

  // A new piece; what was worked out for the last one is forgotten.
  void Reset(const ZTShortHit* begin, const ZTShortHit* end);
  const ZTShortHit* Records() const { return begin_; }
  std::size_t Size() const { return size_; }

  // The seconds of every record, as HitValue gives them.
  const double* Times();
  // 1 for a record whose seconds lie in from..to (both included), else 0.
  const std::uint8_t* InTime(double from, double to);
  // The places in the piece of the hits that are not deleted and lie in a frame or are grouped:
  // all a selection pass draws outside event view.
  const std::vector<std::uint32_t>& Selected();
  // The places in the piece of the deleted hits: all a deleted-hits pass draws.
  const std::vector<std::uint32_t>& Deleted();

  // The pixel of every record's value on the axis, or Outside; a parametric value converted by
  // the test setup first when `converted`.
  const std::int32_t* Pixels(const AxisPixels& axis, bool converted);

  // A pass that reads every record on an axis says so before the first piece. Only an axis read
  // so by more than one graph is worth a column; the others are cheaper worked out record by
  // record where a pass needs them.
  void Use(const AxisPixels& axis, bool converted);
  bool Shared(const AxisPixels& axis, bool converted) const;

 private:
  struct Column {
    const AxisPixels* Axis = nullptr;
    bool Converted = false;
    bool Filled = false;
    std::vector<std::int32_t> Values;
  };

  const ATestSetup& setup_;
  const ZTShortHit* begin_ = nullptr;
  std::size_t size_ = 0;
  bool timesFilled_ = false;
  std::vector<double> times_;
  bool inTimeFilled_ = false;
  double inTimeFrom_ = 0.0, inTimeTo_ = 0.0;
  std::vector<std::uint8_t> inTime_;
  bool selectedFilled_ = false;
  std::vector<std::uint32_t> selected_;
  bool deletedFilled_ = false;
  std::vector<std::uint32_t> deleted_;
  std::vector<Column> columns_;
  struct Usage {
    const AxisPixels* Axis;
    bool Converted;
    int Count;
  };
  std::vector<Usage> uses_;
};

}  // namespace ae
