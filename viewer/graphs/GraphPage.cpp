#include "viewer/graphs/GraphPage.h"

#include <QPainter>
#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "datafiles/EZTData.h"
#include "viewer/graphs/PixelCanvas.h"

namespace ae {

void GraphPage::UpdateAllLayouts(int pageWidth, int pageHeight) {
  common_.SetPageSize(pageWidth, pageHeight);
  for (auto& graph : Graphs) graph->UpdateLayout();
}

bool GraphPage::RendersInParallel() const {
  // The event rule runs through the hits in file order for every graph and may stop the page
  // at a time-order error: that page renders graph by graph.
  return !common_.Options->EventsView && std::thread::hardware_concurrency() > 1;
}

std::optional<double> GraphPage::PaintGraphs() {
  std::vector<TZTGraph*> pending;
  for (auto& graph : Graphs)
    if (graph->Dirty || common_.RepaintAll) pending.push_back(graph.get());
  if (pending.empty()) return std::nullopt;

  if (!RendersInParallel() || pending.size() < 2 || !common_.HasData()) {
    for (TZTGraph* graph : pending) {
      try {
        graph->PaintGraph();
      } catch (const EZTData&) {
        return ZTDataSet::EventRule().ErrorTime;
      }
    }
    return std::nullopt;
  }

  // Text is drawn on this thread only; the points and bins of the graphs go in parallel, each
  // graph into its own bitmap.
  std::vector<TZTGraph*> withData;
  for (TZTGraph* graph : pending) {
    graph->BeginPaint();
    graph->PassEventCount.reset();
    if (!graph->Bitmap.isNull() && graph->SetupError.empty()) withData.push_back(graph);
  }
  std::atomic<std::size_t> next{0};
  std::vector<std::exception_ptr> failures(withData.size());
  auto work = [&] {
    for (std::size_t i = next++; i < withData.size(); i = next++) {
      try {
        withData[i]->DrawDataPixels(withData[i]->Bitmap);
      } catch (...) {
        failures[i] = std::current_exception();
      }
    }
  };
  {
    const unsigned helpers = std::min<unsigned>(std::thread::hardware_concurrency(), 8) - 1;
    std::vector<std::jthread> threads;
    for (unsigned t = 0; t < helpers && t + 1 < withData.size(); ++t) threads.emplace_back(work);
    work();
  }
  for (const std::exception_ptr& failure : failures)
    if (failure) std::rethrow_exception(failure);
  for (TZTGraph* graph : pending) {
    if (!graph->Bitmap.isNull() && graph->SetupError.empty()) {
      graph->DrawDataTexts(graph->Bitmap);
      if (graph->PassEventCount) common_.DataSet->EventCount = *graph->PassEventCount;
    }
    graph->FinishPaint();
  }
  return std::nullopt;
}

QImage GraphPage::Compose() const {
  QImage page(std::max(common_.PageWidth, 1), std::max(common_.PageHeight, 1), QImage::Format_RGB32);
  PixelCanvas(page).Fill(RoleColor(TColorRole::Background, common_.Options->ColorScheme));
  QPainter painter(&page);
  for (const auto& graph : Graphs)
    if (!graph->Bitmap.isNull()) painter.drawImage(graph->Left, graph->Top, graph->Bitmap);
  return page;
}

void GraphPage::Redraw() {
  for (auto& graph : Graphs) graph->Redraw();
}

void GraphPage::SetTimeRange(std::int32_t from, std::int32_t to) {
  for (auto& graph : Graphs) graph->SetTimeRange(from, to);
}

void GraphPage::RestoreTimeRange() {
  for (auto& graph : Graphs) graph->RestoreTimeRange();
}

}  // namespace ae
