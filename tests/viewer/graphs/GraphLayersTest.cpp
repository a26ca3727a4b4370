// The layers every graph kind shares: placement in the page grid, cell border, axes, grid, time
// marks, holds, frames, and the copy in the clipboard's scheme.
#include <gtest/gtest.h>

#include "tests/viewer/graphs/GraphFixture.h"
#include "viewer/graphs/TZTPointGraph.h"

namespace ae {
namespace {

using test::GraphFixture;

class GraphLayers : public GraphFixture {};

TEST_F(GraphLayers, AGraphAtTheRightEdgeOfTheGridTakesThePixelsTheCellsLeaveOver) {
  common.SetPageSize(645, 450);  // cells of 322: one pixel left over
  TGraphSetup s = Setup();
  auto left = Make<TZTPointGraph>(s);
  s.LX = 1;
  s.RX = 2;
  auto right = Make<TZTPointGraph>(s);
  left->UpdateLayout();
  right->UpdateLayout();
  EXPECT_EQ(left->Width, 322);
  EXPECT_EQ(right->Left, 322);
  EXPECT_EQ(right->Width, 323);
  EXPECT_EQ(right->Bitmap.width(), 323);
  EXPECT_EQ(right->PlotRight, 303);
  EXPECT_EQ(left->Height, 225);
  EXPECT_EQ(left->PlotBottom, 200);
}

TEST_F(GraphLayers, CellBordersAreDrawnOnlyBetweenCellsNotAtThePageEdges) {
  auto inner = Make<TZTPointGraph>();
  TGraphSetup s = Setup();
  s.LX = s.LY = 1;
  s.RX = s.RY = 2;
  auto corner = Make<TZTPointGraph>(s);
  inner->PaintGraph();
  corner->PaintGraph();
  const TRgb border = Role(TColorRole::CellBorder);
  EXPECT_EQ(At(inner->Bitmap, 10, 224), border);  // bottom line
  EXPECT_EQ(At(inner->Bitmap, 319, 10), border);  // right line
  EXPECT_EQ(At(inner->Bitmap, 319, 224), border);
  EXPECT_NE(At(corner->Bitmap, 10, 224), border);  // the page's bottom and right edges
  EXPECT_NE(At(corner->Bitmap, 319, 10), border);
}

TEST_F(GraphLayers, AxesFrameThePlotAndTheirTicksLandOnTheTransformedPixels) {
  options.ColorScheme = 0;
  auto graph = Make<TZTPointGraph>(Setup(pcAmplitude, 250, pcCounts, 1000));
  graph->YAxis.Configure(pcCounts, true, 0, 1000);  // logarithmic, read with minimum 0
  graph->PaintGraph();
  const QImage& b = graph->Bitmap;
  const TRgb axis = Role(TColorRole::Axis);
  // The frame: 3 pixels around the plot.
  EXPECT_EQ(At(b, 47, 100), axis);
  EXPECT_EQ(At(b, 303, 100), axis);
  EXPECT_EQ(At(b, 100, 22), axis);
  EXPECT_EQ(At(b, 100, 203), axis);
  // The first decade tick is at the axis start; major ticks reach left - 8, minor ones left - 6.
  EXPECT_EQ(Count(b, axis, 42, 200, 46, 200), 5);
  EXPECT_NE(At(b, 41, 200), axis);
  const int decade = 200 - 175 / 3;  // 175 pixels for 3 decades: 58.33 each
  EXPECT_EQ(At(b, 42, decade), axis);
  const int two = 200 - static_cast<int>(0.30103 * 175 / 3);  // the minor tick at 2
  EXPECT_EQ(At(b, 44, two), axis);
  EXPECT_NE(At(b, 43, two), axis);
  // The amplitude X axis 0..250 has 25 intervals of 10 pixels, counted from the right.
  EXPECT_EQ(Count(b, axis, 290, 203, 290, 208), 6);
  EXPECT_NE(At(b, 290, 209), axis);
  EXPECT_EQ(Count(b, axis, 295, 203, 295, 206), 4);
  EXPECT_NE(At(b, 295, 207), axis);
}

TEST_F(GraphLayers, TheGridIsDottedAtTheInnerMajorTicksAndOnlyWhenAskedFor) {
  auto graph = Make<TZTPointGraph>();
  graph->PaintGraph();
  EXPECT_EQ(Count(graph->Bitmap, GridColor, 0, 0, 319, 224), 0);

  options.ShowGrid = true;
  graph->Redraw();
  graph->PaintGraph();
  const QImage& b = graph->Bitmap;
  // Energy 0..175 in 5 intervals of 35: horizontal lines at 60, 95, 130 and 165, from the left.
  for (int y : {60, 95, 130, 165}) {
    EXPECT_EQ(At(b, 52, y), GridColor) << y;
    EXPECT_NE(At(b, 53, y), GridColor) << y;
  }
  EXPECT_NE(At(b, 52, 25), GridColor);    // not on the outer ticks
  EXPECT_EQ(At(b, 290, 198), GridColor);  // vertical lines from the bottom up, every other pixel
  EXPECT_NE(At(b, 290, 197), GridColor);

  // An amplitude axis of 5 dB has one interval: no inner tick, no grid line.
  auto narrow = Make<TZTPointGraph>(Setup(pcAmplitude, 5, pcAmplitude, 5));
  narrow->PaintGraph();
  EXPECT_EQ(Count(narrow->Bitmap, GridColor, 0, 0, 319, 224), 0);
}

TEST_F(GraphLayers, TimeMarksAndHoldsAppearOnlyOnTimeGraphs) {
  options.ColorScheme = 0;
  options.ShowTimeMark = true;
  setup.HoldsView = true;
  setup.Holds = {AHold{"hold", 1.0f, 50.0f, 20.0f, 5.0f}};
  ZTShortHit mark;
  mark.Kind = rkTimeMark;
  mark.Time = ATestTime::FromSeconds(100);
  Load({test::Hit(1, 1, 60, 10), mark});
  data.MarkCount = 1;
  data.Marks = {mark.Time};

  auto time = Make<TZTPointGraph>(Setup(pcTime, 250, pcEnergy, 175));
  auto amplitude = Make<TZTPointGraph>();
  time->PaintGraph();
  amplitude->PaintGraph();
  EXPECT_EQ(At(time->Bitmap, 150, 200), Role(TColorRole::TimeMarkLine));
  EXPECT_EQ(At(time->Bitmap, 150, 198), Role(TColorRole::TimeMarkLine));
  EXPECT_NE(At(time->Bitmap, 150, 199), Role(TColorRole::TimeMarkLine));
  EXPECT_EQ(At(time->Bitmap, 100, 200), Role(TColorRole::HoldLine));  // start
  EXPECT_EQ(At(time->Bitmap, 120, 200), Role(TColorRole::HoldLine));  // start + length
  EXPECT_EQ(Count(amplitude->Bitmap, Role(TColorRole::TimeMarkLine), 50, 25, 300, 200), 0);
  EXPECT_EQ(Count(amplitude->Bitmap, Role(TColorRole::HoldLine), 50, 25, 300, 200), 0);
}

TEST_F(GraphLayers, ValuesAtThePlotEdgesAreTheAxisMinimaOnLinearAndLogAxes) {
  for (bool log : {false, true}) {
    TGraphSetup s = Setup(pcEnergy, 10000, pcCounts, 1000);
    s.XMin = 10;
    s.XLog = s.YLog = log;
    auto graph = Make<TZTPointGraph>(s);
    graph->UpdateLayout();
    EXPECT_NEAR(graph->XValueAt(graph->PlotLeft), 10.0, 1e-9);
    EXPECT_EQ(graph->XPixel(graph->XValueAt(graph->PlotLeft)), graph->PlotLeft);
    EXPECT_NEAR(graph->YValueAt(graph->PlotBottom), log ? 1.0 : 0.0, 1e-9);
    EXPECT_NEAR(graph->XValueAt(graph->PlotRight), 10000.0, 1e-6);
    EXPECT_TRUE(graph->InPlotArea(51, 26));
    EXPECT_FALSE(graph->InPlotArea(50, 100));  // the edges themselves are outside
  }
}

TEST_F(GraphLayers, AFrameFollowsZoomingClippedToTheCurrentRanges) {
  auto graph = Make<TZTPointGraph>();
  TFrameRect frame;
  frame.Graph = graph->Id();
  frame.XParam = pcAmplitude;
  frame.YParam = pcEnergy;
  frame.XFrom = 10;
  frame.XTo = 20;
  frame.YFrom = 0;
  frame.YTo = 100;
  frame.Channels.set();
  common.Frames.AddFrame(frame, data, {});
  TFrameRect other = frame;
  other.Graph = NewGraphId();  // a frame of another graph is not drawn here
  other.XFrom = 100;
  other.XTo = 200;
  common.Frames.AddFrame(other, data, {});

  graph->XAxis.SetRange(15, 40);  // 10 pixels per dB
  graph->PaintGraph();
  const QImage& b = graph->Bitmap;
  const TRgb slot0 = SetColor(0);    // view type 2: the colour of the frame's slot
  EXPECT_EQ(At(b, 50, 150), slot0);  // drawn from 15, the axis start
  EXPECT_EQ(At(b, 100, 150), slot0);
  EXPECT_EQ(At(b, 75, 100), slot0);
  EXPECT_EQ(At(b, 75, 200), slot0);
  EXPECT_NE(At(b, 101, 150), slot0);
  EXPECT_EQ(Count(b, SetColor(1), 0, 0, 319, 224), 0);

  options.ViewType = 0;  // colored channels: the frame line colour
  graph->Redraw();
  graph->PaintGraph();
  EXPECT_EQ(At(graph->Bitmap, 100, 150), Role(TColorRole::FrameLine));
}

TEST_F(GraphLayers, TheClipboardCopyIsDrawnInItsOwnSchemeAndLeavesTheGraphAsItWas) {
  auto graph = Make<TZTPointGraph>();
  Load({test::Hit(1, 1, 100, 50)});
  graph->PaintGraph();
  const QImage before = graph->Bitmap;
  const QImage copy = graph->RenderCopy(800, 400);
  ASSERT_EQ(copy.size(), QSize(800, 400));
  EXPECT_EQ(At(copy, 0, 0), RoleColor(TColorRole::CellBorder, ClipboardScheme));
  EXPECT_EQ(At(copy, 799, 399), RoleColor(TColorRole::CellBorder, ClipboardScheme));
  EXPECT_EQ(At(copy, 400, 300), RoleColor(TColorRole::Background, ClipboardScheme));
  // Amplitude 100 of 0..250 on a plot of 730 pixels from x 50.
  EXPECT_EQ(At(copy, 50 + 730 * 100 / 250, 375 - 350 * 50 / 175), RoleColor(TColorRole::Point, ClipboardScheme));
  EXPECT_EQ(graph->PlotRight, 300);
  EXPECT_EQ(graph->Width, 320);
  EXPECT_DOUBLE_EQ(graph->XAxis.Scale, 1.0);
  EXPECT_EQ(graph->Bitmap, before);
}

}  // namespace
}  // namespace ae
