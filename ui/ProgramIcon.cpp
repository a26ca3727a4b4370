#include "ui/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace ae {

namespace {

// The icons are drawn on a 64 x 64 grid and scaled to the size asked for.
constexpr double Grid = 64.0;

void DrawTile(QPainter& p, const QColor& top, const QColor& bottom) {
  QLinearGradient back(0, 0, 0, Grid);
  back.setColorAt(0, top);
  back.setColorAt(1, bottom);
  p.setPen(Qt::NoPen);
  p.setBrush(back);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
}

void DrawFilterSign(QPainter& p, int frame) {
  // The burst: a decaying oscillation across the upper half, shifted by the frame.
  const double phase = frame * (2 * M_PI / ProgramIcon::FrameCount);
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
}

void DrawViewerSign(QPainter& p, int frame) {
  // The axes of a graph page.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(230, 238, 250), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const QPointF corner(11, 53);
  p.drawPolyline(QList<QPointF>{QPointF(11, 9), corner, QPointF(55, 53)});

  // Hits: a loose cloud rising with time, as amplitude against time looks in a proof test.
  static const QPointF hits[] = {{16, 47}, {19, 44}, {21, 48}, {23, 41}, {25, 45}, {27, 38}, {29, 43},
                                 {30, 35}, {33, 40}, {34, 46}, {36, 33}, {38, 37}, {41, 42}, {43, 30},
                                 {45, 36}, {47, 27}, {49, 33}, {51, 39}, {52, 24}, {26, 50}, {40, 47}};
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(190, 225, 250));
  for (const QPointF& hit : hits) p.drawEllipse(hit, 1.7, 1.7);

  // One hit bursting: a star whose rays breathe and turn with the frame.
  const QPointF centre(30, 21);
  const double phase = frame * (2 * M_PI / ProgramIcon::FrameCount);
  const double outer = 11 + 2 * std::sin(phase);
  const double inner = 4.2;
  const int rays = 10;
  QPainterPath star;
  for (int i = 0; i < 2 * rays; ++i) {
    const double angle = i * M_PI / rays + phase / rays - M_PI / 2;
    const double r = i % 2 == 0 ? outer : inner;
    const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
    if (i == 0) star.moveTo(point);
    else star.lineTo(point);
  }
  star.closeSubpath();
  p.setPen(QPen(QColor(255, 150, 40), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(255, 214, 64));
  p.drawPath(star);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 250, 220));
  p.drawEllipse(centre, 2.2, 2.2);
}

}  // namespace

QPixmap ProgramIcon::Pixmap(Program program, int size, int frame) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / Grid, size / Grid);
  frame = ((frame % FrameCount) + FrameCount) % FrameCount;
  if (program == ZmvWin2) {
    DrawTile(p, QColor(30, 118, 104), QColor(10, 48, 54));
    DrawViewerSign(p, frame);
  } else {
    DrawTile(p, QColor(40, 90, 160), QColor(16, 40, 86));
    DrawFilterSign(p, frame);
  }
  p.end();
  return pixmap;
}

QIcon ProgramIcon::Icon(Program program) {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Pixmap(program, size));
  return icon;
}

}  // namespace ae
