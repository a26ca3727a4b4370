#include "tools/aetool/SyntheticTest.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "datafiles/EDataFile.h"
#include "tools/aetool/SourceLayout.h"

namespace ae {

namespace {

// The loading profile: ramps to 50 %, 75 % and 100 % of the test pressure with holds between,
// then unloading. Times in seconds.
struct ProfilePoint {
  double Time;
  double Pressure;
};
constexpr std::array<ProfilePoint, 8> Profile = {
    {{0, 0.0}, {300, 0.5}, {420, 0.5}, {720, 0.75}, {840, 0.75}, {1140, 1.0}, {1500, 1.0}, {1800, 0.0}}};

constexpr double PauseStart = 760.0;
constexpr double PauseEnd = 790.0;
constexpr double BinWidth = 0.1;

struct Note {
  double Time;
  SyntheticEventKind Kind;
  const char* Text;
};
// Marks at the start of every hold, comments where an operator would type one.
constexpr std::array<Note, 10> Notes = {{
    {0.5, SyntheticEventKind::Comment, "Proof test started, vessel V-101"},
    {300.0, SyntheticEventKind::TimeMark, nullptr},
    {300.2, SyntheticEventKind::Comment, "Hold at 50 % test pressure"},
    {720.0, SyntheticEventKind::TimeMark, nullptr},
    {720.2, SyntheticEventKind::Comment, "Hold at 75 % test pressure"},
    {PauseStart, SyntheticEventKind::Pause, nullptr},
    {PauseEnd, SyntheticEventKind::Resume, nullptr},
    {1140.0, SyntheticEventKind::TimeMark, nullptr},
    {1140.2, SyntheticEventKind::Comment, "Hold at 100 % test pressure"},
    {1500.0, SyntheticEventKind::TimeMark, nullptr},
}};

bool InPause(double t) { return t >= PauseStart && t < PauseEnd; }

// Hit rate at a time: high while loading and rising with the load, decaying in holds, almost
// nothing while unloading, none during the pause.
double HitRate(double t) {
  if (InPause(t)) return 0.0;
  const double p = SyntheticTest::PressureAt(t);
  for (std::size_t i = 1; i < Profile.size(); ++i) {
    if (t >= Profile[i].Time) continue;
    const ProfilePoint& a = Profile[i - 1];
    const ProfilePoint& b = Profile[i];
    if (b.Pressure > a.Pressure) return 0.2 + 4.0 * p * p;                                // loading
    if (b.Pressure == a.Pressure) return 0.1 + 1.5 * p * std::exp(-(t - a.Time) / 40.0);  // hold
    return 0.02;                                                                          // unloading
  }
  return 0.0;
}

}  // namespace

struct SyntheticTest::Impl {
  std::uint64_t hits;
  std::uint64_t emitted = 0;
  SyntheticRandom random;
  std::vector<double> cumulative;  // cumulative rate at the end of every bin, normalised to 1
  std::size_t bin = 0;
  double nextHitTime = 0;
  double nextSampleTime = 0;
  std::size_t nextNote = 0;
  int markNumber = 0;
  bool started = false;
  bool stopped = false;

  Impl(std::uint64_t n, std::uint64_t seed) : hits(n), random(seed) {
    const auto bins = static_cast<std::size_t>(SyntheticTest::Duration / BinWidth);
    cumulative.resize(bins);
    double sum = 0;
    for (std::size_t i = 0; i < bins; ++i) {
      sum += HitRate((static_cast<double>(i) + 0.5) * BinWidth);
      cumulative[i] = sum;
    }
    for (double& c : cumulative) c /= sum;
    nextHitTime = HitTime();
  }

