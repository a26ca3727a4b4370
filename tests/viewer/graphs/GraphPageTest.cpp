// Pages from the graph database and how a page renders its graphs.
#include <random>

#include <gtest/gtest.h>

#include "store/GraphDatabase.h"
#include "store/ZTDataStore.h"
#include "tests/support/StoreTestSupport.h"
#include "tests/viewer/graphs/GraphFixture.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/graphs/GraphPage.h"
#include "viewer/graphs/GraphPageBuilder.h"
#include "viewer/graphs/TZTHistgrGraph.h"
#include "viewer/graphs/TZTLineGraph.h"
#include "viewer/graphs/TZTPointGraph.h"

namespace ae {
namespace {

using test::GraphFixture;
using test::Hit;

class GraphPages : public GraphFixture {
 protected:
  GraphPages() : store_(dir_.File("ZTData.sqlite")), builder_(store_, common) {
    options.HorizGraphNum = 5;
    options.VertGraphNum = 4;
  }

  // A graph row of page 90 (graph set 90) at the given cell rectangle.
  void AddGraph(int id, int type, int lx, int ly, int rx, int ry, const char* name, const char* channels = "") {
    test::RawDb raw(store_.Path());
    raw.Exec("INSERT OR IGNORE INTO VNGrfSys (GSystemID, Name, Comment, PageNum) VALUES (90, 'Test', '', 1)");
    raw.Exec("INSERT OR IGNORE INTO VNGrfPge (GPageID, GSystemID, GrPageName) VALUES (90, 90, 'Test page')");
    raw.Exec(QString("INSERT INTO VNGraph (GraphID, GPageID, GraphTypeID, LXCoord, LYCoord, RXCoord, RYCoord, "
                     "GraphName, XAxisType, YAxisType, XMin, XMax, YMin, YMax, XLogType, YLogType, Channels, "
                     "XBinNum, YBinNum, XBinSumTypeID, YBinSumTypeID, XCumTypeID, YCumTypeID, AllChannel) "
                     "VALUES (%1, 90, %2, %3, %4, %5, %6, '%7', 256, 64, 0, 100, 0, 1000, 0, 0, '%8', "
                     "10, 0, 4, 4, 1, 1, 0)")
                 .arg(id)
                 .arg(type)
                 .arg(lx)
                 .arg(ly)
                 .arg(rx)
                 .arg(ry)
                 .arg(name)
                 .arg(channels));
  }
  std::unique_ptr<GraphPage> TestPage() const { return builder_.BuildPage({90, 90, "Test page"}); }

