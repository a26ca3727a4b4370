// The waveform window: the command opens it on the first hit with a waveform (the first framed
// one when frames hold any), the keys and buttons step between such hits, Escape closes it; a
// double click on a point opens it on that hit; a file without waveforms says so.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <optional>

#include <gtest/gtest.h>

#include "tests/viewer/ui/DialogFixture.h"
#include "tools/aetool/Generators.h"
#include "viewer/core/AWaveformHits.h"
#include "viewer/graphs/AxisPixels.h"
#include "viewer/graphs/TZTPointGraph.h"
#include "viewer/ui/TFWaveform.h"
#include "viewer/ui/TWaveformView.h"
#include "viewer/ui/TZTGraphControl.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZmvMain.h"

namespace ae {
namespace {

class WaveformWindow : public test::DialogFixture {
 protected:
  std::string MakeWaveformFile(std::uint64_t hits) {
    const std::string path = dir_.File("WAVES.DTA");
    GenerateDataFile("dta", {hits, 7, true}, path);
    return path;
  }
  const ZTDataSet& Data() const { return window_->Pages().DataSet(); }
  // Opens the window with the command and runs `look` on it, then closes it with Escape.
  void WithWindow(const std::function<void(TFWaveform&)>& look) {
    bool seen = false;
    OnNextModal([&](QWidget* modal) {
      auto* window = qobject_cast<TFWaveform*>(modal);
      ASSERT_NE(window, nullptr);
      seen = true;
      look(*window);
      QTest::keyClick(window, Qt::Key_Escape);
    });
    Trigger("WaveformAction");
    EXPECT_TRUE(seen);
  }
};

TEST_F(WaveformWindow, TheCommandOpensOnTheFirstHitWithAWaveformAndStepsThroughThem) {
  Start({QString::fromStdString(MakeWaveformFile(200))});
  ASSERT_EQ(Data().Waveforms.Size(), Data().HitCount);
  const AWaveformHits hits(Data());
  const std::size_t first = *hits.First();
  const std::size_t second = *hits.Next(first);
  WithWindow([&](TFWaveform& window) {
    EXPECT_EQ(window.CurrentHit(), first);
    EXPECT_EQ(window.Position().text(), QStringLiteral("Waveform 1 of 200 (hits with a waveform)"));
    auto* previous = Child<QPushButton>(window, "PreviousBtn");
    auto* next = Child<QPushButton>(window, "NextBtn");
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    EXPECT_TRUE(window.View().Plot().HasWaveform());
    EXPECT_FALSE(window.View().Plot().Spectrum().Empty());
    QTest::keyClick(&window, Qt::Key_PageDown);
    EXPECT_EQ(window.CurrentHit(), second);
    next->click();
    EXPECT_EQ(window.CurrentHit(), *hits.Next(second));
    QTest::keyClick(&window, Qt::Key_PageUp);
    previous->click();
    EXPECT_EQ(window.CurrentHit(), first);
    // The spectrum in linear units, and the picture to the clipboard.
    Child<QCheckBox>(window, "DecibelsCheck")->setChecked(false);
    EXPECT_FALSE(window.View().Plot().SpectrumDb());
    Child<QPushButton>(window, "CopyBtn")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), window.View().Picture().size());
  });
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // Escape closed it
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(WaveformWindow, FramedHitsWithWaveformsComeFirst) {
  Start({QString::fromStdString(MakeWaveformFile(200))});
  // A frame around a few later hits, as the frame commands leave the bits.
  ZTDataSet& data = window_->Pages().DataSet();
  std::size_t framed = 0, seen = 0;
  for (std::size_t i = 0; i < data.Recs.size(); ++i) {
    if (!data.Recs[i].IsHit() || ++seen < 50) continue;
    if (framed == 0) framed = i;
    data.Recs[i].FrameBits = 1;
    if (seen == 52) break;
  }
  data.FramedCount = 3;
  WithWindow([&](TFWaveform& window) {
    EXPECT_EQ(window.CurrentHit(), framed);
    EXPECT_EQ(window.Position().text(), QStringLiteral("Waveform 1 of 3 (framed hits with a waveform)"));
  });
}

TEST_F(WaveformWindow, ADoubleClickOnAPointOpensItOnThatHit) {
  Start({QString::fromStdString(MakeWaveformFile(300))});
  ShowPage(1);
  TZTGraphControl& control = Graph(0);  // counts against amplitude
  auto& graph = dynamic_cast<TZTPointGraph&>(control.Graph());
  // A hit the graph shows, and the pixel of its point.
  const ZTDataSet& data = Data();
  std::optional<std::size_t> target;
  QPoint at;
  for (std::size_t i = 0; i < data.Recs.size() && !target; ++i) {
    const ZTShortHit& rec = data.Recs[i];
    const double x = HitValue(rec, graph.XAxis.Param), y = HitValue(rec, graph.YAxis.Param);
    if (!rec.IsHit() || !graph.XPixels().InRange(x) || !graph.YPixels().InRange(y)) continue;
    at = QPoint(graph.XPixels().Pixel(x), graph.YPixels().Pixel(y));
    target = graph.HitNear(at.x(), at.y(), 0);  // the first hit drawn on that pixel
  }
  ASSERT_TRUE(target);
  std::optional<std::size_t> shown;
  OnNextModal([&](QWidget* modal) {
    auto* window = qobject_cast<TFWaveform*>(modal);
    ASSERT_NE(window, nullptr);
    shown = window->CurrentHit();
    window->reject();
  });
  QTest::mouseDClick(&control, Qt::LeftButton, Qt::NoModifier, at);
  ASSERT_TRUE(shown);
  EXPECT_EQ(*shown, *target);

  // Far from any point: nothing opens.
  bool opened = false;
  OnNextModal([&](QWidget* modal) {
    opened = true;
    modal->close();
  });
  QTest::mouseDClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(graph.PlotRight - 1, graph.PlotTop + 1));
  QApplication::processEvents();
  EXPECT_FALSE(opened);
}

