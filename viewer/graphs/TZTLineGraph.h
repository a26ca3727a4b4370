#pragma once
// The line graph: a hit parameter summed up along another one, usually along time. The X axis
// is cut into bins, one per pixel column; every hit adds its Y value to the bin of its X value;
// the bins are combined by summation type, cumulated by cumulation type and drawn as a line or
// staircase, one curve per channel in the colored-channels view; the Y axis is rescaled to the
// peak at every render.
#include <cstdint>

#include "viewer/core/ALineBins.h"
#include "viewer/graphs/KeptDrawings.h"
#include "viewer/graphs/TZTGraph.h"

namespace ae {

struct TBinSetup {
  int XBinNum = 0, YBinNum = 0;
  int XBinSumTypeID = 0, YBinSumTypeID = 0;
  int XCumTypeID = 0, YCumTypeID = 0;
};

class TZTLineGraph : public TZTGraph {
 public:
  TZTLineGraph(TCommonData& common, int graphNumber);

  void SetBins(const TBinSetup& bins);

  std::int32_t BinCountValue = 0;  // bins per row of the last render
  std::int32_t RowCount = 0;
  std::int16_t XBinNum = 0, YBinNum = 0, XCumTypeID = 0, YCumTypeID = 0, XBinSumTypeID = 0, YBinSumTypeID = 0;
  const ALineBins& Bins() const { return bins_; }

  void DrawDataPixels(QImage& bitmap) override;
  void DrawDataTexts(QImage& bitmap) override;
  virtual void DrawBins(QImage& bitmap);
  // One bin per pixel column of the plot.
  virtual int BinCount() const;

 protected:
  // The height of a bin value above the plot's bottom; none for 0 on a logarithmic axis.
  bool BinHeight(float value, int& height) const;

  ALineBins bins_;

 private:
  void FillBins();

  // The bins of the last few drawings (before they are finished) with everything they were
  // added up from, so that a step back (an unzoom, an undelete of every hit) does not add up
  // millions of hits again. Never kept in event view, where the event rule decides. Only the
  // rows that hold hits are kept.
  struct BinsKey;
  BinsKey CurrentBinsKey() const;
  struct KeptBins {
    ALineBins::Kept Bins;
    std::uint64_t Outside = 0;
  };
  KeptDrawings<BinsKey, KeptBins, 3> kept_;
};

}  // namespace ae
