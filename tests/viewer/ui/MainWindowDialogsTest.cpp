// The main window's commands that open the sets statistic, the data view and the graph database
// windows: each opens modal, centred over the main window, and is gone after it closes; the
// graph database's OK rebuilds the pages from what it wrote, Cancel leaves them.
#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

#include "tests/viewer/ui/ViewerFixture.h"
#include "viewer/core/ADataListing.h"
#include "viewer/core/AOptions.h"
#include "viewer/ui/TDataBaseForm.h"
#include "viewer/ui/TZTGraphControl.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZmvMain.h"

namespace ae {
namespace {

class MainWindowDialogs : public test::ViewerFixture {
 protected:
  // Runs the command; `look` sees the modal window it opens, which is then closed by `button`.
  void RunDialog(const char* action, const std::function<void(QDialog&)>& look, const char* button) {
    opened_ = false;
    QTimer::singleShot(0, [this, look, button] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      opened_ = true;
      EXPECT_TRUE(dialog->isModal());
      // Centred over the main window (the offscreen screen holds both).
      const QPoint offset = dialog->frameGeometry().center() - window_->frameGeometry().center();
      EXPECT_LE(offset.manhattanLength(), 4) << dialog->windowTitle().toStdString();
      look(*dialog);
      auto* close = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
      ASSERT_NE(close, nullptr) << button;
      close->click();
    });
    Trigger(action);
    EXPECT_TRUE(opened_) << action;
    QApplication::processEvents();
    // Destroyed on closing.
    EXPECT_TRUE(window_->findChildren<QDialog*>().isEmpty()) << action;
  }
  void FrameFirstPointGraph() {
    ShowPage(1);
    TZTGraphControl& control = Graph(0);
    const TZTGraph& g = control.Graph();
    Drag(control, {g.PlotLeft + 1, g.PlotTop + 1}, {g.PlotRight - 1, g.PlotBottom - 1});
    ASSERT_GT(window_->Pages().DataSet().FramedCount, 0u);
  }

  bool opened_ = false;
};

TEST_F(MainWindowDialogs, SetsStatisticAndDataViewShowTheFramedHits) {
  Start({QString::fromStdString(MakeFile(400))});
  FrameFirstPointGraph();
  const std::size_t framed = window_->Pages().DataSet().FramedCount;
  boxes_.clear();
  RunDialog(
      "ShowSetsStatisticAction",
      [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Sets statistic.."));
        auto* amplitude = dialog.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
        ASSERT_NE(amplitude, nullptr);
        EXPECT_TRUE(amplitude->toPlainText().contains(QStringLiteral("Set 1")))
            << amplitude->toPlainText().left(200).toStdString();
      },
      "OKBtn");
  RunDialog(
      "ShowFramedDataAction",
      [framed](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Data view.."));
        auto* lines = dialog.findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"));
        ASSERT_NE(lines, nullptr);
        EXPECT_EQ(static_cast<std::size_t>(lines->document()->blockCount()), std::min(framed, ADataListing::LineLimit));
      },
      "OKBtn");
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(MainWindowDialogs, TheGraphDataBaseRebuildsThePagesOnOkOnly) {
  Start();
  ASSERT_EQ(window_->Pages().count(), 3);
  const QString first = window_->Pages().tabText(0);
  auto rename = [](QDialog& dialog, const QString& name) {
    auto& form = static_cast<TDataBaseForm&>(dialog);
    QTableView* pages = form.View(TDataBaseForm::gPages);
    QAbstractItemModel* model = pages->model();
    ASSERT_TRUE(model->setData(model->index(0, pages->currentIndex().column()), name));
  };
  RunDialog(
      "GraphDataBaseAction",
      [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Graph Data Base.."));
        rename(dialog, QStringLiteral("Not kept"));
      },
      "BitBtn4");
  EXPECT_EQ(window_->Pages().tabText(0), first);
  RunDialog(
      "GraphDataBaseAction", [&](QDialog& dialog) { rename(dialog, QStringLiteral("Bursts")); }, "BitBtn3");
  EXPECT_EQ(window_->Pages().tabText(0), QStringLiteral("Bursts"));
  EXPECT_EQ(window_->Pages().count(), 3);
  EXPECT_EQ(GlobalOptions().CurrentGraphSet, 1);
  EXPECT_TRUE(boxes_.empty());
}

}  // namespace
}  // namespace ae
