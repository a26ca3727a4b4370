#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/DataSetBuilder.h"
#include "viewer/core/AHist.h"
#include "viewer/core/AMonpac.h"
#include "viewer/core/ASeverity.h"
#include "viewer/core/ATestSetup.h"

namespace ae {
namespace {

// The historic index exactly as the evaluation describes it: a ring of the most recent
// energies shifted by one place per hit, and the mean of its first K entries.
class ReferenceHist {
 public:
  explicit ReferenceHist(const ATestSetup& setup)
      : setup_(setup), ring_(static_cast<std::size_t>(setup.MP_HstLastHits5)) {}

  void AddHit(std::uint16_t energy, double t) {
    ++n_;
    sum_ += energy;
    const float mean = static_cast<float>(static_cast<double>(sum_) / n_);
    const std::size_t inUse = std::min<std::size_t>(n_ - 1, ring_.size() - 1);
    for (std::size_t j = inUse; j > 0; --j) ring_[j] = ring_[j - 1];
    ring_[0] = energy;
    float recent = 0.0f;
    if (const auto k = setup_.HistoricK(n_)) {
      std::uint64_t s = 0;
      for (std::int64_t j = 0; j < *k; ++j) s += ring_[static_cast<std::size_t>(j)];
      recent = static_cast<float>(static_cast<double>(s) / static_cast<double>(*k));
    }
    if (mean == 0.0f) return;
    current = static_cast<float>(static_cast<double>(recent) / mean);
    if (current > maximum) {
      maximum = current;
      maximumTime = t;
    }
  }

  float current = 0.0f;
  float maximum = 0.0f;
  double maximumTime = 0.0;

