#include "viewer/graphs/WaveformPlot.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <functional>

#include "viewer/core/AxisLabelText.h"
#include "viewer/core/ValueTicks.h"

namespace ae {

namespace {

constexpr int MarginLeft = 72;
constexpr int MarginRight = 24;
constexpr int HeaderHeight = 44;    // the line, then the unit of the waveform over its scale
constexpr int AxisTextHeight = 34;  // tick labels and the axis name under a plot
constexpr int SpectrumTitleHeight = 22;
constexpr int MinSamplesShown = 8;
// The spectrum in dB shows this much below its highest decade.
constexpr double DbRange = 80.0;

const QColor Background(0xFF, 0xFF, 0xFF);
const QColor AxisColour(0x00, 0x00, 0x00);
const QColor GridColour(0xD8, 0xD8, 0xD8);
const QColor PreTrigger(0xEC, 0xEC, 0xEC);
const QColor TriggerColour(0x80, 0x80, 0x80);
const QColor WaveColour(0x00, 0x00, 0xB0);
const QColor SpectrumColour(0x00, 0x60, 0x00);
const QColor PeakColour(0xD0, 0x00, 0x00);
const QColor CentroidColour(0xE0, 0x80, 0x00);

QString Number(double v, int decimals) { return QString::number(v, 'f', decimals); }

// Writes texts with the painter, each recorded with its box.
class Writer {
 public:
  Writer(QPainter& painter, std::vector<TDrawnText>& record, bool glyphs)
      : painter_(painter), metrics_(painter.font()), record_(record), glyphs_(glyphs) {}
  int Width(const QString& text) const { return metrics_.horizontalAdvance(text); }
  int Height() const { return metrics_.height(); }
  // flags: where (x, y) is on the text's box.
  void Draw(int x, int y, const QString& text, Qt::Alignment flags = Qt::AlignLeft | Qt::AlignTop) {
    QRect box(0, 0, Width(text), Height());
    if (flags & Qt::AlignRight) box.moveRight(x);
    else if (flags & Qt::AlignHCenter) box.moveLeft(x - box.width() / 2);
    else box.moveLeft(x);
    if (flags & Qt::AlignBottom) box.moveBottom(y);
    else if (flags & Qt::AlignVCenter) box.moveTop(y - box.height() / 2);
    else box.moveTop(y);
    if (glyphs_) painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    record_.push_back({text, box});
  }

