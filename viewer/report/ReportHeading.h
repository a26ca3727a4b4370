#pragma once
// The heading a page of the report starts with when the page is a picture (a graph page, the
// ZIP): one line of bold text across the top of the content.
#include <QRectF>
#include <QString>

class QPainter;

namespace ae {

struct ReportPageGeometry;

// Paints the heading at the top of the content; returns the content below it.
QRectF PaintReportHeading(QPainter& painter, const QString& text, const ReportPageGeometry& page);

}  // namespace ae
