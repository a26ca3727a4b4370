#include "viewer/report/ReportPageGeometry.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QSize>
#include <algorithm>
#include <cmath>

namespace ae {

namespace {

constexpr double HeaderMm = 7.0, FooterMm = 6.0, GapMm = 3.0;

}  // namespace

QSize ReportPageGeometry::PixelsFor(const QSizeF& area) const {
  const double scale = ReportDpi / Dpi;
  return {std::max(1, static_cast<int>(std::floor(area.width() * scale))),
          std::max(1, static_cast<int>(std::floor(area.height() * scale)))};
}

ReportPageGeometry ReportPageGeometry::Of(QPagedPaintDevice& device) {
  ReportPageGeometry g;
  g.Device = &device;
  g.Dpi = device.logicalDpiY();
  const QRectF paint(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
  g.Header = QRectF(paint.left(), paint.top(), paint.width(), g.Mm(HeaderMm));
  g.Footer = QRectF(paint.left(), paint.bottom() - g.Mm(FooterMm), paint.width(), g.Mm(FooterMm));
  g.Content = QRectF(QPointF(paint.left(), g.Header.bottom() + g.Mm(GapMm)),
                     QPointF(paint.right(), g.Footer.top() - g.Mm(GapMm)));
  return g;
}

void SetUpReportPages(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 10, 12, 10),
                                   QPageLayout::Millimeter));
}

}  // namespace ae
