#include "datafiles/ATestTime.h"

#include <cmath>
#include <iomanip>
#include <limits>
#include <ostream>

#include "datafiles/StreamFormatGuard.h"

namespace ae {

namespace {

// Truncation toward zero into a 64-bit integer, defined for every input: NaN gives 0 and
// values beyond the range saturate.
std::int64_t TruncateToInt64(long double v) {
  if (std::isnan(v)) return 0;
  constexpr long double limit = 9.2233720368547758e18L;
  if (v >= limit) return std::numeric_limits<std::int64_t>::max();
  if (v <= -limit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(v);
}

}  // namespace

ATestTime ATestTime::FromSeconds(long double seconds) {
  const long double t = seconds * TicksPerSecond;
  const std::int64_t high = TruncateToInt64(t / 4294967296.0L);
  const long double rest = t - static_cast<long double>(high) * 4294967296.0L;
  const std::int64_t middle = TruncateToInt64(rest / 65536.0L);
  const std::int64_t low = TruncateToInt64(rest - static_cast<long double>(middle) * 65536.0L);
  return ATestTime(static_cast<std::uint16_t>(low), static_cast<std::uint16_t>(middle),
                   static_cast<std::uint16_t>(high));
}

void ATestTime::ToBytes(std::uint8_t* p) const {
  const std::uint16_t words[3] = {Low, Middle, High};
  for (int i = 0; i < 3; ++i) {
    p[2 * i] = static_cast<std::uint8_t>(words[i]);
    p[2 * i + 1] = static_cast<std::uint8_t>(words[i] >> 8);
  }
}

ATestTime operator+(const ATestTime& a, const ATestTime& b) {
  std::uint32_t sum = static_cast<std::uint32_t>(a.Low) + b.Low;
  const auto low = static_cast<std::uint16_t>(sum);
  sum = static_cast<std::uint32_t>(a.Middle) + b.Middle + (sum >> 16);
  const auto middle = static_cast<std::uint16_t>(sum);
  sum = static_cast<std::uint32_t>(a.High) + b.High + (sum >> 16);
  return ATestTime(low, middle, static_cast<std::uint16_t>(sum));
}

std::ostream& operator<<(std::ostream& os, const ATestTime& t) {
  StreamFormatGuard guard(os);
  os << std::fixed << std::showpoint << std::setprecision(7) << std::right << std::setw(14) << t.Seconds();
  return os;
}

}  // namespace ae
