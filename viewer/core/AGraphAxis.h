#pragma once
// One axis of a graph as values: its parameter, current and configured range, scale, the
// value <-> pixel transforms, the tick count and the tick positions. Linear axes map the value
// itself, logarithmic ones its log10 (log10 of 0 taken as 0); a logarithmic axis never starts
// at 0. Every double that becomes a pixel is truncated toward zero.
#include <cstdint>
#include <vector>

namespace ae {

// Truncation toward zero of a pixel offset; values beyond any bitmap (and NaN) are held inside
// +-2^30 so that a degenerate range can never make the conversion undefined.
inline int TruncPixel(double value) {
  constexpr double limit = 1073741824.0;  // 2^30
  if (value > -limit && value < limit) return static_cast<int>(value);
  if (value != value) return 0;
  return value > 0 ? static_cast<int>(limit) : -static_cast<int>(limit);
}

struct AGraphAxis {
  int Param = 0;  // parameter code
  bool Log = false;
  std::uint32_t Min = 0;  // current range, parameter units
  std::uint32_t Max = 0;
  std::uint32_t ConfigMin = 0;  // as read from the graph database
  std::uint32_t ConfigMax = 0;
  double Scale = 0.0;  // pixels per unit, per decade on a logarithmic axis

  // The transform of a value: log10 (0 for 0) on a logarithmic axis, the value otherwise.
  static double F(double v, bool log);
  double F(double v) const { return F(v, Log); }

  // Sets the configuration and the current range from it.
  void Configure(int param, bool log, std::uint32_t min, std::uint32_t max);
  // The current range; a logarithmic axis takes a minimum of 0 as 1.
  void SetRange(std::uint32_t min, std::uint32_t max);
  void RestoreRange() { SetRange(ConfigMin, ConfigMax); }
  // Pixels per unit for a plot of this length: length over the range (taken as unsigned 32-bit
  // on a linear axis), or over the decades. An empty range gives 0.
  void UpdateScale(int length);

  // Pixels from the plot's origin (left edge for X, bottom edge for Y) to a value.
  int Offset(double v) const { return TruncPixel((F(v) - F(Min)) * Scale); }
  // The value at a distance from the origin.
  double ValueAtOffset(double offset) const;

  // Linear axes: 5 intervals; amplitude axes one per 10 dB (on Y only up to a range of 100);
  // never 0, and never more than one per pixel could show.
  int TickCount(bool yAxis) const;
  // Logarithmic axes: the whole decades of the maximum, trunc(log10(Max)).
  int Decades() const;

  // The current range made to hold the values low..high, rounded outward to values that read
  // well at the ticks: whole decades on a logarithmic axis, multiples of 10 dB on an amplitude
  // axis, else a start on a multiple of the step and 5 steps of 1, 2, 2.5, 3, 4 or 5 times a
  // power of ten. The configured range stays for RestoreRange.
  void FitTo(double low, double high);
};

// Tick positions in pixels. Major holds i = 0..n (linear) or 0..N (logarithmic) in that
// order; Minor the ticks between them. The grid uses the inner major ticks.
struct AxisTicks {
  std::vector<int> Major;
  std::vector<int> Minor;
};

// The Y axis of a plot from top to bottom: linear ticks step down from the top.
AxisTicks YAxisTicks(const AGraphAxis& axis, int top, int bottom);
// The X axis of a plot from left to right: linear ticks step left from the right edge.
AxisTicks XAxisTicks(const AGraphAxis& axis, int left, int right);

}  // namespace ae
