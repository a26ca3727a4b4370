#include "viewer/report/ImageTexts.h"

#include <QPaintDevice>
#include <QPainter>

#include "viewer/report/DocumentPages.h"

namespace ae {

void PaintImageTexts(QPainter& painter, const QRectF& target, QSize image, const std::vector<TDrawnText>& texts,
                     int imageDpi, const QColor& colour) {
  if (image.isEmpty() || target.isEmpty()) return;
  painter.save();
  const double sx = target.width() / image.width(), sy = target.height() / image.height();
  // The labels' font as it was in the picture (8 points at imageDpi), at this scale of the device.
  QFont font = DocumentPages::ForPaper(GraphText::LabelFont());
  const double deviceDpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 72.0;
  font.setPointSizeF(font.pointSizeF() * imageDpi / 72.0 * sy * 72.0 / deviceDpi);
  painter.setFont(font);
  painter.setPen(colour);
  for (const TDrawnText& text : texts) {
    const QRectF box(target.left() + text.Box.left() * sx, target.top() + text.Box.top() * sy, text.Box.width() * sx,
                     text.Box.height() * sy);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text.Text);
  }
  painter.restore();
}

}  // namespace ae
