#include <vector>

#include <gtest/gtest.h>

#include "datafiles/DataFileTypes.h"
#include "viewer/core/AGraphAxis.h"

namespace ae {
namespace {

AGraphAxis Axis(int param, bool log, std::uint32_t min, std::uint32_t max, int length) {
  AGraphAxis axis;
  axis.Configure(param, log, min, max);
  axis.UpdateScale(length);
  return axis;
}

TEST(AGraphAxis, TickCountsFollowTheAmplitudeRule) {
  struct Case {
    int param;
    std::uint32_t min, max;
    bool y;
    int count;
  } cases[] = {
      {pcAmplitude, 0, 100, true, 10},
      {pcAmplitude, 0, 120, true, 5},
      {pcAmplitude, 0, 120, false, 12},
      {pcAmplitude, 0, 5, false, 1},
      {pcAmplitude, 20, 100, true, 8},
      {pcEnergy, 0, 100, true, 5},
      {pcTime, 0, 1800, false, 5},
      {pcAmplitude, 50, 40, false, 5},             // a reversed range: no amplitude rule
      {pcAmplitude, 0, 4000000000u, false, 1000},  // capped, not a billion ticks
  };
  for (const Case& c : cases) {
    const AGraphAxis axis = Axis(c.param, false, c.min, c.max, 300);
    EXPECT_EQ(axis.TickCount(c.y), c.count) << c.min << ".." << c.max << (c.y ? " Y" : " X");
  }
}

TEST(AGraphAxis, ALogarithmicAxisReadWithMinimumZeroRunsFromOne) {
  AGraphAxis axis = Axis(pcCounts, true, 0, 1000, 300);
  EXPECT_EQ(axis.Min, 1u);
  EXPECT_EQ(axis.ConfigMin, 0u);
  EXPECT_DOUBLE_EQ(axis.Scale, 100.0);
  EXPECT_EQ(axis.Offset(1), 0);
  EXPECT_EQ(axis.Offset(0), 0);  // log10(0) is taken as 0
  EXPECT_EQ(axis.Offset(100), 200);
  // Every later range keeps that rule.
  axis.SetRange(0, 10);
  EXPECT_EQ(axis.Min, 1u);
  axis.RestoreRange();
  EXPECT_EQ(axis.Min, 1u);
  EXPECT_EQ(axis.Max, 1000u);
}

TEST(AGraphAxis, TheValueAtTheOriginIsTheMinimumAndMapsBackToTheOrigin) {
  for (bool log : {false, true}) {
    const AGraphAxis axis = Axis(pcEnergy, log, 10, 100000, 417);
    EXPECT_NEAR(axis.ValueAtOffset(0), 10.0, 1e-9) << log;
    EXPECT_EQ(axis.Offset(axis.ValueAtOffset(0)), 0) << log;
    EXPECT_NEAR(axis.ValueAtOffset(417), 100000.0, 1e-6) << log;
  }
}

TEST(AGraphAxis, OffsetsTruncateTowardZero) {
  const AGraphAxis axis = Axis(pcAmplitude, false, 20, 100, 300);  // 3.75 pixels per dB
  EXPECT_EQ(axis.Offset(21), 3);
  EXPECT_EQ(axis.Offset(22), 7);
  EXPECT_EQ(axis.Offset(100), 300);
  EXPECT_EQ(axis.Offset(19), -3);  // toward zero, not down
}

TEST(AGraphAxis, AnEmptyRangeHasNoScaleInsteadOfAnInfiniteOne) {
  for (bool log : {false, true}) {
    const AGraphAxis axis = Axis(pcTime, log, 5, 5, 300);
    EXPECT_EQ(axis.Scale, 0.0);
    EXPECT_EQ(axis.Offset(5), 0);
    EXPECT_NEAR(axis.ValueAtOffset(40), 5.0, 1e-12);
  }
  EXPECT_EQ(TruncPixel(1e300), 1 << 30);
  EXPECT_EQ(TruncPixel(-1e300), -(1 << 30));
  EXPECT_EQ(TruncPixel(0.0 / 0.0), 0);
}

TEST(AGraphAxis, LinearTicksStepFromTheTopAndFromTheRight) {
  const AGraphAxis y = Axis(pcEnergy, false, 0, 1000, 200);
  const AxisTicks yt = YAxisTicks(y, 25, 225);
  EXPECT_EQ(yt.Major, (std::vector<int>{25, 65, 105, 145, 185, 225}));
  EXPECT_EQ(yt.Minor, (std::vector<int>{45, 85, 125, 165, 205}));
  // 250 pixels in 3 intervals: 83.33 each, counted from the right edge.
  AGraphAxis x = Axis(pcAmplitude, false, 0, 30, 250);
  const AxisTicks xt = XAxisTicks(x, 50, 300);
  EXPECT_EQ(xt.Major, (std::vector<int>{300, 216, 133, 50}));
  EXPECT_EQ(xt.Minor, (std::vector<int>{258, 175, 91}));
}

TEST(AGraphAxis, LogTicksSitOnDecadesWithMinorTicksAtTwoAndFive) {
  const AGraphAxis axis = Axis(pcCounts, true, 1, 1000, 300);
  const AxisTicks y = YAxisTicks(axis, 25, 325);
  EXPECT_EQ(y.Major, (std::vector<int>{325, 225, 125, 25}));
  // log10(2) * 100 = 30.1, log10(5) * 100 = 69.9, truncated.
  EXPECT_EQ(y.Minor, (std::vector<int>{295, 256, 195, 156, 95, 56}));
  // A minimum above the first decade puts the decades below it outside the plot.
  const AGraphAxis high = Axis(pcCounts, true, 100, 10000, 200);
  const AxisTicks x = XAxisTicks(high, 50, 250);
  EXPECT_EQ(x.Major, (std::vector<int>{-150, -50, 50, 150, 250}));
}

TEST(AGraphAxis, FittingRoundsTheDataRangeOutwardToReadableValues) {
  const struct {
    int param;
    bool log;
    double low, high;
    std::uint32_t min, max;
  } cases[] = {
      {pcChannel, false, 1, 15, 0, 15},           // steps of 3
      {pcAmplitude, false, 45, 99, 40, 100},      // whole 10 dB
      {pcAmplitude, false, 60, 60, 60, 70},       // never an empty range
      {pcEnergy, false, 0, 1600000, 0, 2000000},  // steps of 400000
      {pcCounts, false, 37, 99, 20, 120},
      {pcCounts, false, 7, 7, 7, 12},
      {pcCounts, true, 3, 250, 1, 1000},  // whole decades
      {pcCounts, true, 0, 0, 1, 10},
      {pcEnergy, true, 20, 5e9, 10, 4294967295u},
  };
  for (const auto& c : cases) {
    AGraphAxis axis;
    axis.Configure(c.param, c.log, 5, 6);
    axis.FitTo(c.low, c.high);
    EXPECT_EQ(axis.Min, c.min) << c.low << ".." << c.high;
    EXPECT_EQ(axis.Max, c.max) << c.low << ".." << c.high;
    EXPECT_EQ(axis.ConfigMax, 6u);
  }
}

}  // namespace
}  // namespace ae
