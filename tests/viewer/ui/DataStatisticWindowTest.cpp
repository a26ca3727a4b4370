#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTextEdit>
#include <QTextOption>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/EZTData.h"
#include "tests/support/DataSetBuilder.h"
#include "tests/viewer/ui/BoxRecorder.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/ATestStat.h"
#include "viewer/core/StatReports.h"
#include "viewer/core/TFrameArray.h"
#include "viewer/graphs/ZipPlot.h"
#include "viewer/ui/TFDataStatistic.h"

namespace ae {
namespace {

class DataStatisticWindow : public ::testing::Test {
 protected:
  // n hits of channel c above the evaluation threshold, in the sets of the frame bits.
  void AddHits(int channel, int n, int energy, int frames) {
    for (int i = 0; i < n; ++i) {
      ZTShortHit hit = test::Hit(time_, channel, 60, energy);
      time_ += 0.1;
      hit.Counts = static_cast<std::uint16_t>(10 + i % 7);
      hit.Duration = static_cast<std::uint32_t>(100 + i);
      hit.FrameBits = static_cast<std::uint16_t>(frames);
      hits_.push_back(hit);
    }
  }
  // Frames in slots 0..sets-1; they select nothing themselves, the hits carry their bits.
  // Every checked channel has its record and its point: only these, so that the others do not
  // cover them at the lower left corner.
  void Check(std::initializer_list<int> channels) {
    options_.CheckedChan.reset();
    for (int c : channels) options_.CheckedChan.set(static_cast<std::size_t>(c - 1));
  }
  void MakeFrames(int sets) {
    for (int i = 0; i < sets; ++i) frames_.AddFrame(TFrameRect{}, data_, {});
  }
  TFDataStatistic& Open() {
    data_ = test::MakeSet(hits_);
    window_ = std::make_unique<TFDataStatistic>(data_, frames_, options_, setup_, nullptr);
    return *window_;
  }
  // The plot as the window shows it, at the size given to the window.
  QImage Plot(QSize windowSize) {
    window_->resize(windowSize);
    window_->show();
    window_->findChild<QTabWidget*>(QStringLiteral("Statistic"))->setCurrentIndex(5);
    QApplication::processEvents();
    box_ = window_->findChild<QWidget*>(QStringLiteral("ZIPPaintBox"));
    return box_->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  ZipGeometry Geometry() const { return ZipGeometry::For(box_->width(), box_->height()); }
  static TRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

  test::BoxRecorder boxes_;
  std::vector<ZTShortHit> hits_;
  double time_ = 1.0;
  ZTDataSet data_;
  TFrameArray frames_;
  AOptions options_;
  ATestSetup setup_;
  std::unique_ptr<TFDataStatistic> window_;
  QWidget* box_ = nullptr;
};

TEST_F(DataStatisticWindow, PagesShowTheReportTextsWithTheirTabStops) {
  AddHits(1, 12, 30, 0b01);
  AddHits(2, 3, 80, 0b11);
  AddHits(3, 4, 20, 0b10);
  setup_.Holds = {{"H0", 1.5f, 0.0f, 3.0f, 0.5f}};
  Check({1, 2});  // channel 3 is not counted
  MakeFrames(2);
  TFDataStatistic& window = Open();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Sets statistic.."));
  EXPECT_EQ(window.minimumSize(), QSize(600, 450));
  EXPECT_TRUE(boxes_.Boxes.empty());

  ATestStat expected(setup_);
  expected.Collect(data_, 0b11, options_);
  const auto texts = WriteStatReports(expected);
  ASSERT_NE(texts[srAmplitude].find("\n2\t3\t"), std::string::npos);  // the data reach the reports
  auto* pages = window.findChild<QTabWidget*>(QStringLiteral("Statistic"));
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->currentIndex(), 0);
  struct Page {
    const char* Caption;
    const char* Edit;
    int Report;
    int TabTwips;
  };
  const Page expectedPages[] = {
      {"Amplitude Distr.", "RichEdit1", srAmplitude, 1000}, {"Statistic Distr.", "RichEdit2", srStatistic, 1000},
      {"Local/Dynamic", "RichEdit4", srLocalDynamic, 1000}, {" Pressure holds", "RichEdit5", srHolds, 700},
      {"   MONPAC+   ", "RichEdit3", srMonpac, 1000},
  };
  ASSERT_EQ(pages->count(), 6);
  EXPECT_EQ(pages->tabText(5), QStringLiteral("ZIP"));
  for (int i = 0; i < 5; ++i) {
    const Page& page = expectedPages[i];
    EXPECT_EQ(pages->tabText(i), QString::fromLatin1(page.Caption));
    auto* edit = pages->widget(i)->findChild<QTextEdit*>(QString::fromLatin1(page.Edit));
    ASSERT_NE(edit, nullptr) << page.Edit;
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->toPlainText().toStdString(), texts[static_cast<std::size_t>(page.Report)]) << page.Edit;
    const QList<QTextOption::Tab> tabs = edit->document()->defaultTextOption().tabs();
    ASSERT_EQ(tabs.size(), 32) << page.Edit;
    const double pixelsPerTwip = edit->logicalDpiX() / 1440.0;
    EXPECT_DOUBLE_EQ(tabs.front().position, page.TabTwips * pixelsPerTwip) << page.Edit;
    EXPECT_DOUBLE_EQ(tabs.back().position, 32 * page.TabTwips * pixelsPerTwip) << page.Edit;
  }
}

TEST_F(DataStatisticWindow, WithoutAFrameEveryHitNotDeletedCountsAsSetOneAndTheFirstLineSaysSo) {
  AddHits(1, 12, 30, 0b01);  // marks of frames that are gone count like any other hit
  AddHits(2, 5, 80, 0);
  AddHits(2, 3, 90, 0);
  hits_.back().SetDeleted(true);  // never counted
  Check({1, 2});
  TFDataStatistic& window = Open();
  const QLabel* line = window.findChild<QLabel*>(QStringLiteral("WholeFileLabel"));
  ASSERT_NE(line, nullptr);
  EXPECT_FALSE(line->isHidden());
  EXPECT_EQ(line->text(), QStringLiteral("No frame: every hit that is not deleted, as set 1"));

  ATestStat expected(setup_);
  expected.CollectWhole(data_, options_);
  const auto texts = WriteStatReports(expected);
  EXPECT_EQ(window.findChild<QTextEdit*>(QStringLiteral("RichEdit1"))->toPlainText().toStdString(), texts[srAmplitude]);
  EXPECT_EQ(window.Stat().Chan(0, 1)->HitCount, 12u);
  EXPECT_EQ(window.Stat().Chan(0, 2)->HitCount, 7u);
  EXPECT_EQ(window.Stat().Set(1), nullptr);
  EXPECT_EQ(data_.Recs[12].FrameBits, 0);  // the data set is only read

  // With a frame the sets are the frames' and the line is not there.
  window_.reset();
  MakeFrames(1);
  Open();
  EXPECT_TRUE(window_->findChild<QLabel*>(QStringLiteral("WholeFileLabel"))->isHidden());
  EXPECT_EQ(window_->Stat().Chan(0, 1)->HitCount, 12u);
  EXPECT_EQ(window_->Stat().Chan(0, 2)->HitCount, 0u);
}

TEST_F(DataStatisticWindow, AnEmptyDataSetLeavesThePagesEmptyAndThePlotBare) {
  Open();
  for (const char* name : {"RichEdit1", "RichEdit2", "RichEdit3", "RichEdit4", "RichEdit5"})
    EXPECT_TRUE(window_->findChild<QTextEdit*>(QString::fromLatin1(name))->toPlainText().isEmpty()) << name;
  const QImage shown = Plot({700, 500});
  EXPECT_EQ(shown, ZipPlot::Render({}, box_->width(), box_->height(), options_.ColorScheme));
}

TEST_F(DataStatisticWindow, ZipDrawsNineEventsAsMinorActivityAtTheLowerLeftCorner) {
  AddHits(1, 9, 400, 0b01);
  Check({1});
  MakeFrames(1);
  Open();
  const QImage image = Plot({800, 560});
  const ZipGeometry g = Geometry();
  const QPoint half = ZipPlot::MarkerHalfSize();
  // At (1, 10) in cyan, framed by the rectangle of set 1.
  EXPECT_EQ(At(image, g.Left + half.x() + 2, g.Bottom), 0x00FFFFu);
  EXPECT_EQ(At(image, g.Left, g.Bottom - half.y() - 2), 0x00FFFFu);
  EXPECT_EQ(At(image, g.Left + half.x() + 3, g.Bottom - 1), RoleColor(TColorRole::Background, options_.ColorScheme));
}

TEST_F(DataStatisticWindow, ZipClampsAPointBeyondTheScalesToTheUpperRightCorner) {
  // 3800 silent hits, then 200 of energy 5000: historic index 4000 / 200 = 20, severity 5000.
  AddHits(2, 3800, 0, 0b01);
  AddHits(2, 200, 5000, 0b01);
  Check({2});
  MakeFrames(1);
  Open();
  const AChanStat& chan = *window_->Stat().Chan(0, 2);
  ASSERT_FLOAT_EQ(chan.Monpac.Hist.Maximum, 20.0f);
  ASSERT_FLOAT_EQ(chan.Monpac.Severity.Maximum, 5000.0f);
  const QImage image = Plot({800, 560});
  const ZipGeometry g = Geometry();
  const QPoint half = ZipPlot::MarkerHalfSize();
  // Zone E, red, at (10, 1000).
  EXPECT_EQ(At(image, g.Right + half.x() + 2, g.Top), 0xFF0000u);
  EXPECT_EQ(At(image, g.Right, g.Top + half.y() + 2), 0xFF0000u);
}

TEST_F(DataStatisticWindow, ZipDrawsAChannelOfTwoSetsTwiceWithTwoMarkersAndRescales) {
  AddHits(1, 9, 400, 0b01);  // set 1: too few events, at (1, 10)
  AddHits(1, 10, 40, 0b10);  // set 2: equal energies, historic index 1 and severity 40: zone A
  Check({1});
  MakeFrames(2);
  Open();
  for (const QSize size : {QSize(800, 560), QSize(1100, 760)}) {
    const QImage image = Plot(size);
    ASSERT_EQ(image.size(), box_->size());
    const ZipGeometry g = Geometry();
    const QPoint half = ZipPlot::MarkerHalfSize();
    // Set 1: cyan rectangle at the corner.
    EXPECT_EQ(At(image, g.Left + half.x() + 2, g.Bottom), 0x00FFFFu) << size.width();
    // Set 2: green ellipse at (1, 40); its top and bottom lie 4 pixels beyond "00".
    const int y = g.Y(40);
    EXPECT_EQ(At(image, g.Left, y - half.y() - 4), 0x008000u) << size.width();
    EXPECT_EQ(At(image, g.Left, y + half.y() + 4), 0x008000u) << size.width();
    // And a zone boundary where the new size puts it.
    EXPECT_EQ(At(image, g.X(5), g.Y(25)), 0x00FFFFu) << size.width();
  }
}

TEST_F(DataStatisticWindow, ATimeOrderErrorInEventsViewReachesTheCaller) {
  AddHits(1, 3, 400, 0b01);
  std::swap(hits_[0].Time, hits_[2].Time);
  MakeFrames(1);
  options_.EventsView = true;
  EXPECT_THROW(Open(), EZTData);
  EXPECT_TRUE(boxes_.Boxes.empty());
}

}  // namespace
}  // namespace ae
