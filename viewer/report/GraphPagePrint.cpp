#include "viewer/report/GraphPagePrint.h"

#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>

#include "viewer/core/EViewer.h"
#include "viewer/graphs/GraphPage.h"
#include "viewer/report/GraphPagesSection.h"
#include "viewer/report/ReportPageFrame.h"
#include "viewer/report/ReportPageGeometry.h"

namespace ae {

void PrintGraphPage(QPagedPaintDevice& device, GraphPage& page, const std::string& dataFileName,
                    const QDateTime& made) {
  const ReportPageGeometry geometry = ReportPageGeometry::Of(device);
  const QString name = QString::fromStdString(page.Name);
  QPainter painter;
  if (!painter.begin(&device)) throw EViewer("The printer cannot print");
  PaintReportPageFrame(painter, geometry,
                       {QFileInfo(QString::fromStdString(dataFileName)).fileName(), name, 1, 1,
                        made.toString(QStringLiteral("yyyy-MM-dd HH:mm"))});
  GraphPagesSection::PaintGraphPage(painter, page, geometry);
  painter.end();
}

}  // namespace ae
