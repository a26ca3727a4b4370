#include "viewer/report/ReportHeading.h"

#include <QFontMetricsF>
#include <QPainter>

#include "viewer/report/DocumentPages.h"
#include "viewer/report/ReportPageGeometry.h"

namespace ae {

QRectF PaintReportHeading(QPainter& painter, const QString& text, const ReportPageGeometry& page) {
  QFont font = DocumentPages::BodyFont();
  font.setPointSizeF(14.0);
  font.setBold(true);
  painter.save();
  painter.setFont(font);
  painter.setPen(Qt::black);
  const double height = QFontMetricsF(font, painter.device()).height();
  const QRectF line(page.Content.left(), page.Content.top(), page.Content.width(), height);
  painter.drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  painter.restore();
  return QRectF(QPointF(page.Content.left(), line.bottom() + page.Mm(2.0)), page.Content.bottomRight());
}

}  // namespace ae
