#pragma once
// The texts of a picture drawn without its glyphs, written over the picture as text (searchable,
// sharp on paper): each at its place in the picture scaled onto the target, in the labels' font
// at the size it had in the picture.
#include <QColor>
#include <QRectF>
#include <QSize>
#include <vector>

#include "viewer/graphs/GraphText.h"

class QPainter;

namespace ae {

// `imageDpi`: the resolution the picture's font was measured at.
void PaintImageTexts(QPainter& painter, const QRectF& target, QSize image, const std::vector<TDrawnText>& texts,
                     int imageDpi, const QColor& colour);

}  // namespace ae
