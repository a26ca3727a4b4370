#pragma once
// The widget of the waveform window's picture: it shows what WaveformPlot draws at its size, and
// hands the mouse to the plot's time axis: the wheel zooms it around the mouse, a drag pans it,
// a double click shows the whole record again.
#include <QImage>
#include <QWidget>

#include "viewer/graphs/WaveformPlot.h"

namespace ae {

class TWaveformView : public QWidget {
  Q_OBJECT

 public:
  explicit TWaveformView(QWidget* parent = nullptr);

  WaveformPlot& Plot() { return plot_; }
  // Draws the picture again (after the plot changed).
  void Refresh();
  // The picture as shown.
  const QImage& Picture() const { return picture_; }
  QSize sizeHint() const override { return {900, 620}; }

  // One notch of the wheel zooms by this factor.
  static constexpr double WheelZoom = 1.25;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  WaveformPlot plot_;
  QImage picture_;
  bool dragging_ = false;
  int dragX_ = 0;
};

}  // namespace ae
