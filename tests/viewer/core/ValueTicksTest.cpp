#include <vector>

#include <gtest/gtest.h>

#include "viewer/core/ValueTicks.h"

namespace ae {
namespace {

TEST(ValueTicks, AreMultiplesOfOneTwoOrFiveTimesAPowerOfTenThatFit) {
  struct Case {
    double Low, High;
    int Most;
    double Step;
    std::vector<double> Ticks;
  };
  const Case cases[] = {
      {-128.0, 179.1, 8, 50.0, {-100, -50, 0, 50, 100, 150}},
      {0.0, 5000.0, 5, 1000.0, {0, 1000, 2000, 3000, 4000, 5000}},
      {-0.16, 0.16, 4, 0.1, {-0.1, 0.0, 0.1}},
      {3.0, 4.0, 10, 0.1, {3.0, 3.1, 3.2, 3.3, 3.4, 3.5, 3.6, 3.7, 3.8, 3.9, 4.0}},
      {-80.0, 0.0, 4, 20.0, {-80, -60, -40, -20, 0}},
      {1.0, 1.0, 5, 0.0, {}},
      {2.0, 1.0, 5, 0.0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Low);
    EXPECT_NEAR(TickStep(c.Low, c.High, c.Most), c.Step, c.Step * 1e-12);
    const std::vector<double> ticks = TickValues(c.Low, c.High, c.Most);
    ASSERT_EQ(ticks.size(), c.Ticks.size());
    for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_NEAR(ticks[i], c.Ticks[i], 1e-9);
  }
}

}  // namespace
}  // namespace ae