 private:
  QPainter& painter_;
  QFontMetrics metrics_;
  std::vector<TDrawnText>& record_;
  bool glyphs_;
};

// A linear map of values onto pixels.
struct Scale {
  double From, To;
  int Low, High;  // pixels of From and To
  double Pixel(double v) const { return Low + (v - From) / (To - From) * (High - Low); }
};

void DrawTicks(QPainter& painter, Writer& text, const QRect& plot, const Scale& x, const Scale& y, int xMost,
               int yMost) {
  painter.setPen(QPen(GridColour, 1, Qt::DotLine));
  const std::vector<double> xTicks = TickValues(x.From, x.To, xMost);
  const std::vector<double> yTicks = TickValues(std::min(y.From, y.To), std::max(y.From, y.To), yMost);
  for (const double v : xTicks) painter.drawLine(QPointF(x.Pixel(v), plot.top()), QPointF(x.Pixel(v), plot.bottom()));
  for (const double v : yTicks) painter.drawLine(QPointF(plot.left(), y.Pixel(v)), QPointF(plot.right(), y.Pixel(v)));
  painter.setPen(AxisColour);
  for (const double v : xTicks) {
    const int px = static_cast<int>(std::lround(x.Pixel(v)));
    painter.drawLine(px, plot.bottom(), px, plot.bottom() + 4);
    text.Draw(px, plot.bottom() + 5, QString::fromStdString(PlainNumber(v)), Qt::AlignHCenter | Qt::AlignTop);
  }
  for (const double v : yTicks) {
    const int py = static_cast<int>(std::lround(y.Pixel(v)));
    painter.drawLine(plot.left() - 4, py, plot.left(), py);
    text.Draw(plot.left() - 6, py, QString::fromStdString(PlainNumber(v)), Qt::AlignRight | Qt::AlignVCenter);
  }
}

// The values low..high of a series from `first` to `last` (inclusive) as lines: one vertical
// line per pixel column from its least to its greatest value where the samples are denser than
// the pixels, else a line through the points.
void DrawSeries(QPainter& painter, const std::vector<double>& values, std::size_t first, std::size_t last,
                const std::function<double(std::size_t)>& xOf, const Scale& y) {
  if (values.empty() || first > last) return;
  const double columns = std::fabs(xOf(last) - xOf(first));
  if (static_cast<double>(last - first) > 2.0 * columns) {
    int column = static_cast<int>(std::floor(xOf(first)));
    double lo = values[first], hi = values[first];
    auto flush = [&] { painter.drawLine(QPointF(column + 0.5, y.Pixel(lo)), QPointF(column + 0.5, y.Pixel(hi))); };
    for (std::size_t i = first + 1; i <= last; ++i) {
      const int c = static_cast<int>(std::floor(xOf(i)));
      if (c != column) {
        flush();
        // A column starts at the last value of the one before, so that a steep edge has no gap.
        lo = std::min(values[i - 1], values[i]);
        hi = std::max(values[i - 1], values[i]);
        column = c;
      } else {
        lo = std::min(lo, values[i]);
        hi = std::max(hi, values[i]);
      }
    }
    flush();
    return;
  }
  QPolygonF line;
  line.reserve(static_cast<qsizetype>(last - first + 1));
  for (std::size_t i = first; i <= last; ++i) line.append(QPointF(xOf(i), y.Pixel(values[i])));
  painter.drawPolyline(line);
}

}  // namespace

void WaveformPlot::SetHit(const ZTShortHit& hit, std::optional<ZTWaveform> wave, const QString& why) {
  hit_ = hit;
  wave_ = std::move(wave);
  why_ = why;
  values_.clear();
  peak_ = 0.0;
  spectrum_ = AWaveformSpectrum();
  if (wave_) {
    values_.resize(wave_->Samples.size());
    for (std::size_t i = 0; i < values_.size(); ++i) {
      values_[i] = wave_->Scale.Known ? wave_->Volts(i) : wave_->Samples[i];
      peak_ = std::max(peak_, std::fabs(values_[i]));
    }
    if (wave_->Scale.Known) spectrum_ = AWaveformSpectrum::Of(values_, wave_->Scale.SampleRateHz());
  }
  ResetTime();
}

double WaveformPlot::RecordFrom() const { return wave_ ? wave_->TimeUs(0) : 0.0; }

double WaveformPlot::RecordTo() const {
  return wave_ && !wave_->Samples.empty() ? wave_->TimeUs(wave_->Samples.size() - 1) : 1.0;
}

void WaveformPlot::SetTimeRange(double from, double to) {
  const double low = RecordFrom(), high = RecordTo();
  const double perSample = wave_ && wave_->Samples.size() > 1 ? (high - low) / (wave_->Samples.size() - 1) : 1.0;
  const double least = std::min(high - low, MinSamplesShown * perSample);
  if (!(to > from)) std::swap(from, to);
  double span = std::clamp(to - from, least, high - low);
  if (!std::isfinite(span) || span <= 0.0) span = high - low;
  from = std::clamp(from, low, high - span);
  from_ = from;
  to_ = from + span;
}

double WaveformPlot::TimeAt(int x) const {
  if (waveRect_.width() <= 1) return from_;
  return from_ + (x - waveRect_.left()) * (to_ - from_) / (waveRect_.width() - 1);
}

void WaveformPlot::ZoomAt(int x, double factor) {
  if (!(factor > 0.0)) return;
  const double t = std::clamp(TimeAt(x), from_, to_);
  SetTimeRange(t - (t - from_) / factor, t + (to_ - t) / factor);
}

void WaveformPlot::PanBy(int dx) {
  if (waveRect_.width() <= 1) return;
  const double shift = -dx * (to_ - from_) / (waveRect_.width() - 1);
  SetTimeRange(from_ + shift, to_ + shift);
}

QString WaveformPlot::HeaderText() const {
  QString text = tr("Time %1 s   Channel %2   Amplitude %3 dB")
                     .arg(Number(static_cast<double>(hit_.Time.Seconds()), 7))
                     .arg(hit_.Channel)
                     .arg(hit_.Amplitude);
  if (!wave_) return text;
  const AWaveformScale& s = wave_->Scale;
  if (!s.Known) return text + tr("   No recorder setup for channel %1").arg(wave_->Channel);
  // 10000 kHz reads better as 10 MHz.
  const QString rate = s.RateKHz % 1000 == 0 ? tr("%1 MHz").arg(s.RateKHz / 1000) : tr("%1 kHz").arg(s.RateKHz);
  text += tr("   Rate %1   Length %2 samples").arg(rate).arg(s.SamplesPerHit());
  if (static_cast<std::size_t>(s.SamplesPerHit()) != wave_->Samples.size())
    text += tr(" (%1 in the record)").arg(wave_->Samples.size());
  text += tr("   Delay %1 samples (%2 µs)").arg(s.DelaySamples).arg(Number(s.TimeUs(0), 1));
  return text;
}

QString WaveformPlot::SpectrumText() const {
  if (spectrum_.Empty()) return {};
  return tr("Peak %1 kHz   Centroid %2 kHz")
      .arg(Number(spectrum_.PeakHz / 1e3, 1))
      .arg(Number(spectrum_.CentroidHz / 1e3, 1));
}

QImage WaveformPlot::Render(int width, int height) {
  QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  image.fill(Background);
  texts_.clear();
  const int plotWidth = std::max(image.width() - MarginLeft - MarginRight, 10);
  const int room = std::max(image.height() - HeaderHeight - 2 * AxisTextHeight - SpectrumTitleHeight, 20);
  const bool withSpectrum = !spectrum_.Empty();
  const int waveHeight = withSpectrum ? room * 55 / 100 : room + AxisTextHeight + SpectrumTitleHeight;
  waveRect_ = QRect(MarginLeft, HeaderHeight, plotWidth, waveHeight);
  spectrumRect_ = withSpectrum ? QRect(MarginLeft, waveRect_.bottom() + AxisTextHeight + SpectrumTitleHeight, plotWidth,
                                       room - waveHeight)
                               : QRect();
  {
    QPainter painter(&image);
    painter.setFont(GraphText::LabelFont());
    Writer text(painter, texts_, glyphs_);
    painter.setPen(AxisColour);
    text.Draw(8, 6, HeaderText());
    if (!wave_) {
      text.Draw(image.width() / 2, image.height() / 2, why_, Qt::AlignHCenter | Qt::AlignVCenter);
      return image;
    }
  }
  DrawWaveform(image);
  if (withSpectrum) DrawSpectrum(image);
  return image;
}

void WaveformPlot::DrawWaveform(QImage& image) {
  QPainter painter(&image);
  painter.setFont(GraphText::LabelFont());
  Writer text(painter, texts_, glyphs_);
  const QRect& plot = waveRect_;
  const bool known = wave_->Scale.Known;
  // Millivolts for a waveform below a volt.
  const bool milli = known && peak_ < 1.0;
  const double unit = milli ? 1e3 : 1.0;
  const double top = peak_ > 0.0 ? peak_ * 1.05 * unit : 1.0;
  const Scale x{from_, to_, plot.left(), plot.right()};
  const Scale y{-top, top, plot.bottom(), plot.top()};

  // The part before the trigger, shaded, and the trigger.
  if (known && from_ < 0.0) {
    const double right = std::min(x.Pixel(std::min(0.0, to_)), static_cast<double>(plot.right()));
    painter.fillRect(QRectF(QPointF(plot.left(), plot.top()), QPointF(right, plot.bottom())), PreTrigger);
  }
  DrawTicks(painter, text, plot, x, y, std::max(plot.width() / 80, 2), std::max(plot.height() / 40, 2));
  if (known && from_ <= 0.0 && to_ >= 0.0) {
    painter.setPen(QPen(TriggerColour, 1, Qt::DashLine));
    painter.drawLine(QPointF(x.Pixel(0.0), plot.top()), QPointF(x.Pixel(0.0), plot.bottom()));
  }

  // The samples in view, and one more on each side so that the line runs to the edges.
  const auto& s = wave_->Samples;
  std::size_t first = 0, last = s.empty() ? 0 : s.size() - 1;
  while (first < last && wave_->TimeUs(first + 1) < from_) ++first;
  while (last > first && wave_->TimeUs(last - 1) > to_) --last;
  std::vector<double> scaled(values_.size());
  for (std::size_t i = first; i <= last && i < values_.size(); ++i) scaled[i] = values_[i] * unit;
  painter.setClipRect(plot.adjusted(0, 0, 1, 1));
  painter.setPen(QPen(WaveColour, 1));
  DrawSeries(
      painter, scaled, first, std::min(last, scaled.empty() ? 0 : scaled.size() - 1),
      [&](std::size_t i) { return x.Pixel(wave_->TimeUs(i)); }, y);
  painter.setClipping(false);
  painter.setPen(AxisColour);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);
  text.Draw(plot.left() + plot.width() / 2, plot.bottom() + 5 + text.Height(),
            known ? tr("µs after the trigger") : tr("sample"), Qt::AlignHCenter | Qt::AlignTop);
  text.Draw(8, plot.top() - 6, known ? (milli ? tr("mV") : tr("V")) : tr("counts"), Qt::AlignLeft | Qt::AlignBottom);
  if (!known)
    text.Draw(plot.left() + 6, plot.top() + 4,
              tr("No recorder setup for channel %1: the samples in counts against their number, no "
                 "spectrum")
                  .arg(wave_->Channel));
}

