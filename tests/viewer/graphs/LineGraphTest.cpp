// Line graphs and histograms: binning, cumulation, the rescaled Y axis and the drawn bins.
#include <gtest/gtest.h>

#include "tests/viewer/graphs/GraphFixture.h"
#include "viewer/graphs/TZTHistgrGraph.h"
#include "viewer/graphs/TZTLineGraph.h"

namespace ae {
namespace {

using test::GraphFixture;
using test::Hit;

class LineGraph : public GraphFixture {
 protected:
  // Hits against time 0..250 s (one bin per second), counted (Y parameter 0, summation "sum").
  template <class Graph>
  std::unique_ptr<Graph> MakeCounting(int cumulation, TGraphSetup s = Setup(pcTime, 250, pcHits, 100)) {
    auto graph = Make<Graph>(s);
    TBinSetup bins;
    bins.YBinSumTypeID = bsSum;
    bins.YCumTypeID = cumulation;
    graph->SetBins(bins);
    return graph;
  }
};

TEST_F(LineGraph, HitsPerBinMakeALineAndTheYAxisFitsThePeak) {
  Load({Hit(10.2, 1, 60, 0), Hit(10.5, 2, 60, 0), Hit(10.9, 1, 60, 0), Hit(100, 1, 60, 0)});
  auto graph = MakeCounting<TZTLineGraph>(ctNone);
  graph->PaintGraph();
  EXPECT_EQ(graph->BinCountValue, 250);
  EXPECT_EQ(graph->YAxis.Max, 3u);  // the peak, from the starting value 100
  const QImage& b = graph->Bitmap;
  const TRgb point = Role(TColorRole::Point);
  // 175 pixels for 3 hits: bin 10 at the top, bin 100 at trunc(58.3) above the bottom.
  EXPECT_EQ(At(b, 60, 25), point);
  EXPECT_EQ(At(b, 150, 200 - 58), point);
  EXPECT_EQ(At(b, 50, 200), point);  // the line starts at the plot's lower left corner
  // A bin without hits sums to 0: the quiet stretch between the hits lies on the bottom.
  EXPECT_EQ(At(b, 105, 200), point);
  EXPECT_EQ(At(b, 61, 200), point);
  EXPECT_EQ(Count(b, point, 105, 26, 105, 199), 0);
  EXPECT_EQ(Count(b, point, 200, 26, 200, 199), 0);
}

TEST_F(LineGraph, AveragesAndExtremesBridgeTheBinsWithoutHits) {
  // The mean amplitude of no hits is not 0 dB: there the line joins the bins that have hits.
  Load({Hit(10, 1, 60, 0), Hit(100, 1, 60, 0)});
  auto graph = Make<TZTLineGraph>(Setup(pcTime, 250, pcAmplitude, 100));
  graph->SetBins({.YBinSumTypeID = bsAverage, .YCumTypeID = ctNone});
  graph->PaintGraph();
  const TRgb point = Role(TColorRole::Point);
  EXPECT_EQ(graph->YAxis.Max, 60u);
  EXPECT_EQ(At(graph->Bitmap, 105, 25), point);  // the level line from bin 10 to bin 100
  EXPECT_NE(At(graph->Bitmap, 105, 200), point);
}

TEST_F(LineGraph, ASummedCurveOfColouredChannelsDrawsOnlyTheChannelsWithHits) {
  options.ViewType = 0;
  Load({Hit(10, 3, 60, 0)});
  auto graph = MakeCounting<TZTLineGraph>(ctNone);
  graph->PaintGraph();
  // Channel 3 runs along the bottom outside its bin; no other channel draws a line there.
  EXPECT_EQ(At(graph->Bitmap, 150, 200), ChannelPalette(3));
  EXPECT_EQ(Count(graph->Bitmap, ChannelPalette(128), 51, 26, 299, 200), 0);
}

TEST_F(LineGraph, CumulationFromTheLeftIsAStaircase) {
  Load({Hit(10.2, 1, 60, 0), Hit(10.5, 1, 60, 0), Hit(10.9, 1, 60, 0), Hit(100, 1, 60, 0)});
  auto graph = MakeCounting<TZTLineGraph>(ctFromLeft);
  graph->PaintGraph();
  EXPECT_EQ(graph->YAxis.Max, 4u);
  const QImage& b = graph->Bitmap;
  const TRgb point = Role(TColorRole::Point);
  EXPECT_EQ(At(b, 55, 200), point);         // flat along the bottom before the first hits
  EXPECT_EQ(At(b, 60, 120), point);         // the rise at bin 10 to 3 of 4
  EXPECT_EQ(At(b, 120, 200 - 131), point);  // 3 * 43.75 pixels
  EXPECT_EQ(At(b, 200, 25), point);         // all 4 from bin 100 on
  EXPECT_NE(At(b, 120, 200), point);
}

TEST_F(LineGraph, ColoredChannelsDrawOneCurvePerChannelAndEventViewBinsOnlyEventStarts) {
  options.ViewType = 0;
  Load({Hit(10.2, 1, 60, 0), Hit(10.5, 2, 60, 0)});
  auto graph = MakeCounting<TZTLineGraph>(ctNone);
  graph->PaintGraph();
  EXPECT_EQ(graph->RowCount, 128);
  // Both channels reach 1 of 10 (a maximum of 1 becomes 10): the later row lies on top.
  EXPECT_EQ(At(graph->Bitmap, 60, 183), ChannelPalette(2));
  EXPECT_EQ(graph->Bins().At(0, 10).Count, 1.0f);
  EXPECT_EQ(graph->Bins().At(1, 10).Count, 1.0f);

  options.ViewType = 2;
  options.EventsView = true;
  setup.MPT = 1000000;  // one second: the second hit belongs to the first one's event
  graph->Redraw();
  graph->PaintGraph();
  EXPECT_EQ(graph->RowCount, 1);
  EXPECT_EQ(graph->Bins().At(0, 10).Count, 1.0f);
  EXPECT_EQ(data.EventCount, 1u);
}

TEST_F(LineGraph, NoHitKeepsTheYMaximumAndCumulatedCurvesLieFlat) {
  Load({Hit(300, 1, 60, 0)});  // beyond the time axis
  auto none = MakeCounting<TZTLineGraph>(ctNone);
  none->PaintGraph();
  EXPECT_EQ(none->YAxis.Max, 100u);
  EXPECT_EQ(Count(none->Bitmap, Role(TColorRole::Point), 51, 26, 299, 199), 0);
  auto right = MakeCounting<TZTLineGraph>(ctFromRight);
  right->PaintGraph();
  EXPECT_EQ(Count(right->Bitmap, Role(TColorRole::Point), 50, 200, 299, 200), 250);
}

TEST_F(LineGraph, HistogramBinsSplitTheXRangeAndTheMaximumFallsIntoTheLastBin) {
  Load({Hit(1, 1, 100, 0), Hit(2, 1, 5, 0), Hit(3, 1, 12, 0)});
  TGraphSetup s = Setup(pcAmplitude, 100, pcHits, 100);
  auto graph = Make<TZTHistgrGraph>(s);
  TBinSetup bins;
  bins.XBinNum = 10;
  bins.YBinSumTypeID = bsSum;
  bins.YCumTypeID = ctNone;
  graph->SetBins(bins);
  graph->PaintGraph();
  EXPECT_EQ(graph->Bins().At(0, 9).Count, 1.0f);  // 100 dB
  EXPECT_EQ(graph->Bins().At(0, 0).Count, 1.0f);
  EXPECT_EQ(graph->Bins().At(0, 1).Count, 1.0f);
  EXPECT_EQ(graph->YAxis.Max, 10u);  // a peak of 1 gives 1, and a maximum of 1 becomes 10
  const QImage& b = graph->Bitmap;
  const TRgb point = Role(TColorRole::Point);
  // Columns of 25 pixels, 17 high (1 of 10 on 175 pixels); neighbours share their edge column.
  EXPECT_EQ(Count(b, point, 275, 183, 300, 200), 26 * 18);
  EXPECT_EQ(Count(b, point, 50, 183, 100, 200), 51 * 18);
  EXPECT_NE(At(b, 101, 190), point);
  EXPECT_NE(At(b, 274, 190), point);
  EXPECT_NE(At(b, 275, 182), point);

  bins.XBinNum = 0;
  graph->SetBins(bins);
  EXPECT_EQ(graph->BinCount(), 100);
}

TEST_F(LineGraph, ALogarithmicHistogramHasOneBinPerDecade) {
  Load({Hit(1, 1, 0, 5), Hit(2, 1, 0, 50), Hit(3, 1, 0, 500), Hit(4, 1, 0, 1000)});
  TGraphSetup s = Setup(pcEnergy, 1000, pcHits, 100);
  s.XMin = 1;
  s.XLog = true;
  auto graph = Make<TZTHistgrGraph>(s);
  TBinSetup bins;
  bins.XBinNum = 3;
  bins.YBinSumTypeID = bsSum;
  bins.YCumTypeID = ctNone;
  graph->SetBins(bins);
  graph->PaintGraph();
  EXPECT_EQ(graph->Bins().At(0, 0).Count, 1.0f);
  EXPECT_EQ(graph->Bins().At(0, 1).Count, 1.0f);
  EXPECT_EQ(graph->Bins().At(0, 2).Count, 2.0f);
  EXPECT_EQ(graph->YAxis.Max, 2u);
}

}  // namespace
}  // namespace ae
