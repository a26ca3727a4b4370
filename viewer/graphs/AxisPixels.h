#pragma once
// The value-to-pixel transform of one axis, made fast for a pass over a million hits: the
// range test in doubles as the graph does it, and on a logarithmic axis of a whole-number
// parameter a table of the pixels of every whole value in range, filled by the very same
// transform, so that no hit pays for a log10.
#include <cmath>
#include <cstdint>
#include <vector>

#include "datafiles/DataFileTypes.h"
#include "datafiles/ZTShortHit.h"
#include "viewer/core/AGraphAxis.h"

namespace ae {

// The value of a hit parameter, as ZTShortHit::GetValue gives it, inline.
inline double HitValue(const ZTShortHit& h, int code) {
  switch (code) {
    case pcHits: return 1.0;
    case pcTime: return static_cast<double>(h.Time.Seconds());
    case pcChannel: return h.Channel;
    case pcRise: return h.Rise;
    case pcCounts: return h.Counts;
    case pcEnergy: return h.Energy;
    case pcDuration: return h.Duration;
    case pcAmplitude: return h.Amplitude;
    case pcPar1: return h.Parametric;
    default: return code == pcAverFreq ? h.GetValue(code) : 0.0;
  }
}

class AxisPixels {
 public:
  // origin: the plot's left edge (X) or bottom edge (Y); direction +1 for X, -1 for Y.
  AxisPixels(const AGraphAxis& axis, int origin, int direction)
      : param_(axis.Param),
        origin_(origin),
        direction_(direction),
        log_(axis.Log),
        fmin_(AGraphAxis::F(axis.Min, axis.Log)),
        scale_(axis.Scale),
        min_(axis.Min),
        max_(axis.Max) {
    const bool whole = axis.Param == pcChannel || axis.Param == pcRise || axis.Param == pcCounts ||
                       axis.Param == pcEnergy || axis.Param == pcDuration || axis.Param == pcAmplitude;
    if (log_ && whole && axis.Max >= axis.Min) {
      const std::uint64_t count = std::min<std::uint64_t>(std::uint64_t{axis.Max} - axis.Min + 1, TableLimit);
      table_.resize(count);
      for (std::uint64_t i = 0; i < count; ++i) table_[i] = Compute(static_cast<double>(axis.Min + i));
    }
  }

  // Whether this transform is the one of that axis on that plot edge.
  bool Matches(const AGraphAxis& axis, int origin, int direction) const {
    return origin_ == origin && direction_ == direction && log_ == axis.Log && param_ == axis.Param &&
           scale_ == axis.Scale && min_ == static_cast<double>(axis.Min) && max_ == static_cast<double>(axis.Max);
  }

  // Whether the other transform gives every value the same pixel and range test.
  bool SameAs(const AxisPixels& other) const {
    return param_ == other.param_ && origin_ == other.origin_ && direction_ == other.direction_ && log_ == other.log_ &&
           fmin_ == other.fmin_ && scale_ == other.scale_ && min_ == other.min_ && max_ == other.max_;
  }
  int Param() const { return param_; }

  bool InRange(double v) const { return min_ <= v && v <= max_; }
  // The pixel of a value in range.
  int Pixel(double v) const {
    if (!table_.empty()) {
      const double index = v - min_;
      if (index < static_cast<double>(table_.size())) return table_[static_cast<std::size_t>(index)];
    }
    return Compute(v);
  }

 private:
  static constexpr std::uint64_t TableLimit = 65536;

  int Compute(double v) const {
    const double f = log_ ? (v == 0.0 ? 0.0 : std::log10(v)) : v;
    return origin_ + direction_ * TruncPixel((f - fmin_) * scale_);
  }

  int param_;
  int origin_;
  int direction_;
  bool log_;
  double fmin_;
  double scale_;
  double min_;
  double max_;
  std::vector<int> table_;
};

}  // namespace ae
