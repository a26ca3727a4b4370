// File, "Save report.." and "Print..": the report of the data as the analyst left them, and the
// page of graphs on a printer.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <filesystem>
#include <optional>

#include <gtest/gtest.h>

#include "tests/support/PdfText.h"
#include "tests/viewer/ui/ViewerFixture.h"
#include "viewer/core/AOptions.h"
#include "viewer/graphs/TCommonData.h"
#include "viewer/ui/FileCommands.h"
#include "viewer/ui/PrintDialogSeam.h"
#include "viewer/ui/ReportCommands.h"
#include "viewer/ui/TZTGraphControl.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZTTabSheet.h"
#include "viewer/ui/TZmvMain.h"

namespace ae {
namespace {

namespace fs = std::filesystem;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class ReportCommandsTest : public test::ViewerFixture {
 protected:
  ~ReportCommandsTest() override { PrintDialogSeam::ClearHandler(); }

  // Answers the title dialog of the next command with `title` (or cancels it with none); the
  // title it proposed is kept.
  void AnswerTitle(std::optional<QString> title) {
    titleAsked_ = false;
    QTimer::singleShot(0, [this, title] {
      auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->objectName(), "ReportTitleDialog");
      titleAsked_ = true;
      proposedTitle_ = dialog->textValue();
      if (title) {
        dialog->setTextValue(*title);
        dialog->accept();
      } else {
        dialog->reject();
      }
    });
  }
  void FrameFirstPointGraph() {
    ShowPage(1);
    TZTGraphControl& control = Graph(0);
    const TZTGraph& g = control.Graph();
    Drag(control, {g.PlotLeft + 1, g.PlotTop + 1}, {g.PlotRight - 1, (g.PlotTop + g.PlotBottom) / 2});
    ASSERT_GT(window_->Pages().DataSet().FramedCount, 0u);
  }

  bool titleAsked_ = false;
  QString proposedTitle_;
};

TEST_F(ReportCommandsTest, SaveReportWritesTheDataAsTheAnalystLeftThem) {
  const std::string file = MakeFile(800);
  Start({QString::fromStdString(file)});
  FrameFirstPointGraph();
  const TZTGraph& shown = Graph(0).Graph();
  const QSize before = shown.Bitmap.size();

  const std::string out = dir_.File("reports/V-101.pdf");
  fs::create_directory(dir_.File("reports"));
  fileAnswers_ = {QString::fromStdString(out)};
  AnswerTitle(QStringLiteral("Vessel V-101, proof test"));
  Trigger("SaveReportAction");
  EXPECT_TRUE(titleAsked_);
  EXPECT_TRUE(boxes_.empty()) << (boxes_.empty() ? "" : boxes_.back().text.toStdString());
  // Proposed beside the data file, with the extension .pdf; the title from the test setup.
  ASSERT_FALSE(fileStarts_.empty());
  EXPECT_EQ(fileStarts_.back().toStdString(), (dir_.Path() / "PROOF.pdf").string());
  EXPECT_EQ(proposedTitle_, QStringLiteral("AE test report"));

  const std::vector<std::string> pages = test::PdfPages(out);
  ASSERT_GE(pages.size(), 6u);
  const std::string all = test::Joined(pages);
  for (const char* part : {"Vessel V-101, proof test", "PROOF.DTA", "Sets 1 from the frames", "Activity",
                           "Correlations", "Distributions", "Amplitude Distr.", "MONPAC+", "ZIP"})
    EXPECT_TRUE(Has(all, part)) << part;
  EXPECT_EQ(ProtocolTexts().back(), "Report saved\t" + out);
  // The window's graphs and frames are as they were.
  EXPECT_EQ(shown.Bitmap.size(), before);
  EXPECT_EQ(window_->Pages().Common().Frames.FrameCount(), 1);
}

TEST_F(ReportCommandsTest, NothingIsWrittenWhenTheUserCancelsOrNoFileIsLoaded) {
  Start();
  Trigger("SaveReportAction");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_.back().text, "No data file is loaded");
  EXPECT_EQ(fileDialogs_, 0);

