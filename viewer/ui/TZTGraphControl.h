#pragma once
// The widget of one graph on its page: it shows the graph's bitmap, draws the rubber band over
// it while the mouse drags (never into the bitmap, so dragging renders no data) and hands the
// mouse to the graph mouse.
#include <QWidget>

#include "viewer/graphs/TZTGraph.h"

namespace ae {

class GraphMouse;

class TZTGraphControl : public QWidget {
  Q_OBJECT

 public:
  TZTGraphControl(TZTGraph& graph, GraphMouse& mouse, QWidget* page);

  TZTGraph& Graph() const { return graph_; }
  // Follows the graph's place and size in the page.
  void FollowLayout();
  // The band outline to draw over the bitmap, or none.
  void ShowBand(const QRect& band);
  void HideBand();
  const QRect& Band() const { return band_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Not a second press: the first click of the two has done what a click does.
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  TZTGraph& graph_;
  GraphMouse& mouse_;
  QRect band_;  // empty: no band
};

}  // namespace ae
