#pragma once
// What frames every page of a report: a header line (the data file's name, the report's title)
// and a footer line (page n of m, when the report was made, the program that made it).
#include <QString>
#include <string>

class QPainter;

namespace ae {

struct ReportPageGeometry;

struct ReportPageFrame {
  QString FileName;
  QString Title;
  int Number = 1;
  int Total = 1;
  QString Made;
};

void PaintReportPageFrame(QPainter& painter, const ReportPageGeometry& page, const ReportPageFrame& frame);

// "AE analysis suite 0.1", as the footer names the program.
std::string ReportMaker();

}  // namespace ae
