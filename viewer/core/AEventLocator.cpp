#include "viewer/core/AEventLocator.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cfloat>
#include <cmath>
#include <span>
#include <thread>

#include "datafiles/EZTData.h"
#include "datafiles/ZTEventRule.h"
#include "viewer/core/ATestSetup.h"

namespace ae {

namespace {

// A digest of the arrivals: which channels, and when after the first hit.
class Digest {
 public:
  void Add(int channel, std::uint64_t ticksAfterFirst) {
    hash_ = (hash_ ^ (ticksAfterFirst * 131 + static_cast<std::uint64_t>(channel))) * 0x9E3779B97F4A7C15ull;
    hash_ ^= hash_ >> 29;
  }
  std::uint32_t Value() const { return static_cast<std::uint32_t>(hash_ ^ (hash_ >> 32)); }

 private:
  std::uint64_t hash_ = 0x6A09E667F3BCC909ull;
};

// Events gathered in file order and located together: those whose location is known again take
// it, the others are solved, by several threads when there are many (each event's solve stands
// alone), and all go out in file order.
class EventBatch {
 public:
  static constexpr std::size_t Capacity = 32768;  // events
  // Fewer events than this are solved on the calling thread: a thread costs more than they do.
  static constexpr std::size_t ParallelFrom = 4096;

  struct Event {
    std::size_t First;
    std::uint32_t Key;
    std::uint32_t Begin;  // into the arrivals
    std::uint32_t Count;
    bool Known;
    ALocationResult Result;
  };

  bool Full() const { return events_.size() >= Capacity; }

  void AddKnown(std::size_t first, std::uint32_t key, const ALocationResult& result) {
    events_.push_back({first, key, 0, 0, true, result});
  }
  void AddToSolve(std::size_t first, std::uint32_t key, const AArrival* arrivals, std::size_t count) {
    events_.push_back(
        {first, key, static_cast<std::uint32_t>(arrivals_.size()), static_cast<std::uint32_t>(count), false, {}});
    arrivals_.insert(arrivals_.end(), arrivals, arrivals + count);
    ++toSolve_;
  }

  void Flush(const ALocationRules& rules, const std::function<void(const ALocatedEvent&, std::uint32_t key)>& located) {
    std::vector<std::optional<ALocationResult>> solved(events_.size());
    auto solve = [&](std::size_t from, std::size_t step) {
      for (std::size_t i = from; i < events_.size(); i += step) {
        const Event& e = events_[i];
        if (!e.Known) solved[i] = rules.Locate(std::span(arrivals_.data() + e.Begin, e.Count));
      }
    };
    const unsigned threads = toSolve_ < ParallelFrom ? 1u : std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    {
      std::vector<std::jthread> helpers;
      for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(solve, t, threads);
      solve(0, threads);
    }
    for (std::size_t i = 0; i < events_.size(); ++i) {
      const Event& e = events_[i];
      if (e.Known) located({e.First, e.Result}, e.Key);
      else if (solved[i]) located({e.First, *solved[i]}, e.Key);
    }
    events_.clear();
    arrivals_.clear();
    toSolve_ = 0;
  }

