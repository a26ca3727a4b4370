#include "viewer/core/AWaveformSpectrum.h"

#include <cmath>
#include <memory>
#include <mutex>
#include <numbers>

#include <fftw3.h>

namespace ae {

namespace {

// FFTW's planner is not reentrant.
std::mutex& PlannerMutex() {
  static std::mutex mutex;
  return mutex;
}

struct FftwFree {
  void operator()(void* p) const { fftw_free(p); }
};

}  // namespace

AWaveformSpectrum AWaveformSpectrum::Of(const std::vector<double>& values, double sampleRateHz) {
  AWaveformSpectrum spectrum;
  const std::size_t n = values.size();
  if (n < 2 || !(sampleRateHz > 0.0) || !std::isfinite(sampleRateHz)) return spectrum;

  const std::size_t bins = n / 2 + 1;
  std::unique_ptr<double, FftwFree> in(fftw_alloc_real(n));
  std::unique_ptr<fftw_complex, FftwFree> out(fftw_alloc_complex(bins));
  if (!in || !out) return spectrum;
  // The record's mean is taken off first: the offset of a recorder is no frequency of the
  // signal, and through the window it would leak into the lowest bins.
  double mean = 0.0;
  for (const double v : values) mean += v;
  mean /= static_cast<double>(n);
  // Hann window over the whole record; its sum restores the amplitude of a windowed sine.
  double windowSum = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n));
    in.get()[i] = (values[i] - mean) * w;
    windowSum += w;
  }
  fftw_plan plan;
  {
    std::lock_guard lock(PlannerMutex());
    plan = fftw_plan_dft_r2c_1d(static_cast<int>(n), in.get(), out.get(), FFTW_ESTIMATE);
  }
  if (plan == nullptr) return spectrum;
  fftw_execute(plan);
  {
    std::lock_guard lock(PlannerMutex());
    fftw_destroy_plan(plan);
  }

  spectrum.BinHz = sampleRateHz / static_cast<double>(n);
  spectrum.Magnitude.resize(bins);
  double weighted = 0.0, total = 0.0, peak = -1.0;
  for (std::size_t k = 0; k < bins; ++k) {
    const double re = out.get()[k][0], im = out.get()[k][1];
    // One-sided: every bin but 0 Hz and, for an even length, half the rate stands for two.
    const bool single = k == 0 || (n % 2 == 0 && k == bins - 1);
    const double m = std::hypot(re, im) * (single ? 1.0 : 2.0) / windowSum;
    spectrum.Magnitude[k] = m;
    if (k == 0) continue;
    const double f = spectrum.FrequencyHz(k);
    // The centre of gravity of the power: the noise floor of a long record, spread over every
    // bin up to half the rate, would pull a magnitude-weighted centroid far from the burst.
    weighted += f * m * m;
    total += m * m;
    if (m > peak) {
      peak = m;
      spectrum.PeakHz = f;
    }
  }
  spectrum.CentroidHz = total > 0.0 ? weighted / total : 0.0;
  return spectrum;
}

}  // namespace ae
