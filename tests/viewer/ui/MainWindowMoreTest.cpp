// More of the main window: the clipboard copy, saving onto the loaded file, event view over
// unsorted data, the help topics, the tool bar's side and the view switches kept at shutdown.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <filesystem>

#include <gtest/gtest.h>

#include "tests/support/DtaBuilder.h"
#include "tests/viewer/ui/ViewerFixture.h"
#include "ui/THelpWindow.h"
#include "viewer/core/AOptions.h"
#include "viewer/ui/TZTGraphControl.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZTTabSheet.h"
#include "viewer/ui/TZmvMain.h"

namespace ae {
namespace {

using test::ViewerFixture;

constexpr std::uint64_t OneSecond = 4000000;

class MainWindowMore : public ViewerFixture {};

TEST_F(MainWindowMore, CtrlAndTheRightButtonCopyAGraphAtTheChosenSizeAndResolution) {
  Start({QString::fromStdString(MakeFile(300))});
  ShowPage(1);
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Copy to Clipboard");
    dialog->findChild<QSpinBox*>(QStringLiteral("Edit1"))->setValue(60);
    dialog->findChildren<QRadioButton*>().at(0)->setChecked(true);  // 100 DPI
    dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
  });
  TZTGraphControl& graph = Graph(0);
  QTest::mouseClick(&graph, Qt::RightButton, Qt::ControlModifier, {100, 100});
  EXPECT_EQ(GlobalOptions().PrnWidth, 60);
  EXPECT_EQ(GlobalOptions().PrnDPI, 100);
  const QImage copy = QApplication::clipboard()->image();
  EXPECT_EQ(copy.size(), QSize(60 * 100 / 25, 50 * 100 / 25));
  EXPECT_EQ(copy.pixel(0, 0) & 0xFFFFFFu, 0x000000u);  // the clipboard's scheme: framed in black on white
  EXPECT_EQ(copy.pixel(copy.width() / 2, 5) & 0xFFFFFFu, 0xFFFFFFu);
}

TEST_F(MainWindowMore, SavingOntoTheLoadedFileWorksOnceAndThenSaysWhyNot) {
  const std::string file = MakeFile(300);
  Start({QString::fromStdString(file)});
  ShowPage(1);
  TZTGraphControl& graph = Graph(0);
  const TZTGraph& g = graph.Graph();
  Drag(graph, {g.PlotLeft + 1, g.PlotTop + 1}, {g.PlotRight - 1, g.PlotBottom - 1});
  Trigger("AddAndAction");
  Trigger("DeleteGroupedAction");
  fileAnswers_ = {QString::fromStdString(file)};
  Trigger("SaveAsAction");
  EXPECT_TRUE(boxes_.empty());
  const std::vector<unsigned char> cleaned = test::ReadFileBytes(file);
  // The file on disk is no longer the one the deleted marks belong to.
  fileAnswers_ = {QString::fromStdString(file)};
  Trigger("SaveAsAction");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_NE(boxes_[0].text.indexOf("has changed since it was loaded"), -1) << boxes_[0].text.toStdString();
  EXPECT_EQ(test::ReadFileBytes(file), cleaned);
}

TEST_F(MainWindowMore, EventViewOverUnsortedDataSaysSoOncePerPaint) {
  test::DtaBuilder b;
  b.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
  b.StandardHit(2 * OneSecond, 1, 5, 10, 20, 100, 60, 0);
  b.StandardHit(5 * OneSecond, 1, 5, 10, 20, 100, 62, 0);
  b.StandardHit(OneSecond * 13 / 4, 1, 5, 10, 20, 100, 64, 0);  // 3.25 s, before the one at 5 s
  const std::string file = dir_.File("UNSORTED.DTA");
  b.Save(file);
  Start({QString::fromStdString(file)});
  Trigger("EventViewAction");
  Sheet(0).repaint();
  QApplication::processEvents();
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "Data file doesn't sorted (3.25 s). Event View is impossible.");
  EXPECT_EQ(boxes_[0].caption, "Error");
  Sheet(0).repaint();  // an expose of the same page does not ask again
  QApplication::processEvents();
  EXPECT_EQ(boxes_.size(), 1u);
  Trigger("RefreshAction");  // a new redraw reports again
  Sheet(0).repaint();
  QApplication::processEvents();
  EXPECT_EQ(boxes_.size(), 2u);
}

TEST_F(MainWindowMore, HelpTopicsOpenTheSharedHelpWindow) {
  THelpWindow::SetHelpFile(QStringLiteral(AE_HELP_FILE));
  Start();
  for (const char* action : {"VarnelHelpAction", "ZemtalHelpAction", "QuickTourAction", "HotKeysAction"}) {
    Trigger(action);
    ASSERT_NE(THelpWindow::Instance(), nullptr) << action;
    EXPECT_TRUE(THelpWindow::Instance()->isVisible()) << action;
  }
  THelpWindow::Instance()->close();
  THelpWindow::SetHelpFile(QString());
}

TEST_F(MainWindowMore, TheWindowsStateGoesIntoTheOptionsAtShutdown) {
  Start();
  Trigger("ToolbarLeftAction");
  EXPECT_EQ(window_->toolBarArea(&window_->ToolBar()), Qt::LeftToolBarArea);
  Trigger("ChannelsPanelAction");  // hides the panel (shown by default)
  Trigger("ColoredChannelsAction");
  Trigger("ShowTimeMarksAction");
  window_->close();
  AOptions stored;
  stored.Load();
  EXPECT_EQ(stored.ToolBarAlign, 3);
  EXPECT_FALSE(stored.ChanPanVisible);
  EXPECT_EQ(stored.ViewType, 0);
  EXPECT_FALSE(stored.ShowTimeMark);
  window_.reset();
  Start();  // and the next start shows them so
  EXPECT_EQ(window_->toolBarArea(&window_->ToolBar()), Qt::LeftToolBarArea);
  EXPECT_TRUE(window_->findChild<QAction*>(QStringLiteral("ColoredChannelsAction"))->isChecked());
  EXPECT_FALSE(window_->findChild<QAction*>(QStringLiteral("ShowTimeMarksAction"))->isChecked());
}

TEST_F(MainWindowMore, AProtocolThatCannotBeWrittenSaysSo) {
  programDir_ = dir_.File("gone");  // no such folder: the file cannot be written there
  Start();
  GlobalOptions().WriteReport = true;
  window_->close();
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text.toStdString(), "Error of saving '" + dir_.File("gone") + "/_Protocol.txt'.");
  EXPECT_EQ(boxes_[0].caption, "Error..");
}

TEST_F(MainWindowMore, ResizingLaysOutTheHiddenPagesTooAndOnlyTheShownOneRenders) {
  Start({QString::fromStdString(MakeFile(300))});
  window_->resize(1000, 700);
  QApplication::processEvents();
  ShowPage(0);
  const TZTGraph& hidden = *Sheet(2).Page().Graphs[0];
  const int before = hidden.Width;
  window_->resize(1400, 900);
  QApplication::processEvents();
  EXPECT_GT(hidden.Width, before);
  EXPECT_EQ(hidden.Width, Sheet(2).width() * 3 / 5);  // 3 of the 5 columns
  EXPECT_TRUE(hidden.Dirty);
  Sheet(0).repaint();
  EXPECT_FALSE(Sheet(0).Page().Graphs[0]->Dirty);
  EXPECT_TRUE(hidden.Dirty);
}

}  // namespace
}  // namespace ae
