#include "viewer/report/DocumentPages.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <cmath>

namespace ae {

DocumentPages::DocumentPages() = default;
DocumentPages::~DocumentPages() = default;
DocumentPages::DocumentPages(DocumentPages&&) noexcept = default;
DocumentPages& DocumentPages::operator=(DocumentPages&&) noexcept = default;

QFont DocumentPages::BodyFont() {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(9.0);
  return ForPaper(font);
}

QFont DocumentPages::ForPaper(QFont font) {
  // Without ligatures: "fi" copied or searched in the PDF stays two letters.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

int DocumentPages::Layout(const QString& html, const ReportPageGeometry& page) {
  document_ = std::make_unique<QTextDocument>();
  // Points and table padding are measured on the report's device, not on a screen.
  if (page.Device != nullptr) document_->documentLayout()->setPaintDevice(page.Device);
  document_->setDefaultFont(BodyFont());
  document_->setDocumentMargin(0);
  document_->setPageSize(page.Content.size());
  document_->setHtml(html);
  KeepHeadingsWithWhatFollows(page);
  return PageCount();
}

void DocumentPages::KeepHeadingsWithWhatFollows(const ReportPageGeometry& page) {
  // The rich text has no "keep with next": a heading of the flow with too little of its page
  // left under it (for its legend, a table's header and a few rows) starts the next page.
  const double height = page.Content.height();
  const double room = std::min(page.Mm(35), height / 3);
  QAbstractTextDocumentLayout* layout = document_->documentLayout();
  bool moved = false;
  for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 0 || QTextCursor(block).currentTable() != nullptr) continue;
    const double top = layout->blockBoundingRect(block).top();
    const double pageTop = std::floor(top / height) * height;
    if (pageTop + height - top >= room || top - pageTop < 1.0) continue;
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).setBlockFormat(format);
    moved = true;
  }
  // The layout after the last change is laid out again whole, so that the page count holds.
  if (moved) {
    const QSizeF size = document_->pageSize();
    document_->setPageSize(QSizeF());
    document_->setPageSize(size);
  }
}

int DocumentPages::PageCount() const { return document_ ? document_->pageCount() : 0; }

void DocumentPages::Paint(QPainter& painter, int index, const ReportPageGeometry& page) const {
  if (!document_ || index < 0 || index >= PageCount()) return;
  const double height = page.Content.height();
  painter.save();
  painter.translate(page.Content.left(), page.Content.top() - index * height);
  // A line that starts exactly where the next page starts belongs to that page only: drawn
  // clipped here too, it would be hidden text that a search finds on the wrong page.
  document_->drawContents(&painter, QRectF(0, index * height + 1, page.Content.width(), height - 2));
  painter.restore();
}

}  // namespace ae