  // Hit k sits at the inverse of the cumulative rate at (k + u) / N: sorted by construction,
  // and found by walking the bins forward only.
  double HitTime() {
    if (emitted >= hits) return SyntheticTest::Duration + 1.0;
    const double u = (static_cast<double>(emitted) + random.NextUnit()) / static_cast<double>(hits);
    while (bin + 1 < cumulative.size() && cumulative[bin] < u) ++bin;
    const double lower = bin == 0 ? 0.0 : cumulative[bin - 1];
    const double width = cumulative[bin] - lower;
    const double within = width > 0 ? std::clamp((u - lower) / width, 0.0, 1.0) : 0.0;
    double t = (static_cast<double>(bin) + within) * BinWidth;
    if (InPause(t)) t = PauseEnd;  // rounding at the edge of the pause
    return t;
  }

  SyntheticHit MakeHit(double t) {
    SyntheticHit h;
    // A growing defect near channel 3 adds stronger hits there as the pressure rises.
    const bool defect = random.NextUnit() < 0.15 * SyntheticTest::PressureAt(t);
    h.Channel = defect ? 3 : 1 + random.NextInt(SyntheticTest::Channels);
    h.AmplitudeDb = std::min(99.9, SourceAmplitude() + (defect ? 6.0 : 0.0));
    Shape(h);
    return h;
  }
  // Power law (b = 1): P(A > a) = 10^-((a - 40) / 20).
  double SourceAmplitude() {
    const double u = 1.0 - random.NextUnit();
    return 40.0 - 20.0 * std::log10(u);
  }
  // Counts, duration, rise time and energy of a hit of its amplitude.
  void Shape(SyntheticHit& h) {
    const double linear = std::pow(10.0, (h.AmplitudeDb - 40.0) / 20.0);
    const double counts = std::max(1.0, std::round(std::pow(linear, 1.2) * (0.5 + random.NextUnit())));
    h.Counts = static_cast<std::uint32_t>(std::min(counts, 65535.0));
    h.DurationUs = static_cast<std::uint32_t>(h.Counts * (8.0 + 6.0 * random.NextUnit()) + 2.0);
    h.RiseUs = static_cast<std::uint32_t>(std::max(1.0, h.DurationUs * (0.05 + 0.3 * random.NextUnit())));
    h.Energy = static_cast<std::uint32_t>(std::clamp(std::round(h.DurationUs * linear / 40.0), 1.0, 65535.0));
  }

  // A located test: the events of the hits, each as the hits of the sensors that hear it.
  std::optional<SourceLayout> layout;
  std::vector<SyntheticEvent> arrivals;  // of the event being written, in time order
  std::size_t nextArrival = 0;
  double lastEventTime = 0.0;
  double lastWritten = 0.0;

  // The time of the next hit to write: the next arrival of the current event, or the first of
  // the next event; after the last event, beyond the end of the test.
  double NextLocatedHitTime() {
    if (nextArrival >= arrivals.size()) {
      arrivals.clear();
      nextArrival = 0;
      if (emitted >= hits) return SyntheticTest::Duration + 1.0;
      MakeEvent();
    }
    return arrivals[nextArrival].Time;
  }

