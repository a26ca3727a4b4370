// The point graph's three passes: deleted hits, hits in their colours, the selection overlay;
// the event rule and the event count.
#include <gtest/gtest.h>

#include "datafiles/EZTData.h"
#include "tests/viewer/graphs/GraphFixture.h"
#include "viewer/graphs/TZTPointGraph.h"

namespace ae {
namespace {

using test::GraphFixture;
using test::Hit;

class PointGraph : public GraphFixture {
 protected:
  // Paints a fresh amplitude/energy graph (channel text as given) and returns its bitmap.
  QImage Paint(const std::string& channels = "", bool noColour = false) {
    TGraphSetup s = Setup();
    s.Channels = channels;
    s.NoColour = noColour;
    graph_ = Make<TZTPointGraph>(s);
    graph_->PaintGraph();
    return graph_->Bitmap;
  }
  // Amplitude a and energy e land at (50 + a, 200 - e).
  static int X(int amplitude) { return 50 + amplitude; }
  static int Y(int energy) { return 200 - energy; }

  std::unique_ptr<TZTPointGraph> graph_;
};

TEST_F(PointGraph, HitsLandOnTheirTransformedPixelInTheColourOfTheViewType) {
  Load({Hit(1, 3, 100, 50), Hit(2, 7, 120, 60)});
  QImage b = Paint();
  EXPECT_EQ(At(b, X(100), Y(50)), Role(TColorRole::Point));
  EXPECT_EQ(Count(b, Role(TColorRole::Point), 51, 26, 299, 199), 2);  // one pixel each at size 1

  options.ViewType = 0;
  b = Paint();
  EXPECT_EQ(At(b, X(100), Y(50)), ChannelPalette(3));
  EXPECT_EQ(At(b, X(120), Y(60)), ChannelPalette(7));
  b = Paint("", true);  // the no-colour flag wins over the channel colours
  EXPECT_EQ(At(b, X(100), Y(50)), Role(TColorRole::Point));
}

TEST_F(PointGraph, PointSizesCoverTheirSquares) {
  Load({Hit(1, 3, 100, 50)});
  options.SetPointSize(2);
  QImage b = Paint();
  const TRgb point = Role(TColorRole::Point);
  EXPECT_EQ(Count(b, point, 51, 26, 299, 199), 4);
  EXPECT_EQ(Count(b, point, X(100), Y(50) - 1, X(100) + 1, Y(50)), 4);
  options.SetPointSize(5);
  b = Paint();
  EXPECT_EQ(Count(b, point, X(100) - 2, Y(50) - 2, X(100) + 2, Y(50) + 2), 25);
  EXPECT_EQ(Count(b, point, 51, 26, 299, 199), 25);
}

TEST_F(PointGraph, RangesAndChannelsDecideWhatIsDrawn) {
  options.CheckedChan.reset(5);  // channel 6 unchecked in the channels panel
  Load({Hit(1, 1, 100, 50), Hit(1, 6, 110, 50), Hit(1, 2, 120, 50), Hit(1, 1, 251, 50), Hit(1, 0, 130, 50),
        Hit(1, 129, 140, 50)});
  const QImage b = Paint("1,6");
  const TRgb point = Role(TColorRole::Point);
  EXPECT_EQ(At(b, X(100), Y(50)), point);
  EXPECT_NE(At(b, X(110), Y(50)), point);           // unchecked
  EXPECT_NE(At(b, X(120), Y(50)), point);           // not in the graph's list
  EXPECT_EQ(Count(b, point, 51, 26, 299, 199), 1);  // 251 dB is beyond the axis; channels 0, 129 never
}

TEST_F(PointGraph, TheTimeWindowLimitsTheHits) {
  Load({Hit(5, 1, 100, 50), Hit(15, 1, 120, 50)});
  options.TimeRangeFilter = true;
  options.FilterStart = 10;
  options.FilterEnd = 20;
  const QImage b = Paint();
  EXPECT_NE(At(b, X(100), Y(50)), Role(TColorRole::Point));
  EXPECT_EQ(At(b, X(120), Y(50)), Role(TColorRole::Point));
}

TEST_F(PointGraph, TheSelectionOverlayShowsFramesAndGroupsWhereTheViewTypeAsksForIt) {
  std::vector<ZTShortHit> recs = {Hit(1, 1, 100, 50), Hit(2, 1, 120, 60), Hit(3, 1, 140, 70)};
  recs[0].FrameBits = 0b1001;  // frames 0 and 3: the highest slot's colour
  recs[1].SetGrouped(true);
  recs[1].FrameBits = 0b0010;  // grouped wins over frames
  Load(recs);
  data.FramedCount = 2;
  data.GroupedCount = 1;

  options.ViewType = 0;
  QImage b = Paint();
  EXPECT_EQ(At(b, X(100), Y(50)), SetColor(3));
  EXPECT_EQ(At(b, X(120), Y(60)), Role(TColorRole::Grouped));
  EXPECT_EQ(At(b, X(140), Y(70)), ChannelPalette(1));

  options.ViewType = 2;
  b = Paint();
  EXPECT_EQ(At(b, X(100), Y(50)), SetColor(3));
  b = Paint("", true);  // data dependences without colour: no overlay
  EXPECT_EQ(At(b, X(100), Y(50)), Role(TColorRole::Point));
  EXPECT_EQ(At(b, X(120), Y(60)), Role(TColorRole::Point));
}

TEST_F(PointGraph, DeletedHitsAreDrawnFirstOnEveryChannelAndCoveredByLaterPoints) {
  options.CheckedChan.reset(1);  // channel 2 unchecked
  std::vector<ZTShortHit> recs = {Hit(1, 2, 100, 50), Hit(2, 1, 120, 60), Hit(3, 1, 120, 60)};
  recs[0].SetDeleted(true);
  recs[1].SetDeleted(true);
  Load(recs);
  data.DeletedCount = 2;

  QImage b = Paint();
  EXPECT_NE(At(b, X(100), Y(50)), Role(TColorRole::Deleted));  // not shown by default
  options.ShowDeleted = true;
  b = Paint();
  EXPECT_EQ(At(b, X(100), Y(50)), Role(TColorRole::Deleted));  // even on an unchecked channel
  EXPECT_EQ(At(b, X(120), Y(60)), Role(TColorRole::Point));    // the hit that is not deleted covers it
}

TEST_F(PointGraph, TimeDrivenSamplesAppearOnlyOnParametricGraphsWhenAskedFor) {
  ZTShortHit sample;
  sample.Kind = rkTimeDriven;
  sample.Time = ATestTime::FromSeconds(100);
  sample.Parametric = 120;
  setup.DivisorSys = 2;  // the parametric conversion applies: 120 shows as 60
  Load({Hit(1, 1, 10, 10), sample});
  auto parametric = Make<TZTPointGraph>(Setup(pcTime, 250, pcPar1, 175));
  parametric->PaintGraph();
  EXPECT_EQ(At(parametric->Bitmap, 150, Y(60)), Role(TColorRole::Point));
  EXPECT_EQ(Count(Paint(), Role(TColorRole::Point), 51, 26, 299, 199), 1);  // amplitude/energy: the hit only
  options.ShowParamData = false;
  parametric->Redraw();
  parametric->PaintGraph();
  EXPECT_NE(At(parametric->Bitmap, 150, Y(60)), Role(TColorRole::Point));
}

class PointGraphEvents : public PointGraph {
 protected:
  PointGraphEvents() {
    options.EventsView = true;
    setup.MPT = 100;
    setup.Lockout = 1000;
  }
};

TEST_F(PointGraphEvents, SecondAndLockoutHitsAreShadowsOrLeftOutAndEventsAreCounted) {
  Load({Hit(2.0, 1, 100, 50), Hit(2.00008, 2, 110, 50), Hit(2.0009, 1, 120, 50), Hit(2.0015, 1, 130, 50)});
  QImage b = Paint();
  EXPECT_EQ(data.EventCount, 2u);
  EXPECT_EQ(At(b, X(100), Y(50)), Role(TColorRole::Point));
  EXPECT_EQ(At(b, X(130), Y(50)), Role(TColorRole::Point));
  EXPECT_EQ(Count(b, Role(TColorRole::Point), 51, 26, 299, 199), 2);
  EXPECT_EQ(Count(b, Role(TColorRole::Shadow), 51, 26, 299, 199), 0);

  options.SecondAsShadow = true;
  options.ViewType = 0;
  b = Paint();
  EXPECT_EQ(At(b, X(100), Y(50)), ChannelPalette(1));
  EXPECT_EQ(At(b, X(110), Y(50)), Role(TColorRole::Shadow));
  EXPECT_EQ(At(b, X(120), Y(50)), Role(TColorRole::Shadow));
}

TEST_F(PointGraphEvents, AnEventsHitsFollowTheChannelOfItsFirstHit) {
  options.SecondAsShadow = true;
  options.CheckedChan.reset(4);  // channel 5 unchecked
  // Event on channel 5 with a second hit on channel 2; event on channel 1 with one on 2.
  Load({Hit(2.0, 5, 100, 50), Hit(2.00005, 2, 110, 50), Hit(3.0, 1, 120, 50), Hit(3.00005, 2, 130, 50)});
  const QImage b = Paint("1,2");
  EXPECT_NE(At(b, X(110), Y(50)), Role(TColorRole::Shadow));
  EXPECT_EQ(At(b, X(130), Y(50)), Role(TColorRole::Shadow));
  EXPECT_EQ(data.EventCount, 2u);
}

TEST_F(PointGraphEvents, AHitWithinTheWindowsOfTimeZeroBelongsToNoEventAndGoesByItsOwnChannel) {
  options.SecondAsShadow = true;
  Load({Hit(0.00005, 1, 100, 50), Hit(0.00006, 3, 110, 50), Hit(1.0, 1, 120, 50)});
  const QImage b = Paint("1");
  EXPECT_EQ(At(b, X(100), Y(50)), Role(TColorRole::Shadow));  // a shadow of no event, on its own channel
  EXPECT_NE(At(b, X(110), Y(50)), Role(TColorRole::Shadow));  // channel 3 is not in the graph's list
  EXPECT_EQ(data.EventCount, 1u);
}

TEST_F(PointGraphEvents, DataOutOfTimeOrderStopTheRenderWithTheTimeOfTheOffendingHit) {
  Load({Hit(2.0, 1, 100, 50), Hit(3.0, 1, 110, 50), Hit(1.5, 1, 120, 50)});
  TGraphSetup s = Setup();
  graph_ = Make<TZTPointGraph>(s);
  EXPECT_THROW(graph_->PaintGraph(), EZTData);
  EXPECT_TRUE(graph_->Dirty);
  EXPECT_NEAR(ZTDataSet::EventRule().ErrorTime, 1.5, 1e-6);
  EXPECT_EQ(data.EventCount, 2u);  // the events counted before the error
}

}  // namespace
}  // namespace ae