 private:
  std::vector<Event> events_;
  std::vector<AArrival> arrivals_;
  std::size_t toSolve_ = 0;
};

}  // namespace

AEventLocator::AEventLocator(const ALocationSetup& location, std::int64_t mptMicroseconds,
                             std::int64_t lockoutMicroseconds)
    : location_(location), rules_(location), mpt_(mptMicroseconds), lockout_(lockoutMicroseconds) {}

std::optional<double> AEventLocator::Walk(
    const std::vector<ZTShortHit>& recs,
    const std::function<const ZTLocation*(std::size_t rec, std::uint32_t key)>& reuse,
    const std::function<void(const ALocatedEvent&, std::uint32_t key)>& located) const {
  if (!location_.Active()) return std::nullopt;
  ZTEventRule rule;
  rule.ResetMicroseconds(mpt_, lockout_);
  const auto least = static_cast<std::size_t>(ALocationSetup::LeastSensors(location_.Type));
  // The sensors a location takes: every one for a planar location, the first two or the first.
  const int used = location_.Type == ALocationType::Planar ? 0 : static_cast<int>(least);

  // The event being gathered: its first hit, and the first arrival on each channel with a sensor.
  bool inEvent = false;
  std::size_t first = 0;
  std::uint64_t firstTicks = 0;
  std::array<AArrival, 128> arrivals;
  std::array<std::uint64_t, 128> ticks;
  std::size_t count = 0;
  std::bitset<129> heard;
  EventBatch batch;

  auto finish = [&] {
    if (!inEvent || count < least) return;
    Digest digest;
    for (std::size_t i = 0; i < count; ++i) digest.Add(arrivals[i].Channel, ticks[i] - firstTicks);
    const std::uint32_t key = digest.Value();
    if (const ZTLocation* known = reuse ? reuse(first, key) : nullptr) {
      batch.AddKnown(first, key, {known->X, known->Y, used != 0 ? used : static_cast<int>(count)});
    } else {
      for (std::size_t i = 0; i < count; ++i)
        arrivals[i].Time = static_cast<double>(ticks[i] - firstTicks) * 2.5e-7;  // ticks are 0.25 us
      batch.AddToSolve(first, key, arrivals.data(), count);
    }
    if (batch.Full()) batch.Flush(rules_, located);
  };

  for (std::size_t i = 0; i < recs.size(); ++i) {
    const ZTShortHit& hit = recs[i];
    if (hit.Kind != rkHit || hit.IsDeleted()) continue;
    int position;
    try {
      position = rule.EventTest(hit);
    } catch (const EZTData&) {
      finish();
      batch.Flush(rules_, located);
      return rule.ErrorTime;
    }
    if (position == 0) {
      finish();
      inEvent = true;
      first = i;
      firstTicks = hit.Time.Ticks();
      count = 0;
      heard.reset();
    } else if (position == 2 || !inEvent) {
      continue;  // lockout hits, and hits of no event
    }
    const int channel = hit.Channel;
    if (!rules_.HasSensor(channel) || heard.test(static_cast<std::size_t>(channel))) continue;
    heard.set(static_cast<std::size_t>(channel));
    arrivals[count].Channel = channel;
    ticks[count] = hit.Time.Ticks();
    ++count;
  }
  finish();
  batch.Flush(rules_, located);
  return std::nullopt;
}

std::optional<double> AEventLocator::Locate(const std::vector<ZTShortHit>& recs,
                                            const std::function<void(const ALocatedEvent&)>& located) const {
  return Walk(recs, nullptr, [&](const ALocatedEvent& event, std::uint32_t) { located(event); });
}

std::string AEventLocator::SetupKey(const ATestSetup& setup) {
  if (!setup.Location.Active()) return {};
  return setup.Location.Key() + "|" + std::to_string(setup.MPT) + "|" + std::to_string(setup.Lockout);
}

bool AEventLocator::Update(ZTDataSet& data, const ATestSetup& setup) {
  ZTLocations& locations = data.Locations;
  const std::string key = SetupKey(setup);
  if (locations.Valid && locations.DataVersion == data.Version && locations.SetupKey == key) return false;

  // The old locations serve again only for the same setup.
  std::vector<ZTLocation> old;
  if (locations.Valid && locations.SetupKey == key) old = locations.Take();
  ZTLocations previous;
  previous.Assign(std::move(old));
  ZTLocations::Cursor known(previous);

  std::vector<ZTLocation> entries;
  std::optional<double> stopped;
  if (setup.Location.Problem().empty()) {
    const AEventLocator locator(setup.Location, setup.MPT, setup.Lockout);
    stopped = locator.Walk(
        data.Recs,
        [&known](std::size_t rec, std::uint32_t digest) -> const ZTLocation* {
          const ZTLocation* location = known.At(rec);
          return location != nullptr && location->Key == digest ? location : nullptr;
        },
        [&entries](const ALocatedEvent& event, std::uint32_t digest) {
          // Kept in single precision: a location beyond its range (sensors placed absurdly far
          // out) is no location the graphs could show either.
          const double x = event.Location.X, y = event.Location.Y;
          if (!(std::fabs(x) <= FLT_MAX && std::fabs(y) <= FLT_MAX)) return;
          entries.push_back(
              {static_cast<std::uint32_t>(event.Rec), digest, static_cast<float>(x), static_cast<float>(y)});
        });
  }
  locations.Assign(std::move(entries));
  locations.Valid = true;
  locations.DataVersion = data.Version;
  locations.SetupKey = key;
  locations.StoppedAt = stopped;
  return true;
}

}  // namespace ae
