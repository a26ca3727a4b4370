#include "viewer/report/DocumentPages.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPainter>
#include <QTextDocument>

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
  return PageCount();
}

int DocumentPages::PageCount() const { return document_ ? document_->pageCount() : 0; }

void DocumentPages::Paint(QPainter& painter, int index, const ReportPageGeometry& page) const {
  if (!document_ || index < 0 || index >= PageCount()) return;
  const double height = page.Content.height();
  painter.save();
  painter.translate(page.Content.left(), page.Content.top() - index * height);
  document_->drawContents(&painter, QRectF(0, index * height, page.Content.width(), height));
  painter.restore();
}

}  // namespace ae
