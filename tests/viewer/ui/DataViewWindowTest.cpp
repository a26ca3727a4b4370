#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/DataSetBuilder.h"
#include "tests/viewer/ui/BoxRecorder.h"
#include "viewer/core/ADataListing.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/ui/TFDataView.h"

namespace ae {
namespace {

ZTShortHit Framed(double seconds, int frames = 0b1) {
  ZTShortHit hit = test::Hit(seconds, 2, 60, 7);
  hit.FrameBits = static_cast<std::uint16_t>(frames);
  return hit;
}

class DataViewWindow : public ::testing::Test {
 protected:
  // An event of three hits (start, second, lockout), then a second event of one hit.
  DataViewWindow() : data_(test::MakeSet({Framed(1.0), Framed(1.002), Framed(1.015), Framed(2.0)})) {}

  TFDataView& Open() {
    window_ = std::make_unique<TFDataView>(data_, options_, setup_, nullptr);
    return *window_;
  }
  template <class W>
  W* Child(const char* name) const {
    return window_->findChild<W*>(QString::fromLatin1(name));
  }
  // The lines shown, each as its colour.
  std::vector<TRgb> Colors() const {
    std::vector<TRgb> colors;
    const QTextDocument* doc = Child<QPlainTextEdit>("RichEdit1")->document();
    if (doc->isEmpty()) return colors;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
      const QTextCharFormat format = block.begin().fragment().charFormat();
      colors.push_back(format.foreground().color().rgb() & 0xFFFFFFu);
    }
    return colors;
  }
  void Click(const char* box) {
    QTest::mouseClick(Child<QCheckBox>(box), Qt::LeftButton);
    QApplication::processEvents();
  }

  test::BoxRecorder boxes_;
  ZTDataSet data_;
  AOptions options_;
  ATestSetup setup_;
  std::unique_ptr<TFDataView> window_;
};

constexpr TRgb Black = ADataListing::PlainColor, Red = ADataListing::EventStartColor,
               Blue = ADataListing::SecondHitColor;

TEST_F(DataViewWindow, ShowsTheListingUnderItsHeaderAndTheBoxesRebuildIt) {
  TFDataView& window = Open();
  window.show();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Data view.."));
  EXPECT_EQ(Child<QCheckBox>("CheckBoxEventView")->text(), QStringLiteral("Event view"));
  EXPECT_EQ(Child<QCheckBox>("CheckBoxShadowHits")->text(), QStringLiteral("Show secondary (shadow) hits"));
  EXPECT_FALSE(Child<QCheckBox>("CheckBoxEventView")->isChecked());
  ADataListing expected;
  expected.Build(data_, setup_, false, false);
  EXPECT_EQ(Child<QLabel>("Label1")->text().toStdString(), expected.Header);
  ASSERT_EQ(Colors(), (std::vector<TRgb>{Black, Black, Black, Black}));
  EXPECT_EQ(Child<QPlainTextEdit>("RichEdit1")->document()->begin().text().toStdString(), expected.Lines[0].Text);

  Click("CheckBoxEventView");
  EXPECT_TRUE(Child<QLabel>("Label1")->text().endsWith(QStringLiteral("dT")));
  EXPECT_EQ(Colors(), (std::vector<TRgb>{Red, Red}));
  Click("CheckBoxShadowHits");
  EXPECT_EQ(Colors(), (std::vector<TRgb>{Red, Blue, Red}));
  EXPECT_TRUE(Child<QPlainTextEdit>("RichEdit1")->document()->begin().next().text().endsWith(QStringLiteral("  2000")));
  EXPECT_FALSE(options_.EventsView);  // the boxes never change the options
  EXPECT_FALSE(options_.SecondAsShadow);
  EXPECT_TRUE(boxes_.Boxes.empty());

  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(DataViewWindow, LargeValuesWidenTheirColumnsUnderTheHeader) {
  ZTShortHit wide = Framed(3.0);
  wide.Counts = 65000;
  wide.Duration = 3000000000u;
  ZTShortHit silent = Framed(4.0);
  silent.Counts = 12;
  silent.Duration = 0;
  data_ = test::MakeSet({Framed(1.0), wide, silent});
  Open();
  const QString header = Child<QLabel>("Label1")->text();
  const QTextDocument* doc = Child<QPlainTextEdit>("RichEdit1")->document();
  ASSERT_EQ(doc->blockCount(), 3);
  const QString second = doc->findBlockByNumber(1).text();
  const QString third = doc->findBlockByNumber(2).text();
  EXPECT_TRUE(second.contains(QStringLiteral(" 65000 3000000000 "))) << second.toStdString();
  // The titles end where their columns end: the fixed-pitch header stands over the numbers.
  EXPECT_EQ(header.indexOf(QStringLiteral("Count")) + 5, second.indexOf(QStringLiteral("65000")) + 5);
  EXPECT_EQ(header.indexOf(QStringLiteral("Durat")) + 5, second.indexOf(QStringLiteral("3000000000")) + 10);
  EXPECT_EQ(header.size(), second.size());
  // No frequency of a zero duration: 0, never "inf" or "nan".
  EXPECT_FALSE(third.contains(QStringLiteral("inf")) || third.contains(QStringLiteral("nan"))) << third.toStdString();
  const int freq = header.indexOf(QStringLiteral("Freq")) + 4;
  EXPECT_EQ(third.mid(freq - 3, 3), QStringLiteral("0.0")) << third.toStdString();
  // Label and text share one fixed-pitch font and start at the same place.
  EXPECT_EQ(Child<QLabel>("Label1")->font(), Child<QPlainTextEdit>("RichEdit1")->font());
}

TEST_F(DataViewWindow, TheOptionsWinOverUncheckedBoxes) {
  options_.EventsView = true;
  options_.SecondAsShadow = true;
  Open();
  EXPECT_TRUE(Child<QCheckBox>("CheckBoxEventView")->isChecked());
  EXPECT_EQ(Colors(), (std::vector<TRgb>{Red, Blue, Red}));
  Click("CheckBoxEventView");
  EXPECT_FALSE(Child<QCheckBox>("CheckBoxEventView")->isChecked());
  EXPECT_EQ(Colors(), (std::vector<TRgb>{Red, Blue, Red}));
}

TEST_F(DataViewWindow, EmptyAndUnframedDataShowAnEmptyOrABareHeader) {
  data_ = ZTDataSet();
  Open();
  EXPECT_TRUE(Child<QLabel>("Label1")->text().isEmpty());
  EXPECT_TRUE(Colors().empty());

  data_ = test::MakeSet({Framed(1.0, 0)});
  Open();
  EXPECT_FALSE(Child<QLabel>("Label1")->text().isEmpty());
  EXPECT_TRUE(Colors().empty());
}

TEST_F(DataViewWindow, UnsortedDataInEventsViewAreReportedAndTheLinesBeforeStay) {
  data_ = test::MakeSet({Framed(1.0), Framed(3.0), Framed(2.0)});
  options_.EventsView = true;
  Open();
  ASSERT_EQ(boxes_.Boxes.size(), 1u);
  EXPECT_EQ(boxes_.Boxes[0].kind, MessageSeam::Kind::Warning);
  EXPECT_EQ(boxes_.Boxes[0].text.toStdString(), ViewerMessage(vmNotSortedEventView));
  EXPECT_EQ(boxes_.Boxes[0].caption.toStdString(), ViewerMessage(vmError));
  EXPECT_EQ(Colors(), (std::vector<TRgb>{Red, Red}));
}

}  // namespace
}  // namespace ae
