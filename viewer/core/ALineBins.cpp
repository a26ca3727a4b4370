#include "viewer/core/ALineBins.h"

#include <algorithm>
#include <cmath>

namespace ae {

void ALineBins::Reset(int rows, int bins) {
  rows_ = std::max(rows, 0);
  bins_ = std::max(bins, 0);
  data_.assign(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(bins_), Bin{});
}

bool ALineBins::RowHasHits(int row) const {
  for (int column = 0; column < bins_; ++column)
    if (At(row, column).Count != 0.0f) return true;
  return false;
}

ALineBins::Kept ALineBins::Keep() const {
  Kept kept;
  kept.Rows = rows_;
  kept.Bins = bins_;
  for (int row = 0; row < rows_; ++row) {
    if (!RowHasHits(row)) continue;
    kept.RowsWithHits.push_back(row);
    const auto first = data_.begin() + static_cast<std::ptrdiff_t>(Index(row, 0));
    kept.Data.insert(kept.Data.end(), first, first + bins_);
  }
  return kept;
}

void ALineBins::Restore(const Kept& kept) {
  Reset(kept.Rows, kept.Bins);
  for (std::size_t i = 0; i < kept.RowsWithHits.size(); ++i) {
    const auto from = kept.Data.begin() + static_cast<std::ptrdiff_t>(i * static_cast<std::size_t>(bins_));
    std::copy(from, from + bins_, data_.begin() + static_cast<std::ptrdiff_t>(Index(kept.RowsWithHits[i], 0)));
  }
}

double ALineBins::Finish(int sumType, int cumType) {
  if (sumType == bsAverage)
    for (Bin& bin : data_) bin.Value = bin.Count != 0.0f ? bin.Value / bin.Count : 0.0f;

  double peak = 0.0;
  for (int r = 0; r < rows_; ++r) {
    Bin* row = data_.data() + Index(r, 0);
    switch (cumType) {
      case ctNone:
        for (int c = 0; c < bins_; ++c) peak = std::max(peak, static_cast<double>(row[c].Value));
        break;
      case ctFromLeft:
        for (int c = 1; c < bins_; ++c) row[c].Value += row[c - 1].Value;
        for (int c = 0; c < bins_; ++c) peak = std::max(peak, static_cast<double>(row[c].Value));
        break;
      case ctFromRight:
        for (int c = bins_ - 2; c >= 0; --c) {
          row[c].Value += row[c + 1].Value;
          peak = std::max(peak, static_cast<double>(row[c].Value));
        }
        break;
      default: break;
    }
  }
  return std::min(peak, PeakLimit);
}

namespace {

// The smallest power of ten that is not below p (p > 0), exactly.
double PowerOfTenAtLeast(double p) {
  double d = 1.0;
  while (d < p) d *= 10.0;
  while (d / 10.0 >= p) d /= 10.0;
  return d;
}

// The largest power of ten that is not above p (p >= 1), exactly.
double PowerOfTenAtMost(double p) {
  double d = 1.0;
  while (d * 10.0 <= p) d *= 10.0;
  return d;
}

}  // namespace

std::uint32_t ALineBins::RescaledMax(double peak, bool log, std::uint32_t currentMax) {
  if (!(peak > 0.0)) peak = currentMax;  // NaN included
  peak = std::min(peak, PeakLimit);
  double max;
  if (!(peak > 0.0)) {
    max = 0.0;
  } else if (log) {
    max = std::trunc(PowerOfTenAtLeast(peak));
  } else if (peak <= 1.0) {
    max = 1.0;  // two significant digits of a peak up to 1 round up to 1
  } else {
    // k := ceil(peak * 10 / d), found by exact products: k * d >= 10 * peak.
    const double d = PowerOfTenAtMost(peak);
    const double tenPeak = 10.0 * peak;
    double k = std::ceil(tenPeak / d);
    while ((k - 1.0) * d >= tenPeak) k -= 1.0;
    while (k * d < tenPeak) k += 1.0;
    max = std::ceil(k * d / 10.0);
  }
  if (max <= 1.0) return 10;
  if (max >= PeakLimit) return static_cast<std::uint32_t>(PeakLimit);
  return static_cast<std::uint32_t>(max);
}

}  // namespace ae
