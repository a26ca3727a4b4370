#pragma once
// A deterministic synthetic pressure-vessel proof test: a pressure ramp with holds, a pause
// and resume, hits on 8 channels whose rate follows the loading, time marks and comments.
// The format generators encode its events; they all describe the same test.
#include <cstdint>
#include <memory>
#include <string>

#include "tools/aetool/Generators.h"

namespace ae {

enum class SyntheticEventKind { Start, Hit, Sample, Pause, Resume, TimeMark, Comment, Stop };

struct SyntheticHit {
  int Channel = 1;          // 1..8
  double AmplitudeDb = 40;  // 40..100
  std::uint32_t Counts = 1;
  std::uint32_t DurationUs = 1;
  std::uint32_t RiseUs = 1;
  std::uint32_t Energy = 1;
};

struct SyntheticEvent {
  SyntheticEventKind Kind = SyntheticEventKind::Start;
  double Time = 0;      // seconds since the start of the test
  double Pressure = 0;  // fraction of the test pressure, 0..1, at that time
  SyntheticHit Hit;     // for hits
  int MarkNumber = 0;   // for time marks, 1, 2, ...
  std::string Text;     // for comments
  // A hit of a located test: the source of its event (metres) and whether it is the event's first.
  double SourceX = 0;
  double SourceY = 0;
  bool FirstOfEvent = false;
};

// splitmix64: small, fast and the same on every platform, unlike the standard distributions.
class SyntheticRandom {
 public:
  explicit SyntheticRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t NextU64() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double NextUnit() { return static_cast<double>(NextU64() >> 11) * 0x1.0p-53; }
  int NextInt(int n) { return static_cast<int>(NextUnit() * n); }

 private:
  std::uint64_t state_;
};

class SyntheticTest {
 public:
  static constexpr int Channels = 8;
  static constexpr double Duration = 1800.0;  // seconds
  static constexpr double SampleInterval = 1.0;

  SyntheticTest(std::uint64_t hits, std::uint64_t seed);
  // The test the options describe: with a layout (Locate) every hit becomes an event heard by
  // the sensors, each event far enough from the last to be an event of its own; events that
  // the loading crowds together are moved later, beyond the test's usual end when need be.
  explicit SyntheticTest(const GenOptions& options);
  ~SyntheticTest();
  SyntheticTest(const SyntheticTest&) = delete;
  SyntheticTest& operator=(const SyntheticTest&) = delete;

  // The next event in time order; false after the stop event.
  bool Next(SyntheticEvent& event);

  // Pressure fraction of the profile at a time.
  static double PressureAt(double time);
  // A pressure fraction as raw parametric counts: 2000 is 0 V, 4000 is +10 V, the test pressure.
  static std::uint16_t PressureCounts(double pressure);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace ae
