// Graphs of the location codes: a location map shows each located event once, at its location,
// with the sensors of the setup; every other hit, and an event that is not located, is not
// drawn, framed or counted. The locations follow deleting and the test setup.
#include <algorithm>
#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include "tests/viewer/graphs/GraphFixture.h"
#include "viewer/core/AEventLocator.h"
#include "viewer/graphs/GraphPage.h"
#include "viewer/graphs/TZTHistgrGraph.h"
#include "viewer/graphs/TZTLineGraph.h"
#include "viewer/graphs/TZTPointGraph.h"

namespace ae {
namespace {

using test::GraphFixture;
using test::Hit;

struct Source {
  double X;
  double Y;
};

class LocationGraph : public GraphFixture {
 protected:
  LocationGraph() {
    // Metres as pixels on an X axis 0..250 and a Y axis 0..175.
    setup.Location.Type = ALocationType::Planar;
    setup.Location.Velocity = 3000;
    setup.Location.Sensors = {{1, 20, 20}, {2, 220, 20}, {3, 220, 150}, {4, 20, 150}};
    setup.MPT = 100000;  // 0.1 s: a wave crosses 280 m of the layout in under that
    setup.Lockout = 200000;
  }

  // The hits of a source at t0 on the sensors of those channels (all when empty), in time order.
  std::vector<ZTShortHit> EventHits(Source source, double t0, std::vector<int> channels = {}) const {
    std::vector<ZTShortHit> hits;
    for (const ASensor& s : setup.Location.Sensors) {
      if (!channels.empty() && std::find(channels.begin(), channels.end(), s.Channel) == channels.end()) continue;
      hits.push_back(Hit(t0 + std::hypot(source.X - s.X, source.Y - s.Y) / setup.Location.Velocity, s.Channel, 60, 20));
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const ZTShortHit& a, const ZTShortHit& b) { return a.Time.Ticks() < b.Time.Ticks(); });
    return hits;
  }
  // Events from the sources, one a second from 1 s on; the last heard by two sensors only.
  void LoadEvents(const std::vector<Source>& sources, bool lastUnlocated = false) {
    std::vector<ZTShortHit> recs;
    for (std::size_t i = 0; i < sources.size(); ++i) {
      const bool partial = lastUnlocated && i + 1 == sources.size();
      const auto hits =
          EventHits(sources[i], 1.0 + static_cast<double>(i), partial ? std::vector<int>{1, 2} : std::vector<int>{});
      recs.insert(recs.end(), hits.begin(), hits.end());
    }
    Load(recs);
  }
  std::unique_ptr<TZTPointGraph> Map() { return Make<TZTPointGraph>(Setup(pcLocX, 250, pcLocY, 175)); }

