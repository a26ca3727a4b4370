#pragma once
// One pressure hold of the test: the hold counts the hits between start + delay and
// start + length (both ends excluded); length and delay are both measured from the start.
#include <string>

namespace ae {

struct AHold {
  std::string Label;
  float Pressure = 0.0f;  // MPa
  float Start = 0.0f;     // seconds of test
  float Length = 0.0f;    // seconds from the start
  float Delay = 0.0f;     // seconds from the start

  // Whether a hit at t seconds lies inside the hold.
  bool Contains(double t) const {
    return static_cast<double>(Start) + Delay < t && t < static_cast<double>(Start) + Length;
  }

  friend bool operator==(const AHold&, const AHold&) = default;
};

}  // namespace ae
