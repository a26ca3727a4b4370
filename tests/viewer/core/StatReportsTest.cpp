#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/EZTData.h"
#include "datafiles/ZTDataSet.h"
#include "tests/support/DataSetBuilder.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/AReportText.h"
#include "viewer/core/ATestStat.h"
#include "viewer/core/StatReports.h"

namespace ae {
namespace {

ZTShortHit FullHit(double t, int channel, int amplitude, int energy, int counts, int duration, int rise, int frames) {
  ZTShortHit hit = test::Hit(t, channel, amplitude, energy);
  hit.Counts = static_cast<std::uint16_t>(counts);
  hit.Duration = static_cast<std::uint32_t>(duration);
  hit.Rise = static_cast<std::uint16_t>(rise);
  hit.FrameBits = static_cast<std::uint16_t>(frames);
  return hit;
}

AChannelSet Channels(std::initializer_list<int> list) {
  AChannelSet set;
  for (int c : list) set.set(static_cast<std::size_t>(c - 1));
  return set;
}

// A small data set whose every report value is worked out by hand below. Sets 1 and 3 exist;
// channels 1, 2 and 3 are checked.
class HandMadeStatistics : public ::testing::Test {
 protected:
  static constexpr std::uint8_t SetMask = 0b101;

  HandMadeStatistics() {
    ZTShortHit parametric = FullHit(0.5, 1, 99, 99, 99, 99, 99, 0b1);
    parametric.Kind = rkTimeDriven;  // not a hit: never counted, even with a frame bit
    ZTShortHit deleted = FullHit(4.5, 1, 70, 9, 1, 1, 1, 0b1);
    deleted.SetDeleted(true);
    data_ = test::MakeSet({
        parametric, FullHit(1.0, 1, 62, 0, 10, 100, 5, 0b001),
        FullHit(2.0, 1, 50, 7, 30, 0, 3, 0b101),  // in sets 1 and 3
        FullHit(3.0, 1, 51, 3, 6, 50, 8, 0b001), FullHit(4.0, 2, 91, 100, 40, 400, 20, 0b100), deleted,
        FullHit(5.0, 1, 70, 9, 1, 1, 1, 0),      // in no set
        FullHit(5.5, 4, 70, 9, 1, 1, 1, 0b001),  // channel 4 is not checked
        FullHit(6.0, 0, 70, 9, 1, 1, 1, 0b001),  // no such channel
        FullHit(6.5, 1, 80, 9, 1, 1, 1, 0b010),  // set 2 does not exist
    });
    setup_.Holds = {{"H0", 1.5f, 0.0f, 3.0f, 1.0f}, {"H1", 2.25f, 0.5f, 4.0f, 0.0f}};
  }

  std::array<std::string, StatReportCount> Run() {
    ATestStat stat(setup_);
    stat.Collect(data_, SetMask, Channels({1, 2, 3}), false);
    return WriteStatReports(stat);
  }

