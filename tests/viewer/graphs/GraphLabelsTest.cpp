// The texts of a graph: value labels that read the value at their tick and are never cut, the
// labels between the ends of a time axis, and the count of the points outside the ranges with
// the fit of the ranges to the data.
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include <gtest/gtest.h>

#include "tests/viewer/graphs/GraphFixture.h"
#include "viewer/graphs/TZTLineGraph.h"
#include "viewer/graphs/TZTPointGraph.h"

namespace ae {
namespace {

using test::GraphFixture;
using test::Hit;

class GraphLabels : public GraphFixture {
 protected:
  static std::optional<TDrawnText> Find(const TZTGraph& graph, const QString& text) {
    for (const TDrawnText& drawn : graph.Texts)
      if (drawn.Text == text) return drawn;
    return std::nullopt;
  }
  // The texts of the X axis row, left to right.
  static std::vector<TDrawnText> XRow(const TZTGraph& graph) {
    std::vector<TDrawnText> row;
    for (const TDrawnText& drawn : graph.Texts)
      if (drawn.Box.top() == graph.Height - 17) row.push_back(drawn);
    std::sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.Box.left() < b.Box.left(); });
    return row;
  }
  int TextHeight() {
    QImage probe(1, 1, QImage::Format_RGB32);
    return GraphText(probe, 0, 0).Height();
  }
};

TEST_F(GraphLabels, LinearYLabelsReadTheValueAtTheirTick) {
  Load({Hit(1, 1, 100, 5)});
  auto graph = Make<TZTPointGraph>(Setup(pcAmplitude, 250, pcCounts, 8));
  graph->PaintGraph();
  const int h = TextHeight();
  // Five intervals of 35 pixels from the top: 8, 6.4, 4.8, 3.2, 1.6, 0; right-aligned at 40.
  const struct {
    const char* text;
    int top;
  } expected[] = {{"8", 25 - h / 2},    {"6.4", 60 - h / 2},  {"4.8", 95 - h / 2},
                  {"3.2", 130 - h / 2}, {"1.6", 165 - h / 2}, {"0", 200 - h / 2}};
  for (const auto& e : expected) {
    const auto drawn = Find(*graph, e.text);
    ASSERT_TRUE(drawn) << e.text;
    EXPECT_EQ(drawn->Box.top(), e.top) << e.text;
    EXPECT_EQ(drawn->Box.right(), 39) << e.text;
  }
  // Below one unit per tick too.
  auto fractions = Make<TZTPointGraph>(Setup(pcAmplitude, 250, pcCounts, 1));
  fractions->PaintGraph();
  for (const char* text : {"0.2", "0.4", "0.6", "0.8", "1"}) EXPECT_TRUE(Find(*fractions, text)) << text;
}

TEST_F(GraphLabels, LogarithmicLabelsSitAtTheirDecadesWhateverTheRange) {
  Load({Hit(1, 1, 100, 5)});
  const int h = TextHeight();
  struct Case {
    std::uint32_t min, max;
    std::vector<std::pair<int, const char*>> decades;  // the inner labels expected
  } cases[] = {{1, 1000, {{10, "10"}, {100, "100"}}},
               {10, 100000, {{100, "100"}, {1000, "1k"}, {10000, "10k"}}},  // "100000" is too wide
               {1, 5000, {{10, "10"}, {100, "100"}, {1000, "1000"}}}};
  for (const Case& c : cases) {
    auto graph = Make<TZTPointGraph>(Setup(pcAmplitude, 250, pcCounts, c.max));
    graph->YAxis.Configure(pcCounts, true, c.min, c.max);
    graph->PaintGraph();
    const AxisTicks ticks = YAxisTicks(graph->YAxis, graph->PlotTop, graph->PlotBottom);
    std::vector<QRect> boxes;
    for (const TDrawnText& drawn : graph->Texts)
      if (drawn.Box.right() == 39) boxes.push_back(drawn.Box);
    EXPECT_EQ(boxes.size(), c.decades.size() + 2) << c.min << ".." << c.max;
    for (const auto& [decade, text] : c.decades) {
      const auto drawn = Find(*graph, text);
      ASSERT_TRUE(drawn) << decade << " on " << c.min << ".." << c.max;
      const int tick = ticks.Major[static_cast<std::size_t>(std::log10(decade) + 0.5)];
      EXPECT_NEAR(drawn->Box.top() + h / 2, tick, 1) << decade << " on " << c.min << ".." << c.max;
    }
    for (std::size_t i = 0; i < boxes.size(); ++i)
      for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(boxes[i].intersects(boxes[j])) << c.min << ".." << c.max;
  }
}

