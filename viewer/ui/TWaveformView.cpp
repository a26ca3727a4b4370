#include "viewer/ui/TWaveformView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace ae {

TWaveformView::TWaveformView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("WaveformView"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(480, 360);
  setFocusPolicy(Qt::NoFocus);
}

void TWaveformView::Refresh() {
  picture_ = plot_.Render(width(), height());
  update();
}

void TWaveformView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_.size() != size()) picture_ = plot_.Render(width(), height());
  painter.drawImage(0, 0, picture_);
}

void TWaveformView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Refresh();
}

void TWaveformView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0.0 || !plot_.HasWaveform()) return;
  plot_.ZoomAt(static_cast<int>(event->position().x()), std::pow(WheelZoom, notches));
  Refresh();
  event->accept();
}

void TWaveformView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !plot_.HasWaveform()) return;
  dragging_ = true;
  dragX_ = static_cast<int>(event->position().x());
}

void TWaveformView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const int x = static_cast<int>(event->position().x());
  plot_.PanBy(x - dragX_);
  dragX_ = x;
  Refresh();
}

void TWaveformView::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void TWaveformView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  plot_.ResetTime();
  Refresh();
}

}  // namespace ae
