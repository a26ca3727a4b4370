#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/ZTDataSet.h"
#include "tests/support/DataSetBuilder.h"
#include "viewer/core/AEventLocator.h"
#include "viewer/core/ATestSetup.h"

namespace ae {
namespace {

using test::Hit;
using test::MakeSet;

struct Source {
  double X;
  double Y;
};

ATestSetup PlanarSetup() {
  ATestSetup setup;  // MPT 5000 us, Lockout 20000 us
  setup.Location.Type = ALocationType::Planar;
  setup.Location.Velocity = 3000;
  setup.Location.Sensors = {{1, 0, 0}, {2, 10, 0}, {3, 10, 10}, {4, 0, 10}};
  return setup;
}

// The hits a source emitting at t0 gives on the sensors of those channels (all when empty), in
// time order: each at t0 plus its distance over the speed.
std::vector<ZTShortHit> EventHits(const ALocationSetup& location, Source source, double t0,
                                  std::vector<int> channels = {}) {
  std::vector<ZTShortHit> hits;
  for (const ASensor& s : location.Sensors) {
    if (!channels.empty() && std::find(channels.begin(), channels.end(), s.Channel) == channels.end()) continue;
    const double d = std::hypot(source.X - s.X, source.Y - location.SensorY(s));
    hits.push_back(Hit(t0 + d / location.Velocity, s.Channel, 60, 10));
  }
  std::stable_sort(hits.begin(), hits.end(),
                   [](const ZTShortHit& a, const ZTShortHit& b) { return a.Time.Ticks() < b.Time.Ticks(); });
  return hits;
}

void Append(std::vector<ZTShortHit>& recs, const std::vector<ZTShortHit>& more) {
  recs.insert(recs.end(), more.begin(), more.end());
}

std::vector<ALocatedEvent> LocateAll(const ZTDataSet& set, const ATestSetup& setup,
                                     std::optional<double>* stopped = nullptr) {
  std::vector<ALocatedEvent> events;
  const AEventLocator locator(setup.Location, setup.MPT, setup.Lockout);
  const std::optional<double> at = locator.Locate(set.Recs, [&](const ALocatedEvent& e) { events.push_back(e); });
  if (stopped != nullptr) *stopped = at;
  return events;
}

// Arrival times are whole ticks of 0.25 us: a quarter of a millimetre at 3000 m/s.
constexpr double Close = 1e-3;

TEST(AEventLocator, EveryEventIsLocatedAtItsSourceOnItsFirstHit) {
  const ATestSetup setup = PlanarSetup();
  const Source sources[] = {{5, 5}, {2, 7.5}, {9, 1}, {0.5, 0.5}};
  std::vector<ZTShortHit> recs;
  std::vector<std::size_t> firsts;
  double t0 = 1.0;
  for (const Source& s : sources) {
    firsts.push_back(recs.size());
    Append(recs, EventHits(setup.Location, s, t0));
    t0 += 0.5;
  }
  const ZTDataSet set = MakeSet(recs);
  const std::vector<ALocatedEvent> events = LocateAll(set, setup);
  ASSERT_EQ(events.size(), 4u);
  for (std::size_t i = 0; i < events.size(); ++i) {
    EXPECT_EQ(events[i].Rec, firsts[i]);
    EXPECT_NEAR(events[i].Location.X, sources[i].X, Close) << i;
    EXPECT_NEAR(events[i].Location.Y, sources[i].Y, Close) << i;
    EXPECT_EQ(events[i].Location.Sensors, 4);
  }
}

TEST(AEventLocator, OnlyTheFirstArrivalOnEachSensorOfTheFirstAndSecondHitsCounts) {
  const ATestSetup setup = PlanarSetup();
  std::vector<ZTShortHit> event = EventHits(setup.Location, {3, 4}, 2.0);
  const double first = event.front().Time.Seconds();
  // A hit on a channel without a sensor, a second arrival on channel 1 within MPT, and a
  // reflection on channel 3 in the lockout: none of them moves the location.
  event.push_back(Hit(first + 0.0041, 9, 50, 1));
  event.push_back(Hit(first + 0.0045, 1, 50, 1));
  event.push_back(Hit(first + 0.015, 3, 50, 1));
  const ZTDataSet set = MakeSet(event);
  const std::vector<ALocatedEvent> events = LocateAll(set, setup);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_NEAR(events[0].Location.X, 3, Close);
  EXPECT_NEAR(events[0].Location.Y, 4, Close);
  EXPECT_EQ(events[0].Location.Sensors, 4);

  // Lockout hits give nothing: an event whose third sensor arrives only in the lockout has two.
  ATestSetup narrow = setup;
  narrow.MPT = 1000;
  std::vector<ZTShortHit> late = EventHits(setup.Location, {1, 1}, 3.0, {1, 2, 4});
  late.back().Time = ATestTime::FromSeconds(late.front().Time.Seconds() + 0.002);  // beyond MPT
  EXPECT_TRUE(LocateAll(MakeSet(late), narrow).empty());
}

TEST(AEventLocator, TheFirstHitCarriesTheLocationWhateverItsChannel) {
  const ATestSetup setup = PlanarSetup();
  std::vector<ZTShortHit> recs{Hit(0.9999, 20, 70, 5)};  // no sensor on channel 20
  Append(recs, EventHits(setup.Location, {6, 6}, 1.0));
  const std::vector<ALocatedEvent> events = LocateAll(MakeSet(recs), setup);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].Rec, 0u);
  EXPECT_NEAR(events[0].Location.X, 6, Close);
}

