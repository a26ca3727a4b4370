#pragma once
// Where things go on a page of paper: the header line, the content and the footer line, in the
// device's units, and the resolution the graph pages are drawn at.
#include <QRectF>
#include <QSize>

class QPagedPaintDevice;
class QPaintDevice;

namespace ae {

// Graph pages are drawn into images of this many dots per inch of paper.
inline constexpr int ReportDpi = 200;

struct ReportPageGeometry {
  double Dpi = 72.0;  // device units per inch
  // Relative to the painter's origin, the top left corner of the paintable area.
  QRectF Header, Content, Footer;
  // The device, for the fonts' metrics of text laid out for it.
  QPaintDevice* Device = nullptr;

  double Mm(double mm) const { return mm * Dpi / 25.4; }
  // The size in pixels of an image that covers `area` at the report's resolution.
  QSize PixelsFor(const QSizeF& area) const;

  // The geometry of a device's pages as they are set up.
  static ReportPageGeometry Of(QPagedPaintDevice& device);
};

// A4 landscape with the report's margins.
void SetUpReportPages(QPagedPaintDevice& device);

}  // namespace ae
