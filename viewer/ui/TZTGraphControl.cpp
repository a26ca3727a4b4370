#include "viewer/ui/TZTGraphControl.h"

#include <QMouseEvent>
#include <QPainter>

#include "viewer/ui/GraphMouse.h"
#include "viewer/ui/TZTTabSheet.h"

namespace ae {

TZTGraphControl::TZTGraphControl(TZTGraph& graph, GraphMouse& mouse, QWidget* page)
    : QWidget(page), graph_(graph), mouse_(mouse) {
  setObjectName(QStringLiteral("Graph%1").arg(graph.GraphNumber));
  setMouseTracking(true);  // the coordinate readout follows the mouse without a button
  setAttribute(Qt::WA_OpaquePaintEvent);
  graph_.OnInvalidate = [this] { update(); };
  FollowLayout();
}

void TZTGraphControl::FollowLayout() {
  setGeometry(graph_.Left, graph_.Top, std::max(graph_.Width, 0), std::max(graph_.Height, 0));
}

void TZTGraphControl::ShowBand(const QRect& band) {
  const QRect old = band_;
  band_ = band;
  update(old.adjusted(-1, -1, 1, 1).united(band.adjusted(-1, -1, 1, 1)));
}

void TZTGraphControl::HideBand() {
  if (band_.isNull()) return;
  const QRect old = band_;
  band_ = QRect();
  update(old.adjusted(-1, -1, 1, 1));
}

void TZTGraphControl::paintEvent(QPaintEvent* event) {
  if (auto* sheet = qobject_cast<TZTTabSheet*>(parentWidget())) sheet->RenderPending();
  QPainter painter(this);
  if (!graph_.Bitmap.isNull()) painter.drawImage(event->rect(), graph_.Bitmap, event->rect());
  if (band_.isNull()) return;
  // The band is an overlay: a dotted outline in the frame line colour.
  QPen pen(QColor::fromRgb(RoleColor(TColorRole::FrameLine, graph_.Scheme())));
  pen.setStyle(Qt::DotLine);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(band_.normalized().adjusted(0, 0, -1, -1));
}

void TZTGraphControl::mousePressEvent(QMouseEvent* event) {
  mouse_.GraphMouseDown(*this, event->button(), event->modifiers(), event->position().toPoint());
}

void TZTGraphControl::mouseMoveEvent(QMouseEvent* event) {
  mouse_.GraphMouseMove(*this, event->modifiers(), event->position().toPoint());
}

void TZTGraphControl::mouseReleaseEvent(QMouseEvent* event) {
  mouse_.GraphMouseUp(*this, event->button(), event->modifiers(), event->position().toPoint());
}

void TZTGraphControl::mouseDoubleClickEvent(QMouseEvent* event) {
  mouse_.GraphDoubleClick(*this, event->button(), event->position().toPoint());
}

void TZTGraphControl::leaveEvent(QEvent* event) {
  mouse_.GraphLeft(*this);
  QWidget::leaveEvent(event);
}

}  // namespace ae
