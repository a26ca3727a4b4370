#pragma once
// One report page per page of graphs of the chosen graph set, as the viewer paints it, at the
// report's resolution, with the page's name as its heading.
#include <functional>
#include <memory>
#include <vector>

#include "viewer/graphs/GraphPage.h"
#include "viewer/report/ReportSection.h"

namespace ae {

class GraphPagesSection : public ReportSection {
 public:
  // `drawn` is told after each page has been drawn.
  explicit GraphPagesSection(std::vector<std::unique_ptr<GraphPage>>& pages, std::function<void()> drawn = {})
      : pages_(pages), drawn_(std::move(drawn)) {}

  int Layout(const ReportPageGeometry&) override { return static_cast<int>(pages_.size()); }
  // Renders the page of graphs only now, so that one picture at a time is in memory.
  void Paint(QPainter& painter, int index, const ReportPageGeometry& page) override;

  // One page of graphs on a page of paper: its name as the heading, its graphs below.
  static void PaintGraphPage(QPainter& painter, GraphPage& graphs, const ReportPageGeometry& page);

 private:
  std::vector<std::unique_ptr<GraphPage>>& pages_;
  std::function<void()> drawn_;
};

}  // namespace ae
