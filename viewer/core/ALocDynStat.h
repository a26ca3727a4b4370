#pragma once
// The local-dynamic criterion of one channel within one set: for every hit after the first,
// the ratio W of its counts to the previous hit's counts, and W/V, where V weighs the time since
// the previous hit against the time since the channel's first hit.
#include <cstdint>
#include <string>

namespace ae {

class ALocDynStat {
 public:
  std::uint32_t N = 0;  // hits added
  double T0 = 0.0;      // seconds, time of the first hit
  double PrevElapsed = 0.0;
  double Elapsed = 0.0;
  double PrevW = 0.0;
  double W = 0.0;
  double Ratio = 0.0;
  double RatioMax = 0.0;
  double RatioSum = 0.0;
  double V = 0.0;
  double WV = 0.0;
  double WVMax = 0.0;
  double WVSum = 0.0;
  double WVMaxTime = 0.0;  // seconds

  // A hit at t seconds with counts w; exponent is the test setup's LDExponent.
  void AddHit(double t, double w, double exponent);

  // "1".."4": the class of the W/V maximum against the limits Class1..Class3.
  static const char* ClassText(double wvMax, int class1, int class2, int class3);
};

}  // namespace ae
