#pragma once
// Rich text over as many report pages as it needs: a QTextDocument laid out for the page
// content's width and height on the report's device, so that headings, paragraphs and tables
// break between pages (a table's header row repeats on each page, a heading is not left alone at
// the foot of a page) and stay text in the PDF.
#include <QFont>
#include <QString>
#include <memory>

#include "viewer/report/ReportPageGeometry.h"

class QPainter;
class QTextDocument;

namespace ae {

class DocumentPages {
 public:
  DocumentPages();
  ~DocumentPages();
  DocumentPages(DocumentPages&&) noexcept;
  DocumentPages& operator=(DocumentPages&&) noexcept;

  // Lays the HTML out on pages of this geometry; returns the number of pages.
  int Layout(const QString& html, const ReportPageGeometry& page);
  int PageCount() const;
  void Paint(QPainter& painter, int index, const ReportPageGeometry& page) const;

  // The report's text font, 9 points, sans serif.
  static QFont BodyFont();
  // A font set for text that is searched and copied in the PDF.
  static QFont ForPaper(QFont font);

 private:
  void KeepHeadingsWithWhatFollows(const ReportPageGeometry& page);

  std::unique_ptr<QTextDocument> document_;
};

}  // namespace ae
