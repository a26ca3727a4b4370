// A page of graphs drawn for paper, and the page left as the window had it.
#include <QPdfWriter>
#include <QPicture>

#include <gtest/gtest.h>

#include "tests/viewer/report/ReportFixture.h"
#include "viewer/core/GraphColors.h"
#include "viewer/graphs/GraphPageBuilder.h"
#include "viewer/graphs/ZipPlot.h"
#include "viewer/report/GraphPagePicture.h"
#include "viewer/report/GraphPagePrint.h"

namespace ae {
namespace {

class PaperPages : public test::ReportFixture {
 protected:
  PaperPages() {
    options_.ColorScheme = 3;  // white on black on the screen
    common_.SetPageSize(830, 500);
    page_ = GraphPageBuilder(store_, common_).BuildPage({1, 1, "Activity"});
    page_->UpdateAllLayouts(830, 500);
    page_->PaintGraphs();
  }

  AOptions options_;
  ATestSetup setup_;
  TCommonData common_{data_, options_, setup_};
  std::unique_ptr<GraphPage> page_;
};

TEST_F(PaperPages, APictureHasTheGraphsDarkOnWhiteWithTheirLabelsApart) {
  const QSize size(2000, 1300);
  const GraphPagePicture picture = GraphPagePicture::Render(*page_, size);
  ASSERT_EQ(picture.Image().size(), size);
  const TRgb white = RoleColor(TColorRole::Background, ClipboardScheme);
  EXPECT_EQ(picture.Image().pixel(1, 1) & 0xFFFFFFu, white);
  // Every graph's title is among the texts, in page pixels, and its box holds no ink: the text
  // is written by the painter of the paper, not into the image.
  for (const auto& graph : page_->Graphs) {
    const QString title = QString::number(graph->GraphNumber) + ". " + QString::fromStdString(graph->GraphName);
    const auto text = std::find_if(picture.Texts().begin(), picture.Texts().end(),
                                   [&](const TDrawnText& t) { return t.Text == title; });
    ASSERT_NE(text, picture.Texts().end()) << title.toStdString();
    EXPECT_LE(text->Box.height(), 16);
    // Larger than on the screen: the labels are sized for paper.
    EXPECT_GT(text->Box.height(), QFontMetrics(GraphText::LabelFont()).height());
    for (int y = text->Box.top(); y <= text->Box.bottom(); ++y)
      for (int x = text->Box.left(); x <= text->Box.right(); ++x)
        ASSERT_EQ(picture.Image().pixel(x, y) & 0xFFFFFFu, white) << title.toStdString() << " " << x << "," << y;
  }
}

TEST_F(PaperPages, ThePageIsLeftAsTheWindowHadIt) {
  std::vector<QSize> sizes;
  for (const auto& graph : page_->Graphs) sizes.push_back(graph->Bitmap.size());
  const QImage screen = page_->Compose();
  GraphPagePicture::Render(*page_, {1800, 1100});
  EXPECT_EQ(common_.Options, &options_);
  EXPECT_EQ(options_.ColorScheme, 3);
  EXPECT_EQ(common_.LabelDpi, 0);
  EXPECT_TRUE(common_.LabelGlyphs);
  EXPECT_EQ(common_.PageWidth, 830);
  EXPECT_EQ(common_.PageHeight, 500);
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    EXPECT_EQ(page_->Graphs[i]->Bitmap.size(), sizes[i]) << i;
    EXPECT_TRUE(page_->Graphs[i]->Dirty) << i;
  }
  // Rendered again, the window's page is the same picture as before.
  page_->PaintGraphs();
  EXPECT_EQ(page_->Compose(), screen);
}

TEST_F(PaperPages, APrintedPageHasItsNameAndItsGraphsAsText) {
  const std::string out = dir_.File("print.pdf");
  {
    QPdfWriter writer(QString::fromStdString(out));
    writer.setPageOrientation(QPageLayout::Landscape);
    PrintGraphPage(writer, *page_, file_, QDateTime(QDate(2024, 5, 17), QTime(10, 0)));
  }
  const std::vector<std::string> pages = test::PdfPages(out);
  ASSERT_EQ(pages.size(), 1u);
  for (const std::string& part : {std::string("PROOF.DTA"), std::string("Activity"), std::string("Page 1 of 1"),
                                  std::string("2024-05-17 10:00"), std::string("0. Hits against time")})
    EXPECT_NE(pages[0].find(part), std::string::npos) << part << "\n" << pages[0];
}

// The plot on a picture (for paper) is the plot of the window; played back, the ellipses of the
// set markers may fall a pixel apart.
TEST(ZipOnPaper, APictureOfThePlotDrawsWhatTheImageShows) {
  const std::vector<ZipPoint> points = {{0, 3, 1.5, 40.0, 0}, {1, 7, 4.0, 300.0, 3}};
  const QImage image = ZipPlot::Render(points, 700, 500, ClipboardScheme);
  QPicture picture;
  ZipPlot::Paint(picture, points, 700, 500, ClipboardScheme);
  QImage played(700, 500, QImage::Format_RGB32);
  played.fill(Qt::red);
  {
    QPainter painter(&played);
    painter.drawPicture(0, 0, picture);
  }
  int differing = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (played.pixel(x, y) != image.pixel(x, y)) ++differing;
  EXPECT_LE(differing, image.width() * image.height() / 1000);
}

}  // namespace
}  // namespace ae
