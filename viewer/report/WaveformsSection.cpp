#include "viewer/report/WaveformsSection.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "viewer/graphs/WaveformPlot.h"
#include "viewer/report/ImageTexts.h"
#include "viewer/report/ReportHeading.h"

namespace ae {

namespace {

constexpr int PerPage = 2;
// The picture's own width in pixels: the window's size, so that its texts keep their proportion.
constexpr int PictureWidth = 1100;

}  // namespace

WaveformsSection::WaveformsSection(const ReportContent& content) : content_(content) {
  const ZTDataSet& data = content.Data;
  std::array<std::optional<std::size_t>, 256> strongest;
  for (std::size_t i = 0; i < data.Recs.size(); ++i) {
    const ZTShortHit& rec = data.Recs[i];
    if (!rec.IsHit() || rec.IsDeleted() || !data.Waveforms.Has(static_cast<std::uint32_t>(i))) continue;
    std::optional<std::size_t>& best = strongest[rec.Channel];
    if (!best || rec.Amplitude > data.Recs[*best].Amplitude) best = i;
  }
  for (const auto& hit : strongest)
    if (hit) hits_.push_back(*hit);
}

int WaveformsSection::Layout(const ReportPageGeometry&) {
  return static_cast<int>((hits_.size() + PerPage - 1) / PerPage);
}

void WaveformsSection::Paint(QPainter& painter, int index, const ReportPageGeometry& page) {
  const QRectF area =
      PaintReportHeading(painter, QStringLiteral("Waveforms of the strongest hit of each channel"), page);
  if (area.isEmpty()) return;
  const double gap = area.height() * 0.02;
  const double height = (area.height() - gap * (PerPage - 1)) / PerPage;
  for (int slot = 0; slot < PerPage; ++slot) {
    const std::size_t n = static_cast<std::size_t>(index) * PerPage + static_cast<std::size_t>(slot);
    if (n >= hits_.size()) break;
    const std::size_t hit = hits_[n];
    WaveformPlot plot;
    std::optional<ZTWaveform> wave;
    QString why = QStringLiteral("This hit has no waveform.");
    try {
      wave = content_.Data.ReadWaveform(hit);
    } catch (const std::exception& error) {
      why = QString::fromUtf8(error.what());
    }
    plot.SetHit(content_.Data.Recs[hit], std::move(wave), why);
    plot.SetTextGlyphs(false);
    const QRectF target(area.left(), area.top() + slot * (height + gap), area.width(), height);
    const int pictureHeight = std::max(1, static_cast<int>(std::lround(PictureWidth * height / area.width())));
    const QImage image = plot.Render(PictureWidth, pictureHeight);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, image);
    PaintImageTexts(painter, target, image.size(), plot.Texts(), image.logicalDpiY(), Qt::black);
    painter.restore();
  }
}

}  // namespace ae