  // Metres x, y land at (50 + x, 200 - y).
  static int X(double x) { return 50 + static_cast<int>(x); }
  static int Y(double y) { return 200 - static_cast<int>(y); }
  int Points(const QImage& b) const { return Count(b, Role(TColorRole::Point), 51, 26, 299, 199); }
};

TEST_F(LocationGraph, AMapShowsEachLocatedEventOnceAtItsLocation) {
  LoadEvents({{100.5, 50.5}, {150.5, 120.5}, {60.5, 60.5}}, true);
  auto map = Map();
  map->PaintGraph();
  const QImage& b = map->Bitmap;
  EXPECT_EQ(At(b, X(100.5), Y(50.5)), Role(TColorRole::Point));
  EXPECT_EQ(At(b, X(150.5), Y(120.5)), Role(TColorRole::Point));
  // Two events of four hits each: two points; the event of two sensors is not located.
  EXPECT_EQ(Points(b), 2);
  EXPECT_EQ(data.Locations.Count(), 2u);
  EXPECT_EQ(map->OutsideCount, 0u);
}

TEST_F(LocationGraph, AMapDrawsTheSensorsOfTheSetupWithTheirChannels) {
  LoadEvents({{100, 50}});
  auto map = Map();
  map->PaintGraph();
  for (const ASensor& s : setup.Location.Sensors) {
    // The triangle's base under the sensor's place, its label beside it.
    EXPECT_EQ(At(map->Bitmap, X(s.X), Y(s.Y) + 3), Role(TColorRole::Axis)) << s.Channel;
    const auto label = std::find_if(map->Texts.begin(), map->Texts.end(),
                                    [&](const TDrawnText& t) { return t.Text == QString::number(s.Channel); });
    ASSERT_NE(label, map->Texts.end()) << s.Channel;
    EXPECT_EQ(label->Box.left(), X(s.X) + 6);
  }
  // Not on a graph of one location code, nor without a location setup.
  auto timeGraph = Make<TZTPointGraph>(Setup(pcTime, 250, pcLocX, 175));
  timeGraph->PaintGraph();
  EXPECT_EQ(At(timeGraph->Bitmap, X(20), Y(20) + 3), Role(TColorRole::Background));
}

TEST_F(LocationGraph, ALocationAgainstAHitParameterTakesTheFirstHitsValue) {
  LoadEvents({{100.5, 50.5}, {150.5, 120.5}});
  auto graph = Make<TZTPointGraph>(Setup(pcTime, 250, pcLocX, 175));
  graph->PaintGraph();
  // Each event at the time of its first hit (1 s and 2 s and a little) against its X.
  const double first = data.Recs[0].Time.Seconds();
  EXPECT_EQ(At(graph->Bitmap, X(first), Y(100.5)), Role(TColorRole::Point));
  EXPECT_EQ(Points(graph->Bitmap), 2);
}

TEST_F(LocationGraph, AHistogramOfXCountsTheLocatedEventsOnly) {
  LoadEvents({{100.5, 50.5}, {104.5, 120.5}, {200.5, 30.5}, {10.5, 10.5}}, true);
  auto histogram = Make<TZTHistgrGraph>(Setup(pcLocX, 250, pcHits, 100));
  histogram->SetBins({.XBinNum = 25, .YBinSumTypeID = bsSum, .YCumTypeID = ctNone});
  histogram->PaintGraph();
  const ALineBins& bins = histogram->Bins();
  float total = 0;
  for (int j = 0; j < bins.Bins(); ++j) total += bins.At(0, j).Count;
  EXPECT_EQ(total, 3.0f);                 // 12 hits, 3 located events
  EXPECT_EQ(bins.At(0, 10).Count, 2.0f);  // 100.5 and 104.5 m, in the bin of 100..110
  EXPECT_EQ(bins.At(0, 20).Count, 1.0f);  // 200.5 m
  EXPECT_EQ(histogram->OutsideCount, 0u);

  auto line = Make<TZTLineGraph>(Setup(pcTime, 250, pcLocX, 100));
  line->SetBins({.YBinSumTypeID = bsMaximum, .YCumTypeID = ctNone});
  line->PaintGraph();
  EXPECT_EQ(line->YAxis.Max, 210u);  // the farthest event, 200.5 m, to two digits
}

TEST_F(LocationGraph, LocationsFollowDeletingAndTheTestSetup) {
  LoadEvents({{100, 50}, {150, 120}});
  auto map = Map();
  map->PaintGraph();
  ASSERT_EQ(Points(map->Bitmap), 2);

  // The second event's hits deleted: its location goes with them.
  for (std::size_t i = 4; i < 8; ++i) data.Recs[i].SetGrouped(true);
  data.GroupedCount = 4;
  data.DeleteGrouped();
  options.ShowDeleted = true;  // a deleted hit has no location to be drawn at either
  map->Redraw();
  map->PaintGraph();
  EXPECT_EQ(Points(map->Bitmap), 1);
  EXPECT_EQ(Count(map->Bitmap, Role(TColorRole::Deleted), 51, 26, 299, 199), 0);
  data.UndeleteAll();

  // Another speed moves the events; no location setup leaves the map empty, and says why.
  setup.Location.Velocity = 1500;
  map->Redraw();
  map->PaintGraph();
  EXPECT_EQ(Points(map->Bitmap), 2);
  EXPECT_NE(At(map->Bitmap, X(100), Y(50)), Role(TColorRole::Point));
  setup.Location.Type = ALocationType::None;
  map->Redraw();
  map->PaintGraph();
  EXPECT_EQ(Points(map->Bitmap), 0);
  EXPECT_TRUE(std::any_of(map->Texts.begin(), map->Texts.end(),
                          [](const TDrawnText& t) { return t.Text == "No location in the test setup"; }));
}

TEST_F(LocationGraph, EventViewShowsTheSameEventsAndCountsThemAll) {
  LoadEvents({{100, 50}, {150, 120}, {60, 60}}, true);
  options.EventsView = true;
  options.SecondAsShadow = true;
  auto map = Map();
  map->PaintGraph();
  EXPECT_EQ(Points(map->Bitmap), 2);
  EXPECT_EQ(Count(map->Bitmap, Role(TColorRole::Shadow), 51, 26, 299, 199), 0);  // later hits have no location
  EXPECT_EQ(data.EventCount, 3u);  // the unlocated event counts as an event all the same
}

TEST_F(LocationGraph, AFrameOnTheMapSelectsTheWholeEventsOfItsArea) {
  LoadEvents({{100.5, 50.5}, {150.5, 120.5}});
  auto map = Map();
  map->PaintGraph();
  TFrameRect band;
  band.Graph = map->Id();
  band.XParam = pcLocX;
  band.YParam = pcLocY;
  band.XFrom = 90;
  band.XTo = 110;
  band.YFrom = 40;
  band.YTo = 60;
  band.Channels.set();
  TFrameSelectionState state;
  state.Mpt = setup.MPT;
  state.Lockout = setup.Lockout;
  ASSERT_TRUE(common.Frames.AddFrame(band, data, state));
  for (std::size_t i = 0; i < data.Recs.size(); ++i) EXPECT_EQ(data.Recs[i].FrameBits, i < 4 ? 1 : 0) << i;
  EXPECT_EQ(data.FramedCount, 4u);
  // The overlay shows the event on the map in its set's colour.
  options.ViewType = 0;
  map->Redraw();
  map->PaintGraph();
  EXPECT_EQ(At(map->Bitmap, X(100.5), Y(50.5)), SetColor(0));
  EXPECT_NE(At(map->Bitmap, X(150.5), Y(120.5)), SetColor(0));
}

TEST_F(LocationGraph, APageDrawsItsMapAgainWhenOnlyTheLocationsChanged) {
  // A page keeps the picture of its hits while the records stay; a new wave speed leaves them
  // as they are and moves every location.
  LoadEvents({{100.5, 50.5}, {150.5, 120.5}});
  GraphPage page(common, 1, "Page", 4);
  page.Graphs.push_back(Map());
  page.Graphs.push_back(Make<TZTPointGraph>(Setup(pcTime, 250, pcLocX, 175)));
  page.Graphs[1]->Setup([] {
    TGraphSetup s = Setup(pcTime, 250, pcLocX, 175);
    s.LX = 1;
    s.RX = 2;
    return s;
  }());
  page.UpdateAllLayouts(640, 450);
  common.RepaintAll = true;
  page.PaintGraphs();
  ASSERT_EQ(At(page.Graphs[0]->Bitmap, X(100.5), Y(50.5)), Role(TColorRole::Point));
  setup.Location.Velocity = 1500;
  page.Redraw();
  common.RepaintAll = false;
  page.PaintGraphs();
  EXPECT_NE(At(page.Graphs[0]->Bitmap, X(100.5), Y(50.5)), Role(TColorRole::Point));
  EXPECT_EQ(Points(page.Graphs[0]->Bitmap), 2);
}

TEST_F(LocationGraph, TheHitNearAPointOfTheMapIsTheFirstHitOfItsEvent) {
  LoadEvents({{100.5, 50.5}, {150.5, 120.5}});
  auto map = Map();
  map->PaintGraph();
  EXPECT_EQ(map->HitNear(X(150.5) + 2, Y(120.5) - 1, 5), std::optional<std::size_t>(4));
  EXPECT_EQ(map->HitNear(X(100.5), Y(50.5), 5), std::optional<std::size_t>(0));
  // Where an unlocated hit's own values would put it (amplitude 60 is no metre): nothing.
  EXPECT_EQ(map->HitNear(X(60), Y(20), 3), std::nullopt);
}

TEST_F(LocationGraph, HitsOutOfTimeOrderStopTheLocationsThereAndTheGraphSaysSo) {
  LoadEvents({{100, 50}, {150, 120}});
  data.Recs.insert(data.Recs.begin() + 4, Hit(0.5, 1, 60, 20));  // earlier than the first event
  data.RecCount = static_cast<int>(data.Recs.size());
  auto map = Map();
  map->PaintGraph();
  EXPECT_EQ(Points(map->Bitmap), 1);
  EXPECT_TRUE(std::any_of(map->Texts.begin(), map->Texts.end(), [](const TDrawnText& t) {
    return t.Text.startsWith("The hits are not in time order at 0.5 s");
  }));
}

}  // namespace
}  // namespace ae
