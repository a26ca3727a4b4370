#include "viewer/graphs/GraphPage.h"

#include <QPainter>
#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "datafiles/EZTData.h"
#include "viewer/graphs/PieceColumns.h"
#include "viewer/graphs/PixelCanvas.h"
#include "viewer/graphs/PointLayer.h"
#include "viewer/graphs/TZTPointGraph.h"

namespace ae {

void GraphPage::UpdateAllLayouts(int pageWidth, int pageHeight) {
  common_.SetPageSize(pageWidth, pageHeight);
  for (auto& graph : Graphs) graph->UpdateLayout();
}

namespace {

// The point graphs a sweep draws, with the passes it draws of each.
struct SweepGraph {
  TZTPointGraph* Graph;
  int FirstKind;
  int LastKind;
};

// What one thread draws of a sweep: its share of the records, into its own images.
struct SweepShare {
  std::size_t First = 0, End = 0;  // records
  std::vector<PointLayer> Layers;  // one per graph; the first share draws into the graphs' Points
  std::vector<std::vector<std::unique_ptr<PointPass>>> Passes;  // per graph, in drawing order
  std::exception_ptr Failure;
};

void DrawShare(const std::vector<SweepGraph>& graphs, const TCommonData& common, SweepShare& share) {
  try {
    const ZTDataSet& data = *common.DataSet;
    const std::vector<ZTShortHit>& recs = data.Recs;
    const AOptions& options = *common.Options;
    PieceColumns columns(*common.Setup);
    // A graph of a location reads its values from the located events, not from columns.
    for (const SweepGraph& graph : graphs)
      if (graph.FirstKind <= TZTPointGraph::ppHits && TZTPointGraph::ppHits <= graph.LastKind &&
          !graph.Graph->UsesLocation()) {
        columns.Use(graph.Graph->XPixels(), true);
        columns.Use(graph.Graph->YPixels(), true);
      }
    for (std::size_t first = share.First; first < share.End; first += ZTDataSet::PieceRecords) {
      // Every pass leaves out what lies outside the time window.
      if (options.TimeRangeFilter && data.PieceOutsideTimes(first, options.FilterStart, options.FilterEnd)) continue;
      columns.Reset(recs.data() + first, recs.data() + std::min(share.End, first + ZTDataSet::PieceRecords));
      for (std::size_t g = 0; g < graphs.size(); ++g) {
        const TZTPointGraph& graph = *graphs[g].Graph;
        // Beyond a time axis nothing is drawn, nor counted as outside.
        if (graph.XAxis.Param == pcTime && data.PieceOutsideTimes(first, graph.XAxis.Min, graph.XAxis.Max)) continue;
        if (graph.YAxis.Param == pcTime && data.PieceOutsideTimes(first, graph.YAxis.Min, graph.YAxis.Max)) continue;
        for (auto& pass : share.Passes[g]) pass->Run(columns);
      }
    }
  } catch (...) {
    share.Failure = std::current_exception();
  }
}

}  // namespace

void GraphPage::Sweep(const std::vector<TZTPointGraph*>& graphs, int firstKind, int lastKind, unsigned threads) {
  std::vector<SweepGraph> work;
  for (TZTPointGraph* graph : graphs) work.push_back({graph, firstKind, lastKind});
  const std::size_t records = common_.DataSet->Recs.size();
  const std::size_t pieces = (records + ZTDataSet::PieceRecords - 1) / ZTDataSet::PieceRecords;
  threads = static_cast<unsigned>(std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(pieces, 1)));

  // Contiguous shares of whole pieces, in file order: a later share draws later records.
  std::vector<SweepShare> shares(threads);
  for (unsigned t = 0; t < threads; ++t) {
    SweepShare& share = shares[t];
    share.First = std::min(records, pieces * t / threads * ZTDataSet::PieceRecords);
    share.End = std::min(records, pieces * (t + 1) / threads * ZTDataSet::PieceRecords);
    share.Passes.resize(work.size());
    if (t > 0) share.Layers.resize(work.size());
    for (std::size_t g = 0; g < work.size(); ++g) {
      PointLayer* layer = &work[g].Graph->Points;
      if (t > 0) {
        share.Layers[g] = PointLayer(layer->Width(), layer->Height());
        layer = &share.Layers[g];
      }
      for (int kind = work[g].FirstKind; kind <= work[g].LastKind; ++kind)
        if (auto pass = work[g].Graph->MakePass(kind, *layer)) share.Passes[g].push_back(std::move(pass));
    }
  }
  {
    std::vector<std::jthread> helpers;
    for (unsigned t = 1; t < threads; ++t) helpers.emplace_back([&, t] { DrawShare(work, common_, shares[t]); });
    DrawShare(work, common_, shares[0]);
  }
  for (const SweepShare& share : shares)
    if (share.Failure) std::rethrow_exception(share.Failure);
  for (std::size_t g = 0; g < work.size(); ++g) {
    for (unsigned t = 1; t < threads; ++t) work[g].Graph->Points.Merge(shares[t].Layers[g]);
    for (const SweepShare& share : shares)
      for (auto& pass : share.Passes[g]) pass->Finish();
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

  if (!RendersInParallel() || !common_.HasData()) {
    for (TZTGraph* graph : pending) {
      try {
        graph->PaintGraph();
      } catch (const EZTData&) {
        return ZTDataSet::EventRule().ErrorTime;
      }
    }
    return std::nullopt;
  }

  // Text is drawn on this thread only. The points of all point graphs are drawn together over
  // the records split among threads; a graph whose first two passes are kept draws only its
  // selection again. Line graphs and histograms add their hits up in file order, each on one
  // thread.
  std::vector<TZTPointGraph*> points, fresh;
  std::vector<TZTGraph*> others;
  for (TZTGraph* graph : pending) {
    graph->BeginPaint();
    graph->PassEventCount.reset();
    if (graph->Bitmap.isNull() || !graph->SetupError.empty()) continue;
    if (auto* point = dynamic_cast<TZTPointGraph*>(graph)) {
      points.push_back(point);
      if (point->HasKeptBase()) {
        point->UseKeptBase();
      } else {
        point->Points = PointLayer(point->Bitmap.width(), point->Bitmap.height());
        fresh.push_back(point);
      }
    } else {
      others.push_back(graph);
    }
  }
  const unsigned threads = std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
  {
    std::atomic<std::size_t> next{0};
    std::vector<std::exception_ptr> failures(others.size());
    auto drawOthers = [&] {
      for (std::size_t i = next++; i < others.size(); i = next++) {
        try {
          others[i]->DrawDataPixels(others[i]->Bitmap);
        } catch (...) {
          failures[i] = std::current_exception();
        }
      }
    };
    std::vector<std::jthread> helpers;
    for (unsigned t = 1; t < threads && t <= others.size(); ++t) helpers.emplace_back(drawOthers);
    if (!fresh.empty()) Sweep(fresh, TZTPointGraph::ppDeletedHits, TZTPointGraph::ppHits, threads);
    drawOthers();
    helpers.clear();
    for (const std::exception_ptr& failure : failures)
      if (failure) std::rethrow_exception(failure);
  }
  for (TZTPointGraph* graph : fresh) graph->KeepBase();
  if (!points.empty()) Sweep(points, TZTPointGraph::ppSelection, TZTPointGraph::ppSelection, threads);
  for (TZTPointGraph* graph : points) graph->Points.PaintInto(graph->Bitmap, PointLayer::Colours(graph->Scheme()));

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
