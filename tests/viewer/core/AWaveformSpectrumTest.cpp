// The spectrum of a waveform: a sine lands in its bin with its amplitude, whatever the record's
// offset; the centroid of two tones lies between them by their power.
#include <cmath>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "viewer/core/AWaveformSpectrum.h"

namespace ae {
namespace {

std::vector<double> Sine(std::size_t n, double rateHz, double hz, double amplitude, double offset = 0.0) {
  std::vector<double> v(n);
  for (std::size_t i = 0; i < n; ++i)
    v[i] = offset + amplitude * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(i) / rateHz);
  return v;
}

TEST(WaveformSpectrum, ASineAtAKnownFrequencyPeaksInItsBinWithItsAmplitude) {
  struct Case {
    std::size_t N;
    double RateHz, Hz, Amplitude, Offset;
  };
  // 3072 samples at 10 MHz: bins of 3255.2 Hz; 150 kHz lies between bins 46 and 47, 300 kHz
  // (bin 92.16) near bin 92, and a bin's own frequency exactly on it.
  const Case cases[] = {{3072, 10e6, 150e3, 0.2, 0.0},
                        {3072, 10e6, 300e3, 1e-3, 0.05},
                        {4096, 1e6, 100 * 1e6 / 4096, 2.0, -1.0},
                        {1001, 2e6, 250e3, 0.5, 0.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Hz);
    const AWaveformSpectrum s = AWaveformSpectrum::Of(Sine(c.N, c.RateHz, c.Hz, c.Amplitude, c.Offset), c.RateHz);
    ASSERT_EQ(s.Magnitude.size(), c.N / 2 + 1);
    EXPECT_DOUBLE_EQ(s.BinHz, c.RateHz / static_cast<double>(c.N));
    EXPECT_NEAR(s.MaxHz(), c.RateHz / 2, s.BinHz);
    // The peak is the bin nearest the frequency.
    EXPECT_LE(std::abs(s.PeakHz - c.Hz), s.BinHz / 2 + 1e-6);
    // Its height is the amplitude, less at most the Hann window's scalloping loss (1.42 dB).
    const double peak = s.Magnitude[static_cast<std::size_t>(std::lround(s.PeakHz / s.BinHz))];
    EXPECT_LE(peak, c.Amplitude * 1.0001);
    EXPECT_GE(peak, c.Amplitude * 0.84);
    EXPECT_NEAR(s.CentroidHz, c.Hz, 0.1 * c.Hz);
  }
}

TEST(WaveformSpectrum, TheCentroidOfTwoTonesWeighsThemByTheirPower) {
  const double rate = 1e6;
  std::vector<double> v = Sine(2048, rate, 100 * rate / 2048, 3.0);
  const std::vector<double> b = Sine(2048, rate, 300 * rate / 2048, 1.0);
  for (std::size_t i = 0; i < v.size(); ++i) v[i] += b[i];
  const AWaveformSpectrum s = AWaveformSpectrum::Of(v, rate);
  EXPECT_DOUBLE_EQ(s.PeakHz, 100 * rate / 2048);
  // Each tone spreads over its bin and the two beside it, symmetrically; the power of the first
  // is 9 times that of the second: (9 x 100 + 1 x 300) / 10.
  EXPECT_NEAR(s.CentroidHz, 120 * rate / 2048, 1e-6);
}

TEST(WaveformSpectrum, NoSpectrumWithoutTwoValuesOrARate) {
  EXPECT_TRUE(AWaveformSpectrum::Of({}, 1e6).Empty());
  EXPECT_TRUE(AWaveformSpectrum::Of({1.0}, 1e6).Empty());
  EXPECT_TRUE(AWaveformSpectrum::Of({1.0, 2.0}, 0.0).Empty());
  const AWaveformSpectrum flat = AWaveformSpectrum::Of(std::vector<double>(64, 0.0), 1e6);
  ASSERT_FALSE(flat.Empty());
  EXPECT_EQ(flat.CentroidHz, 0.0);
}

}  // namespace
}  // namespace ae
