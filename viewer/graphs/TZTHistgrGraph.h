#pragma once
// The histogram: the distribution of a hit parameter. The X range is cut into XBinNum equal bins
// (equal in log10 on a logarithmic axis), binned and finished as the line graph does, and drawn
// as filled columns.
#include "viewer/graphs/TZTLineGraph.h"

namespace ae {

class TZTHistgrGraph : public TZTLineGraph {
 public:
  TZTHistgrGraph(TCommonData& common, int graphNumber);

  // XBinNum bins; 0 (or less) means 100.
  int BinCount() const override;
  // Bins per X unit, used while binning.
  double XScale() const override;
  double XValueAt(int x) const override { return TZTGraph::XValueAt(x); }
  void DrawBins(QImage& bitmap) override;
};

}  // namespace ae
