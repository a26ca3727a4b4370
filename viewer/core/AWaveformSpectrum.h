#pragma once
// The magnitude spectrum of a waveform: the FFT (FFTW3) of the whole record, its mean taken off,
// under a Hann window, as a one-sided amplitude spectrum from 0 to half the sampling rate, with
// the frequency of its peak and its frequency centroid (the centre of gravity of its power).
#include <cstddef>
#include <vector>

namespace ae {

struct AWaveformSpectrum {
  double BinHz = 0.0;  // the frequency step between bins
  // Bins 0 .. N/2 in the units of the values: a sine of amplitude A shows a peak of about A.
  std::vector<double> Magnitude;
  // Of the bins above 0 Hz (the offset of a record is no frequency of its signal).
  double PeakHz = 0.0;
  double CentroidHz = 0.0;  // sum of f x magnitude^2 over sum of magnitude^2: of the power

  // Empty for fewer than two values or no sampling rate.
  static AWaveformSpectrum Of(const std::vector<double>& values, double sampleRateHz);

  bool Empty() const { return Magnitude.empty(); }
  double FrequencyHz(std::size_t bin) const { return static_cast<double>(bin) * BinHz; }
  double MaxHz() const { return Magnitude.empty() ? 0.0 : FrequencyHz(Magnitude.size() - 1); }
};

}  // namespace ae
