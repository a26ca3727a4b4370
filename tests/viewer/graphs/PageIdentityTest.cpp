// A page drawn the fast way (the records split among threads, pieces read once for all graphs,
// pieces outside the time window passed over, the pictures of unchanged passes kept) must be,
// pixel for pixel, the page of its graphs each drawn alone from scratch, after every step of a
// session: frames, groups, deletes, the time window, every view type, point size and axis kind.
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/viewer/graphs/GraphFixture.h"
#include "viewer/graphs/GraphPage.h"
#include "viewer/graphs/TZTHistgrGraph.h"
#include "viewer/graphs/TZTLineGraph.h"
#include "viewer/graphs/TZTPointGraph.h"

namespace ae {
namespace {

using test::GraphFixture;
using test::Hit;

class PageIdentity : public GraphFixture {
 protected:
  PageIdentity() {
    options.HorizGraphNum = 4;
    options.VertGraphNum = 2;
    options.ShowGrid = true;
  }

  // Eight graphs: linear, logarithmic, time and parametric axes, channels, a line graph, a
  // histogram, and a graph of its own channels.
  std::unique_ptr<GraphPage> MakePage() {
    auto page = std::make_unique<GraphPage>(common, 1, "Identity", 8);
    int number = 0;
    auto add = [&](std::unique_ptr<TZTGraph> g, int lx, int ly, TGraphSetup s) {
      Place(*page, std::move(g), lx, ly, std::move(s));
    };
    TGraphSetup logs = Setup(pcCounts, 1000, pcEnergy, 60000);
    logs.XLog = logs.YLog = true;
    TGraphSetup parametric = Setup(pcTime, 400, pcPar1, 5000);
    TGraphSetup own = Setup(pcAmplitude, 100, pcDuration, 70000);
    own.Channels = "2,3,7";
    own.NoColour = true;
    add(std::make_unique<TZTPointGraph>(common, number++), 0, 0, Setup(pcAmplitude, 100, pcEnergy, 60000));
    add(std::make_unique<TZTPointGraph>(common, number++), 1, 0, logs);
    add(std::make_unique<TZTPointGraph>(common, number++), 2, 0, Setup(pcTime, 400, pcAmplitude, 100));
    add(std::make_unique<TZTPointGraph>(common, number++), 3, 0, parametric);
    auto line = std::make_unique<TZTLineGraph>(common, number++);
    line->SetBins({0, 0, 4, 4, 1, 1});
    add(std::move(line), 0, 1, Setup(pcTime, 400, pcHits, 10));
    auto histogram = std::make_unique<TZTHistgrGraph>(common, number++);
    histogram->SetBins({40, 0, 4, 4, 1, 2});
    add(std::move(histogram), 1, 1, Setup(pcAmplitude, 100, pcHits, 10));
    add(std::make_unique<TZTPointGraph>(common, number++), 2, 1, Setup(pcChannel, 10, pcAmplitude, 100));
    add(std::make_unique<TZTPointGraph>(common, number++), 3, 1, own);
    return page;
  }

  // Hits over 400 s in time order, a time-driven sample every 64 records, and a few records
  // without a time among them (they read 0 s).
  void LoadHits(int count) {
    std::mt19937 random(11);
    std::vector<ZTShortHit> recs;
    recs.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      ZTShortHit h = Hit(400.0 * i / count, 1 + static_cast<int>(random() % 9), 30 + static_cast<int>(random() % 75),
                         static_cast<int>(random() % 65000));
      h.Counts = static_cast<std::uint16_t>(random() % 1200);
      h.Duration = random() % 80000;
      h.Parametric = static_cast<float>(random() % 5200);
      if (i % 64 == 0) h.Kind = rkTimeDriven;
      if (i % 50021 == 0) {
        h.Kind = rkOther;
        h.Time = ATestTime();
      }
      recs.push_back(h);
    }
    Load(recs);
    data.MakePieceTimes();
    ++data.Version;
  }

  // The page drawn again the fast way (it may keep what it kept) against a new page whose graphs
  // each draw alone.
  void ExpectSameAsAlone(GraphPage& page, const std::string& step) {
    // A line graph's Y axis starts from where its last drawing left it.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> yRanges;
    for (auto& graph : page.Graphs) {
      graph->Redraw();
      yRanges.emplace_back(graph->YAxis.Min, graph->YAxis.Max);
    }
    page.UpdateAllLayouts(1200, 520);
    ASSERT_EQ(page.PaintGraphs(), std::nullopt) << step;
    const std::uint32_t events = data.EventCount;

    auto alone = MakePage();
    for (std::size_t i = 0; i < page.Graphs.size(); ++i) {
      if (page.Graphs[i]->XAxis.Param == pcTime)
        alone->Graphs[i]->XAxis.SetRange(page.Graphs[i]->XAxis.Min, page.Graphs[i]->XAxis.Max);
      alone->Graphs[i]->YAxis.SetRange(yRanges[i].first, yRanges[i].second);
    }
    alone->UpdateAllLayouts(1200, 520);
    for (auto& graph : alone->Graphs) graph->PaintGraph();
    for (std::size_t i = 0; i < page.Graphs.size(); ++i) {
      EXPECT_TRUE(page.Graphs[i]->Bitmap == alone->Graphs[i]->Bitmap)
          << step << ": graph " << i << FirstDifference(page.Graphs[i]->Bitmap, alone->Graphs[i]->Bitmap);
      EXPECT_EQ(page.Graphs[i]->OutsideCount, alone->Graphs[i]->OutsideCount) << step << ": graph " << i;
    }
    EXPECT_EQ(data.EventCount, events) << step;
  }

