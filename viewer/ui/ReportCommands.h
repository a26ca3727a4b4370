#pragma once
// The report commands of the File menu: "Save report.." writes the test report of the data as
// the analyst left them (deleted hits left out, the sets as framed, the current test setup and
// graph set) into a PDF file; "Print.." prints the page of graphs shown.
#include <QObject>

#include "viewer/ui/ViewerContext.h"

class QAction;

namespace ae {

struct ReportSource;

class ReportCommands : public QObject {
  Q_OBJECT

 public:
  explicit ReportCommands(const ViewerContext& context, QObject* parent = nullptr);

  QAction* SaveReportAction;
  QAction* PrintAction;

  // Asks for the file (beside the data file, with the extension .pdf) and the title, then
  // writes the report; a failure is shown and leaves no file.
  void SaveReportActionExecute();
  // The print dialog, then the page shown on the printer.
  void PrintActionExecute();

  // What the report of the viewer's state is made of, with this title.
  ReportSource Source(const QString& title) const;

 private:
  const ViewerContext& context_;
};

}  // namespace ae
