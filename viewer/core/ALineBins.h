#pragma once
// The bins of a line graph or histogram: rows of bins, each a (value, count) pair of
// single-precision floats. Hits are added by summation type, the bins are finished (average,
// cumulation) and the peak found; the Y axis maximum is then rescaled from the peak.
#include <cstdint>
#include <vector>

namespace ae {

// Bin summation types and cumulation types, as the graph rows store them.
enum : int { bsAverage = 1, bsMaximum = 2, bsMinimum = 3, bsSum = 4 };
enum : int { ctNone = 1, ctFromLeft = 2, ctFromRight = 3 };

class ALineBins {
 public:
  struct Bin {
    float Value = 0.0f;
    float Count = 0.0f;
  };

  static constexpr double PeakLimit = 4294967294.0;

  // rows x bins empty bins.
  void Reset(int rows, int bins);
  int Rows() const { return rows_; }
  int Bins() const { return bins_; }
  const Bin& At(int row, int column) const { return data_[Index(row, column)]; }
  // Whether any hit was added to the row.
  bool RowHasHits(int row) const;

  // The bins as they are now (before Finish), without the rows that hold no hit: what a graph
  // keeps to put them back later, exactly.
  struct Kept {
    int Rows = 0;
    int Bins = 0;
    std::vector<int> RowsWithHits;
    std::vector<Bin> Data;  // the bins of those rows, row after row
  };
  Kept Keep() const;
  void Restore(const Kept& kept);

  // Adds y to a bin by summation type; other types leave the value at 0. The count always grows.
  void Add(int row, int column, float y, int sumType) {
    Bin& bin = data_[Index(row, column)];
    switch (sumType) {
      case bsAverage:
      case bsSum: bin.Value += y; break;
      case bsMaximum:
        if (y > bin.Value) bin.Value = y;
        break;
      case bsMinimum:
        if (y < bin.Value) bin.Value = y;
        break;
      default: break;
    }
    bin.Count += 1.0f;
  }

  // Averages (type bsAverage), cumulates by cumulation type and returns the peak: the largest
  // value of all rows (from the right: the last column is not compared), 0 for another type,
  // at most PeakLimit.
  double Finish(int sumType, int cumType);

  // The Y maximum for a peak: the next power of ten on a logarithmic axis, else the peak rounded
  // up to two significant digits; a peak of 0 keeps the current maximum; a result of 1 or less
  // becomes 10; at most PeakLimit.
  static std::uint32_t RescaledMax(double peak, bool log, std::uint32_t currentMax);

 private:
  std::size_t Index(int row, int column) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(bins_) + static_cast<std::size_t>(column);
  }

  int rows_ = 0;
  int bins_ = 0;
  std::vector<Bin> data_;
};

}  // namespace ae