  // A step back to a state drawn before: every point graph finds the picture kept of it.
  static void ExpectKept(GraphPage& page, const std::string& step) {
    page.UpdateAllLayouts(1200, 520);
    for (auto& graph : page.Graphs) {
      if (auto* point = dynamic_cast<TZTPointGraph*>(graph.get())) {
        EXPECT_TRUE(point->HasKeptBase()) << step << ": graph " << point->GraphNumber;
      }
    }
  }

  static std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return " (sizes differ)";
    int count = 0;
    std::string first;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x)
        if (a.pixel(x, y) != b.pixel(x, y)) {
          if (count++ == 0) {
            char text[96];
            std::snprintf(text, sizeof text, " first at (%d, %d): %08x against %08x", x, y, a.pixel(x, y),
                          b.pixel(x, y));
            first = text;
          }
        }
    return first + ", " + std::to_string(count) + " pixels";
  }

  ZTFrameCriteria Frame(int xParam, double x1, double x2, int yParam, double y1, double y2) const {
    ZTFrameCriteria c;
    c.XParam = xParam;
    c.XFrom = x1;
    c.XTo = x2;
    c.YParam = yParam;
    c.YFrom = y1;
    c.YTo = y2;
    c.Channels.set();
    c.TimeFilter = options.TimeRangeFilter;
    c.TimeFrom = options.FilterStart;
    c.TimeTo = options.FilterEnd;
    return c;
  }
};

TEST_F(PageIdentity, EveryStepOfASessionDrawsThePageEachGraphWouldDrawAlone) {
  LoadHits(200000);
  auto page = MakePage();
  for (int viewType : {0, 2}) {
    options.ViewType = viewType;
    const std::string view = "view " + std::to_string(viewType);
    options.ShowDeleted = false;
    ExpectSameAsAlone(*page, view + ", loaded");
    data.MarkFrame(0, Frame(pcAmplitude, 50, 80, pcEnergy, 1000, 40000));
    ExpectSameAsAlone(*page, view + ", a frame");
    data.MarkFrame(1, Frame(pcCounts, 10, 500, pcEnergy, 100, 50000));
    ExpectSameAsAlone(*page, view + ", two frames");
    data.GroupMask = 0b11;
    data.GroupHits(ZTDataSet::gmOr);
    ExpectSameAsAlone(*page, view + ", grouped");
    data.DeleteGrouped();
    ExpectSameAsAlone(*page, view + ", deleted");
    options.ShowDeleted = true;
    ExpectSameAsAlone(*page, view + ", deleted shown");
    data.MarkFrame(2, Frame(pcAmplitude, 35, 60, pcEnergy, 0, 20000));
    options.SetPointSize(5);
    ExpectSameAsAlone(*page, view + ", points of 5");
    options.SetPointSize(1);
    ExpectSameAsAlone(*page, view + ", points of 1");
    options.SetPointSize(2);
    ExpectSameAsAlone(*page, view + ", points of 2");

    // The time window: the time graphs' axis and every graph's filter.
    options.TimeRangeFilter = true;
    options.FilterStart = 120;
    options.FilterEnd = 180;
    page->SetTimeRange(120, 180);
    ExpectSameAsAlone(*page, view + ", zoomed");
    data.MarkFrame(3, Frame(pcTime, 130, 150, pcAmplitude, 40, 90));
    ExpectSameAsAlone(*page, view + ", framed in the window");
    options.TimeRangeFilter = false;
    page->RestoreTimeRange();
    ExpectKept(*page, view + ", unzoomed");  // as at "points of 2"
    ExpectSameAsAlone(*page, view + ", unzoomed");

    data.UndeleteAll();
    ExpectSameAsAlone(*page, view + ", undeleted");
    data.InvertDeleted();
    ExpectSameAsAlone(*page, view + ", deleted inverted");
    // Back to nothing deleted: the picture kept at "undeleted" stands again, and is used.
    data.UndeleteAll();
    ExpectKept(*page, view + ", undeleted again");
    ExpectSameAsAlone(*page, view + ", undeleted again");
    data.ClearGrouped();
    data.ClearFrameMarks();
  }

  // Event view draws graph by graph; it must still match.
  options.EventsView = true;
  options.SecondAsShadow = true;
  setup.MPT = 20000;
  ExpectSameAsAlone(*page, "event view");
  data.MarkFrame(0, Frame(pcAmplitude, 50, 80, pcEnergy, 1000, 40000));
  ExpectSameAsAlone(*page, "event view, a frame");
}

}  // namespace
}  // namespace ae
