// The waveform window's picture, drawn without a screen: the header line, the shaded part before
// the trigger, the waveform, the spectrum with its peak written out, and the time axis that the
// mouse zooms and pans within the record.
#include <QColor>
#include <cmath>
#include <numbers>
#include <optional>

#include <gtest/gtest.h>

#include "viewer/graphs/WaveformPlot.h"

namespace ae {
namespace {

// 2048 samples at 2 MHz, 512 before the trigger: noise-free silence, then a 125 kHz burst of
// 1000 counts at 10 V full scale.
ZTWaveform Burst(bool scaled = true) {
  ZTWaveform wave;
  wave.Time = ATestTime::FromTicks(4000000);
  wave.Channel = 3;
  wave.Samples.assign(2048, 0);
  for (std::size_t i = 512; i < 2048; ++i)
    wave.Samples[i] = static_cast<std::int16_t>(
        std::lround(1000 * std::exp(-(i - 512.0) / 400.0) * std::sin(2 * std::numbers::pi * (i - 512.0) / 16)));
  if (scaled) {
    wave.Scale.Known = true;
    wave.Scale.RateKHz = 2000;
    wave.Scale.DelaySamples = -512;
    wave.Scale.FullScaleVolts = 10;
    wave.Scale.HitLength = 2;
  }
  return wave;
}

ZTShortHit HitOf(const ZTWaveform& wave) {
  ZTShortHit hit;
  hit.Kind = rkHit;
  hit.Time = wave.Time;
  hit.Channel = static_cast<std::uint8_t>(wave.Channel);
  hit.Amplitude = 70;
  return hit;
}

bool Contains(const std::vector<TDrawnText>& texts, const QString& part) {
  for (const TDrawnText& t : texts)
    if (t.Text.contains(part)) return true;
  return false;
}

int CountColour(const QImage& image, const QRect& area, QRgb colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return n;
}

TEST(WaveformPlot, DrawsTheWaveformWithItsPreTriggerShadedAndTheSpectrumWithItsPeak) {
  WaveformPlot plot;
  const ZTWaveform wave = Burst();
  plot.SetHit(HitOf(wave), wave, {});
  const QImage image = plot.Render(900, 640);
  ASSERT_EQ(image.size(), QSize(900, 640));
  EXPECT_EQ(plot.HeaderText(),
            QStringLiteral("Time 1.0000000 s   Channel 3   Amplitude 70 dB   Rate 2 MHz   Length 2048 samples   "
                           "Delay -512 samples (-256.0 µs)"));
  EXPECT_TRUE(Contains(plot.Texts(), plot.HeaderText()));
  // 16 samples a period at 2 MHz: 125 kHz, in a bin of its own.
  EXPECT_DOUBLE_EQ(plot.Spectrum().PeakHz, 125e3);
  EXPECT_TRUE(Contains(plot.Texts(), QStringLiteral("Peak 125.0 kHz")));
  EXPECT_TRUE(Contains(plot.Texts(), QStringLiteral("Centroid ")));
  EXPECT_TRUE(Contains(plot.Texts(), QStringLiteral("µs after the trigger")));
  EXPECT_TRUE(Contains(plot.Texts(), QStringLiteral("mV")));  // 0.3 V at most
  EXPECT_TRUE(Contains(plot.Texts(), QStringLiteral("dB (1 µV)")));

  const QRect wavePlot = plot.WaveRect();
  ASSERT_TRUE(wavePlot.isValid());
  ASSERT_TRUE(plot.SpectrumRect().isValid());
  EXPECT_GT(plot.SpectrumRect().top(), wavePlot.bottom());
  // The time axis runs from -256 to 767.5 us: the trigger lies a quarter of the way in.
  const int trigger = wavePlot.left() + static_cast<int>(std::lround(256.0 / 1023.5 * (wavePlot.width() - 1)));
  const QRect before(wavePlot.left() + 2, wavePlot.top() + 2, trigger - wavePlot.left() - 6, 10);
  const QRect after(trigger + 40, wavePlot.top() + 2, 40, 10);
  EXPECT_GT(CountColour(image, before, qRgb(0xEC, 0xEC, 0xEC)), before.width() * before.height() / 2);
  EXPECT_EQ(CountColour(image, after, qRgb(0xEC, 0xEC, 0xEC)), 0);
  // The burst is drawn after the trigger and the flat line before it.
  EXPECT_GT(CountColour(image, QRect(trigger + 2, wavePlot.top(), 60, wavePlot.height()), qRgb(0, 0, 0xB0)), 200);
  EXPECT_GT(CountColour(image, plot.SpectrumRect(), qRgb(0, 0x60, 0)), 100);

  // Linear: the spectrum in the waveform's unit.
  plot.SetSpectrumDb(false);
  plot.Render(900, 640);
  EXPECT_FALSE(Contains(plot.Texts(), QStringLiteral("dB (1 µV)")));
}

TEST(WaveformPlot, TheMouseZoomsAndPansTheTimeAxisWithinTheRecord) {
  WaveformPlot plot;
  const ZTWaveform wave = Burst();
  plot.SetHit(HitOf(wave), wave, {});
  plot.Render(900, 640);
  EXPECT_DOUBLE_EQ(plot.TimeFrom(), -256.0);
  EXPECT_DOUBLE_EQ(plot.TimeTo(), 767.5);
  const QRect r = plot.WaveRect();
  const int middle = r.left() + (r.width() - 1) / 2;
  const double centre = plot.TimeAt(middle);
  plot.ZoomAt(middle, 4.0);
  EXPECT_NEAR(plot.TimeTo() - plot.TimeFrom(), 1023.5 / 4, 1e-9);
  EXPECT_NEAR(plot.TimeAt(middle), centre, 1e-9);  // the time under the mouse stays
  plot.Render(900, 640);
  const double from = plot.TimeFrom();
  plot.PanBy(-(r.width() - 1));  // a drag to the left: one view's width later
  EXPECT_NEAR(plot.TimeFrom(), from + 1023.5 / 4, 1e-9);
  plot.PanBy(100000);  // far to the right: held at the record's start
  EXPECT_DOUBLE_EQ(plot.TimeFrom(), -256.0);
  for (int i = 0; i < 40; ++i) plot.ZoomAt(middle, 2.0);
  EXPECT_NEAR(plot.TimeTo() - plot.TimeFrom(), 8 * 0.5, 1e-9);  // no less than 8 samples
  plot.ZoomAt(middle, 1e-9);
  EXPECT_DOUBLE_EQ(plot.TimeTo() - plot.TimeFrom(), 1023.5);  // no more than the record
  plot.ResetTime();
  EXPECT_DOUBLE_EQ(plot.TimeFrom(), -256.0);
}

TEST(WaveformPlot, SaysWhatItCannotShow) {
  WaveformPlot plot;
  const ZTWaveform bare = Burst(false);
  plot.SetHit(HitOf(bare), bare, {});
  plot.Render(700, 500);
  EXPECT_TRUE(plot.Spectrum().Empty());
  EXPECT_FALSE(plot.SpectrumRect().isValid());
  EXPECT_TRUE(Contains(plot.Texts(), QStringLiteral("No recorder setup for channel 3")));
  EXPECT_TRUE(Contains(plot.Texts(), QStringLiteral("counts")));
  EXPECT_DOUBLE_EQ(plot.TimeTo(), 2047.0);  // sample numbers

  plot.SetHit(HitOf(bare), std::nullopt, QStringLiteral("This hit has no waveform."));
  const QImage image = plot.Render(700, 500);
  EXPECT_TRUE(Contains(plot.Texts(), QStringLiteral("This hit has no waveform.")));
  EXPECT_FALSE(plot.HasWaveform());
  EXPECT_EQ(CountColour(image, QRect(0, 40, 700, 200), qRgb(0, 0, 0xB0)), 0);
}

}  // namespace
}  // namespace ae