  test::TempDir dir_;
  ZTDataStore store_;
  GraphPageBuilder builder_;
};

TEST_F(GraphPages, GraphsAreBuiltInRowOrderUntilARowThatDoesNotFitTheGrid) {
  AddGraph(901, 1, 0, 0, 2, 2, "First");
  AddGraph(902, 2, 2, 0, 4, 2, "Second");
  AddGraph(903, 3, 0, 2, 6, 4, "Too wide");  // 6 columns on a grid of 5
  AddGraph(904, 1, 2, 2, 4, 4, "After it");
  const auto page = TestPage();
  ASSERT_EQ(page->Graphs.size(), 2u);
  EXPECT_EQ(page->Graphs[0]->GraphKind, TZTGraph::gkPoint);
  EXPECT_EQ(page->Graphs[1]->GraphKind, TZTGraph::gkLine);
  EXPECT_EQ(page->Graphs[1]->GraphNumber, 1);
  EXPECT_EQ(page->Graphs[1]->GraphName, "Second");
  EXPECT_EQ(page->Graphs[0]->XShortName, "Amplitude, dB");  // from the parameter table
}

TEST_F(GraphPages, AnUnknownGraphTypeEndsThePageAndABadChannelTextIsReported) {
  AddGraph(901, 1, 0, 0, 1, 1, "Good", "1,2");
  AddGraph(902, 1, 1, 0, 2, 1, "Bad channels", "1,200");
  AddGraph(903, 4, 2, 0, 3, 1, "Type 4");
  AddGraph(904, 1, 3, 0, 4, 1, "After it");
  const auto page = TestPage();
  ASSERT_EQ(page->Graphs.size(), 2u);
  ASSERT_EQ(page->Problems.size(), 1u);
  EXPECT_EQ(page->Problems[0],
            "Page \"Test page\", graph 1 \"Bad channels\": Channels \"1,200\": \"200\" is not a channel number 1..128");
  // The graph is still placed and says what is wrong; it draws no data.
  Load({Hit(1, 1, 50, 500)});
  page->UpdateAllLayouts(1000, 800);
  EXPECT_EQ(page->PaintGraphs(), std::nullopt);
  EXPECT_EQ(Count(page->Graphs[1]->Bitmap, Role(TColorRole::Point), 51, 26, page->Graphs[1]->PlotRight - 1,
                  page->Graphs[1]->PlotBottom - 1),
            0);
  EXPECT_GT(Count(page->Graphs[0]->Bitmap, Role(TColorRole::Point), 51, 26, page->Graphs[0]->PlotRight - 1,
                  page->Graphs[0]->PlotBottom - 1),
            0);
}

TEST_F(GraphPages, TheOptionsChooseTheGraphSet) {
  struct Case {
    int startUp, lastUsed, picked;
    bool show;
    int set;
  } cases[] = {
      {0, 2, 0, false, 0}, {0, 2, 2, true, 2},
      {1, 2, 0, true, 2},  {1, 77, 0, true, 1},  // a last-used set that is gone: the first one
      {2, 2, 0, true, 1},  {2, 1, 2, true, 2},
  };
  for (const Case& c : cases) {
    options.StartUpGraph = c.startUp;
    options.LastUsedGraphNo = c.lastUsed;
    options.CurrentGraphSet = c.picked;
    const GraphSetChoice choice = builder_.ChooseGraphSet();
    EXPECT_EQ(choice.Show, c.show) << c.startUp << " " << c.lastUsed << " " << c.picked;
    if (c.show) {
      ASSERT_TRUE(choice.Set.has_value());
      EXPECT_EQ(choice.Set->GSystemID, c.set);
    }
  }
  EXPECT_EQ(builder_.BuildPages(1).size(), 3u);  // the shipped proof test
  EXPECT_TRUE(builder_.BuildPages(90).empty());
}

TEST_F(GraphPages, TheFileTimeAxisReachesEveryTimeGraph) {
  auto pages = builder_.BuildPages(1);
  Load({Hit(347, 1, 60, 10)});
  data.TimeEnd = ZTDataSet::TimeEndOf(347);
  ApplyFileTimeAxis(pages, common);
  const TZTGraph& activity = *pages[0]->Graphs[0];
  EXPECT_EQ(activity.XAxis.Param, pcTime);
  EXPECT_EQ(activity.XAxis.Max, 350u);
  EXPECT_EQ(pages[1]->Graphs[0]->XAxis.Max, 100u);  // amplitude axes keep their range
  pages[0]->RestoreTimeRange();
  EXPECT_EQ(activity.XAxis.Max, 1800u);
}

class PageRender : public GraphFixture {
 protected:
  // A page of six graphs of every kind over random hits with frames, groups and deleted hits.
  std::unique_ptr<GraphPage> MakePage() {
    auto page = std::make_unique<GraphPage>(common, 1, "Render", 6);
    int number = 0;
    auto add = [&](std::unique_ptr<TZTGraph> g, int lx, int ly, TGraphSetup s) {
      Place(*page, std::move(g), lx, ly, std::move(s));
    };
    TGraphSetup logs = Setup(pcCounts, 1000, pcEnergy, 60000);
    logs.XLog = logs.YLog = true;
    add(std::make_unique<TZTPointGraph>(common, number++), 0, 0, Setup(pcAmplitude, 100, pcEnergy, 60000));
    add(std::make_unique<TZTPointGraph>(common, number++), 1, 0, logs);
    add(std::make_unique<TZTPointGraph>(common, number++), 2, 0, Setup(pcTime, 100, pcAmplitude, 100));
    auto line = std::make_unique<TZTLineGraph>(common, number++);
    line->SetBins({0, 0, 4, 4, 1, 2});
    add(std::move(line), 0, 1, Setup(pcTime, 100, pcHits, 10));
    auto histogram = std::make_unique<TZTHistgrGraph>(common, number++);
    histogram->SetBins({40, 0, 4, 4, 1, 1});
    add(std::move(histogram), 1, 1, Setup(pcAmplitude, 100, pcHits, 10));
    add(std::make_unique<TZTPointGraph>(common, number++), 2, 1, Setup(pcChannel, 10, pcAmplitude, 100));
    return page;
  }