TEST_F(WaveformWindow, AHitWithoutAWaveformAndAFileWithoutAnySaySo) {
  Start({QString::fromStdString(MakeFile(100))});
  Trigger("WaveformAction");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, TFWaveform::NoWaveformsText());
  EXPECT_EQ(boxes_[0].kind, MessageSeam::Kind::Information);

  std::size_t hit = 0;
  while (!Data().Recs[hit].IsHit()) ++hit;
  TFWaveform window(Data(), hit, window_.get());
  EXPECT_FALSE(window.View().Plot().HasWaveform());
  window.View().Refresh();
  bool says = false;
  for (const TDrawnText& text : window.View().Plot().Texts()) says = says || text.Text == "This hit has no waveform.";
  EXPECT_TRUE(says);
  EXPECT_FALSE(Child<QPushButton>(window, "CopyBtn")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(window, "NextBtn")->isEnabled());
}

TEST_F(WaveformWindow, TheMouseZoomsPansAndResetsTheTimeAxis) {
  Start({QString::fromStdString(MakeWaveformFile(50))});
  TFWaveform window(Data(), *AWaveformHits(Data()).First(), window_.get());
  window.show();
  TWaveformView& view = window.View();
  WaveformPlot& plot = view.Plot();
  const double from = plot.TimeFrom(), to = plot.TimeTo();
  const QPoint middle = plot.WaveRect().center();
  QWheelEvent wheel(middle, view.mapToGlobal(middle), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&view, &wheel);
  EXPECT_NEAR(plot.TimeTo() - plot.TimeFrom(), (to - from) / TWaveformView::WheelZoom, 1e-6);
  const double zoomedFrom = plot.TimeFrom();
  QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, middle);
  QTest::mouseMove(&view, middle + QPoint(50, 0));
  QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, middle + QPoint(50, 0));
  EXPECT_LT(plot.TimeFrom(), zoomedFrom);  // dragged right: earlier times
  QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, middle);
  EXPECT_DOUBLE_EQ(plot.TimeFrom(), from);
  EXPECT_DOUBLE_EQ(plot.TimeTo(), to);
}

}  // namespace
}  // namespace ae