  ZTDataSet data_;
  ATestSetup setup_;
};

TEST_F(HandMadeStatistics, AmplitudeDistribution) {
  EXPECT_EQ(Run()[srAmplitude],
            "Chan\tTotal\t>50\t>55\t>60\t>65\t>70\t>80\t>90\n"
            "Set 1\n"
            "1\t3\t2\t1\t1\t-\t-\t-\t-\n"  // 62 counts above 50, 55, 60; 50 nowhere; 51 above 50
            "2\t-\t-\t-\t-\t-\t-\t-\t-\n"
            "3\t-\t-\t-\t-\t-\t-\t-\t-\n"
            "Set 3\n"
            "1\t1\t-\t-\t-\t-\t-\t-\t-\n"
            "2\t1\t1\t1\t1\t1\t1\t1\t1\n"
            "3\t-\t-\t-\t-\t-\t-\t-\t-\n");
}

TEST_F(HandMadeStatistics, StatisticDistribution) {
  const std::string none = "\t-\t-\t-\t-\n";
  EXPECT_EQ(Run()[srStatistic],
            "Chan\tMin\tMax\tTotal\tAverage\n"
            "Set 1\n"
            "Amplitude\n1\t50\t62\t163\t54.3\n2" +
                none + "3" + none +
                // Energies 0, 7, 3: the 0 does not stay the minimum.
                "Energy\n1\t3\t7\t10\t3.3\n2" + none + "3" + none + "Counts\n1\t6\t30\t46\t15.3\n2" + none + "3" +
                none + "Duration\n1\t50\t100\t150\t50.0\n2" + none + "3" + none + "RiseTime\n1\t3\t8\t16\t5.3\n2" +
                none + "3" + none +
                // 10*1000/100, 30*1000/1 (duration 0 taken as 1), 6*1000/50
                "Frequency\n1\t100\t30000\t30220\t10073.3\n2" + none + "3" + none +
                "Set 3\n"
                "Amplitude\n1\t50\t50\t50\t50.0\n2\t91\t91\t91\t91.0\n3" +
                none + "Energy\n1\t7\t7\t7\t7.0\n2\t100\t100\t100\t100.0\n3" + none +
                "Counts\n1\t30\t30\t30\t30.0\n2\t40\t40\t40\t40.0\n3" + none +
                "Duration\n1\t-\t-\t-\t0.0\n2\t400\t400\t400\t400.0\n3" + none +
                "RiseTime\n1\t3\t3\t3\t3.0\n2\t20\t20\t20\t20.0\n3" + none +
                "Frequency\n1\t30000\t30000\t30000\t30000.0\n2\t100\t100\t100\t100.0\n3" + none);
}

TEST_F(HandMadeStatistics, Monpac) {
  EXPECT_EQ(Run()[srMonpac],
            "Chan\tEvents\tA>65\tTotDur\tCorrDur\tSev.\tHist.\tHistTm\tZIP\n"
            "Set 1\n"
            "1\t2\t-\t150\tU/C\tN/A\tN/A\tN/A\tN/A\n"  // amplitude 50 is not above EvalTH
            "2\t-\t-\t-\tU/C\t-\t-\t-\t-\n"
            "3\t-\t-\t-\tU/C\t-\t-\t-\t-\n"
            "Set 3\n"
            "1\t-\t-\t-\tU/C\t-\t-\t-\t-\n"
            "2\t1\t1\t400\tU/C\tN/A\tN/A\tN/A\tN/A\n"
            "3\t-\t-\t-\tU/C\t-\t-\t-\t-\n"
            "N/A - < 10 events, Intensity analysis non applicable\n"
            "Mnr - Minor activity\n"
            "U/C - Under construction\n");
}

TEST_F(HandMadeStatistics, LocalDynamic) {
  // Channel 1 in set 1: W 10, 30, 6 at 1, 2, 3 s. Second hit: ratio 3, V = (1/1 + 1)^4 - 1 = 15,
  // W/V 0.2. Third: ratio 0.2, V = (1/2 + 1)^4 - 1 = 4.0625, W/V 0.0492. Averages over n = 3:
  // 3.2 / 3 = 1.07 and 0.249 / 3 = 0.083.
  EXPECT_EQ(Run()[srLocalDynamic],
            "Chan\tEvents\t1stHitTm\tMaxW\tAveW\tMaxW/V\tMaxW/VTm\tAveW/V\tCls\n"
            "Set 1\n"
            "1\t3\t1.0\t3.0\t1.1\t0.2\t2.0\t0.1\t1\n"
            "2\t-\t-\t-\t-\t-\t-\t-\t-\n"
            "3\t-\t-\t-\t-\t-\t-\t-\t-\n"
            "Set 3\n"
            "1\t1\t2.0\t0.0\t0.0\t0.0\t0.0\t0.0\t1\n"
            "2\t1\t4.0\t0.0\t0.0\t0.0\t0.0\t0.0\t1\n"
            "3\t-\t-\t-\t-\t-\t-\t-\t-\n"
            "U/C - Under construction\n");
}

TEST_F(HandMadeStatistics, PressureHolds) {
  // H0 counts 1 < t < 3: the hits at exactly 1 s and 3 s are outside. H1 counts 0.5 < t < 4.5.
  EXPECT_EQ(Run()[srHolds],
            "Chan\t1.50\t2.25\n"
            "Set 1\n"
            "1\t-\t2\n"
            "2\t-\t-\n"
            "3\t-\t-\n"
            "Set 3\n"
            "1\t-\t-\n"
            "2\t-\t1\n"
            "3\t-\t-\n"
            "U/C - Under construction\n");
  setup_.ClearHolds();
  EXPECT_EQ(Run()[srHolds], "Chan\nSet 1\n1\n2\n3\nSet 3\n1\n2\n3\nU/C - Under construction\n");
}

TEST_F(HandMadeStatistics, NoSetOrNoRecordsLeavesEveryReportEmpty) {
  ATestStat noSet(setup_);
  noSet.Collect(data_, 0, Channels({1, 2, 3}), false);
  for (const std::string& report : WriteStatReports(noSet)) EXPECT_EQ(report, "");

  ATestStat noRecords(setup_);
  noRecords.Collect(ZTDataSet(), SetMask, Channels({1, 2, 3}), false);
  EXPECT_FALSE(noRecords.AnySet());
  for (const std::string& report : WriteStatReports(noRecords)) EXPECT_EQ(report, "");
}

TEST_F(HandMadeStatistics, TheOptionsGiveTheChannelsAndTheEventsView) {
  AOptions options;
  options.CheckedChan = Channels({2});
  ATestStat stat(setup_);
  stat.Collect(data_, SetMask, options);
  EXPECT_EQ(AmplitudeReport(stat),
            "Chan\tTotal\t>50\t>55\t>60\t>65\t>70\t>80\t>90\n"
            "Set 1\n2\t-\t-\t-\t-\t-\t-\t-\t-\n"
            "Set 3\n2\t1\t1\t1\t1\t1\t1\t1\t1\n");
  EXPECT_FALSE(stat.HasChannel(0, 1));
  EXPECT_TRUE(stat.HasChannel(2, 2));
  EXPECT_FALSE(stat.HasChannel(1, 2));  // no set 2
}

TEST(StatCollection, InEventsViewOnlyTheFirstHitOfEachEventIsCounted) {
  ATestSetup setup;
  setup.MPT = 100;  // microseconds
  setup.Lockout = 1000;
  ZTShortHit deleted = FullHit(3.0, 1, 60, 1, 1, 1, 1, 1);
  deleted.SetDeleted(true);
  const ZTDataSet data = test::MakeSet({
      FullHit(2.0, 1, 60, 1, 1, 1, 1, 1),      // event start
      FullHit(2.00008, 1, 61, 1, 1, 1, 1, 1),  // second hit
      FullHit(2.0009, 2, 62, 1, 1, 1, 1, 1),   // lockout hit on another channel
      FullHit(2.0015, 1, 63, 1, 1, 1, 1, 1),   // event start
      FullHit(2.0016, 1, 64, 1, 1, 1, 1, 0),   // in no set: does not move the rule
      FullHit(2.0026, 2, 65, 1, 1, 1, 1, 1),   // event start: 1.1 ms after 2.0015
      deleted,                                 // does not move the rule either
      FullHit(3.0005, 1, 66, 1, 1, 1, 1, 1),   // event start
  });
  ATestStat stat(setup);
  stat.Collect(data, 0b1, AChannelSet().set(), true);
  EXPECT_EQ(stat.Chan(0, 1)->HitCount, 3u);
  EXPECT_EQ(stat.Chan(0, 1)->Values[AChanStat::vsAmplitude].Total, 60u + 63 + 66);
  EXPECT_EQ(stat.Chan(0, 2)->HitCount, 1u);
  EXPECT_EQ(stat.Chan(0, 2)->Values[AChanStat::vsAmplitude].Total, 65u);

  ATestStat plain(setup);
  plain.Collect(data, 0b1, AChannelSet().set(), false);
  EXPECT_EQ(plain.Chan(0, 1)->HitCount, 4u);
  EXPECT_EQ(plain.Chan(0, 2)->HitCount, 2u);
}

TEST_F(HandMadeStatistics, TheWholeFileIsSetOneWhateverTheFrameMarks) {
  ATestStat whole(setup_);
  whole.CollectWhole(data_, Channels({1, 2, 3}), false);
  EXPECT_FALSE(whole.Set(1) || whole.Set(2));
  // Every hit of a checked channel that is not deleted, framed or not: not the parametric
  // record, the deleted hit, channel 4 or channel 0.
  EXPECT_EQ(whole.Chan(0, 1)->HitCount, 5u);
  EXPECT_EQ(whole.Chan(0, 1)->Values[AChanStat::vsAmplitude].Total, 62u + 50 + 51 + 70 + 80);
  EXPECT_EQ(whole.Chan(0, 2)->HitCount, 1u);
  EXPECT_EQ(whole.Chan(0, 3)->HitCount, 0u);

  // The same as one set over every hit.
  ZTDataSet framed = data_;
  for (ZTShortHit& rec : framed.Recs) rec.FrameBits = 1;
  ATestStat oneSet(setup_);
  oneSet.Collect(framed, 0b1, Channels({1, 2, 3}), false);
  EXPECT_EQ(WriteStatReports(whole), WriteStatReports(oneSet));

  ATestStat noRecords(setup_);
  noRecords.CollectWhole(ZTDataSet(), Channels({1, 2, 3}), false);
  EXPECT_FALSE(noRecords.AnySet());
}

TEST(StatCollection, TheWholeFileInEventsViewCountsTheFirstHitOfEachEvent) {
  ATestSetup setup;
  setup.MPT = 100;
  setup.Lockout = 1000;
  const ZTDataSet data = test::MakeSet({
      FullHit(2.0, 1, 60, 1, 1, 1, 1, 0),      // event start
      FullHit(2.00008, 1, 61, 1, 1, 1, 1, 0),  // second hit
      FullHit(2.0015, 1, 63, 1, 1, 1, 1, 0),   // event start
  });
  ATestStat stat(setup);
  AOptions options;
  options.EventsView = true;
  stat.CollectWhole(data, options);
  EXPECT_EQ(stat.Chan(0, 1)->HitCount, 2u);
  EXPECT_EQ(stat.Chan(0, 1)->Values[AChanStat::vsAmplitude].Total, 60u + 63);
}

TEST(StatCollection, InEventsViewAHitOutOfTimeOrderRaisesTheDataError) {
  const ZTDataSet data = test::MakeSet({FullHit(5.0, 1, 60, 1, 1, 1, 1, 1), FullHit(4.0, 1, 60, 1, 1, 1, 1, 1)});
  ATestStat stat{ATestSetup()};
  try {
    stat.Collect(data, 0b1, AChannelSet().set(), true);
    ADD_FAILURE();
  } catch (const EZTData& e) {
    EXPECT_EQ(e.Code(), EZTData::TimeOrderError);
    EXPECT_EQ(ZTDataSet::EventRule().ErrorTime, 4.0);
  }
  // Without the events view the order does not matter.
  ATestStat plain{ATestSetup()};
  EXPECT_NO_THROW(plain.Collect(data, 0b1, AChannelSet().set(), false));
}

TEST(StatCollection, TenEventsGiveSeverityHistoricIndexAndZone) {
  ATestSetup setup;
  std::vector<ZTShortHit> recs;
  for (int i = 1; i <= 10; ++i) recs.push_back(FullHit(i, 1, 60, 20, 5, 10, 1, 1));
  for (int i = 1; i <= 9; ++i) recs.push_back(FullHit(20 + i, 2, 70, 30, 5, 10, 1, 1));
  ATestStat stat(setup);
  stat.Collect(test::MakeSet(recs), 0b1, Channels({1, 2}), false);
  EXPECT_EQ(stat.Chan(0, 1)->Monpac.ZoneClass, AMonpac::zcNone);  // until the report is written
  // Equal energies: severity 20, H = 1.0 from the tenth hit on, reached at 10 s; 20 <= 25 is minor.
  EXPECT_EQ(MonpacReport(stat),
            "Chan\tEvents\tA>65\tTotDur\tCorrDur\tSev.\tHist.\tHistTm\tZIP\n"
            "Set 1\n"
            "1\t10\t-\t100\tU/C\t20.0\t1.00\t10.00\tMnr\n"
            "2\t9\t9\t90\tU/C\tN/A\tN/A\tN/A\tN/A\n"
            "N/A - < 10 events, Intensity analysis non applicable\n"
            "Mnr - Minor activity\n"
            "U/C - Under construction\n");
  EXPECT_EQ(stat.Chan(0, 1)->Monpac.ZoneClass, AMonpac::zcMinor);
  EXPECT_EQ(stat.Chan(0, 2)->Monpac.ZoneClass, AMonpac::zcNone);
}

TEST(StatCollection, TheHighAmplitudeLevelIsInTheHeaderAndBothLevelsExcludeTheirValue) {
  ATestSetup setup;
  setup.EvalTH = 55;
  setup.HiAmpLev = 70;
  const ZTDataSet data = test::MakeSet({
      FullHit(1, 1, 55, 1, 1, 1, 1, 1),  // not above EvalTH: no event
      FullHit(2, 1, 56, 1, 1, 1, 1, 1),  // an event
      FullHit(3, 1, 70, 1, 1, 1, 1, 1),  // an event, not high
      FullHit(4, 1, 71, 1, 1, 1, 1, 1),  // a high-amplitude event
  });
  ATestStat stat(setup);
  stat.Collect(data, 0b1, Channels({1}), false);
  const std::string report = MonpacReport(stat);
  EXPECT_EQ(report.substr(0, report.find('\n')), "Chan\tEvents\tA>70\tTotDur\tCorrDur\tSev.\tHist.\tHistTm\tZIP");
  EXPECT_NE(report.find("\n1\t3\t1\t3\tU/C\tN/A"), std::string::npos) << report;
}

TEST(StatCollection, AHitAtTheTimeOfTheFirstHitAddsNoWOverV) {
  ATestSetup setup;
  const ZTDataSet data = test::MakeSet({
      FullHit(5.0, 1, 60, 1, 10, 1, 1, 1), FullHit(5.0, 1, 60, 1, 40, 1, 1, 1),  // elapsed 0: V undefined
      FullHit(5.0, 1, 60, 1, 20, 1, 1, 1), FullHit(7.0, 1, 60, 1, 20, 1, 1, 1),  // ratio 1, V = 2^4 - 1 = 15
  });
  ATestStat stat(setup);
  stat.Collect(data, 0b1, Channels({1}), false);
  const ALocDynStat& ld = stat.Chan(0, 1)->LocDyn;
  EXPECT_EQ(ld.N, 4u);
  EXPECT_EQ(ld.RatioMax, 4.0);
  EXPECT_DOUBLE_EQ(ld.RatioSum, 4.0 + 0.5 + 1.0);
  EXPECT_DOUBLE_EQ(ld.WVMax, 1.0 / 15.0);
  EXPECT_DOUBLE_EQ(ld.WVSum, 1.0 / 15.0);
  EXPECT_EQ(ld.WVMaxTime, 7.0);
  EXPECT_EQ(LocalDynamicReport(stat),
            "Chan\tEvents\t1stHitTm\tMaxW\tAveW\tMaxW/V\tMaxW/VTm\tAveW/V\tCls\n"
            "Set 1\n1\t4\t5.0\t4.0\t1.4\t0.1\t7.0\t0.0\t1\n"
            "U/C - Under construction\n");
}

TEST(StatCollection, LocalDynamicNumbersStayFiniteForUnsortedHitsAndOddExponents) {
  ALocDynStat ld;
  ld.AddHit(10.0, 5, 2.5);
  ld.AddHit(14.0, 5, 2.5);
  ld.AddHit(11.0, 5, 2.5);  // (1 - 4) / 1 + 1 = -2: no real power
  ld.AddHit(9.0, 5, 2.5);   // before the first hit
  EXPECT_EQ(ld.N, 4u);
  for (double v : {ld.RatioSum, ld.RatioMax, ld.WVSum, ld.WVMax, ld.WVMaxTime}) EXPECT_TRUE(std::isfinite(v));

  ALocDynStat huge;
  huge.AddHit(1.0, 1, 1e308);
  huge.AddHit(2.0, 65535, 1e308);  // V is infinite, W/V 0
  huge.AddHit(2.0, 1, -1e308);     // V = 1 - 1 = 0, taken as 1
  EXPECT_TRUE(std::isfinite(huge.WVSum));
  EXPECT_TRUE(std::isfinite(huge.WVMax));
}

TEST(StatCollection, ClassOfTheWOverVMaximum) {
  const struct {
    double WV;
    const char* Class;
  } cases[] = {{0.0, "1"}, {10.0, "1"}, {10.01, "2"}, {100.0, "2"}, {1000.0, "3"}, {1000.5, "4"}};
  for (const auto& c : cases) EXPECT_STREQ(ALocDynStat::ClassText(c.WV, 10, 100, 1000), c.Class) << c.WV;
}

TEST(StatReportText, ALineThatDoesNotFitIsDroppedWithEverythingAfterIt) {
  AReportText text;
  const std::string line(999, 'x');  // 1000 characters with its line end
  for (int i = 0; i < 65; ++i) text.AddLine(line);
  text.AddLine(std::string(534, 'y'));  // exactly up to 65 535
  EXPECT_EQ(text.Text().size(), 65535u);
  EXPECT_FALSE(text.Full());
  text.AddLine("");
  EXPECT_TRUE(text.Full());
  text.AddLine("");
  EXPECT_EQ(text.Text().size(), 65535u);
  EXPECT_EQ(text.Text().back(), '\n');
}

TEST(StatReportText, LongReportsAreCutAtALineBoundaryWithinTheLimit) {
  // Eight sets of 128 channels without hits: the statistic report needs about 70 000 characters.
  ZTShortHit mark;
  mark.Kind = rkTimeMark;
  ATestStat stat{ATestSetup()};
  stat.Collect(test::MakeSet({mark}), 0xFF, AChannelSet().set(), false);
  const std::string report = StatisticReport(stat);

  std::string whole = "Chan\tMin\tMax\tTotal\tAverage\n";
  for (int s = 1; s <= 8; ++s) {
    whole += "Set " + std::to_string(s) + "\n";
    for (const char* name : AChanStat::ValueNames) {
      whole += std::string(name) + "\n";
      for (int c = 1; c <= 128; ++c) whole += std::to_string(c) + "\t-\t-\t-\t-\n";
    }
  }
  ASSERT_GT(whole.size(), AReportText::Limit);
  std::size_t cut = whole.rfind('\n', AReportText::Limit - 1) + 1;
  EXPECT_EQ(report, whole.substr(0, cut));
  EXPECT_LE(report.size(), AReportText::Limit);

  // The amplitude report of the same sets fits whole.
  const std::string amplitude = AmplitudeReport(stat);
  EXPECT_LT(amplitude.size(), AReportText::Limit);
  const std::string lastRow = "\n128\t-\t-\t-\t-\t-\t-\t-\t-\n";
  EXPECT_EQ(amplitude.compare(amplitude.size() - lastRow.size(), lastRow.size(), lastRow), 0);

  // A report for a file has no page to fill: it keeps every row.
  EXPECT_EQ(StatisticReport(stat, AReportText::NoLimit), whole);
  EXPECT_EQ(WriteStatReports(stat, AReportText::NoLimit)[srStatistic], whole);
}

TEST(StatZones, TheZoneChartClassifiesAsStated) {
  const struct {
    float H;
    float S;
    int Class;
  } cases[] = {
      {0.0f, 0.0f, AMonpac::zcMinor}, {10.0f, 25.0f, AMonpac::zcMinor}, {2.0f, 50.0f, AMonpac::zcA},
      {2.0f, 50.1f, AMonpac::zcB},    {2.3f, 60.0f, AMonpac::zcB},      {2.3f, 62.0f, AMonpac::zcC},
      {2.6f, 71.0f, AMonpac::zcC},    {10.0f, 190.0f, AMonpac::zcD},    {10.01f, 20.0f, AMonpac::zcE},
      {2.0f, 71.0f, AMonpac::zcB},    {2.6f, 50.0f, AMonpac::zcB},      {2.5f, 150.0f, AMonpac::zcD},
      {2.2f, 120.0f, AMonpac::zcC},   {3.1f, 150.0f, AMonpac::zcD},     {2.6f, 600.0f, AMonpac::zcD},
      {2.6f, 600.1f, AMonpac::zcE},   {1.0f, 190.0f, AMonpac::zcC},     {1.0f, 190.5f, AMonpac::zcD},
  };
  for (const auto& c : cases) EXPECT_EQ(AMonpac::ZoneClassOf(c.H, c.S), c.Class) << c.H << ", " << c.S;
  EXPECT_EQ(AMonpac::ZoneText(AMonpac::zcA), "A");
  EXPECT_EQ(AMonpac::ZoneText(AMonpac::zcE), "E");
  EXPECT_EQ(AMonpac::ZoneText(AMonpac::zcMinor), "Mnr");
  EXPECT_EQ(AMonpac::ZoneText(AMonpac::zcNone), "");
}

}  // namespace
}  // namespace ae
