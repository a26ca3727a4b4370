#pragma once
// The waveform window's picture of one hit, drawn into an image apart from any widget, so that
// the same drawing runs without a screen: a line with the hit's time, channel and amplitude and
// the recorder setup's rate, length and delay; the waveform in volts (or millivolts) against
// microseconds after the trigger, the part before the trigger shaded; below it the magnitude
// spectrum from 0 to half the sampling rate in kHz, in dB or linear, with its peak frequency and
// frequency centroid written out.
#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "datafiles/ZTShortHit.h"
#include "datafiles/ZTWaveform.h"
#include "viewer/core/AWaveformSpectrum.h"
#include "viewer/graphs/GraphText.h"

namespace ae {

class WaveformPlot {
  Q_DECLARE_TR_FUNCTIONS(ae::WaveformPlot)

 public:
  // The hit, and its waveform when it has one; without one, `why` is what the picture says.
  void SetHit(const ZTShortHit& hit, std::optional<ZTWaveform> wave, const QString& why);
  bool HasWaveform() const { return wave_.has_value(); }
  const std::optional<ZTWaveform>& Waveform() const { return wave_; }
  const AWaveformSpectrum& Spectrum() const { return spectrum_; }

  void SetSpectrumDb(bool on) { spectrumDb_ = on; }
  // Without glyphs the texts are only recorded (Texts()), for a device that writes them as text.
  void SetTextGlyphs(bool on) { glyphs_ = on; }
  bool SpectrumDb() const { return spectrumDb_; }

  // The time axis: microseconds after the trigger, or sample numbers for a waveform without a
  // recorder setup. It stays within the record and spans at least a few samples.
  double TimeFrom() const { return from_; }
  double TimeTo() const { return to_; }
  double RecordFrom() const;
  double RecordTo() const;
  void SetTimeRange(double from, double to);
  void ResetTime() { SetTimeRange(RecordFrom(), RecordTo()); }
  // The time under x of the last picture's waveform plot, and the range zoomed by `factor`
  // (above 1: in) around it, or moved by `dx` pixels (a drag to the right shows earlier times).
  double TimeAt(int x) const;
  void ZoomAt(int x, double factor);
  void PanBy(int dx);

  QImage Render(int width, int height);
  // Of the last picture: where the waveform was plotted, and every text written.
  const QRect& WaveRect() const { return waveRect_; }
  const QRect& SpectrumRect() const { return spectrumRect_; }
  const std::vector<TDrawnText>& Texts() const { return texts_; }

  // The line above the plots.
  QString HeaderText() const;
  // The peak and centroid line over the spectrum.
  QString SpectrumText() const;

 private:
  void DrawWaveform(QImage& image);
  void DrawSpectrum(QImage& image);

  ZTShortHit hit_;
  std::optional<ZTWaveform> wave_;
  QString why_;
  std::vector<double> values_;  // volts, or counts without a recorder setup
  double peak_ = 0.0;           // the largest absolute value
  AWaveformSpectrum spectrum_;
  bool spectrumDb_ = true;
  bool glyphs_ = true;
  double from_ = 0.0, to_ = 0.0;
  QRect waveRect_, spectrumRect_;
  std::vector<TDrawnText> texts_;
};

}  // namespace ae