 private:
  const ATestSetup& setup_;
  std::vector<std::uint16_t> ring_;
  std::uint64_t n_ = 0;
  std::uint64_t sum_ = 0;
};

// Deterministic energies with bursts, quiet stretches and zeros.
std::uint16_t EnergyAt(std::uint32_t i) {
  std::uint32_t x = i * 2654435761u;
  x ^= x >> 13;
  if (i % 97 < 5) return 0;
  if ((i / 50) % 7 == 3) return static_cast<std::uint16_t>(40000 + x % 25000);
  return static_cast<std::uint16_t>(x % 3000);
}

TEST(AHist, MatchesTheShiftingRingForEveryHit) {
  ATestSetup defaults;
  ATestSetup custom;  // K beyond N in the third range, a short ring
  custom.MP_HstLimit1 = 3;
  custom.MP_HstLimit2 = 5;
  custom.MP_HstLimit3 = 20;
  custom.MP_HstLimit4 = 100;
  custom.MP_HstLastHits3 = 25;
  custom.MP_HstLastHits4 = 0.75f;
  custom.MP_HstLastHits5 = 30;
  ASSERT_EQ(custom.RangeProblem(), "");
  for (const ATestSetup* setup : {&defaults, &custom}) {
    AHist hist(setup->MP_HstLastHits5);
    ReferenceHist reference(*setup);
    for (std::uint32_t i = 1; i <= 3000; ++i) {
      const double t = i * 0.01;
      hist.AddHit(EnergyAt(i), ATestTime::FromSeconds(t), *setup);
      reference.AddHit(EnergyAt(i), static_cast<double>(ATestTime::FromSeconds(t).Seconds()));
      ASSERT_EQ(hist.Current, reference.current) << "hit " << i;
      ASSERT_EQ(hist.Maximum, reference.maximum) << "hit " << i;
      ASSERT_EQ(static_cast<double>(hist.MaximumTime.Seconds()), reference.maximumTime) << "hit " << i;
    }
    EXPECT_EQ(hist.HitCount, 3000u);
  }
}

TEST(AHist, EqualEnergiesGiveIndexZeroUntilTheTenthHitThenOne) {
  const ATestSetup setup;
  AHist hist(setup.MP_HstLastHits5);
  for (int i = 1; i <= 9; ++i) hist.AddHit(500, ATestTime::FromSeconds(i), setup);
  EXPECT_EQ(hist.Current, 0.0f);
  EXPECT_EQ(hist.Maximum, 0.0f);
  hist.AddHit(500, ATestTime::FromSeconds(10), setup);
  EXPECT_EQ(hist.Current, 1.0f);
  for (int i = 11; i <= 1500; ++i) {
    hist.AddHit(500, ATestTime::FromSeconds(i), setup);
    ASSERT_EQ(hist.Current, 1.0f) << i;
  }
  EXPECT_EQ(hist.MaximumTime, ATestTime::FromSeconds(10));
}

TEST(AHist, AllEnergiesZeroLeaveTheIndexUnchanged) {
  const ATestSetup setup;
  AHist hist(setup.MP_HstLastHits5);
  for (int i = 1; i <= 50; ++i) hist.AddHit(0, ATestTime::FromSeconds(i), setup);
  EXPECT_EQ(hist.Current, 0.0f);
  EXPECT_EQ(hist.Maximum, 0.0f);
  EXPECT_TRUE(hist.MaximumTime.IsZero());
}

TEST(AHist, SettingsBeyondTheRingStayWithinIt) {
  ATestSetup bad;  // refused by RangeProblem, but the statistics must not read out of the ring
  bad.MP_HstLastHits5 = 5;
  bad.MP_HstLastHits3 = 1000;
  bad.MP_HstLastHits4 = -3.0f;
  bad.SevHitNum = 0;
  ASSERT_NE(bad.RangeProblem(), "");
  AMonpac monpac(bad);
  for (std::uint32_t i = 1; i <= 2000; ++i) {
    ZTShortHit hit = test::Hit(i, 1, 80, EnergyAt(i));
    monpac.AddHit(hit, bad);
    ASSERT_TRUE(std::isfinite(monpac.Hist.Current));
  }
  EXPECT_EQ(monpac.Severity.Count(), 0);  // an empty severity list
  EXPECT_EQ(monpac.Severity.Maximum, 0.0f);
}

TEST(ASeverity, IsTheMeanOfTheStrongestHitsAndKeepsItsMaximum) {
  for (int capacity : {1, 3, 10}) {
    ASeverity severity(capacity);
    std::vector<std::uint16_t> all;
    float expectedMax = 0.0f;
    for (std::uint32_t i = 1; i <= 500; ++i) {
      const std::uint16_t e = EnergyAt(i);
      severity.AddHit(test::Hit(i, 1, 80, e));
      all.push_back(e);
      std::vector<std::uint16_t> sorted = all;
      std::sort(sorted.begin(), sorted.end(), std::greater<>());
      sorted.resize(std::min<std::size_t>(sorted.size(), static_cast<std::size_t>(capacity)));
      std::uint64_t sum = 0;
      for (std::uint16_t v : sorted) sum += v;
      const auto expected = static_cast<float>(static_cast<double>(sum) / sorted.size());
      expectedMax = std::max(expectedMax, expected);
      ASSERT_EQ(severity.Current, expected) << "capacity " << capacity << ", hit " << i;
      ASSERT_EQ(severity.Maximum, expectedMax);
      ASSERT_EQ(severity.Count(), sorted.size());
      for (int j = 0; j < severity.Count(); ++j) ASSERT_EQ(severity.Hit(j).Energy, sorted[static_cast<std::size_t>(j)]);
    }
  }
}

TEST(ASeverity, FallsWhileTheListFillsButTheMaximumStays) {
  ASeverity severity(10);
  severity.AddHit(test::Hit(1, 1, 80, 100));
  severity.AddHit(test::Hit(2, 1, 80, 20));
  EXPECT_EQ(severity.Current, 60.0f);
  EXPECT_EQ(severity.Maximum, 100.0f);
  // An equal energy replaces nothing once the list is full.
  ASeverity one(1);
  ZTShortHit first = test::Hit(1, 1, 80, 50);
  first.Counts = 1;
  ZTShortHit second = test::Hit(2, 1, 80, 50);
  second.Counts = 2;
  one.AddHit(first);
  one.AddHit(second);
  EXPECT_EQ(one.Hit(0).Counts, 1);
}

TEST(AMonpac, OnlyHitsAboveTheEvaluationThresholdCount) {
  const ATestSetup setup;  // EvalTH 50, HiAmpLev 65
  AMonpac m(setup);
  const struct {
    int Amplitude;
    std::uint32_t Events;
    std::uint32_t High;
  } steps[] = {{50, 0, 0}, {51, 1, 0}, {65, 2, 0}, {66, 3, 1}, {20, 3, 1}};
  for (const auto& s : steps) {
    ZTShortHit hit = test::Hit(1, 1, s.Amplitude, 10);
    hit.Duration = 100;
    m.AddHit(hit, setup);
    EXPECT_EQ(m.Events, s.Events) << s.Amplitude;
    EXPECT_EQ(m.HiAmpEvents, s.High) << s.Amplitude;
    EXPECT_EQ(m.TotalDuration, 100u * s.Events);
    EXPECT_EQ(m.Hist.HitCount, s.Events);
  }
}

}  // namespace
}  // namespace ae