TEST_F(GraphLabels, LabelsTooWideForTheMarginAreCompactAndWhole) {
  Load({Hit(1, 1, 100, 5)});
  auto graph = Make<TZTPointGraph>(Setup(pcAmplitude, 250, pcEnergy, 8000000));
  graph->PaintGraph();
  for (const char* text : {"8M", "6.4M", "4.8M", "3.2M", "1.6M", "0"}) {
    const auto drawn = Find(*graph, text);
    ASSERT_TRUE(drawn) << text;
    EXPECT_GE(drawn->Box.left(), 0) << text;
  }
  EXPECT_FALSE(Find(*graph, "1600000"));  // one form for the whole axis

  // A cumulative energy curve rescaled to 1.6e6: its labels take the same form.
  std::vector<ZTShortHit> hits;
  for (int i = 0; i < 32; ++i) hits.push_back(Hit(10 + i, 1, 60, 50000));
  Load(hits);
  auto line = Make<TZTLineGraph>(Setup(pcTime, 250, pcEnergy, 100));
  line->SetBins({.YBinSumTypeID = bsSum, .YCumTypeID = ctFromLeft});
  line->PaintGraph();
  EXPECT_EQ(line->YAxis.Max, 1600000u);
  for (const char* text : {"1.6M", "1.28M", "960k", "640k", "320k"}) {
    const auto drawn = Find(*line, text);
    ASSERT_TRUE(drawn) << text;
    EXPECT_GE(drawn->Box.left(), 0) << text;
    EXPECT_EQ(drawn->Box.right(), 39) << text;
  }
}

TEST_F(GraphLabels, ATimeAxisIsLabelledAtItsTicksWhereTheLabelsFit) {
  Load({Hit(1, 1, 100, 5)});
  TGraphSetup s = Setup(pcTime, 250, pcEnergy, 175);
  s.XShortName = "Time";
  auto graph = Make<TZTPointGraph>(s);
  graph->PaintGraph();
  const std::vector<TDrawnText> row = XRow(*graph);
  // Ticks every 50 pixels from the right edge (300) for 0..250 s: 200 s at 250, 150 s at 200 ...
  int inner = 0;
  for (const TDrawnText& drawn : row) {
    bool ok = false;
    const int value = drawn.Text.toInt(&ok);
    if (!ok || value == 0 || value == 250) continue;
    ++inner;
    EXPECT_NEAR(drawn.Box.center().x(), 50 + value, 1) << drawn.Text.toStdString();
  }
  EXPECT_GE(inner, 2);
  for (std::size_t i = 1; i < row.size(); ++i)
    EXPECT_LT(row[i - 1].Box.right(), row[i].Box.left()) << row[i].Text.toStdString();

  // Other axes keep only their ends.
  auto amplitude = Make<TZTPointGraph>(Setup(pcAmplitude, 250, pcEnergy, 175));
  amplitude->PaintGraph();
  EXPECT_EQ(XRow(*amplitude).size(), 2u);
}

TEST_F(GraphLabels, ANarrowTimeAxisDropsTheLabelsThatWouldTouch) {
  Load({Hit(1, 1, 100, 5)});
  common.SetPageSize(1200, 450);
  options.HorizGraphNum = 8;  // cells of 150 pixels: a plot of 80
  auto graph = Make<TZTPointGraph>(Setup(pcTime, 86400, pcEnergy, 175));
  graph->PaintGraph();
  const std::vector<TDrawnText> row = XRow(*graph);
  for (std::size_t i = 1; i < row.size(); ++i) EXPECT_LT(row[i - 1].Box.right(), row[i].Box.left());
  for (const TDrawnText& drawn : row) {
    EXPECT_GE(drawn.Box.left(), 0);
    EXPECT_LT(drawn.Box.right(), graph->Width);
  }
}

