#include "viewer/ui/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ae {

namespace {

void Dots(QPainter& p, const QColor& colour, std::initializer_list<QPointF> points, double r = 1.6) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  for (const QPointF& at : points) p.drawEllipse(at, r, r);
}

void Axes(QPainter& p) {
  p.setPen(QPen(QColor(90, 90, 90), 1.2));
  p.drawLine(QPointF(3, 3), QPointF(3, 21));
  p.drawLine(QPointF(3, 21), QPointF(21, 21));
}

void Arrow(QPainter& p, bool right) {
  QPainterPath path;
  if (right) {
    path.moveTo(6, 5);
    path.lineTo(18, 12);
    path.lineTo(6, 19);
  } else {
    path.moveTo(18, 5);
    path.lineTo(6, 12);
    path.lineTo(18, 19);
  }
  path.closeSubpath();
  p.setPen(QPen(QColor(30, 60, 120), 1));
  p.setBrush(QColor(70, 130, 210));
  p.drawPath(path);
}

void Magnifier(QPainter& p, bool plus) {
  p.setPen(QPen(QColor(40, 40, 40), 2));
  p.setBrush(QColor(220, 235, 255));
  p.drawEllipse(QPointF(10, 10), 6, 6);
  p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
  p.setPen(QPen(QColor(40, 40, 40), 1.6));
  p.drawLine(QPointF(7, 10), QPointF(13, 10));
  if (plus) p.drawLine(QPointF(10, 7), QPointF(10, 13));
}

void Draw(QPainter& p, ToolIcon icon) {
  switch (icon) {
    case ToolIcon::Open:
      p.setPen(QPen(QColor(120, 90, 20), 1));
      p.setBrush(QColor(240, 200, 90));
      p.drawRect(QRectF(3, 7, 18, 13));
      p.drawRect(QRectF(3, 5, 7, 3));
      break;
    case ToolIcon::SaveAs:
      p.setPen(QPen(QColor(30, 40, 90), 1));
      p.setBrush(QColor(80, 110, 190));
      p.drawRect(QRectF(3, 3, 18, 18));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7, 3, 10, 7));
      p.drawRect(QRectF(6, 14, 12, 7));
      break;
    case ToolIcon::DataDependences:
      Axes(p);
      Dots(p, QColor(0, 140, 0), {{6, 18}, {9, 15}, {11, 13}, {13, 12}, {15, 9}, {18, 6}, {10, 17}, {16, 11}});
      break;
    case ToolIcon::ColoredChannels:
      Axes(p);
      Dots(p, QColor(220, 40, 40), {{7, 17}, {12, 12}, {18, 7}});
      Dots(p, QColor(40, 90, 230), {{9, 16}, {14, 10}, {16, 13}});
      Dots(p, QColor(230, 170, 0), {{6, 13}, {11, 8}, {17, 16}});
      break;
    case ToolIcon::DeleteGrouped:
      Dots(p, QColor(120, 120, 120), {{8, 8}, {14, 10}, {10, 15}, {16, 16}});
      p.setPen(QPen(QColor(210, 30, 30), 2.6));
      p.drawLine(QPointF(5, 5), QPointF(19, 19));
      p.drawLine(QPointF(19, 5), QPointF(5, 19));
      break;
    case ToolIcon::Undelete: {
      p.setPen(QPen(QColor(20, 130, 60), 2.4));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(5, 6, 14, 13), 90 * 16, -270 * 16);
      QPainterPath head;
      head.moveTo(12, 2);
      head.lineTo(12, 10);
      head.lineTo(7, 6);
      head.closeSubpath();
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(20, 130, 60));
      p.drawPath(head);
      break;
    }
    case ToolIcon::Zoom: Magnifier(p, true); break;
    case ToolIcon::UnZoom: Magnifier(p, false); break;
    case ToolIcon::ScrollLeft: Arrow(p, false); break;
    case ToolIcon::ScrollRight: Arrow(p, true); break;
    case ToolIcon::TimeMarks:
      Axes(p);
      p.setPen(QPen(QColor(120, 120, 120), 1.4, Qt::DotLine));
      p.drawLine(QPointF(9, 3), QPointF(9, 20));
      p.drawLine(QPointF(16, 3), QPointF(16, 20));
      break;
    case ToolIcon::EventView:
      Axes(p);
      Dots(p, QColor(200, 30, 30), {{8, 14}, {15, 8}}, 2.2);
      Dots(p, QColor(40, 90, 230), {{10, 15}, {11, 13}, {17, 9}, {17, 7}}, 1.3);
      break;
    case ToolIcon::ShadowHits:
      Axes(p);
      Dots(p, QColor(0, 150, 0), {{8, 14}, {15, 8}}, 2.2);
      Dots(p, QColor(150, 150, 150), {{10, 16}, {12, 13}, {17, 10}, {18, 6}}, 1.5);
      break;
  }
}

}  // namespace

QIcon MakeToolIcon(ToolIcon icon) {
  QIcon result;
  for (int size : {24, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);
    Draw(painter, icon);
    painter.end();
    result.addPixmap(pixmap);
  }
  return result;
}

}  // namespace ae
