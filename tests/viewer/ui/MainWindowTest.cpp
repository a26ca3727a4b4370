// The viewer's main window through its actions, keys and mouse: start, open and save, frames,
// the Sets commands, event view, the channel selection, the time window and the shutdown.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include <gtest/gtest.h>

#include "datafiles/ZTDataSet.h"
#include "tests/viewer/ui/ViewerFixture.h"
#include "viewer/core/AOptions.h"
#include "viewer/ui/StatusPanels.h"
#include "viewer/ui/TChannelsPanel.h"
#include "viewer/ui/TZTGraphControl.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZTTabSheet.h"
#include "viewer/ui/TZmvMain.h"

namespace ae {
namespace {

using test::ViewerFixture;

class MainWindow : public ViewerFixture {
 protected:
  ZTDataSet& Data() { return window_->Pages().DataSet(); }
  QString StatusText(int panel) { return window_->Status().Text(panel); }
  // A drag over the whole plot of a point graph of the shown page.
  void FrameAll(int graph, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    TZTGraphControl& control = Graph(graph);
    const TZTGraph& g = control.Graph();
    Drag(control, {g.PlotLeft + 1, g.PlotTop + 1}, {g.PlotRight - 1, g.PlotBottom - 1}, keys);
  }
  bool HasLine(const std::string& text) {
    const std::vector<std::string> texts = ProtocolTexts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
  // Answers the next modal dialog that opens: the radio item, then OK.
  void AnswerNextDialog(int item) {
    QTimer::singleShot(0, [item] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      const QList<QRadioButton*> radios = dialog->findChildren<QRadioButton*>();
      if (item >= 0 && item < radios.size()) radios[item]->setChecked(true);
      dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
  }
};

TEST_F(MainWindow, StartsWithThePagesOfTheFirstGraphSetAndWithoutAFile) {
  Start();
  EXPECT_EQ(window_->windowTitle(), "AE Varnel");
  ASSERT_EQ(window_->Pages().count(), 3);
  EXPECT_EQ(window_->Pages().tabText(1), "Correlations");
  EXPECT_EQ(StatusText(1), "HITS:");
  EXPECT_EQ(StatusText(5), "DEL: ");
  EXPECT_EQ(ProtocolTexts(), (std::vector<std::string>{"ZMV launched"}));
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(MainWindow, OneDataFileArgumentIsLoadedAnythingElseOnlyBuildsThePages) {
  const std::string file = MakeFile(300);
  Start({QString::fromStdString(file)});
  EXPECT_EQ(window_->windowTitle(), "AE Varnel - " + QString::fromStdString(file));
  EXPECT_EQ(Data().HitCount, 300u);
  EXPECT_EQ(StatusText(1), StatusPanels::HitsText(300));
  EXPECT_EQ(StatusText(2), "EVNT: - ");
  EXPECT_EQ(ProtocolTexts().back(), "Data loaded\t" + file);
  EXPECT_EQ(window_->Pages().count(), 3);

  window_.reset();
  Start({QString::fromStdString(dir_.File("notes.txt"))});
  EXPECT_EQ(Data().RecCount, 0);
  EXPECT_EQ(window_->Pages().count(), 3);
  EXPECT_EQ(window_->windowTitle(), "AE Varnel");
}

TEST_F(MainWindow, OpenAndSaveGoThroughTheirDialogs) {
  const std::string file = MakeFile(200);
  Start();
  fileAnswers_ = {QString::fromStdString(file)};
  Trigger("OpenAction");
  EXPECT_EQ(Data().HitCount, 200u);
  const std::string copy = dir_.File("COPY.DTA");
  fileAnswers_ = {QString::fromStdString(copy)};
  Trigger("SaveAsAction");
  EXPECT_EQ(test::ReadFileBytes(copy), test::ReadFileBytes(file));  // nothing deleted: the same bytes
  EXPECT_EQ(ProtocolTexts().back(), "Data saved\t" + copy);
  // A cancelled dialog does nothing; a file the viewer cannot read says why and keeps the pages.
  Trigger("SaveAsAction");
  fileAnswers_ = {QString::fromStdString(dir_.File("missing.DTA"))};
  Trigger("OpenAction");
  ASSERT_FALSE(boxes_.empty());
  EXPECT_EQ(boxes_.back().text, "Data file doesn't exist");
  EXPECT_EQ(window_->Pages().count(), 3);
  EXPECT_EQ(fileDialogs_, 4);
}

TEST_F(MainWindow, SaveAsOpensBesideTheLoadedFileWithTheFirstFreeNumberedName) {
  Start();
  Trigger("SaveAsAction");  // nothing loaded: the dialog's own folder, no name
  ASSERT_EQ(fileStarts_.size(), 1u);
  EXPECT_EQ(fileStarts_.back(), QString());

  const std::string file = MakeFile(100, "VESSEL.DTA");
  test::WriteFileBytes(dir_.File("VESSEL-1.DTA"), {0});
  fileAnswers_ = {QString::fromStdString(file)};
  Trigger("OpenAction");
  const QString folder = QString::fromStdString(dir_.Path().string());
  fileAnswers_ = {folder + "/VESSEL-2.DTA"};
  Trigger("SaveAsAction");
  EXPECT_EQ(fileStarts_.back(), folder + "/VESSEL-2.DTA");
  // That name is taken now: the next proposal is the one after it.
  Trigger("SaveAsAction");
  EXPECT_EQ(fileStarts_.back(), folder + "/VESSEL-3.DTA");
}

TEST_F(MainWindow, ADragOnAPointGraphMakesAFrameAndWritesItsLine) {
  Start({QString::fromStdString(MakeFile(500))});
  ShowPage(1);
  FrameAll(0);
  EXPECT_TRUE(window_->Pages().Common().Frames.AnyFrame());
  EXPECT_GT(Data().FramedCount, 0u);
  EXPECT_EQ(StatusText(3), StatusPanels::FramedText(Data().FramedCount));
  const std::string last = ProtocolTexts().back();
  EXPECT_EQ(last.rfind("New selection:\tAmplitude, dB(", 0), 0u) << last;
  // The readout follows the mouse inside the plot.
  TZTGraphControl& graph = Graph(0);
  QTest::mouseMove(&graph, {graph.Graph().PlotLeft + 10, graph.Graph().PlotTop + 10});
  EXPECT_TRUE(StatusText(0).startsWith(" Amplitude, dB = ")) << StatusText(0).toStdString();
}

TEST_F(MainWindow, ANinthFrameWithShiftAsksAndEachChoiceIsFollowed) {
  Start({QString::fromStdString(MakeFile(500))});
  ShowPage(1);
  for (int i = 0; i < 8; ++i) FrameAll(0, Qt::ShiftModifier);
  ASSERT_EQ(window_->Pages().Common().Frames.FrameCount(), 8);
  const std::size_t lines = window_->Protocol().Lines.size();
  AnswerNextDialog(1);  // ignore the new frame
  FrameAll(0, Qt::ShiftModifier);
  EXPECT_EQ(window_->Pages().Common().Frames.FrameCount(), 8);
  EXPECT_EQ(window_->Protocol().Lines.size(), lines);
  AnswerNextDialog(2);  // group with AND, add the new one
  FrameAll(1, Qt::ShiftModifier);
  EXPECT_EQ(window_->Pages().Common().Frames.FrameCount(), 1);
  EXPECT_GT(Data().GroupedCount, 0u);
  EXPECT_EQ(ProtocolTexts()[lines],
            "Existing selections (" + std::to_string(Data().GroupedCount) + ") grouped by AND...");
  for (int i = 0; i < 7; ++i) FrameAll(0, Qt::ShiftModifier);
  AnswerNextDialog(0);  // delete all frames but the new one
  FrameAll(1, Qt::ShiftModifier);
  EXPECT_EQ(window_->Pages().Common().Frames.FrameCount(), 1);
  EXPECT_TRUE(HasLine("All existing selections cleaned..."));
}

TEST_F(MainWindow, GroupingDeletingUndeletingAndInvertingFollowTheMenus) {
  Start({QString::fromStdString(MakeFile(400))});
  ShowPage(1);
  FrameAll(0);
  const std::uint32_t framed = Data().FramedCount;
  Trigger("AddAndAction");
  EXPECT_EQ(Data().GroupedCount, framed);
  EXPECT_FALSE(window_->Pages().Common().Frames.AnyFrame());
  EXPECT_EQ(StatusText(4), StatusPanels::GroupedText(framed));
  Trigger("DeleteGroupedAction");
  EXPECT_EQ(Data().DeletedCount, framed);
  EXPECT_EQ(StatusText(5), StatusPanels::DeletedText(framed));
  EXPECT_TRUE(HasLine("Grouped data (" + std::to_string(framed) + ") deleted..."));

  answerYes_ = false;
  Trigger("UndeleteAction");
  EXPECT_EQ(boxes_.back().text, "Deleted data will be undeleted.\nConfirm please");
  EXPECT_EQ(Data().DeletedCount, framed);
  answerYes_ = true;
  Trigger("UndeleteAction");
  EXPECT_EQ(Data().DeletedCount, 0u);
  EXPECT_TRUE(HasLine("Deleted data undeleted..."));

  Trigger("InvertDeletedAction");
  EXPECT_EQ(Data().DeletedCount, Data().HitCount);
  EXPECT_TRUE(HasLine("All Deleted data (0) inverted..."));
  FrameAll(0);  // nothing left to frame
  Trigger("AddOrAction");
  EXPECT_EQ(Data().GroupedCount, 0u);
}

TEST_F(MainWindow, EventViewRemovesTheFramesAndCountsEvents) {
  Start({QString::fromStdString(MakeFile(400))});
  ShowPage(1);
  FrameAll(0);
  Trigger("EventViewAction");
  EXPECT_TRUE(GlobalOptions().EventsView);
  EXPECT_FALSE(window_->Pages().Common().Frames.AnyFrame());
  EXPECT_EQ(Data().FramedCount, 0u);
  // The graphs count the events as they draw; the counter shows their count right away.
  Sheet(1).repaint();
  EXPECT_GT(Data().EventCount, 0u);
  EXPECT_EQ(StatusText(2), StatusPanels::EventsText(Data().EventCount, true));
  Trigger("EventViewAction");
  EXPECT_EQ(StatusText(2), "EVNT: - ");
}

TEST_F(MainWindow, CountersShowEveryDigitAndPanelsKeepTheirDesignWidthsAsTheLeast) {
  Start();
  StatusPanels& status = window_->Status();
  // The width a panel needs for its text to show whole: the padding blanks show nothing.
  auto fits = [this](int panel) {
    auto* label = window_->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(panel));
    QString shown = label->text();
    while (shown.endsWith(' ')) shown.chop(1);
    const QFontMetrics metrics = label->fontMetrics();
    // A framed label indents its text by half an "x".
    return label->contentsRect().width() >=
           metrics.horizontalAdvance(shown) + metrics.horizontalAdvance(QLatin1Char('x')) / 2 + 2 * label->margin();
  };
  struct Case {
    std::uint32_t Count;
    const char* Hits;
    const char* Grouped;
  };
  const Case cases[] = {
      {0, "HITS:0        ", "GRPD:0        "},       {15117, "HITS:15117    ", "GRPD:15117    "},
      {2000000, "HITS:2000000  ", "GRPD:2000000  "}, {4294967295u, "HITS:4294967295", "GRPD:4294967295"},
      {0, "HITS:0        ", "GRPD:0        "},  // back to the design widths
  };
  for (const Case& c : cases) {
    ZTDataSet& data = Data();
    data.HitCount = data.EventCount = data.FramedCount = data.GroupedCount = data.DeletedCount = c.Count;
    status.UpdateStatus(data, true);
    QApplication::processEvents();
    EXPECT_EQ(StatusText(1), QString::fromLatin1(c.Hits));
    EXPECT_EQ(StatusText(4), QString::fromLatin1(c.Grouped));
    EXPECT_EQ(StatusText(2), StatusPanels::EventsText(c.Count, true));
    for (int panel = 1; panel <= 5; ++panel) {
      EXPECT_TRUE(fits(panel)) << c.Count << ", panel " << panel << ": " << StatusText(panel).toStdString();
      EXPECT_GE(status.Width(panel), StatusPanels::Widths[static_cast<std::size_t>(panel)]) << panel;
      if (c.Count == 0) {
        EXPECT_EQ(status.Width(panel), StatusPanels::Widths[static_cast<std::size_t>(panel)]) << panel;
      }
    }
  }
  EXPECT_GT(window_->findChild<QLabel*>("StatusPanel1")->minimumWidth(), 0);

  // The readout grows to its longest text and keeps that width, so the counters stay put.
  const QString longText = QStringLiteral(" Amplitude, dB = 53.39, Energy = 65535.00");
  status.ShowCoordinates(longText);
  QApplication::processEvents();
  EXPECT_TRUE(fits(0));
  const int grown = status.Width(0);
  EXPECT_GT(grown, StatusPanels::Widths[0]);
  status.ShowCoordinates(QStringLiteral(" Amplitude, dB = 1.00"));
  QApplication::processEvents();
  EXPECT_EQ(status.Width(0), grown);
}

TEST_F(MainWindow, AllUnchecksTheBoxesButOnlyRefreshChangesTheSelection) {
  Start();
  TChannelsPanel& channels = window_->Channels();
  EXPECT_TRUE(channels.Box(5)->isChecked());
  channels.AllButton()->click();
  EXPECT_FALSE(channels.Box(5)->isChecked());
  EXPECT_TRUE(GlobalOptions().CheckedChan.all());
  channels.RefreshButton()->click();
  EXPECT_TRUE(GlobalOptions().CheckedChan.none());
  Trigger("ShowAllChannelsAction");  // the second use checks them all again
  Trigger("RefreshAction");
  EXPECT_TRUE(GlobalOptions().CheckedChan.all());
  EXPECT_EQ(TChannelsPanel::SquarePlace(1), QPoint(2, 3));
  EXPECT_EQ(TChannelsPanel::SquarePlace(9), QPoint(2, 3 + 8 * 14 + 8));
  EXPECT_EQ(TChannelsPanel::SquarePlace(33), QPoint(62, 3));
  EXPECT_EQ(TChannelsPanel::SquarePlace(65), QPoint(2, 3 + 32 * 14 + 4 * 8));
  EXPECT_EQ(TChannelsPanel::SquarePlace(128), QPoint(62, 3 + 63 * 14 + 7 * 8));
}

TEST_F(MainWindow, AZoomBandOnATimeGraphSetsTheTimeWindowAndUnZoomRestoresIt) {
  Start({QString::fromStdString(MakeFile(500))});
  const std::uint32_t end = static_cast<std::uint32_t>(Data().TimeEnd);
  ShowPage(0);
  TZTGraph& hits = Graph(0).Graph();       // hits against time, a line graph
  TZTGraph& amplitude = Graph(3).Graph();  // amplitude against time, a point graph
  // Without the zoom tool a line graph takes no band.
  Drag(Graph(0), {hits.PlotLeft + 10, hits.PlotTop + 5}, {hits.PlotLeft + 60, hits.PlotTop + 40});
  EXPECT_TRUE(GlobalOptions().TimeRangeHistory.empty());

  Trigger("ZoomAction");
  EXPECT_FALSE(GlobalOptions().FrameMode);
  Drag(Graph(0), {hits.PlotLeft + 10, hits.PlotTop + 5}, {hits.PlotLeft + 60, hits.PlotTop + 40});
  ASSERT_EQ(GlobalOptions().TimeRangeHistory.size(), 1u);
  EXPECT_TRUE(GlobalOptions().TimeRangeFilter);
  const ATimeRange window = GlobalOptions().TimeRangeHistory.back();
  EXPECT_EQ(hits.XAxis.Min, static_cast<std::uint32_t>(window.Start));
  EXPECT_EQ(amplitude.XAxis.Max, static_cast<std::uint32_t>(window.End));
  EXPECT_EQ(window.Start, static_cast<std::int32_t>(hits.XAxis.Min));

  // With Alt only this graph changes, and the filter stays.
  Trigger("UnZoomAction");
  EXPECT_FALSE(GlobalOptions().TimeRangeFilter);
  EXPECT_EQ(hits.XAxis.Max, end);  // the file's time axis again
  Drag(Graph(3), {amplitude.PlotLeft + 20, amplitude.PlotTop + 5}, {amplitude.PlotLeft + 90, amplitude.PlotTop + 30},
       Qt::AltModifier);
  EXPECT_FALSE(GlobalOptions().TimeRangeFilter);
  EXPECT_EQ(GlobalOptions().TimeRangeHistory.size(), 1u);
  EXPECT_LT(amplitude.XAxis.Max, end);
  EXPECT_EQ(hits.XAxis.Max, end);

  // The zoom tool off again: a click with Ctrl on a time graph still zooms, a plain drag frames.
  Trigger("ZoomAction");
  Trigger("RefreshToStartAction");
  EXPECT_EQ(amplitude.XAxis.Max, end);
  Drag(Graph(3), {amplitude.PlotLeft + 20, amplitude.PlotTop + 5}, {amplitude.PlotLeft + 90, amplitude.PlotTop + 30});
  EXPECT_TRUE(window_->Pages().Common().Frames.AnyFrame());
}

TEST_F(MainWindow, ScrollCommandsMoveTheZoomDialogsWindow) {
  Start({QString::fromStdString(MakeFile(300))});
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->findChild<QWidget*>(QStringLiteral("Edit1")), "2");
    QTest::keyClicks(dialog->findChild<QWidget*>(QStringLiteral("Edit2")), "5");
    dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
  });
  Trigger("ZoomDialogAction");
  EXPECT_EQ(GlobalOptions().TimeRangeHistory.back(), (ATimeRange{2, 5}));
  Trigger("ScrollLeftAction");
  EXPECT_EQ(GlobalOptions().TimeRangeHistory.back(), (ATimeRange{1, 4}));
  Trigger("ScrollLeftAction");
  Trigger("ScrollLeftAction");
  EXPECT_EQ(GlobalOptions().TimeRangeHistory.back(), (ATimeRange{0, 3}));
  Trigger("ScrollRightAction");
  EXPECT_EQ(GlobalOptions().TimeRangeHistory.back(), (ATimeRange{1, 4}));
  ShowPage(0);
  EXPECT_EQ(Graph(0).Graph().XAxis.Min, 1u);
  EXPECT_EQ(Graph(0).Graph().XAxis.Max, 4u);
}

TEST_F(MainWindow, TheProtocolIsWrittenAtShutdownOnlyWhenAskedFor) {
  Start();
  window_->close();
  EXPECT_EQ(ProtocolTexts().back(), "ZMV closed");
  EXPECT_FALSE(std::filesystem::exists(dir_.File("_Protocol.txt")));
  window_.reset();

  Start();
  GlobalOptions().WriteReport = true;
  window_->close();
  const std::vector<unsigned char> bytes = test::ReadFileBytes(dir_.File("_Protocol.txt"));
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_NE(text.find("\tZMV launched\n"), std::string::npos);
  EXPECT_NE(text.find("\tZMV closed\n"), std::string::npos);
  // The options went into the settings.
  AOptions stored;
  stored.Load();
  EXPECT_TRUE(stored.WriteReport);
}

}  // namespace
}  // namespace ae