TEST(AEventLocator, LinearAndZonalEvents) {
  ATestSetup linear;
  linear.Location.Type = ALocationType::Linear;
  linear.Location.Velocity = 5000;
  linear.Location.Sensors = {{1, 0, 0}, {2, 10, 0}, {3, 20, 0}};
  std::vector<ZTShortHit> recs;
  // Each source heard by the two sensors around it.
  Append(recs, EventHits(linear.Location, {3.5, 0}, 1.0, {1, 2}));
  Append(recs, EventHits(linear.Location, {17.25, 0}, 2.0, {2, 3}));
  std::vector<ALocatedEvent> events = LocateAll(MakeSet(recs), linear);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_NEAR(events[0].Location.X, 3.5, Close);
  EXPECT_NEAR(events[1].Location.X, 17.25, Close);
  EXPECT_EQ(events[1].Location.Y, 0.0);
  EXPECT_EQ(events[1].Location.Sensors, 2);

  ATestSetup zonal = PlanarSetup();
  zonal.Location.Type = ALocationType::Zonal;
  events = LocateAll(MakeSet(EventHits(zonal.Location, {8, 7}, 1.0)), zonal);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].Location.X, 10.0);
  EXPECT_EQ(events[0].Location.Y, 10.0);
  EXPECT_EQ(events[0].Location.Sensors, 1);
}

TEST(AEventLocator, DeletedHitsAndHitsOfNoEventTakeNoPart) {
  const ATestSetup setup = PlanarSetup();
  // Within the windows of time 0 a hit belongs to no event.
  std::vector<ZTShortHit> recs = EventHits(setup.Location, {5, 5}, 0.0001);
  Append(recs, EventHits(setup.Location, {5, 5}, 1.0));
  ZTDataSet set = MakeSet(recs);
  EXPECT_EQ(LocateAll(set, setup).size(), 1u);

  // A deleted hit is as if it were not there: without the event's first hit, its second hit
  // starts it, and three sensors are left.
  set.Recs[4].SetDeleted(true);
  const std::vector<ALocatedEvent> events = LocateAll(set, setup);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].Rec, 5u);
  EXPECT_EQ(events[0].Location.Sensors, 3);
}

TEST(AEventLocator, HitsOutOfTimeOrderEndTheWalk) {
  const ATestSetup setup = PlanarSetup();
  std::vector<ZTShortHit> recs = EventHits(setup.Location, {5, 5}, 1.0);
  Append(recs, EventHits(setup.Location, {2, 2}, 2.0));
  recs.push_back(Hit(1.5, 1, 60, 1));  // earlier than the event before it
  Append(recs, EventHits(setup.Location, {7, 7}, 3.0));
  std::optional<double> stopped;
  const std::vector<ALocatedEvent> events = LocateAll(MakeSet(recs), setup, &stopped);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_NEAR(events[1].Location.X, 2, Close);
  ASSERT_TRUE(stopped.has_value());
  EXPECT_NEAR(*stopped, 1.5, 1e-6);
}

