#include "viewer/core/AEventLocator.h"

#include <array>
#include <bitset>

#include "datafiles/EZTData.h"
#include "datafiles/ZTEventRule.h"
#include "viewer/core/ATestSetup.h"

namespace ae {

namespace {

// FNV-1a over the arrivals: which channels, and when after the first hit.
class Digest {
 public:
  void Add(std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
      hash_ ^= static_cast<std::uint8_t>(value >> (8 * i));
      hash_ *= 16777619u;
    }
  }
  std::uint32_t Value() const { return hash_; }

 private:
  std::uint32_t hash_ = 2166136261u;
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

  // The event being gathered: its first hit, and the first arrival on each channel with a sensor.
  bool inEvent = false;
  std::size_t first = 0;
  std::uint64_t firstTicks = 0;
  std::array<AArrival, 128> arrivals;
  std::array<std::uint64_t, 128> ticks;
  std::size_t count = 0;
  std::bitset<129> heard;

  auto finish = [&] {
    if (!inEvent || count < static_cast<std::size_t>(ALocationSetup::LeastSensors(location_.Type))) return;
    Digest digest;
    for (std::size_t i = 0; i < count; ++i) {
      digest.Add(static_cast<std::uint64_t>(arrivals[i].Channel), 1);
      digest.Add(ticks[i] - firstTicks, 8);
    }
    const std::uint32_t key = digest.Value();
    if (const ZTLocation* known = reuse ? reuse(first, key) : nullptr) {
      const int used = location_.Type == ALocationType::Planar ? static_cast<int>(count)
                                                               : ALocationSetup::LeastSensors(location_.Type);
      located({first, {known->X, known->Y, used}}, key);
      return;
    }
    for (std::size_t i = 0; i < count; ++i)
      arrivals[i].Time = static_cast<double>(ticks[i] - firstTicks) * 2.5e-7;  // ticks are 0.25 us
    if (const std::optional<ALocationResult> result = rules_.Locate(std::span(arrivals.data(), count)))
      located({first, *result}, key);
  };

  for (std::size_t i = 0; i < recs.size(); ++i) {
    const ZTShortHit& hit = recs[i];
    if (hit.Kind != rkHit || hit.IsDeleted()) continue;
    int position;
    try {
      position = rule.EventTest(hit);
    } catch (const EZTData&) {
      finish();
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
  if (locations.Valid && locations.DataRevision == data.DataRevision && locations.SetupKey == key) return false;

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
          entries.push_back({static_cast<std::uint32_t>(event.Rec), digest, static_cast<float>(event.Location.X),
                             static_cast<float>(event.Location.Y)});
        });
  }
  locations.Assign(std::move(entries));
  locations.Valid = true;
  locations.DataRevision = data.DataRevision;
  locations.SetupKey = key;
  locations.StoppedAt = stopped;
  return true;
}

}  // namespace ae
