#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/ZTShortHit.h"
#include "store/AEParamTable.h"
#include "store/GraphDatabase.h"
#include "store/ZTDataStore.h"
#include "tests/support/StoreTestSupport.h"
#include "tools/aetool/Generators.h"
#include "tools/aetool/SyntheticTest.h"

namespace ae {
namespace {

using test::RawDb;

constexpr int Columns = 5, RowsOfGrid = 4;  // the default page grid

// The channel list of a graph as the viewer reads it; empty when the text is not one.
std::set<int> ChannelsOf(const std::string& text, bool& valid) {
  std::set<int> channels;
  valid = true;
  for (const QString& token : QString::fromStdString(text).split(QRegularExpression("[ ,;]"), Qt::SkipEmptyParts)) {
    bool ok = false;
    const int c = token.toInt(&ok);
    if (!ok || c < 1 || c > 128) valid = false;
    channels.insert(c);
  }
  return channels;
}

class GraphDatabaseTest : public test::StoreTest {
 protected:
  ZTDataStore store_;
  GraphDatabase graphs_{store_};
};

TEST_F(GraphDatabaseTest, ShippedGraphSetsFitTheDefaultGrid) {
  const AEParamTable params(store_);
  const auto sets = graphs_.GraphSets();
  ASSERT_GE(sets.size(), 2u);
  EXPECT_EQ(sets[0].GSystemID, 1);  // the viewer's first "last used graph set"
  std::set<std::string> titles;
  for (const GraphSetRow& set : sets) {
    const auto pages = graphs_.PagesOf(set.GSystemID);
    EXPECT_EQ(set.PageNum, static_cast<int>(pages.size())) << set.Name;
    ASSERT_FALSE(pages.empty()) << set.Name;
    for (const GraphPageRow& page : pages) {
      const auto rows = graphs_.GraphsOf(page.GPageID);
      ASSERT_FALSE(rows.empty()) << page.GrPageName;
      bool cells[Columns][RowsOfGrid] = {};
      for (const GraphRow& g : rows) {
        const std::string where = set.Name + " / " + page.GrPageName + " / " + g.GraphName;
        titles.insert(g.GraphName);
        EXPECT_GE(g.GraphTypeID, 1) << where;
        EXPECT_LE(g.GraphTypeID, 3) << where;
        ASSERT_TRUE(0 <= g.LXCoord && g.LXCoord < g.RXCoord && g.RXCoord <= Columns) << where;
        ASSERT_TRUE(0 <= g.LYCoord && g.LYCoord < g.RYCoord && g.RYCoord <= RowsOfGrid) << where;
        for (int x = g.LXCoord; x < g.RXCoord; ++x)
          for (int y = g.LYCoord; y < g.RYCoord; ++y) {
            EXPECT_FALSE(cells[x][y]) << where << " overlaps another graph";
            cells[x][y] = true;
          }
        EXPECT_FALSE(params.ShortNameOf(g.XAxisType).empty()) << where;
        EXPECT_FALSE(params.ShortNameOf(g.YAxisType).empty()) << where;
        EXPECT_LT(g.XMin, g.XMax) << where;
        EXPECT_LT(g.YMin, g.YMax) << where;
        EXPECT_TRUE(!g.XLogType || g.XMin >= 1) << where;  // a logarithmic axis starts at 1
        EXPECT_TRUE(!g.YLogType || g.YMin >= 1) << where;
        bool valid = false;
        ChannelsOf(g.Channels, valid);
        EXPECT_TRUE(valid) << where;
        EXPECT_LE(g.Channels.size(), 20u) << where;
        EXPECT_LE(QString::fromStdString(g.GraphName).size(), 50) << where;
        if (g.GraphTypeID != 1) {
          EXPECT_TRUE(1 <= g.YBinSumTypeID && g.YBinSumTypeID <= 4) << where;
          EXPECT_TRUE(1 <= g.YCumTypeID && g.YCumTypeID <= 3) << where;
        }
        EXPECT_TRUE(g.GraphTypeID != 3 || g.XBinNum > 0) << where;
      }
    }
  }
  for (const char* title : {"Hits against time", "Cumulative hits", "Cumulative energy", "Amplitude against time",
                            "Parametric against time", "Counts against amplitude", "Energy against amplitude",
                            "Duration against amplitude", "Rise time against amplitude", "Duration against counts",
                            "Amplitude distribution", "Cumulative amplitude distribution"})
    EXPECT_EQ(titles.count(title), 1u) << title;
}

TEST_F(GraphDatabaseTest, ShippedRangesSuitTheDemoData) {
  const std::string demo = dir_.File("PROOF.DTA");
  GenerateDataFile("dta", GenOptions{2000, 7}, demo);
  std::vector<ZTShortHit> hits;
  {
    OpenedDataFile file = OpenDataFile(demo);
    file.Reader->SeekFirst();
    while (file.Reader->ReadNext()) {
      ZTShortHit hit;
      file.Reader->GetRec(hit);
      if (hit.Kind == rkHit) hits.push_back(hit);
    }
  }
  ASSERT_EQ(hits.size(), 2000u);

  // The located demo: the events of the sensor layout of resources/LocationDemo.ini, each by its
  // first hit with the source it came from as its location.
  GenOptions located{2000, 7};
  located.Locate = GenLocation{};
  located.Locate->Setup.Type = ALocationType::Planar;
  located.Locate->Setup.Sensors = {{1, 1, 1}, {2, 9, 1}, {3, 9, 9}, {4, 1, 9}};
  struct Event {
    ZTShortHit Hit;
    double X, Y;
  };
  std::vector<Event> events;
  SyntheticTest test(located);
  for (SyntheticEvent e; test.Next(e);) {
    if (e.Kind != SyntheticEventKind::Hit || !e.FirstOfEvent) continue;
    ZTShortHit hit;
    hit.Kind = rkHit;
    hit.Time = ATestTime::FromSeconds(e.Time);
    hit.Channel = static_cast<std::uint8_t>(e.Hit.Channel);
    events.push_back({hit, e.SourceX, e.SourceY});
  }
  ASSERT_EQ(events.size(), 2000u);

  for (const GraphSetRow& set : graphs_.GraphSets())
    for (const GraphPageRow& page : graphs_.PagesOf(set.GSystemID))
      for (const GraphRow& g : graphs_.GraphsOf(page.GPageID)) {
        bool valid = false;
        const std::set<int> channels = ChannelsOf(g.Channels, valid);
        int shown = 0, inside = 0;
        const bool locating = IsLocationCode(g.XAxisType) || IsLocationCode(g.YAxisType);
        std::vector<Event> points;
        if (locating) points = events;
        else
          for (const ZTShortHit& hit : hits) points.push_back({hit, 0, 0});
        for (const Event& point : points) {
          const ZTShortHit& hit = point.Hit;
          if (!channels.empty() && channels.count(hit.Channel) == 0) continue;
          ++shown;
          auto value = [&](int code) {
            return code == pcLocX ? point.X : code == pcLocY ? point.Y : hit.GetValue(code);
          };
          const double x = value(g.XAxisType), y = value(g.YAxisType);
          // Line graphs and histograms rescale Y upwards; only its minimum filters.
          const bool yInside = g.GraphTypeID == 1 ? g.YMin <= y && y <= g.YMax : y >= g.YMin;
          if (g.XMin <= x && x <= g.XMax && yInside) ++inside;
        }
        const std::string where = set.Name + " / " + page.GrPageName + " / " + g.GraphName;
        EXPECT_GT(shown, 100) << where;
        EXPECT_GE(inside, shown * 99 / 100) << where << ": " << inside << " of " << shown;
      }
}

TEST_F(GraphDatabaseTest, PagesAndGraphsComeInStoredOrder) {
  {
    RawDb raw(DbPath());
    ASSERT_TRUE(raw.Exec("INSERT INTO VNGrfSys (GSystemID, Name, PageNum) VALUES (50, 'Test', 3)"));
    ASSERT_TRUE(
        raw.Exec("INSERT INTO VNGrfPge (GPageID, GSystemID, GrPageName) VALUES "
                 "(90, 50, 'third'), (70, 50, 'first'), (80, 50, 'second'), (75, 1, 'other set')"));
    ASSERT_TRUE(
        raw.Exec("INSERT INTO VNGraph (GraphID, GPageID, GraphTypeID, GraphName, RXCoord, XLogType, YLogType, "
                 "AllChannel) VALUES (300, 70, 4, 'c', 6, 'False', 'True', 1), (100, 70, 1, 'a', 1, 0, 1, 0), "
                 "(200, 70, 2, 'b', 2, 1, 0, 'True'), (150, 80, 3, 'elsewhere', 1, 0, 0, 0)"));
  }
  std::vector<std::string> pages;
  for (const GraphPageRow& p : graphs_.PagesOf(50)) pages.push_back(p.GrPageName);
  EXPECT_EQ(pages, (std::vector<std::string>{"first", "second", "third"}));

  const auto rows = graphs_.GraphsOf(70);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].GraphName, "a");
  EXPECT_EQ(rows[1].GraphName, "b");
  EXPECT_EQ(rows[2].GraphName, "c");
  EXPECT_EQ(rows[2].GraphTypeID, 4);  // read as stored; the viewer decides what it means
  EXPECT_EQ(rows[2].RXCoord, 6);
  EXPECT_FALSE(rows[2].XLogType);
  EXPECT_TRUE(rows[2].YLogType);
  EXPECT_TRUE(rows[2].AllChannel);
  EXPECT_TRUE(rows[1].XLogType);
  EXPECT_TRUE(rows[1].AllChannel);
  EXPECT_FALSE(rows[0].AllChannel);
  EXPECT_EQ(rows[0].XBinNum, 0);  // an empty field reads 0
  EXPECT_TRUE(graphs_.PagesOf(999).empty());
  EXPECT_TRUE(graphs_.GraphsOf(999).empty());
}

TEST_F(GraphDatabaseTest, KeyedPositioningOnAGraphSet) {
  const auto second = graphs_.FindGraphSet(2);
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(second->GSystemID, 2);
  EXPECT_FALSE(graphs_.FindGraphSet(0).has_value());
  EXPECT_FALSE(graphs_.FindGraphSet(999).has_value());
  EXPECT_EQ(graphs_.FirstGraphSet()->GSystemID, 1);
  EXPECT_EQ(graphs_.FirstGraphSet()->Name, "Proof test");
  {
    RawDb raw(DbPath());
    ASSERT_TRUE(raw.Exec("DELETE FROM VNGrfSys WHERE GSystemID = 1"));
  }
  EXPECT_EQ(graphs_.FirstGraphSet()->GSystemID, 2);
  {
    RawDb raw(DbPath());
    ASSERT_TRUE(raw.Exec("DELETE FROM VNGrfSys"));
  }
  EXPECT_FALSE(graphs_.FirstGraphSet().has_value());
  EXPECT_TRUE(graphs_.GraphSets().empty());
}

}  // namespace
}  // namespace ae
