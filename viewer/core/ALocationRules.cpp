#include "viewer/core/ALocationRules.h"

#include <algorithm>
#include <cmath>

#include <Eigen/Dense>

namespace ae {

namespace {

// The planar problem's matrices: one row per sensor after the first, at most 127 of them, kept
// on the stack so that a million events allocate nothing.
constexpr int MaxRows = 127;
using Residuals = Eigen::Matrix<double, Eigen::Dynamic, 1, 0, MaxRows, 1>;
using Jacobian = Eigen::Matrix<double, Eigen::Dynamic, 2, 0, MaxRows, 2>;

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
  for (int i = 0; i < n; ++i) size = std::max(size, std::hypot(sensors[i].X - p.x(), sensors[i].Y - p.y()));
  if (!(size > 0.0) || !std::isfinite(size)) return std::nullopt;
  const double tolerance = size * 1e-7;
  // A solve that runs out beyond a hundred times the array's size heads for no point at all (its
  // sum of squares falls all the way to infinity): it does not converge.
  const Eigen::Vector2d centroid = p;
  const double reach = size * 100;

  // The residuals |p - s_i| - |p - s_1| - v (t_i - t_1) and their derivatives at a point; the
  // sum of their squares is returned.
  const int rows = n - 1;
  auto evaluate = [&](const Eigen::Vector2d& at, Residuals& r, Jacobian& J) {
    const Eigen::Vector2d d1(at.x() - sensors[0].X, at.y() - sensors[0].Y);
    const double r1 = d1.norm();
    const Eigen::Vector2d u1 = r1 > 0.0 ? Eigen::Vector2d(d1 / r1) : Eigen::Vector2d::Zero();
    for (int i = 1; i < n; ++i) {
      const Eigen::Vector2d di(at.x() - sensors[i].X, at.y() - sensors[i].Y);
      const double ri = di.norm();
      r(i - 1) = ri - r1 - velocity * (times[i] - times[0]);
      J.row(i - 1) = (ri > 0.0 ? Eigen::Vector2d(di / ri) : Eigen::Vector2d::Zero()) - u1;
    }
    return r.squaredNorm();
  };

  // Levenberg-Marquardt: Gauss-Newton steps on the normal equations, damped while a step would
  // not lower the sum of squares. The first steps are damped well: a full step from the centroid
  // can leap over the source into the valley of another, false minimum of the sum.
  Residuals r(rows), trialR(rows);
  Jacobian J(rows, 2), trialJ(rows, 2);
  double cost = evaluate(p, r, J);
  double lambda = 1.0;
  for (int iteration = 0; iteration < MaxIterations; ++iteration) {
    const Eigen::Matrix2d A = J.transpose() * J;
    const Eigen::Vector2d g = J.transpose() * r;
    Eigen::Matrix2d damped = A;
    damped.diagonal() += lambda * (A.diagonal().array() + 1e-12).matrix();
    // Two unknowns: Eigen inverts the 2 x 2 matrix in closed form.
    const Eigen::Vector2d step = -(damped.inverse() * g);
    if (!step.allFinite()) return std::nullopt;
    const Eigen::Vector2d next = p + step;
    const double nextCost = evaluate(next, trialR, trialJ);
    if (nextCost <= cost) {
      if ((next - centroid).norm() > reach) return std::nullopt;
      p = next;
      cost = nextCost;
      r.swap(trialR);
      J.swap(trialJ);
      lambda = std::max(lambda / 10, 1e-12);
      if (step.norm() <= tolerance || cost == 0.0) return Point{p.x(), p.y()};
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
