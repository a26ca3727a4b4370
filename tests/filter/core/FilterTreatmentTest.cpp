// "As Events" and "As Mechanic": event windows and lockout on whole ticks, the verdict of an
// event's first hit, mechanical marks with their windows, and unsorted sources.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "filter/core/FilterMessages.h"
#include "tests/filter/core/FilterRunFixture.h"

namespace ae::test {
namespace {

FilterControls Events(const std::string& mpt, const std::string& lock) {
  FilterControls controls = RangeFilter("Amplitude", "40", "100");
  controls.MakeReport = false;
  controls.SelectTreatment(tiAsEvents);
  controls.MPT = mpt;
  controls.LOCK = lock;
  return controls;
}

// Marks are the hits of amplitude 90 and more.
FilterControls Mechanic(const std::string& forward, const std::string& back, bool excluded) {
  FilterControls controls = RangeFilter("Amplitude", "90", "255");
  controls.MakeReport = false;
  controls.TypeItem = excluded ? 1 : 0;
  controls.SelectTreatment(tiAsMechanic);
  controls.Forward = forward;
  controls.Back = back;
  return controls;
}

TEST_F(FilterRunTest, AsEventsTheFirstHitDecidesItsEventAndTheLockoutDrops) {
  // MPT 100 us, LOCK 1000 us; times in microseconds, 0.25 us is one tick.
  DtaPlan plan;
  plan.Hit(50, 50, false)                            // within MPT of time zero: no first hit has decided yet
      .Hit(500, 50, false)                           // within LOCK of time zero: locked out
      .Hit(2000, 50, true)                           // opens an event that passes
      .Hit(2100, 10, true)                           // exactly MPT after: follows the event, whatever its value
      .Hit(2100.25, 50, false)                       // one tick beyond MPT: locked out though it would pass
      .Hit(3000, 50, false)                          // exactly LOCK after: still locked out
      .Hit(3000.25, 10, false)                       // one tick beyond: opens an event that fails
      .Hit(3050, 50, false)                          // follows the failed event
      .Add(DtaBuilder().Message(7, {'c', 0}), true)  // other records by their kind
      .Hit(5000, 60, true)                           // a new passing event
      .Add(DtaBuilder().Message(15), true);
  WriteFileBytes(File("in.dta"), plan.Source);
  EXPECT_EQ(Run(Controls(Events("100", "1000"), "in.dta", "out.dta")), "");
  EXPECT_TRUE(HasBytes(File("out.dta"), plan.Expected));

  // Excluded: the first hit's verdict is inverted for the whole event.
  DtaPlan excluded;
  excluded.Hit(2000, 50, false).Hit(2050, 10, false).Hit(4000, 10, true).Hit(4050, 50, true);
  WriteFileBytes(File("in2.dta"), excluded.Source);
  FilterControls controls = Events("100", "1000");
  controls.TypeItem = 1;
  EXPECT_EQ(Run(Controls(controls, "in2.dta", "out2.dta")), "");
  EXPECT_TRUE(HasBytes(File("out2.dta"), excluded.Expected));
}

TEST_F(FilterRunTest, AsEventsWithMptEqualToLockNothingIsLockedOut) {
  DtaPlan plan;
  plan.Hit(2000, 50, true).Hit(2100, 10, true).Hit(2100.25, 10, false).Hit(2300, 50, true);
  WriteFileBytes(File("in.dta"), plan.Source);
  EXPECT_EQ(Run(Controls(Events("100", "100"), "in.dta", "out.dta")), "");
  EXPECT_TRUE(HasBytes(File("out.dta"), plan.Expected));
}

TEST_F(FilterRunTest, AnUnsortedSourceStopsEventsAndMechanicAndLeavesNoDestination) {
  DtaPlan plan;
  plan.Hit(5000, 95, true).Hit(9000, 50, true).Hit(3000, 50, true);
  WriteFileBytes(File("in.dta"), plan.Source);
  for (const FilterControls& controls : {Events("10", "20"), Mechanic("10", "10", false)}) {
    EXPECT_EQ(Run(Controls(controls, "in.dta", "out.dta")), "EZTData 2001");
    EXPECT_FALSE(Exists("out.dta"));
    EXPECT_TRUE(HasBytes(File("in.dta"), plan.Source));
  }
  EXPECT_EQ(FilterMessage(2001), "Файл не отсортирован.\nТребуется сортированный файл");
}

TEST_F(FilterRunTest, AsMechanicKeepsOrDropsTheNeighbourhoodOfEveryMark) {
  // Back 100 us, Forward 200 us: the mark at 10000 opens [9900, 10200], ends included.
  struct Hit {
    double Time;
    int Amplitude;
    bool Inside;
  };
  const Hit hits[] = {
      {9899.75, 50, false},  {9900, 50, true},      {10000, 95, true},
      {10200, 50, true},     {10200.25, 50, false}, {20000, 50, false},  // between windows
      {30000, 95, true},     {30150, 95, true},     {30349, 50, true},   // overlapping windows
      {30350.25, 50, false}, {90000, 50, false},                         // after the last window
  };
  for (const bool excluded : {false, true}) {
    DtaPlan plan;
    for (const Hit& h : hits) plan.Hit(h.Time, h.Amplitude, h.Inside != excluded);
    plan.Add(DtaBuilder().Timed(2, 95000, {0, 0, 1, 2}), true).Add(DtaBuilder().Message(15), true);
    WriteFileBytes(File("in.dta"), plan.Source);
    EXPECT_EQ(Run(Controls(Mechanic("200", "100", excluded), "in.dta", "out.dta")), "");
    EXPECT_TRUE(HasBytes(File("out.dta"), plan.Expected)) << (excluded ? "Excluded" : "Included");
  }
}

TEST_F(FilterRunTest, AsMechanicWindowEdgesAndLimits) {
  struct Case {
    const char* What;
    const char* Forward;
    const char* Back;
    std::vector<std::pair<double, int>> Hits;  // time, amplitude
    std::vector<bool> Inside;
  };
  const std::vector<Case> cases = {
      {"no mark at all", "100", "100", {{1000, 50}, {2000, 60}}, {false, false}},
      {"a window starting before the test starts at zero",
       "10",
       "500",
       {{0, 50}, {200, 95}, {510, 50}, {510.25, 50}},
       {true, true, true, false}},
      {"Forward 0 keeps the marking hit in its own window", "0", "0", {{1000.25, 95}, {1000.5, 50}}, {true, false}},
      {"Back and Forward together beyond 32 bits do not wrap", "1", "-1", {{1000, 95}, {3600e6, 50}}, {true, true}},
  };
  for (const Case& c : cases) {
    for (const bool excluded : {false, true}) {
      DtaPlan plan;
      for (std::size_t i = 0; i < c.Hits.size(); ++i)
        plan.Hit(c.Hits[i].first, c.Hits[i].second, c.Inside[i] != excluded);
      WriteFileBytes(File("in.dta"), plan.Source);
      EXPECT_EQ(Run(Controls(Mechanic(c.Forward, c.Back, excluded), "in.dta", "out.dta")), "") << c.What;
      EXPECT_TRUE(HasBytes(File("out.dta"), plan.Expected)) << c.What << (excluded ? " Excluded" : " Included");
    }
  }
}

TEST_F(FilterRunTest, AsMechanicReadsTheSourceThreeTimesButCountsProgressOnce) {
  DtaPlan plan;
  for (int i = 0; i < 40; ++i) plan.Hit(1000.0 * (i + 1), i % 5 == 0 ? 95 : 50, true);
  WriteFileBytes(File("in.dta"), plan.Source);
  RecordingUser user;
  EXPECT_EQ(Run(Controls(Mechanic("100000", "0", true), "in.dta", "out.dta"), user), "");
  EXPECT_EQ(user.Maximum, 42);
  EXPECT_EQ(user.Step, 2);
  EXPECT_EQ(user.Steps, 14);  // 42 records, one step after every 3
}

}  // namespace
// A continued file (the later part of a split test) starts with message 8 holding the test's
// setup: every treatment decodes its hits by that setup and copies message 8 unchanged.
TEST_F(FilterRunTest, EveryTreatmentCopiesTheSetupOfAContinuedFileAndDecodesItsHits) {
  DtaBuilder setup;
  setup.ProductDefinition().Message(99, {'s', 't', 'a', 'r', 't', 0}).HardwareSetup({1, 3, 4, 5, 6}, 1).Message(11);
  struct Hit {
    double Time;
    int Amplitude;
    bool Kept[3];  // as hits (range 40..100), as events (MPT 100 us), as mechanic (marks of 90 and more)
  };
  const Hit hits[] = {{10000, 50, {true, true, false}},
                      {20000, 10, {false, false, false}},
                      {30000, 95, {true, true, true}},
                      {30100, 20, {false, true, true}},  // within MPT of its event, and in the mark's window
                      {40000, 60, {true, true, false}}};
  const struct {
    const char* What;
    FilterControls Controls;
  } runs[] = {
      {"as hits", RangeFilter("Amplitude", "40", "100")},
      {"as events", Events("100", "1000")},
      {"as mechanic", Mechanic("200", "100", false)},
  };
  for (std::size_t r = 0; r < std::size(runs); ++r) {
    const auto& run = runs[r];
    DtaPlan plan;
    plan.Source.clear();
    plan.Expected.clear();
    plan.Add(DtaBuilder().ContinuedFile(setup), true);
    for (const Hit& h : hits) plan.Hit(h.Time, h.Amplitude, h.Kept[r]);
    plan.Add(DtaBuilder().Message(15), true);
    WriteFileBytes(File("in.dta"), plan.Source);
    FilterControls controls = run.Controls;
    controls.MakeReport = false;
    EXPECT_EQ(Run(Controls(controls, "in.dta", "out.dta")), "") << run.What;
    EXPECT_TRUE(HasBytes(File("out.dta"), plan.Expected)) << run.What;
  }
}

// A pipe as the source would block the open until a writer came: it is refused at once.
TEST_F(FilterRunTest, APipeAsTheSourceIsRefusedWithoutWaiting) {
  ASSERT_EQ(::mkfifo(File("pipe.dta").c_str(), 0600), 0);
  FilterControls controls = RangeFilter("Amplitude", "40", "100");
  controls.MakeReport = false;
  EXPECT_EQ(Run(Controls(controls, "pipe.dta", "out.dta")), FilterMessage(fmOpenError));
  EXPECT_FALSE(Exists("out.dta"));
}

}  // namespace ae::test
