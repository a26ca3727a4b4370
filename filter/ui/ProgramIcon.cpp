#include "filter/ui/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace ae {

QPixmap ProgramIcon::Pixmap(int size, int frame) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);

  // Background tile.
  QLinearGradient back(0, 0, 0, 64);
  back.setColorAt(0, QColor(40, 90, 160));
  back.setColorAt(1, QColor(16, 40, 86));
  p.setPen(Qt::NoPen);
  p.setBrush(back);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);

  // The burst: a decaying oscillation across the upper half, shifted by the frame.
  const double phase = (frame % FrameCount) * (2 * M_PI / FrameCount);
  QPainterPath burst;
  for (int i = 0; i <= 96; ++i) {
    const double x = 7 + i * 0.52;
    const double t = i / 96.0;
    const double y = 20 - 12 * std::exp(-3.2 * t) * std::sin(t * 26 - phase);
    if (i == 0) burst.moveTo(x, y);
    else burst.lineTo(x, y);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 214, 64), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(burst);

  // The funnel.
  QPainterPath funnel;
  funnel.moveTo(14, 36);
  funnel.lineTo(50, 36);
  funnel.lineTo(36, 48);
  funnel.lineTo(36, 57);
  funnel.lineTo(28, 60);
  funnel.lineTo(28, 48);
  funnel.closeSubpath();
  p.setPen(QPen(QColor(230, 238, 250), 1.5));
  p.setBrush(QColor(200, 220, 245, 200));
  p.drawPath(funnel);
  p.end();
  return pixmap;
}

QIcon ProgramIcon::Icon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Pixmap(size));
  return icon;
}

}  // namespace ae
