#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/DataFileOpen.h"
#include "datafiles/EZTData.h"
#include "datafiles/LDFile.h"
#include "datafiles/ZTDataSet.h"
#include "datafiles/ZTEventRule.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/TempDir.h"

namespace ae {
namespace {

constexpr std::uint64_t TicksPerSecond = 4000000;

ZTShortHit HitAtTicks(std::uint64_t ticks) {
  ZTShortHit hit;
  hit.Kind = rkHit;
  hit.Time = ATestTime::FromTicks(ticks);
  return hit;
}

TEST(ZTEventRule, ClassifiesFirstSecondAndLockoutHitsAndRejectsUnsortedTimes) {
  ZTEventRule rule;
  rule.ResetMicroseconds(100, 1000);
  // 2.0, 2.00008, 2.0009, 2.0015 s
  EXPECT_EQ(rule.EventTest(HitAtTicks(8000000)), 0);
  EXPECT_EQ(rule.EventTest(HitAtTicks(8000320)), 1);
  EXPECT_EQ(rule.EventTest(HitAtTicks(8003600)), 2);
  EXPECT_EQ(rule.EventTest(HitAtTicks(8006000)), 0);
  EXPECT_EQ(rule.EventStart.Ticks(), 8006000u);

  // 2.001 s is earlier than the event start of 2.0015 s.
  try {
    rule.EventTest(HitAtTicks(8004000));
    FAIL() << "no time-order error";
  } catch (const EZTData& error) {
    EXPECT_EQ(error.Code(), EZTData::TimeOrderError);
  }
  EXPECT_DOUBLE_EQ(rule.ErrorTime, 2.001);
  EXPECT_EQ(rule.EventStart.Ticks(), 8006000u);  // the failed record opened nothing
}

TEST(ZTEventRule, WindowsAreInclusiveAndTheDistanceIsReported) {
  ZTEventRule rule;
  rule.Reset(ATestTime::FromTicks(400), ATestTime::FromTicks(4000));
  ATestTime d;
  EXPECT_EQ(rule.EventTest(HitAtTicks(TicksPerSecond), &d), 0);
  EXPECT_EQ(d.Ticks(), TicksPerSecond);                          // measured from the reset start, 0
  EXPECT_EQ(rule.EventTest(HitAtTicks(TicksPerSecond), &d), 1);  // same time: d = 0
  EXPECT_EQ(d.Ticks(), 0u);
  EXPECT_EQ(rule.EventTest(HitAtTicks(TicksPerSecond + 400), &d), 1);
  EXPECT_EQ(rule.EventTest(HitAtTicks(TicksPerSecond + 4000), &d), 2);
  EXPECT_EQ(rule.EventTest(HitAtTicks(TicksPerSecond + 4004), &d), 0);
}

// Distances are whole ticks: a hit one tick beyond window 2 opens a new event, also where the
// two times differ in their low bits (taking the distance in seconds would lose that tick).
TEST(ZTEventRule, TheDistanceIsExactInTicks) {
  ZTEventRule rule;
  ATestTime d;
  for (std::uint64_t start : {8000004ull, 8000005ull, 8000011ull, 123456789ull}) {
    rule.Reset(ATestTime::FromTicks(400), ATestTime::FromTicks(4000));
    EXPECT_EQ(rule.EventTest(HitAtTicks(start)), 0);
    EXPECT_EQ(rule.EventTest(HitAtTicks(start + 4001), &d), 0) << start;
    EXPECT_EQ(d.Ticks(), 4001u) << start;
    EXPECT_EQ(rule.EventTest(HitAtTicks(start + 4001 + 4000), &d), 2) << start;
    EXPECT_EQ(d.Ticks(), 4000u) << start;
  }
}

TEST(ZTEventRule, ResetStartsAFreshPassWithWindowsFromMicroseconds) {
  ZTEventRule rule;
  rule.ResetMicroseconds(5000, 20000);
  EXPECT_EQ(rule.Window1.Ticks(), 20000u);
  EXPECT_EQ(rule.Window2.Ticks(), 80000u);
  EXPECT_EQ(rule.EventTest(HitAtTicks(10 * TicksPerSecond)), 0);
  // Without a reset an earlier record is out of order; after one the pass starts again at 0.
  EXPECT_THROW(rule.EventTest(HitAtTicks(TicksPerSecond)), EZTData);
  rule.ResetMicroseconds(5000, 20000);
  EXPECT_TRUE(rule.EventStart.IsZero());
  EXPECT_EQ(rule.EventTest(HitAtTicks(TicksPerSecond)), 0);

  rule.ResetMicroseconds(-1, -20000);  // a negative window holds nothing
  EXPECT_TRUE(rule.Window1.IsZero());
  EXPECT_TRUE(rule.Window2.IsZero());
}

TEST(ZTEventRule, TheProgramHasOneRuleThatTheDataSetTestUses) {
  ZTEventRule& rule = ZTDataSet::EventRule();
  EXPECT_EQ(&rule, &ZTDataSet::EventRule());
  rule.ResetMicroseconds(100, 1000);
  EXPECT_EQ(ZTDataSet::EventTest(HitAtTicks(8000000)), 0);
  EXPECT_EQ(ZTDataSet::EventTest(HitAtTicks(8000320)), 1);
  EXPECT_EQ(rule.EventStart.Ticks(), 8000000u);
}

// A reader's EventPos and the in-memory rule decide alike on the same records.
TEST(ZTEventRule, AgreesWithTheReadersEventPosition) {
  const std::vector<std::uint64_t> ticks = {2000000, 2000200, 2002000, 2008000, 2008004, 2012040, 2012000};
  test::DtaBuilder dta;
  dta.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
  for (std::uint64_t t : ticks) dta.StandardHit(t, 1, 10, 5, 3, 100, 60, 0);
  test::TempDir dir;
  const std::string path = dir.File("events.dta");
  dta.Save(path);

  OpenedDataFile opened = OpenDataFile(path);
  AWDiskFile& reader = *opened.Reader;
  reader.SetEventWindows(ATestTime::FromTicks(400), ATestTime::FromTicks(4000));
  ZTEventRule rule;
  rule.Reset(ATestTime::FromTicks(400), ATestTime::FromTicks(4000));
  reader.SeekFirst();
  std::vector<int> fromReader;
  std::vector<int> fromRule;
  while (reader.ReadNext()) {
    if (!reader.IsHit()) continue;
    ZTShortHit rec;
    reader.GetRec(rec);
    int a = -1;
    int b = -1;
    try {
      a = reader.EventPos();
    } catch (const EZTData& e) {
      a = e.Code();
    }
    try {
      b = rule.EventTest(rec);
    } catch (const EZTData& e) {
      b = e.Code();
    }
    fromReader.push_back(a);
    fromRule.push_back(b);
  }
  EXPECT_EQ(fromReader, (std::vector<int>{0, 1, 2, 0, 1, 0, 2001}));
  EXPECT_EQ(fromRule, fromReader);
}

}  // namespace
}  // namespace ae
