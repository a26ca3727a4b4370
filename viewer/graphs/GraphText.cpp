#include "viewer/graphs/GraphText.h"

#include <QColor>

namespace ae {

QFont GraphText::LabelFont() {
  QFont font(QStringLiteral("Tahoma"));
  font.setPointSize(8);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

GraphText::GraphText(QImage& image, TRgb text, TRgb background, std::vector<TDrawnText>* record, bool glyphs)
    : painter_(&image), metrics_(LabelFont(), &image), record_(record), glyphs_(glyphs) {
  painter_.setFont(LabelFont());
  painter_.setPen(QColor::fromRgb(text));
  painter_.setBackground(QColor::fromRgb(background));
  painter_.setBackgroundMode(Qt::OpaqueMode);
}

void GraphText::Draw(int x, int y, const QString& text) {
  if (text.isEmpty() || !painter_.isActive()) return;
  const QRect box(x, y, Width(text), Height());
  painter_.fillRect(box, painter_.background());
  if (glyphs_) painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  if (record_ != nullptr) record_->push_back({text, box});
}

}  // namespace ae