  void LoadRandom() {
    std::mt19937 random(5);
    std::vector<ZTShortHit> recs;
    for (int i = 0; i < 3000; ++i) {
      ZTShortHit h = Hit(i * 0.03, 1 + static_cast<int>(random() % 8), 40 + static_cast<int>(random() % 60),
                         static_cast<int>(random() % 60000));
      h.Counts = static_cast<std::uint16_t>(random() % 1000);
      if (i % 7 == 0) h.FrameBits = 1u << (i % 3);
      if (i % 11 == 0) h.SetGrouped(true);
      if (i % 13 == 0) h.SetDeleted(true);
      recs.push_back(h);
    }
    Load(recs);
    data.FramedCount = data.GroupedCount = data.DeletedCount = 1;
  }
};

TEST_F(PageRender, APageRenderedTogetherLooksExactlyLikeItsGraphsRenderedOneByOne) {
  options.HorizGraphNum = 3;
  options.VertGraphNum = 2;
  options.ShowDeleted = true;
  options.ShowGrid = true;
  LoadRandom();
  for (int viewType : {0, 2}) {
    options.ViewType = viewType;
    auto together = MakePage();
    together->UpdateAllLayouts(960, 500);
    EXPECT_EQ(together->PaintGraphs(), std::nullopt);
    const QImage composed = together->Compose();
    const std::uint32_t events = data.EventCount;

    auto alone = MakePage();
    alone->UpdateAllLayouts(960, 500);
    for (auto& graph : alone->Graphs) graph->PaintGraph();
    for (std::size_t i = 0; i < alone->Graphs.size(); ++i)
      EXPECT_EQ(together->Graphs[i]->Bitmap, alone->Graphs[i]->Bitmap) << "graph " << i << " view " << viewType;
    EXPECT_EQ(composed, alone->Compose());
    EXPECT_EQ(data.EventCount, events);
    EXPECT_EQ(composed.size(), QSize(960, 500));
  }
}

TEST_F(PageRender, InEventViewAPageStopsAtTheFirstGraphThatMeetsUnsortedData) {
  options.HorizGraphNum = 3;
  options.VertGraphNum = 2;
  options.EventsView = true;
  Load({Hit(2.0, 1, 60, 10), Hit(5.0, 1, 70, 10), Hit(3.25, 1, 80, 10)});
  auto page = MakePage();
  page->UpdateAllLayouts(960, 500);
  const std::optional<double> failed = page->PaintGraphs();
  ASSERT_TRUE(failed.has_value());
  EXPECT_NEAR(*failed, 3.25, 1e-6);
  EXPECT_EQ(NotSortedMessage(*failed), "Data file doesn't sorted (3.25 s). Event View is impossible.");
  EXPECT_TRUE(page->Graphs[0]->Dirty);
  EXPECT_TRUE(page->Graphs[1]->Dirty);  // not painted after the error
  EXPECT_TRUE(page->Graphs[1]->Bitmap.isNull() || page->Graphs[1]->Bitmap.size() == QSize(320, 250));
}

}  // namespace
}  // namespace ae