TEST(AEventLocator, TheDataSetsLocationsFollowDeletingAndTheSetup) {
  ATestSetup setup = PlanarSetup();
  std::vector<ZTShortHit> recs;
  for (int i = 0; i < 3; ++i) Append(recs, EventHits(setup.Location, {2.0 + 3 * i, 5}, 1.0 + i));
  ZTDataSet set = MakeSet(recs);

  ASSERT_TRUE(AEventLocator::Update(set, setup));
  ASSERT_EQ(set.Locations.Count(), 3u);
  EXPECT_NEAR(set.ValueOf(4, pcLocX).value(), 5, Close);
  EXPECT_NEAR(set.ValueOf(4, pcLocY).value(), 5, Close);
  EXPECT_FALSE(set.ValueOf(5, pcLocX).has_value());  // a second hit has none
  EXPECT_EQ(set.ValueOf(5, pcChannel), set.Recs[5].Channel);
  EXPECT_FALSE(AEventLocator::Update(set, setup));  // nothing changed

  // Deleting the middle event's hits takes its location away; the others stay.
  for (int i = 4; i < 8; ++i) set.Recs[static_cast<std::size_t>(i)].SetGrouped(true);
  set.DeleteGrouped();
  ASSERT_TRUE(AEventLocator::Update(set, setup));
  ASSERT_EQ(set.Locations.Count(), 2u);
  EXPECT_EQ(set.Locations.Entries()[1].Rec, 8u);
  EXPECT_NEAR(set.Locations.Entries()[1].X, 8, Close);
  // Undeleting brings it back.
  set.UndeleteAll();
  ASSERT_TRUE(AEventLocator::Update(set, setup));
  EXPECT_EQ(set.Locations.Count(), 3u);

  // Another speed moves every location; no location setup takes them all away.
  const float before = set.Locations.Entries()[0].X;
  setup.Location.Velocity = 2500;
  ASSERT_TRUE(AEventLocator::Update(set, setup));
  EXPECT_NE(set.Locations.Entries()[0].X, before);
  // An MPT too short for the farther sensors of the sources off the centre line: only the
  // middle event, heard by all four at once, keeps three sensors or more.
  setup.MPT = 100;
  ASSERT_TRUE(AEventLocator::Update(set, setup));
  ASSERT_EQ(set.Locations.Count(), 1u);
  EXPECT_EQ(set.Locations.Entries()[0].Rec, 4u);
  setup.MPT = 5000;
  setup.Location.Type = ALocationType::None;
  ASSERT_TRUE(AEventLocator::Update(set, setup));
  EXPECT_TRUE(set.Locations.Empty());
  EXPECT_FALSE(AEventLocator::Update(set, setup));

  // A new load clears them, and they are worked out again.
  setup = PlanarSetup();
  ASSERT_TRUE(AEventLocator::Update(set, setup));
  set.Clear();
  EXPECT_TRUE(set.Locations.Empty());
  EXPECT_FALSE(set.Locations.Valid);
}

TEST(AEventLocatorRange, ALocationBeyondSinglePrecisionIsNotKept) {
  // Sensors 10^39 m apart (kilometres of light-years): the solve finds its source, but no float
  // holds it, and the data set keeps no location it could not show.
  ATestSetup setup;
  setup.Location.Type = ALocationType::Planar;
  setup.Location.Velocity = 1e39;
  setup.MPT = 2000000;  // the arrivals lie up to a second apart
  setup.Lockout = 3000000;
  setup.Location.Sensors = {{1, 0, 0}, {2, 1e39, 0}, {3, 1e39, 1e39}, {4, 0, 1e39}};
  ZTDataSet set = MakeSet(EventHits(setup.Location, {5e38, 4e38}, 10.0));
  ASSERT_EQ(LocateAll(set, setup).size(), 1u);  // the rule itself locates it
  ASSERT_TRUE(AEventLocator::Update(set, setup));
  EXPECT_TRUE(set.Locations.Empty());
}

}  // namespace
}  // namespace ae
