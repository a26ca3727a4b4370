#include "viewer/core/ALocDynStat.h"

#include <cmath>

namespace ae {

void ALocDynStat::AddHit(double t, double w, double exponent) {
  if (N == 0) {
    T0 = t;
    PrevElapsed = 0.0;
    PrevW = w;
    N = 1;
    return;
  }
  W = w;
  Ratio = w / (PrevW == 0.0 ? 1.0 : PrevW);
  RatioSum += Ratio;
  PrevW = w;
  if (Ratio > RatioMax) RatioMax = Ratio;

  Elapsed = t - T0;
  // A hit at the time of the first hit (elapsed 0) has no V; nor has a hit of unsorted data
  // whose V is not a number. Such a hit adds nothing to the W/V sum and maximum, so that every
  // reported number stays finite.
  if (Elapsed != 0.0) {
    V = std::pow((Elapsed - PrevElapsed) / Elapsed + 1.0, exponent) - 1.0;
    if (V == 0.0) V = 1.0;
    const double wv = Ratio / V;
    if (std::isfinite(wv) && std::isfinite(WVSum + wv)) {
      WV = wv;
      WVSum += wv;
      if (wv > WVMax) {
        WVMax = wv;
        WVMaxTime = t;
      }
    }
  }
  PrevElapsed = Elapsed;
  ++N;
}

const char* ALocDynStat::ClassText(double wvMax, int class1, int class2, int class3) {
  if (wvMax <= class1) return "1";
  if (wvMax <= class2) return "2";
  if (wvMax <= class3) return "3";
  return "4";
}

}  // namespace ae
