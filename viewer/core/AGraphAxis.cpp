#include "viewer/core/AGraphAxis.h"

#include <algorithm>
#include <cmath>

#include "datafiles/DataFileTypes.h"

namespace ae {

namespace {

constexpr int MaxTicks = 1000;

}  // namespace

double AGraphAxis::F(double v, bool log) {
  if (!log) return v;
  return v == 0.0 ? 0.0 : std::log10(v);
}

void AGraphAxis::Configure(int param, bool log, std::uint32_t min, std::uint32_t max) {
  Param = param;
  Log = log;
  ConfigMin = min;
  ConfigMax = max;
  SetRange(min, max);
}

void AGraphAxis::SetRange(std::uint32_t min, std::uint32_t max) {
  Min = Log && min == 0 ? 1 : min;
  Max = max;
}

void AGraphAxis::UpdateScale(int length) {
  double span;
  if (Log) span = F(static_cast<double>(Max)) - F(static_cast<double>(Min));
  else span = static_cast<double>(static_cast<std::uint32_t>(Max - Min));
  const double scale = static_cast<double>(length) / span;
  Scale = std::isfinite(scale) && span != 0.0 ? scale : 0.0;
}

double AGraphAxis::ValueAtOffset(double offset) const {
  const double units = Scale != 0.0 ? offset / Scale : 0.0;
  if (Log) return std::pow(10.0, units + F(static_cast<double>(Min)));
  return units + static_cast<double>(Min);
}

int AGraphAxis::TickCount(bool yAxis) const {
  int n = 5;
  if (Param == pcAmplitude && Max >= Min) {
    const std::uint32_t range = Max - Min;
    if (!yAxis || range <= 100) n = static_cast<int>(std::min<std::uint32_t>(range / 10, MaxTicks));
  }
  return std::clamp(n, 1, MaxTicks);
}

int AGraphAxis::Decades() const {
  if (Max < 1) return 0;
  return static_cast<int>(std::trunc(std::log10(static_cast<double>(Max))));
}

namespace {

constexpr double AxisLimit = 4294967295.0;

// The smallest step of 1, 2, 2.5, 3, 4 or 5 times a power of ten that is at least `least`; never
// below 1, as the axes hold whole units.
double ReadableStep(double least) {
  if (!(least > 1.0)) return 1.0;
  const double decade = std::pow(10.0, std::floor(std::log10(least)));
  for (double m : {1.0, 2.0, 2.5, 3.0, 4.0, 5.0, 10.0})
    if (m * decade >= least * (1 - 1e-12)) return std::max(1.0, m * decade);
  return 10.0 * decade;
}

std::uint32_t ToAxis(double v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0, AxisLimit)); }

}  // namespace

void AGraphAxis::FitTo(double low, double high) {
  if (!std::isfinite(low) || !std::isfinite(high) || high < low) return;
  low = std::max(low, 0.0);
  high = std::max(high, 0.0);
  double min, max;
  if (Log) {
    min = std::pow(10.0, std::floor(std::log10(std::max(low, 1.0))));
    max = std::pow(10.0, std::ceil(std::log10(std::max(high, 1.0))));
    if (max <= min) max = min * 10.0;
    if (max > AxisLimit) max = AxisLimit;
  } else if (Param == pcAmplitude) {
    min = std::floor(low / 10.0) * 10.0;
    max = std::ceil(high / 10.0) * 10.0;
    if (max <= min) max = min + 10.0;
  } else {
    const double first = ReadableStep((high - low) / 5.0);
    min = std::floor(low / first) * first;
    const double step = ReadableStep((high - min) / 5.0);
    max = min + 5.0 * step;
  }
  SetRange(ToAxis(min), ToAxis(max));
}

namespace {

// Logarithmic ticks as distances from the origin: whole decades, and 2 and 5 times each decade
// below the last.
void LogOffsets(const AGraphAxis& axis, std::vector<int>& major, std::vector<int>& minor) {
  const int n = axis.Decades();
  const double fmin = AGraphAxis::F(static_cast<double>(axis.Min), true);
  for (int i = 0; i <= n; ++i) major.push_back(TruncPixel((i - fmin) * axis.Scale));
  for (int i = 0; i < n; ++i) {
    const double decade = std::pow(10.0, i);
    minor.push_back(TruncPixel((std::log10(2.0 * decade) - fmin) * axis.Scale));
    minor.push_back(TruncPixel((std::log10(5.0 * decade) - fmin) * axis.Scale));
  }
}

}  // namespace

AxisTicks YAxisTicks(const AGraphAxis& axis, int top, int bottom) {
  AxisTicks ticks;
  if (axis.Log) {
    LogOffsets(axis, ticks.Major, ticks.Minor);
    for (int& y : ticks.Major) y = bottom - y;
    for (int& y : ticks.Minor) y = bottom - y;
    return ticks;
  }
  const int n = axis.TickCount(true);
  const float s = static_cast<float>(bottom - top) / static_cast<float>(n);
  const float t = static_cast<float>(top);
  for (int i = 0; i <= n; ++i) ticks.Major.push_back(TruncPixel(t + static_cast<float>(i) * s));
  for (int i = 0; i < n; ++i) ticks.Minor.push_back(TruncPixel(t + static_cast<float>(i) * s + s / 2));
  return ticks;
}

AxisTicks XAxisTicks(const AGraphAxis& axis, int left, int right) {
  AxisTicks ticks;
  if (axis.Log) {
    LogOffsets(axis, ticks.Major, ticks.Minor);
    for (int& x : ticks.Major) x = left + x;
    for (int& x : ticks.Minor) x = left + x;
    return ticks;
  }
  const int n = axis.TickCount(false);
  const float s = static_cast<float>(right - left) / static_cast<float>(n);
  const float r = static_cast<float>(right);
  for (int i = 0; i <= n; ++i) ticks.Major.push_back(TruncPixel(r - static_cast<float>(i) * s));
  for (int i = 0; i < n; ++i) ticks.Minor.push_back(TruncPixel(r - s / 2 - static_cast<float>(i) * s));
  return ticks;
}

}  // namespace ae
