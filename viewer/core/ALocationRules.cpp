#include "viewer/core/ALocationRules.h"

#include <algorithm>
#include <cmath>

#include <Eigen/Dense>

namespace ae {

namespace {

// One residual per sensor after the first: at most 127.
constexpr int MaxRows = 127;

}  // namespace

ALocationRules::ALocationRules(const ALocationSetup& setup) : type_(setup.Type), velocity_(setup.Velocity) {
  std::fill(std::begin(sensor_), std::end(sensor_), std::int16_t{-1});
  for (const ASensor& sensor : setup.Sensors) {
    if (sensor.Channel < 1 || sensor.Channel > 128 || sensor_[sensor.Channel] >= 0) continue;
    sensor_[sensor.Channel] = static_cast<std::int16_t>(positions_.size());
    positions_.push_back({sensor.X, setup.SensorY(sensor)});
  }
}

ALocationResult ALocationRules::Linear(double a, double ta, double b, double tb, double velocity) {
  const double sign = b > a ? 1.0 : (b < a ? -1.0 : 0.0);
  const double x = (a + b) / 2 + velocity * (ta - tb) / 2 * sign;
  return {std::clamp(x, std::min(a, b), std::max(a, b)), 0.0, 2};
}

std::optional<ALocationRules::Point> ALocationRules::Planar(std::span<const Point> sensors,
                                                            std::span<const double> times, double velocity) {
  const auto n = static_cast<int>(std::min(sensors.size(), times.size()));
  if (n < 3 || n - 1 > MaxRows) return std::nullopt;
  // From the centroid of the sensors hit; a step is small enough when it is a ten-millionth of
  // the array's size (a micrometre on 10 m).
  Eigen::Vector2d p = Eigen::Vector2d::Zero();
  for (int i = 0; i < n; ++i) p += Eigen::Vector2d(sensors[i].X, sensors[i].Y);
  p /= n;
  double size = 0.0;
  for (int i = 0; i < n; ++i) size = std::max(size, (Eigen::Vector2d(sensors[i].X, sensors[i].Y) - p).norm());
  if (!(size > 0.0) || !std::isfinite(size)) return std::nullopt;
  const double tolerance = size * 1e-7;
  // A solve that runs out beyond a hundred times the array's size heads for no point at all (its
  // sum of squares falls all the way to infinity): it does not converge.
  const Eigen::Vector2d centroid = p;
  const double reach = size * 100;

  // At a point, the residuals r_i = |p - s_i| - |p - s_1| - v (t_i - t_1) of the sensors after
  // the first, as the normal equations take them: J'J, J'r and the sum of squares.
  struct Normal {
    Eigen::Matrix2d A = Eigen::Matrix2d::Zero();
    Eigen::Vector2d g = Eigen::Vector2d::Zero();
    double Cost = 0.0;
  };
  auto evaluate = [&](const Eigen::Vector2d& at) {
    Normal e;
    const Eigen::Vector2d d1 = at - Eigen::Vector2d(sensors[0].X, sensors[0].Y);
    const double r1 = d1.norm();
    const Eigen::Vector2d u1 = r1 > 0.0 ? Eigen::Vector2d(d1 / r1) : Eigen::Vector2d::Zero();
    for (int i = 1; i < n; ++i) {
      const Eigen::Vector2d di = at - Eigen::Vector2d(sensors[i].X, sensors[i].Y);
      const double ri = di.norm();
      const double residual = ri - r1 - velocity * (times[i] - times[0]);
      const Eigen::Vector2d j = (ri > 0.0 ? Eigen::Vector2d(di / ri) : Eigen::Vector2d::Zero()) - u1;
      e.A.noalias() += j * j.transpose();
      e.g += j * residual;
      e.Cost += residual * residual;
    }
    return e;
  };

  // Levenberg-Marquardt: Gauss-Newton steps on the normal equations, damped while a step would
  // not lower the sum of squares. The first steps are damped well: a full step from the centroid
  // can leap over the source into the valley of another, false minimum of the sum.
  Normal here = evaluate(p);
  double lambda = 1.0;
  for (int iteration = 0; iteration < MaxIterations; ++iteration) {
    Eigen::Matrix2d damped = here.A;
    damped.diagonal() += lambda * (here.A.diagonal().array() + 1e-12).matrix();
    // Two unknowns: Eigen inverts the 2 x 2 matrix in closed form.
    const Eigen::Vector2d step = -(damped.inverse() * here.g);
    if (!step.allFinite()) return std::nullopt;
    const Eigen::Vector2d next = p + step;
    const Normal there = evaluate(next);
    if (there.Cost <= here.Cost) {
      if ((next - centroid).norm() > reach) return std::nullopt;
      p = next;
      here = there;
      lambda = std::max(lambda / 10, 1e-12);
      if (step.norm() <= tolerance || here.Cost == 0.0) return Point{p.x(), p.y()};
    } else {
      // A damped step too small to matter: nothing lower lies nearby, p is the minimum.
      if (step.norm() <= tolerance * 1e-3) return Point{p.x(), p.y()};
      lambda *= 10;
      if (lambda > 1e12) return std::nullopt;
    }
  }
  return std::nullopt;
}

std::optional<ALocationResult> ALocationRules::Locate(std::span<const AArrival> arrivals) const {
  switch (type_) {
    case ALocationType::Zonal: {
      if (arrivals.empty() || !HasSensor(arrivals[0].Channel)) return std::nullopt;
      const Point& s = positions_[static_cast<std::size_t>(sensor_[arrivals[0].Channel])];
      return ALocationResult{s.X, s.Y, 1};
    }
    case ALocationType::Linear: {
      if (arrivals.size() < 2 || !HasSensor(arrivals[0].Channel) || !HasSensor(arrivals[1].Channel))
        return std::nullopt;
      const Point& a = positions_[static_cast<std::size_t>(sensor_[arrivals[0].Channel])];
      const Point& b = positions_[static_cast<std::size_t>(sensor_[arrivals[1].Channel])];
      return Linear(a.X, arrivals[0].Time, b.X, arrivals[1].Time, velocity_);
    }
    case ALocationType::Planar: {
      if (arrivals.size() < 3 || arrivals.size() > MaxRows + 1) return std::nullopt;
      Point sensors[MaxRows + 1];
      double times[MaxRows + 1];
      std::size_t n = 0;
      for (const AArrival& arrival : arrivals) {
        if (!HasSensor(arrival.Channel)) return std::nullopt;
        sensors[n] = positions_[static_cast<std::size_t>(sensor_[arrival.Channel])];
        times[n++] = arrival.Time;
      }
      const std::optional<Point> p = Planar(std::span(sensors, n), std::span(times, n), velocity_);
      if (!p) return std::nullopt;
      return ALocationResult{p->X, p->Y, static_cast<int>(n)};
    }
    default: return std::nullopt;
  }
}

}  // namespace ae