  window_.reset();
  boxes_.clear();
  const std::string file = MakeFile(200);
  Start({QString::fromStdString(file)});
  Trigger("SaveReportAction");  // the file dialog cancelled
  EXPECT_EQ(fileDialogs_, 1);
  const std::string out = dir_.File("cancelled.pdf");
  fileAnswers_ = {QString::fromStdString(out)};
  AnswerTitle(std::nullopt);
  Trigger("SaveReportAction");
  EXPECT_TRUE(titleAsked_);
  EXPECT_FALSE(fs::exists(out));
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(ReportCommandsTest, AFileThatCannotBeWrittenIsSaidAndLeftOut) {
  const std::string file = MakeFile(200);
  Start({QString::fromStdString(file)});
  const std::string out = dir_.File("no-such-folder/report.pdf");
  fileAnswers_ = {QString::fromStdString(out)};
  AnswerTitle(QStringLiteral("Title"));
  Trigger("SaveReportAction");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_.back().kind, MessageSeam::Kind::Error);
  EXPECT_TRUE(boxes_.back().text.startsWith(QStringLiteral("Cannot write \"") + QString::fromStdString(out)))
      << boxes_.back().text.toStdString();
  EXPECT_FALSE(fs::exists(fs::path(out).parent_path()));
}

TEST_F(ReportCommandsTest, PrintPutsThePageShownOnThePrinterAndLeavesTheWindowAsItWas) {
  const std::string file = MakeFile(500);
  Start({QString::fromStdString(file)});
  ShowPage(2);
  const TCommonData& common = window_->Pages().Common();
  const AOptions* options = common.Options;
  const QSize before = Graph(0).Graph().Bitmap.size();
  const std::string out = dir_.File("printed.pdf");
  PrintDialogSeam::SetHandler([&out](QPrinter& printer) {
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(out));
    return true;
  });
  Trigger("PrintAction");
  EXPECT_TRUE(boxes_.empty()) << (boxes_.empty() ? "" : boxes_.back().text.toStdString());
  const std::vector<std::string> pages = test::PdfPages(out);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(Has(pages[0], "Distributions")) << pages[0];
  EXPECT_TRUE(Has(pages[0], "0. Amplitude distribution")) << pages[0];
  EXPECT_EQ(common.Options, options);
  EXPECT_EQ(common.LabelDpi, 0);
  EXPECT_TRUE(common.LabelGlyphs);
  Sheet(2).repaint();
  EXPECT_EQ(Graph(0).Graph().Bitmap.size(), before);
}

TEST_F(ReportCommandsTest, PrintReachesThePrintDialog) {
  const std::string file = MakeFile(200);
  Start({QString::fromStdString(file)});
  bool opened = false;
  QTimer::singleShot(0, [&opened] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    opened = true;
    dialog->reject();
  });
  Trigger("PrintAction");
  EXPECT_TRUE(opened);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(ReportCommandsTest, TheFileMenuHasTheCommandsWithTheirKeys) {
  Start();
  const ReportCommands& reports = window_->Reports();
  EXPECT_EQ(reports.SaveReportAction->text(), "Save report..");
  EXPECT_EQ(reports.SaveReportAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
  EXPECT_EQ(reports.PrintAction->text(), "Print..");
  QMenu* file = window_->menuBar()->actions().first()->menu();
  ASSERT_NE(file, nullptr);
  const QList<QAction*> items = file->actions();
  const auto at = [&items](const QAction* action) { return items.indexOf(const_cast<QAction*>(action)); };
  EXPECT_EQ(at(reports.SaveReportAction), at(window_->Files().SaveAsAction) + 1);
  EXPECT_EQ(at(reports.PrintAction), at(reports.SaveReportAction) + 1);
  // Without a page (the options show no graph set) there is nothing to print.
  GlobalOptions().StartUpGraph = 0;
  window_->Pages().BuildPages();
  ASSERT_EQ(window_->Pages().count(), 0);
  Trigger("PrintAction");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_.back().text, "No page of graphs to print");
}

}  // namespace
}  // namespace ae
