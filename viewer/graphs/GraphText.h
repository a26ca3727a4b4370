#pragma once
// Text on a graph's bitmap: the labels' font ("Tahoma", 8 points, or what the system puts in
// its place), drawn opaque on the background, placed by the top left corner of the text.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <string>
#include <vector>

#include "viewer/core/GraphColors.h"

namespace ae {

// A text as it was drawn: what it says and where, for the tests and for placing later texts.
struct TDrawnText {
  QString Text;
  QRect Box;
};

class GraphText {
 public:
  // Every text drawn is added to `record` when one is given. Without glyphs a text only clears
  // its box and is recorded: something else writes it.
  GraphText(QImage& image, TRgb text, TRgb background, std::vector<TDrawnText>* record = nullptr, bool glyphs = true);

  static QFont LabelFont();
  int Width(const QString& text) const { return metrics_.horizontalAdvance(text); }
  int Height() const { return metrics_.height(); }
  void Draw(int x, int y, const QString& text);
  // The text with its right end at x.
  void DrawRightAligned(int x, int y, const QString& text) { Draw(x - Width(text), y, text); }

 private:
  QPainter painter_;
  QFontMetrics metrics_;
  std::vector<TDrawnText>* record_;
  bool glyphs_;
};

inline QString QText(const std::string& text) { return QString::fromStdString(text); }

}  // namespace ae
