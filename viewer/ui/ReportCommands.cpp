#include "viewer/ui/ReportCommands.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QPrinter>
#include <exception>

#include "ui/DialogPlacement.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/graphs/GraphPageBuilder.h"
#include "viewer/report/GraphPagePrint.h"
#include "viewer/report/TestReport.h"
#include "viewer/ui/FileDialogSeam.h"
#include "viewer/ui/PrintDialogSeam.h"
#include "viewer/ui/TMainDataModule.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZTTabSheet.h"

namespace ae {

namespace {

// The wait cursor for work the window waits for, taken back however the work ends.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

ReportCommands::ReportCommands(const ViewerContext& context, QObject* parent) : QObject(parent), context_(context) {
  SaveReportAction = MakeAction(this, "SaveReportAction", tr("Save report.."), QKeySequence(Qt::CTRL | Qt::Key_R));
  PrintAction = MakeAction(this, "PrintAction", tr("Print.."), QKeySequence(Qt::CTRL | Qt::Key_P));
  SaveReportAction->setToolTip(tr("Save the test report as a PDF file"));
  PrintAction->setToolTip(tr("Print the page of graphs"));
  connect(SaveReportAction, &QAction::triggered, this, &ReportCommands::SaveReportActionExecute);
  connect(PrintAction, &QAction::triggered, this, &ReportCommands::PrintActionExecute);
}

ReportSource ReportCommands::Source(const QString& title) const {
  TZTPageControl& pages = *context_.Pages;
  ReportSource source;
  source.Data = &pages.DataSet();
  source.Frames = pages.Common().Frames;
  for (TZTTabSheet* sheet : pages.Sheets()) {
    std::vector<GraphId> graphs;
    for (const auto& graph : sheet->Page().Graphs) graphs.push_back(graph->Id());
    source.FrameGraphs.push_back(std::move(graphs));
  }
  source.Options = *context_.Options;
  source.Setup = *context_.Setup;
  // The graph set the pages show.
  if (context_.Data != nullptr && !pages.Sheets().empty()) {
    const GraphSetChoice choice = GraphPageBuilder(context_.Data->Store(), pages.Common()).ChooseGraphSet();
    if (choice.Show && choice.Set) source.GraphSet = choice.Set->GSystemID;
  }
  source.Title = S(title);
  return source;
}

void ReportCommands::SaveReportActionExecute() {
  QMainWindow* window = context_.Window;
  if (!context_.HasData()) {
    MessageSeam::Show(window, MessageSeam::Kind::Warning, tr("No data file is loaded"), Q(ViewerText(vmWarning)));
    return;
  }
  // Beside the data file, named after it.
  const QFileInfo loaded(Q(context_.Pages->DataSet().FileName));
  const QString name =
      FileDialogSeam::SaveFileName(window, tr("Save report"), tr("PDF file (*.pdf)|*.pdf"), QStringLiteral("pdf"), true,
                                   loaded.absolutePath(), loaded.completeBaseName() + QStringLiteral(".pdf"));
  if (name.isEmpty()) return;

  QInputDialog ask(window);
  ask.setObjectName(QStringLiteral("ReportTitleDialog"));
  ask.setWindowTitle(tr("Save report"));
  ask.setLabelText(tr("Report title:"));
  ask.setTextValue(Q(ReportSource::DefaultTitle(*context_.Setup)));
  // Room for a title of a line.
  if (auto* edit = ask.findChild<QLineEdit*>()) edit->setMinimumWidth(420);
  CenterOnOwner(&ask, window);
  if (ask.exec() != QDialog::Accepted) return;

  try {
    const BusyCursor busy;
    TestReport report(Source(ask.textValue()), context_.Data != nullptr ? &context_.Data->Store() : nullptr);
    report.Save(S(name));
  } catch (const std::exception& error) {
    // The file was not written (an old one stays as it was); the box says why.
    MessageSeam::Show(window, MessageSeam::Kind::Error, Q(error.what()), Q(ViewerText(vmErrorDots)));
    return;
  }
  context_.Protocol->AddLine("Report saved\t" + S(name));
}

void ReportCommands::PrintActionExecute() {
  QMainWindow* window = context_.Window;
  auto* sheet = qobject_cast<TZTTabSheet*>(context_.Pages->currentWidget());
  if (sheet == nullptr) {
    MessageSeam::Show(window, MessageSeam::Kind::Warning, tr("No page of graphs to print"), Q(ViewerText(vmWarning)));
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(Q(sheet->Page().Name));
  if (!PrintDialogSeam::Ask(printer, window)) return;
  try {
    const BusyCursor busy;
    PrintGraphPage(printer, sheet->Page(), context_.Pages->DataSet().FileName);
  } catch (const std::exception& error) {
    MessageSeam::Show(window, MessageSeam::Kind::Error, Q(error.what()), Q(ViewerText(vmErrorDots)));
  }
  // The page was drawn for paper: back to the window's size and colours.
  context_.Pages->UpdateAllLayouts();
  context_.Redraw();
}

}  // namespace ae
