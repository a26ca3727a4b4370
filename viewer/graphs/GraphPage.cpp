#include "viewer/graphs/GraphPage.h"

#include <QPainter>
#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "datafiles/EZTData.h"
#include "viewer/graphs/PixelCanvas.h"
#include "viewer/graphs/TZTPointGraph.h"

namespace ae {

void GraphPage::UpdateAllLayouts(int pageWidth, int pageHeight) {
  common_.SetPageSize(pageWidth, pageHeight);
  for (auto& graph : Graphs) graph->UpdateLayout();
}

namespace {

// Records per piece: small enough to stay in the cache while every graph of a share reads it.
constexpr std::size_t PieceRecords = 4096;

}  // namespace

void GraphPage::DrawShare(const std::vector<TZTGraph*>& graphs, unsigned share, unsigned shares,
                          std::exception_ptr& failure) {
  try {
    std::vector<TZTPointGraph*> points;
    std::vector<TZTGraph*> others;
    for (std::size_t i = share; i < graphs.size(); i += shares) {
      if (auto* point = dynamic_cast<TZTPointGraph*>(graphs[i])) points.push_back(point);
      else others.push_back(graphs[i]);
    }
    const std::vector<ZTShortHit>& recs = common_.DataSet->Recs;
    for (int kind = 0; kind < TZTPointGraph::PassKinds; ++kind) {
      std::vector<std::unique_ptr<PointPass>> passes;
      for (TZTPointGraph* graph : points)
        if (auto pass = graph->MakePass(kind, graph->Bitmap)) passes.push_back(std::move(pass));
      if (passes.empty()) continue;
      for (std::size_t first = 0; first < recs.size(); first += PieceRecords) {
        const ZTShortHit* begin = recs.data() + first;
        const ZTShortHit* end = recs.data() + std::min(recs.size(), first + PieceRecords);
        for (auto& pass : passes) pass->Run(begin, end);
      }
      for (auto& pass : passes) pass->Finish();
    }
    for (TZTGraph* graph : others) graph->DrawDataPixels(graph->Bitmap);
  } catch (...) {
    failure = std::current_exception();
  }
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
  const unsigned threads = std::max(
      1u, std::min<unsigned>({std::thread::hardware_concurrency(), 8u, static_cast<unsigned>(withData.size())}));
  std::vector<std::exception_ptr> failures(threads);
  {
    std::vector<std::jthread> helpers;
    for (unsigned t = 1; t < threads; ++t)
      helpers.emplace_back([&, t] { DrawShare(withData, t, threads, failures[t]); });
    DrawShare(withData, 0, threads, failures[0]);
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

bool GraphPage::FitAxesToData() {
  bool changed = false;
  for (auto& graph : Graphs) changed = graph->FitAxesToData() || changed;
  return changed;
}

bool GraphPage::RestoreStoredRanges() {
  bool changed = false;
  for (auto& graph : Graphs) changed = graph->RestoreStoredRanges() || changed;
  return changed;
}

}  // namespace ae
