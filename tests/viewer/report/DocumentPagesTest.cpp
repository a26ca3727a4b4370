// Rich text over report pages: what breaks between pages and what does not.
#include <QPainter>
#include <QPdfWriter>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/PdfText.h"
#include "tests/support/TempDir.h"
#include "viewer/report/DocumentPages.h"
#include "viewer/report/HtmlTable.h"
#include "viewer/report/ReportPageGeometry.h"

namespace ae {
namespace {

// The pages of the HTML, as pdftotext reads them.
std::vector<std::string> Pages(const QString& html, const test::TempDir& dir) {
  const std::string path = dir.File("pages.pdf");
  {
    QPdfWriter writer(QString::fromStdString(path));
    SetUpReportPages(writer);
    const ReportPageGeometry page = ReportPageGeometry::Of(writer);
    DocumentPages pages;
    const int count = pages.Layout(html, page);
    QPainter painter(&writer);
    for (int i = 0; i < count; ++i) {
      if (i > 0) writer.newPage();
      pages.Paint(painter, i, page);
    }
  }
  return test::PdfPages(path);
}

TEST(DocumentPages, AHeadingNeverEndsAPage) {
  // Headings at every height of the page: each has its text on its own page.
  QString html;
  for (int k = 0; k < 60; ++k)
    html += HtmlHeading(QStringLiteral("Heading %1").arg(k), 2) + HtmlParagraph(QStringLiteral("Text %1").arg(k));
  test::TempDir dir;
  const std::vector<std::string> pages = Pages(html, dir);
  ASSERT_GE(pages.size(), 3u);
  int found = 0;
  for (const std::string& page : pages)
    for (int k = 0; k < 60; ++k)
      if (page.find("Heading " + std::to_string(k) + "\n") != std::string::npos) {
        ++found;
        EXPECT_NE(page.find("Text " + std::to_string(k) + "\n"), std::string::npos) << k;
      }
  EXPECT_EQ(found, 60);
}

TEST(DocumentPages, ALongTableRepeatsItsHeaderOnEveryPage) {
  HtmlTable table({QStringLiteral("Chan"), QStringLiteral("Total")});
  for (int c = 1; c <= 150; ++c) table.AddRow({QString::number(c), QString::number(c * 10)});
  test::TempDir dir;
  const std::vector<std::string> pages = Pages(table.Html(), dir);
  ASSERT_GE(pages.size(), 3u);
  for (const std::string& page : pages) EXPECT_NE(page.find("Chan"), std::string::npos);
  EXPECT_NE(test::Joined(pages).find("1500"), std::string::npos);  // the last row
}

}  // namespace
}  // namespace ae
