#pragma once
// The location of one event from the arrivals of its hits at the sensors of the setup:
// - linear: between the first two sensors hit, a and b, x = (a + b) / 2 + v (ta - tb) / 2
//   sign(b - a), kept on the segment between them; y = 0;
// - planar: the point whose differences of distance to the sensors hit, against the first one,
//   best match v times the differences of arrival time (least squares), found iteratively from
//   the centroid of those sensors; an event whose solve does not converge is not located;
// - zonal: the position of the first sensor hit.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "viewer/core/ALocationSetup.h"

namespace ae {

// The first arrival of an event on a channel with a sensor.
struct AArrival {
  int Channel = 0;
  double Time = 0.0;  // seconds after the event's first hit
};

struct ALocationResult {
  double X = 0.0;  // metres
  double Y = 0.0;
  int Sensors = 0;  // the sensors whose arrivals were used
};

class ALocationRules {
 public:
  // Iterations the planar solve may take; it converges in a handful for a source among the sensors.
  static constexpr int MaxIterations = 100;

  explicit ALocationRules(const ALocationSetup& setup);

  bool HasSensor(int channel) const { return channel >= 1 && channel <= 128 && sensor_[channel] >= 0; }
  // The location from the arrivals, in the order of their times, one per channel, each on a
  // channel with a sensor; nothing when the event is not located (too few sensors, or no
  // convergence).
  std::optional<ALocationResult> Locate(std::span<const AArrival> arrivals) const;

  // The rules alone, on positions (metres), times (seconds) and the speed (m/s).
  static ALocationResult Linear(double a, double ta, double b, double tb, double velocity);
  struct Point {
    double X = 0.0;
    double Y = 0.0;
  };
  // Sensor positions and arrival times in the order of the times; the first is the reference.
  static std::optional<Point> Planar(std::span<const Point> sensors, std::span<const double> times, double velocity);

 private:
  ALocationType type_;
  double velocity_;
  std::vector<Point> positions_;  // of the sensors, in the setup's order
  std::int16_t sensor_[129];      // index into positions_ by channel, -1 without a sensor
};

}  // namespace ae
