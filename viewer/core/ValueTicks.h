#pragma once
// Tick values for an axis over any range of real values (the waveform window's microseconds,
// volts, kilohertz, decibels): the multiples of a step of 1, 2 or 5 times a power of ten that lie
// in the range, as many as fit below a most.
#include <vector>

namespace ae {

// The step between ticks: the smallest 1, 2 or 5 x 10^k that gives at most `most` intervals
// over low..high; 0 for an empty or invalid range.
double TickStep(double low, double high, int most);
// The multiples of TickStep in low..high, from low up.
std::vector<double> TickValues(double low, double high, int most);

}  // namespace ae
