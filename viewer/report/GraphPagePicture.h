#pragma once
// A page of graphs drawn for paper: its graphs rendered into one image at the report's
// resolution, in the print colours (dark on white), with the labels kept apart as texts, so that
// a painter on a PDF or a printer writes them as text (searchable, sharp) over the image.
#include <QImage>
#include <QRectF>
#include <QSize>
#include <vector>

#include "viewer/graphs/GraphText.h"

class QPainter;

namespace ae {

class GraphPage;

class GraphPagePicture {
 public:
  // Draws the page at `pixels`. The page's view context is left as it was: the page is laid out
  // again at its former size and its graphs are marked to render again. Raises EViewer with the
  // viewer's message when the event view meets hits out of time order.
  static GraphPagePicture Render(GraphPage& page, QSize pixels);

  // The largest resolution at which a label line stays within the room the graphs' layout
  // gives it (16 pixels: under the plot, a line of labels ends above the cell's border).
  static int LabelDpi();

  const QImage& Image() const { return image_; }
  // The labels in page pixels, in the order drawn.
  const std::vector<TDrawnText>& Texts() const { return texts_; }

  // The image stretched over `target`, the labels written over it at the same scale.
  void Paint(QPainter& painter, const QRectF& target) const;

 private:
  QImage image_;
  std::vector<TDrawnText> texts_;
  int labelDpi_ = 96;
};

}  // namespace ae
