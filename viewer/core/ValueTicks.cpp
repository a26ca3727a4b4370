#include "viewer/core/ValueTicks.h"

#include <cmath>

namespace ae {

double TickStep(double low, double high, int most) {
  const double span = high - low;
  if (!(span > 0.0) || !std::isfinite(span) || most < 1) return 0.0;
  const double rough = span / most;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0, 10.0})
    if (factor * power >= rough * (1.0 - 1e-9)) return factor * power;
  return 10.0 * power;
}

std::vector<double> TickValues(double low, double high, int most) {
  std::vector<double> ticks;
  const double step = TickStep(low, high, most);
  if (step <= 0.0) return ticks;
  // Whole multiples, so that 0 is a tick exactly and no rounding drift creeps in.
  const double first = std::ceil(low / step - 1e-9);
  for (double k = first; k * step <= high + step * 1e-9; k += 1.0) {
    const double v = k * step;
    ticks.push_back(std::fabs(v) < step * 1e-9 ? 0.0 : v);
  }
  return ticks;
}

}  // namespace ae
