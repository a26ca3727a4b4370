#include "viewer/report/ZipSection.h"

#include <QPicture>
#include <cmath>

#include "viewer/core/GraphColors.h"
#include "viewer/graphs/ZipPlot.h"
#include "viewer/report/ReportHeading.h"

namespace ae {

namespace {

// The plot's own units across the page: about as wide as the statistic window shows it, so that
// its texts come out at a size that reads on paper.
constexpr int PlotWidth = 1100;

}  // namespace

void ZipSection::Paint(QPainter& painter, int index, const ReportPageGeometry& page) {
  if (index != 0) return;
  const QRectF area = PaintReportHeading(painter, QStringLiteral("ZIP"), page);
  if (area.isEmpty()) return;
  const double scale = area.width() / PlotWidth;
  const int height = std::max(1, static_cast<int>(std::floor(area.height() / scale)));
  QPicture picture;
  // The zone classes are those the MONPAC report stored.
  ZipPlot::Paint(picture, ZipPointsOf(content_.Stat), PlotWidth, height, ClipboardScheme);
  painter.save();
  painter.translate(area.topLeft());
  // A picture played on a device scales itself from its own resolution to the device's; the
  // plot's units are meant to fill the area.
  const double played =
      painter.device() != nullptr ? painter.device()->logicalDpiX() / double(picture.logicalDpiX()) : 1.0;
  painter.scale(scale / played, scale / played);
  painter.drawPicture(0, 0, picture);
  painter.restore();
}

}  // namespace ae
