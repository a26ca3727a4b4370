#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "viewer/core/ALocationRules.h"

namespace ae {
namespace {

struct Source {
  double X;
  double Y;
};

ALocationSetup Layout(ALocationType type, std::vector<ASensor> sensors, double velocity = 3000.0) {
  ALocationSetup setup;
  setup.Type = type;
  setup.Velocity = velocity;
  setup.Sensors = std::move(sensors);
  return setup;
}

// The arrivals a source gives at every sensor (or at the listed channels), worked out exactly
// from the distances and the speed, in the order of their times and after the first one.
std::vector<AArrival> ArrivalsFrom(const ALocationSetup& setup, Source source, std::vector<int> channels = {}) {
  std::vector<AArrival> arrivals;
  for (const ASensor& s : setup.Sensors) {
    if (!channels.empty() && std::find(channels.begin(), channels.end(), s.Channel) == channels.end()) continue;
    const double d = std::hypot(source.X - s.X, source.Y - setup.SensorY(s));
    arrivals.push_back({s.Channel, d / setup.Velocity});
  }
  std::stable_sort(arrivals.begin(), arrivals.end(),
                   [](const AArrival& a, const AArrival& b) { return a.Time < b.Time; });
  const double first = arrivals.empty() ? 0.0 : arrivals.front().Time;
  for (AArrival& a : arrivals) a.Time -= first;
  return arrivals;
}

const ALocationSetup Square = Layout(ALocationType::Planar, {{1, 0, 0}, {2, 10, 0}, {3, 10, 10}, {4, 0, 10}});
// Eight sensors on a circle of 3 m around (4, 4), on channels 1..8.
ALocationSetup Ring() {
  std::vector<ASensor> sensors;
  for (int i = 0; i < 8; ++i) {
    const double a = i * std::acos(-1.0) / 4;
    sensors.push_back({i + 1, 4 + 3 * std::cos(a), 4 + 3 * std::sin(a)});
  }
  return Layout(ALocationType::Planar, sensors, 5100.0);
}

struct Case {
  std::string Name;
  ALocationSetup Setup;
  Source From;
  Source Expected;
  int Sensors;
  std::vector<int> Channels = {};  // the sensors that hear the source; all when empty
};

class LocatedSource : public ::testing::TestWithParam<Case> {};

TEST_P(LocatedSource, IsFoundWithinAMillimetre) {
  const Case& c = GetParam();
  const std::vector<AArrival> arrivals = ArrivalsFrom(c.Setup, c.From, c.Channels);
  const std::optional<ALocationResult> result = ALocationRules(c.Setup).Locate(arrivals);
  ASSERT_TRUE(result.has_value());
  EXPECT_NEAR(result->X, c.Expected.X, 1e-3);
  EXPECT_NEAR(result->Y, c.Expected.Y, 1e-3);
  EXPECT_EQ(result->Sensors, c.Sensors);
}

const ALocationSetup Pipe = Layout(ALocationType::Linear, {{1, 0, 0}, {2, 10, 0}});
const ALocationSetup LongPipe = Layout(ALocationType::Linear, {{5, 30, 0}, {6, 0, 0}, {7, 10, 0}}, 5000.0);
const ALocationSetup Zones = Layout(ALocationType::Zonal, {{1, 0, 0}, {2, 10, 0}, {3, 10, 10}, {4, 0, 10}});

INSTANTIATE_TEST_SUITE_P(
    Sources, LocatedSource,
    ::testing::Values(
        // Linear: between the first two sensors hit, whichever comes first; y is 0.
        Case{"LinearMiddle", Pipe, {5, 0}, {5, 0}, 2}, Case{"LinearNearFirst", Pipe, {1.25, 0}, {1.25, 0}, 2},
        Case{"LinearNearSecond", Pipe, {8.7, 0}, {8.7, 0}, 2}, Case{"LinearAtASensor", Pipe, {10, 0}, {10, 0}, 2},
        // Beyond the segment: both times differ by the whole length; kept at its end.
        Case{"LinearBeyondTheEnd", Pipe, {14, 0}, {10, 0}, 2}, Case{"LinearBeforeTheStart", Pipe, {-3, 0}, {0, 0}, 2},
        // Three sensors out of order on the line: the two nearest bracket the source.
        Case{"LinearThirdSegment", LongPipe, {21, 0}, {21, 0}, 2},
        Case{"LinearFirstSegment", LongPipe, {3.5, 0}, {3.5, 0}, 2},
        // A sensor's y takes no part in a linear location.
        Case{"LinearSensorsOffTheLine", Layout(ALocationType::Linear, {{1, 0, 2}, {2, 6, -1}}), {4, 0}, {4, 0}, 2},
        // Planar: least squares from the centroid, on three, four and eight sensors.
        Case{"PlanarCentre", Square, {5, 5}, {5, 5}, 4}, Case{"PlanarOffCentre", Square, {2, 3}, {2, 3}, 4},
        Case{"PlanarNearACorner", Square, {9.5, 0.5}, {9.5, 0.5}, 4}, Case{"PlanarOnAnEdge", Square, {5, 0}, {5, 0}, 4},
        Case{"PlanarAtASensor", Square, {10, 10}, {10, 10}, 4},
        Case{"PlanarThreeSensors", Square, {6, 3}, {6, 3}, 3, {1, 2, 3}},
        Case{"PlanarRingCentre", Ring(), {4, 4}, {4, 4}, 8},
        Case{"PlanarRingInside", Ring(), {5.7, 2.9}, {5.7, 2.9}, 8},
        Case{"PlanarRingNearASensor", Ring(), {1.2, 4.1}, {1.2, 4.1}, 8},
        Case{"PlanarLargeArray",
             Layout(ALocationType::Planar, {{10, 0, 0}, {20, 400, 0}, {30, 400, 250}, {40, 0, 250}}, 3200.0),
             {123.45, 201.5},
             {123.45, 201.5},
             4},
        // Zonal: the first sensor hit, wherever the source is.
        Case{"ZonalNearest", Zones, {2, 3}, {0, 0}, 1}, Case{"ZonalOtherCorner", Zones, {8, 9}, {10, 10}, 1},
        Case{"ZonalOneSensorHeard", Zones, {1, 1}, {10, 0}, 1, {2}}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.Name; });

struct Unlocated {
  std::string Name;
  ALocationSetup Setup;
  std::vector<AArrival> Arrivals;
};

class NotLocated : public ::testing::TestWithParam<Unlocated> {};

TEST_P(NotLocated, GivesNothing) {
  const Unlocated& c = GetParam();
  EXPECT_FALSE(ALocationRules(c.Setup).Locate(c.Arrivals).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Events, NotLocated,
    ::testing::Values(
        Unlocated{"LinearOneSensor", Pipe, {{1, 0.0}}}, Unlocated{"PlanarTwoSensors", Square, {{1, 0.0}, {2, 0.001}}},
        Unlocated{"ZonalNoArrival", Zones, {}},
        Unlocated{"NoneLocatesNothing", Layout(ALocationType::None, {{1, 0, 0}, {2, 1, 0}}), {{1, 0.0}, {2, 0.0001}}},
        // A channel without a sensor is never given a place.
        Unlocated{"ArrivalWithoutSensor", Square, {{1, 0.0}, {2, 0.001}, {9, 0.002}}},
        // Channel 2 later than the 10 m from channel 1 allow: the sum of squares
        // falls all the way out along the line between 1 and 4, and the solve
        // never settles.
        Unlocated{"PlanarDoesNotConverge", Square, {{1, 0.0}, {4, 0.0}, {2, 12.0 / 3000}}}),
    [](const ::testing::TestParamInfo<Unlocated>& info) { return info.param.Name; });

TEST(ALocationRules, LinearFormulaFollowsTheSensorOrder) {
  // x = (a + b) / 2 + v (ta - tb) / 2 sign(b - a): the same source seen from either end.
  const ALocationResult forward = ALocationRules::Linear(0.0, 0.0, 10.0, 2.0 / 3000.0, 3000.0);
  const ALocationResult backward = ALocationRules::Linear(10.0, 2.0 / 3000.0, 0.0, 0.0, 3000.0);
  EXPECT_NEAR(forward.X, 4.0, 1e-12);
  EXPECT_NEAR(backward.X, 4.0, 1e-12);
  EXPECT_EQ(forward.Y, 0.0);
  // Two sensors at one place have no direction: the place itself.
  EXPECT_EQ(ALocationRules::Linear(3.0, 0.0, 3.0, 0.001, 3000.0).X, 3.0);
}

TEST(ALocationRules, PlanarNeedsThreeSensorsAndSpread) {
  const std::vector<ALocationRules::Point> two = {{0, 0}, {1, 0}};
  const std::vector<double> times2 = {0, 0};
  EXPECT_FALSE(ALocationRules::Planar(two, times2, 3000).has_value());
  const std::vector<ALocationRules::Point> same = {{2, 2}, {2, 2}, {2, 2}};
  const std::vector<double> times3 = {0, 0, 0};
  EXPECT_FALSE(ALocationRules::Planar(same, times3, 3000).has_value());
}

}  // namespace
}  // namespace ae
