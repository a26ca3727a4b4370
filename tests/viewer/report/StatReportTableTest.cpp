// The statistic reports read back into tables: the same fields as the text, channels without
// hits left out.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/DataSetBuilder.h"
#include "viewer/core/ATestStat.h"
#include "viewer/core/StatReports.h"
#include "viewer/report/HtmlTable.h"
#include "viewer/report/StatReportTable.h"

namespace ae {
namespace {

using Kind = StatReportTable::Row::Kind;

// Sets 1 and 3, channels 1 to 3 checked; channel 1 has hits in both sets, channel 2 in set 3
// only, channel 3 in none.
class StatTables : public ::testing::Test {
 protected:
  StatTables() : stat_(setup_) {
    ZTDataSet data = test::MakeSet({Hit(1.0, 1, 62, 0b101), Hit(2.0, 1, 55, 0b001), Hit(3.0, 2, 70, 0b100)});
    AChannelSet checked;
    checked.set(0).set(1).set(2);
    stat_.Collect(data, 0b101, checked, false);
  }
  static ZTShortHit Hit(double t, int channel, int amplitude, int frames) {
    ZTShortHit hit = test::Hit(t, channel, amplitude, 5);
    hit.FrameBits = static_cast<std::uint16_t>(frames);
    return hit;
  }
  // Each row as its kind and first field.
  static std::vector<std::string> Shape(const StatReportTable& table) {
    std::vector<std::string> shape;
    for (const auto& row : table.Rows) {
      const char* kind = row.RowKind == Kind::Set ? "set " : row.RowKind == Kind::Group ? "group " : "row ";
      shape.push_back(kind + row.Fields.front());
    }
    return shape;
  }

  ATestSetup setup_;
  ATestStat stat_;
};

TEST_F(StatTables, EachReportKeepsItsFieldsAndLeavesOutChannelsWithoutHits) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> header;
    std::vector<std::string> shape;
    std::vector<std::string> notes;
  };
  const std::vector<std::string> sets = {"set Set 1", "row 1", "set Set 3", "row 1", "row 2"};
  std::vector<std::string> statistic = {"set Set 1"};
  for (const char* name : AChanStat::ValueNames)
    statistic.insert(statistic.end(), {std::string("group ") + name, "row 1"});
  statistic.push_back("set Set 3");
  for (const char* name : AChanStat::ValueNames)
    statistic.insert(statistic.end(), {std::string("group ") + name, "row 1", "row 2"});
  const Case cases[] = {
      {"amplitude",
       AmplitudeReport(stat_),
       {"Chan", "Total", ">50", ">55", ">60", ">65", ">70", ">80", ">90"},
       sets,
       {}},
      {"statistic", StatisticReport(stat_), {"Chan", "Min", "Max", "Total", "Average"}, statistic, {}},
      {"MONPAC",
       MonpacReport(stat_),
       {"Chan", "Events", "A>65", "TotDur", "CorrDur", "Sev.", "Hist.", "HistTm", "ZIP"},
       sets,
       {"N/A - < 10 events, Intensity analysis non applicable", "Mnr - Minor activity", "U/C - Under construction"}},
      {"local/dynamic",
       LocalDynamicReport(stat_),
       {"Chan", "Events", "1stHitTm", "MaxW", "AveW", "MaxW/V", "MaxW/VTm", "AveW/V", "Cls"},
       sets,
       {"U/C - Under construction"}},
      {"holds", HoldsReport(stat_), {"Chan"}, sets, {"U/C - Under construction"}},
  };
  for (const Case& c : cases) {
    const StatReportTable table = StatReportTable::Read(c.text, stat_);
    EXPECT_EQ(table.Header, c.header) << c.name;
    EXPECT_EQ(Shape(table), c.shape) << c.name;
    EXPECT_EQ(table.Notes, c.notes) << c.name;
  }
  // The fields of a row are those of its line: channel 1 of set 1 has two hits, one above 60.
  const StatReportTable amplitude = StatReportTable::Read(AmplitudeReport(stat_), stat_);
  EXPECT_EQ(amplitude.Rows[1].Fields, (std::vector<std::string>{"1", "2", "2", "1", "1", "-", "-", "-", "-"}));
  EXPECT_EQ(amplitude.ValueRows(), 3u);
}

TEST_F(StatTables, NoSetGivesNoTable) {
  const ATestStat empty(setup_);
  EXPECT_TRUE(StatReportTable::Read(AmplitudeReport(empty), empty).Empty());
  EXPECT_TRUE(StatReportTable::Read("", stat_).Empty());
}

TEST(HtmlTables, TextStaysTextAndEveryRowHasEveryColumn) {
  HtmlTable table({"Chan", "<b>&"});
  table.AddRow({"1"});
  table.AddSpanRow("Set 1", true);
  const QString html = table.Html();
  EXPECT_TRUE(html.contains("&lt;b&gt;&amp;"));
  EXPECT_FALSE(html.contains("<b>&"));
  EXPECT_EQ(html.count("<td"), 3);  // two cells of the row, one spanning cell
  EXPECT_TRUE(html.contains("colspan=\"2\""));
  EXPECT_TRUE(html.contains("<thead>"));  // repeated on every page the table runs over
  HtmlTable facts = HtmlTable::Facts();
  facts.AddRow({"Product definition", "line 1\nline 2"});
  EXPECT_TRUE(facts.Html().contains("line 1<br>line 2"));
  EXPECT_FALSE(facts.Html().contains("<thead>"));
}

}  // namespace
}  // namespace ae
