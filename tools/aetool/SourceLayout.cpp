#include "tools/aetool/SourceLayout.h"

#include <algorithm>
#include <cmath>

namespace ae {

namespace {

// The share of the sources that gather around the defect's spot.
constexpr double DefectShare = 0.3;

double Cross(SourceLayout::Point o, SourceLayout::Point a, SourceLayout::Point b) {
  return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X);
}

// The convex hull by the monotone chain, counter-clockwise.
std::vector<SourceLayout::Point> Hull(std::vector<SourceLayout::Point> points) {
  std::sort(points.begin(), points.end(),
            [](const auto& a, const auto& b) { return a.X < b.X || (a.X == b.X && a.Y < b.Y); });
  std::vector<SourceLayout::Point> hull(2 * points.size());
  std::size_t k = 0;
  for (const auto& p : points) {
    while (k >= 2 && Cross(hull[k - 2], hull[k - 1], p) <= 0) --k;
    hull[k++] = p;
  }
  for (std::size_t i = points.size() - 1, t = k + 1; i > 0; --i) {
    const auto& p = points[i - 1];
    while (k >= t && Cross(hull[k - 2], hull[k - 1], p) <= 0) --k;
    hull[k++] = p;
  }
  hull.resize(k > 1 ? k - 1 : k);
  return hull;
}

}  // namespace

std::optional<std::string> LocateProblem(const GenLocation& locate) {
  const ALocationSetup& setup = locate.Setup;
  if (!setup.Active()) return std::string("The test setup has no location (its Type is None)");
  if (const std::string problem = setup.Problem(); !problem.empty()) return "The test setup's location: " + problem;
  for (const ASensor& sensor : setup.Sensors)
    if (sensor.Channel > SyntheticTest::Channels)
      return "The synthetic test has the channels 1 to " + std::to_string(SyntheticTest::Channels) +
             "; the sensor of channel " + std::to_string(sensor.Channel) + " is beyond them";
  return std::nullopt;
}

SourceLayout::SourceLayout(const GenLocation& locate, SyntheticRandom& random)
    : Velocity(locate.Setup.Velocity), type_(locate.Setup.Type) {
  std::vector<Point> points;
  for (const ASensor& sensor : locate.Setup.Sensors) {
    sensors_.push_back({sensor.Channel, sensor.X, locate.Setup.SensorY(sensor)});
    points.push_back({sensor.X, locate.Setup.SensorY(sensor)});
  }
  for (const Point& a : points)
    for (const Point& b : points) Size = std::max(Size, std::hypot(a.X - b.X, a.Y - b.Y));
  Size = std::max(Size, 1e-3);
  const double window = static_cast<double>(std::max(locate.Mpt, locate.Lockout)) * 1e-6;
  Gap = window + Size / Velocity + 0.001;

  low_ = high_ = points.front();
  for (const Point& p : points) {
    low_ = {std::min(low_.X, p.X), std::min(low_.Y, p.Y)};
    high_ = {std::max(high_.X, p.X), std::max(high_.Y, p.Y)};
  }
  hull_ = Hull(points);
  spread_ = Size * 0.03;
  spot_ = Anywhere(random);
}

bool SourceLayout::Inside(Point p) const {
  if (hull_.size() < 3) return true;
  for (std::size_t i = 0; i < hull_.size(); ++i)
    if (Cross(hull_[i], hull_[(i + 1) % hull_.size()], p) < 0) return false;
  return true;
}

SourceLayout::Point SourceLayout::Anywhere(SyntheticRandom& random) const {
  switch (type_) {
    case ALocationType::Linear: {
      // Between two neighbouring sensors on the line, a segment as likely as it is long, and
      // never on a sensor itself.
      std::vector<double> xs;
      for (const ASensor& s : sensors_) xs.push_back(s.X);
      std::sort(xs.begin(), xs.end());
      xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
      if (xs.size() < 2) return {xs.front(), 0.0};
      const double at = xs.front() + (xs.back() - xs.front()) * random.NextUnit();
      const auto next = std::upper_bound(xs.begin(), xs.end(), at);
      const std::size_t i = std::min<std::size_t>(next - xs.begin(), xs.size() - 1) - 1;
      return {xs[i] + (xs[i + 1] - xs[i]) * (0.01 + 0.98 * random.NextUnit()), 0.0};
    }
    case ALocationType::Planar:
      if (hull_.size() >= 3) {
        for (int attempt = 0; attempt < 1000; ++attempt) {
          const Point p{low_.X + (high_.X - low_.X) * random.NextUnit(),
                        low_.Y + (high_.Y - low_.Y) * random.NextUnit()};
          if (Inside(p)) return p;
        }
        return {(low_.X + high_.X) / 2, (low_.Y + high_.Y) / 2};
      }
      [[fallthrough]];  // sensors on a line: along it
    default: {
      const double u = random.NextUnit(), v = random.NextUnit();
      if (hull_.size() < 3 && hull_.size() == 2)
        return {hull_[0].X + (hull_[1].X - hull_[0].X) * u, hull_[0].Y + (hull_[1].Y - hull_[0].Y) * u};
      return {low_.X + (high_.X - low_.X) * u, low_.Y + (high_.Y - low_.Y) * v};
    }
  }
}

SourceLayout::Point SourceLayout::Source(SyntheticRandom& random) const {
  if (random.NextUnit() >= DefectShare) return Anywhere(random);
  for (int attempt = 0; attempt < 100; ++attempt) {
    // Normally spread around the spot (Box-Muller).
    const double r = spread_ * std::sqrt(-2.0 * std::log(1.0 - random.NextUnit()));
    const double a = 2.0 * std::acos(-1.0) * random.NextUnit();
    Point p{spot_.X + r * std::cos(a), type_ == ALocationType::Linear ? 0.0 : spot_.Y + r * std::sin(a)};
    if (type_ == ALocationType::Linear) {
      p.X = std::clamp(p.X, low_.X, high_.X);
      return p;
    }
    if (Inside(p)) return p;
  }
  return spot_;
}

std::vector<SourceLayout::Heard> SourceLayout::Hearing(Point source) const {
  std::vector<Heard> heard;
  if (type_ == ALocationType::Linear) {
    // The nearest sensor on each side of the source.
    const ASensor* left = nullptr;
    const ASensor* right = nullptr;
    for (const ASensor& s : sensors_) {
      if (s.X <= source.X && (left == nullptr || s.X > left->X)) left = &s;
      if (s.X >= source.X && (right == nullptr || s.X < right->X)) right = &s;
    }
    for (const ASensor* s : {left, right})
      if (s != nullptr && (heard.empty() || heard.front().Channel != s->Channel))
        heard.push_back({s->Channel, std::fabs(source.X - s->X)});
    return heard;
  }
  for (const ASensor& s : sensors_) heard.push_back({s.Channel, std::hypot(source.X - s.X, source.Y - s.Y)});
  return heard;
}

}  // namespace ae
