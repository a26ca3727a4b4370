#pragma once
// One tab of graphs: the page of the graph database with one control per graph. Its paint
// renders the graphs that need it and reports a time-order error of event view once.
#include <QWidget>
#include <memory>
#include <vector>

#include "viewer/graphs/GraphPage.h"

namespace ae {

class GraphMouse;
class TZTGraphControl;

class TZTTabSheet : public QWidget {
  Q_OBJECT

 public:
  TZTTabSheet(std::unique_ptr<GraphPage> page, GraphMouse& mouse, QWidget* parent = nullptr);
  ~TZTTabSheet() override;

  GraphPage& Page() const { return *page_; }
  const std::vector<TZTGraphControl*>& Controls() const { return controls_; }

  // The page's cells at this sheet's size, and every graph placed there.
  void UpdateAllLayouts();
  // Every graph renders again at the next paint; a new error may be reported again.
  void Redraw();
  // Renders the graphs of the page that need it, all together; the first graph control that
  // paints asks for it, so that no control ever shows a bitmap that is not up to date.
  void RenderPending();

 signals:
  void Resized();
  // Graphs of the page have rendered: the event count of event view may have changed.
  void Rendered();
  // A graph met hits out of time order; the time of the offending hit in seconds.
  void TimeOrderError(double seconds);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::unique_ptr<GraphPage> page_;
  GraphMouse& mouse_;
  std::vector<TZTGraphControl*> controls_;
  bool errorReported_ = false;
  bool renderFailed_ = false;  // until the next redraw or layout, a failed render is not retried
};

}  // namespace ae
