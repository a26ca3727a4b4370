#include "viewer/report/ReportPageFrame.h"

#include <QFontMetricsF>
#include <QPainter>

#include "viewer/report/DocumentPages.h"
#include "viewer/report/ReportPageGeometry.h"

#ifndef AE_VERSION
#define AE_VERSION "unknown"
#endif

namespace ae {

std::string ReportMaker() { return std::string("AE analysis suite ") + AE_VERSION; }

void PaintReportPageFrame(QPainter& painter, const ReportPageGeometry& page, const ReportPageFrame& frame) {
  painter.save();
  QFont font = DocumentPages::BodyFont();
  font.setPointSizeF(8.0);
  painter.setFont(font);
  const QFontMetricsF metrics(font, painter.device());
  painter.setPen(QPen(Qt::black, page.Mm(0.2)));
  // Each text of the header has half the line; a long name gives way in its middle, a long
  // title at its end.
  const double half = page.Header.width() / 2 - page.Mm(2);
  const QRectF header(page.Header.left(), page.Header.bottom() - page.Mm(1.5) - metrics.height(), page.Header.width(),
                      metrics.height());
  painter.drawText(header, Qt::AlignLeft | Qt::AlignBottom, metrics.elidedText(frame.FileName, Qt::ElideMiddle, half));
  painter.drawText(header, Qt::AlignRight | Qt::AlignBottom, metrics.elidedText(frame.Title, Qt::ElideRight, half));
  painter.drawLine(QPointF(page.Header.left(), page.Header.bottom()),
                   QPointF(page.Header.right(), page.Header.bottom()));

  painter.drawLine(QPointF(page.Footer.left(), page.Footer.top()), QPointF(page.Footer.right(), page.Footer.top()));
  const QRectF footer(page.Footer.left(), page.Footer.bottom() - metrics.height(), page.Footer.width(),
                      metrics.height());
  painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom,
                   QStringLiteral("Page %1 of %2").arg(frame.Number).arg(frame.Total));
  painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom, frame.Made);
  painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom, QString::fromStdString(ReportMaker()));
  painter.restore();
}

}  // namespace ae