void WaveformPlot::DrawSpectrum(QImage& image) {
  QPainter painter(&image);
  painter.setFont(GraphText::LabelFont());
  Writer text(painter, texts_, glyphs_);
  const QRect& plot = spectrumRect_;
  const bool milli = peak_ < 1.0;
  const double unit = milli ? 1e3 : 1.0;
  const std::vector<double>& m = spectrum_.Magnitude;
  std::vector<double> shown(m.size());
  double high = 0.0;
  for (std::size_t k = 0; k < m.size(); ++k) {
    // dB over 1 uV, as AE amplitudes are given; a bin of nothing sits at the bottom.
    shown[k] = spectrumDb_ ? 20.0 * std::log10(std::max(m[k], 1e-12) / 1e-6) : m[k] * unit;
    if (k == 0 || shown[k] > high) high = shown[k];
  }
  double top, bottom;
  if (spectrumDb_) {
    top = std::ceil(high / 10.0) * 10.0;
    bottom = top - DbRange;
    for (double& v : shown) v = std::max(v, bottom);
  } else {
    top = high > 0.0 ? high * 1.05 : 1.0;
    bottom = 0.0;
  }
  const double maxKHz = spectrum_.MaxHz() / 1e3;
  const Scale x{0.0, maxKHz, plot.left(), plot.right()};
  const Scale y{bottom, top, plot.bottom(), plot.top()};
  DrawTicks(painter, text, plot, x, y, std::max(plot.width() / 80, 2), std::max(plot.height() / 35, 2));

  painter.setClipRect(plot.adjusted(0, 0, 1, 1));
  painter.setPen(QPen(SpectrumColour, 1));
  DrawSeries(
      painter, shown, 0, shown.size() - 1, [&](std::size_t k) { return x.Pixel(spectrum_.FrequencyHz(k) / 1e3); }, y);
  const double peakX = x.Pixel(spectrum_.PeakHz / 1e3);
  const std::size_t peakBin = static_cast<std::size_t>(std::lround(spectrum_.PeakHz / spectrum_.BinHz));
  painter.setPen(QPen(CentroidColour, 1, Qt::DashLine));
  painter.drawLine(QPointF(x.Pixel(spectrum_.CentroidHz / 1e3), plot.top()),
                   QPointF(x.Pixel(spectrum_.CentroidHz / 1e3), plot.bottom()));
  painter.setPen(PeakColour);
  painter.setBrush(PeakColour);
  if (peakBin < shown.size()) painter.drawEllipse(QPointF(peakX, y.Pixel(shown[peakBin])), 3.0, 3.0);
  painter.setClipping(false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(AxisColour);
  painter.drawRect(plot);
  text.Draw(plot.left() + plot.width() / 2, plot.bottom() + 5 + text.Height(), tr("kHz"),
            Qt::AlignHCenter | Qt::AlignTop);
  text.Draw(8, plot.top() - 6, spectrumDb_ ? tr("dB (1 µV)") : (milli ? tr("mV") : tr("V")),
            Qt::AlignLeft | Qt::AlignBottom);
  text.Draw(plot.left(), plot.top() - 4, tr("Magnitude spectrum (Hann window)   ") + SpectrumText(),
            Qt::AlignLeft | Qt::AlignBottom);
}

}  // namespace ae