TEST_F(GraphLabels, PointsOutsideTheRangesAreCountedInTheTitleLine) {
  options.CheckedChan.reset(6);  // channel 7 unchecked
  // Channel 15 beyond the channel axis 0..10 (twice), channel 7 unchecked, one in range.
  Load({Hit(1, 3, 60, 5), Hit(2, 15, 70, 5), Hit(3, 15, 80, 5), Hit(4, 7, 60, 50)});
  auto graph = Make<TZTPointGraph>(Setup(pcChannel, 10, pcAmplitude, 100));
  graph->PaintGraph();
  EXPECT_EQ(graph->OutsideCount, 2u);
  const auto note = Find(*graph, "+2 outside");
  ASSERT_TRUE(note);
  const auto title = Find(*graph, "0. Test");
  ASSERT_TRUE(title);
  EXPECT_EQ(note->Box.top(), title->Box.top());
  EXPECT_GT(note->Box.left(), title->Box.right());

  // Beyond a time axis a hit is out of view, not lost.
  auto time = Make<TZTPointGraph>(Setup(pcTime, 2, pcAmplitude, 100));
  time->PaintGraph();
  EXPECT_EQ(time->OutsideCount, 0u);
  EXPECT_FALSE(Find(*time, "+1 outside"));

  // Line graphs count what they do not bin: X beyond the axis, Y below its minimum.
  auto line = Make<TZTLineGraph>(Setup(pcChannel, 10, pcHits, 100));
  line->SetBins({.YBinSumTypeID = bsSum, .YCumTypeID = ctNone});
  line->PaintGraph();
  EXPECT_EQ(line->OutsideCount, 2u);
}

TEST_F(GraphLabels, FitAxesToDataTakesTheRangesToTheHitsUntilTheStoredRangesReturn) {
  Load({Hit(1, 1, 45, 5), Hit(2, 15, 99, 5)});
  auto graph = Make<TZTPointGraph>(Setup(pcChannel, 10, pcAmplitude, 100));
  graph->PaintGraph();
  EXPECT_EQ(graph->OutsideCount, 1u);
  ASSERT_TRUE(graph->FitAxesToData());
  EXPECT_EQ(graph->XAxis.Min, 0u);
  EXPECT_EQ(graph->XAxis.Max, 15u);
  EXPECT_EQ(graph->YAxis.Min, 40u);  // whole 10 dB on an amplitude axis
  EXPECT_EQ(graph->YAxis.Max, 100u);
  graph->PaintGraph();
  EXPECT_EQ(graph->OutsideCount, 0u);
  EXPECT_EQ(graph->XAxis.ConfigMax, 10u);  // the stored ranges stay

  EXPECT_TRUE(graph->RestoreStoredRanges());
  EXPECT_EQ(graph->XAxis.Max, 10u);
  EXPECT_EQ(graph->YAxis.Min, 0u);
  EXPECT_FALSE(graph->RestoreStoredRanges());

  // A time axis keeps its window; a graph with nothing to show keeps its ranges.
  auto time = Make<TZTPointGraph>(Setup(pcTime, 250, pcAmplitude, 100));
  time->XAxis.SetRange(0, 1);
  ASSERT_TRUE(time->FitAxesToData());
  EXPECT_EQ(time->XAxis.Max, 1u);
  EXPECT_EQ(time->YAxis.Min, 40u);
  EXPECT_EQ(time->YAxis.Max, 50u);
  options.CheckedChan.reset();
  auto none = Make<TZTPointGraph>(Setup(pcChannel, 10, pcAmplitude, 100));
  EXPECT_FALSE(none->FitAxesToData());
  EXPECT_EQ(none->XAxis.Max, 10u);
}

}  // namespace
}  // namespace ae
