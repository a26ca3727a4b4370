#include "viewer/report/GraphPagesSection.h"

#include "viewer/report/GraphPagePicture.h"
#include "viewer/report/ReportHeading.h"

namespace ae {

void GraphPagesSection::Paint(QPainter& painter, int index, const ReportPageGeometry& page) {
  if (index < 0 || index >= static_cast<int>(pages_.size())) return;
  PaintGraphPage(painter, *pages_[static_cast<std::size_t>(index)], page);
  if (drawn_) drawn_();
}

void GraphPagesSection::PaintGraphPage(QPainter& painter, GraphPage& graphs, const ReportPageGeometry& page) {
  const QRectF area = PaintReportHeading(painter, QString::fromStdString(graphs.Name), page);
  const GraphPagePicture picture = GraphPagePicture::Render(graphs, page.PixelsFor(area.size()));
  // The picture covers the area at exactly the report's resolution.
  const QSize pixels = picture.Image().size();
  const double scale = page.Dpi / ReportDpi;
  picture.Paint(painter, QRectF(area.topLeft(), QSizeF(pixels.width() * scale, pixels.height() * scale)));
}

}  // namespace ae