  void MakeEvent() {
    double t = std::max(HitTime(), lastEventTime + layout->Gap);
    if (InPause(t)) t = PauseEnd;
    lastEventTime = t;
    ++emitted;
    const SourceLayout::Point source = layout->Source(random);
    const double amplitude = std::min(99.9, SourceAmplitude());
    for (const SourceLayout::Heard& heard : layout->Hearing(source)) {
      SyntheticEvent e;
      e.Kind = SyntheticEventKind::Hit;
      e.Time = t + heard.Distance / layout->Velocity;
      e.Pressure = SyntheticTest::PressureAt(e.Time);
      e.Hit.Channel = heard.Channel;
      // Up to 6 dB weaker across the whole layout.
      e.Hit.AmplitudeDb = std::max(40.0, amplitude - 6.0 * heard.Distance / layout->Size);
      Shape(e.Hit);
      e.SourceX = source.X;
      e.SourceY = source.Y;
      arrivals.push_back(e);
    }
    std::stable_sort(arrivals.begin(), arrivals.end(),
                     [](const SyntheticEvent& a, const SyntheticEvent& b) { return a.Time < b.Time; });
    arrivals.front().FirstOfEvent = true;
  }
};

SyntheticTest::SyntheticTest(std::uint64_t hits, std::uint64_t seed) : impl_(std::make_unique<Impl>(hits, seed)) {}

SyntheticTest::SyntheticTest(const GenOptions& options) : SyntheticTest(options.Hits, options.Seed) {
  if (!options.Locate) return;
  if (const std::optional<std::string> problem = LocateProblem(*options.Locate)) throw EDataFile(*problem);
  impl_->layout.emplace(*options.Locate, impl_->random);
  impl_->lastEventTime = 0.0;  // the first event, too, lies beyond the windows of time 0
}
SyntheticTest::~SyntheticTest() = default;

double SyntheticTest::PressureAt(double time) {
  if (time <= Profile.front().Time) return Profile.front().Pressure;
  for (std::size_t i = 1; i < Profile.size(); ++i) {
    if (time > Profile[i].Time) continue;
    const ProfilePoint& a = Profile[i - 1];
    const ProfilePoint& b = Profile[i];
    return a.Pressure + (b.Pressure - a.Pressure) * (time - a.Time) / (b.Time - a.Time);
  }
  return Profile.back().Pressure;
}

std::uint16_t SyntheticTest::PressureCounts(double pressure) {
  return static_cast<std::uint16_t>(std::lround(2000.0 + std::clamp(pressure, 0.0, 1.0) * 2000.0));
}

bool SyntheticTest::Next(SyntheticEvent& event) {
  Impl& s = *impl_;
  if (s.stopped) return false;
  if (!s.started) {
    s.started = true;
    event = SyntheticEvent{};
    event.Kind = SyntheticEventKind::Start;
    return true;
  }
  // Whichever of sample, note and hit comes first; samples stop while the test is paused.
  while (s.nextSampleTime < Duration && InPause(s.nextSampleTime)) s.nextSampleTime += SampleInterval;
  const double noteTime = s.nextNote < Notes.size() ? Notes[s.nextNote].Time : Duration + 1.0;
  const double sampleTime = s.nextSampleTime < Duration ? s.nextSampleTime : Duration + 1.0;
  const double hitTime = s.layout ? s.NextLocatedHitTime() : s.nextHitTime;
  // The events of a located test that were moved beyond the end are written all the same.
  const bool moreEvents = s.layout && s.nextArrival < s.arrivals.size();
  const double first = std::min({noteTime, sampleTime, hitTime});
  event = SyntheticEvent{};
  if (first > Duration && !moreEvents) {
    s.stopped = true;
    event.Kind = SyntheticEventKind::Stop;
    event.Time = std::max(Duration, s.lastWritten);
    return true;
  }
  event.Time = first;
  event.Pressure = PressureAt(first);
  if (first > Duration) {
    // Past the end only events moved there are left (the notes and samples are done).
    event = s.arrivals[s.nextArrival++];
    s.lastWritten = event.Time;
  } else if (first == noteTime) {
    const Note& note = Notes[s.nextNote++];
    event.Kind = note.Kind;
    if (note.Kind == SyntheticEventKind::TimeMark) event.MarkNumber = ++s.markNumber;
    if (note.Text != nullptr) event.Text = note.Text;
  } else if (first == sampleTime) {
    event.Kind = SyntheticEventKind::Sample;
    s.nextSampleTime += SampleInterval;
  } else if (s.layout) {
    event = s.arrivals[s.nextArrival++];
    s.lastWritten = event.Time;
  } else {
    event.Kind = SyntheticEventKind::Hit;
    event.Hit = s.MakeHit(first);
    ++s.emitted;
    s.nextHitTime = s.HitTime();
  }
  return true;
}

}  // namespace ae
