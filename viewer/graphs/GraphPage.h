#pragma once
// One page of graphs as the graph database describes it: the page's name and identifier and its
// graphs in graph-number order, in a grid of the options' cells. The page lays its graphs out,
// renders them (in parallel where that gives the same picture) and composes them into one image.
#include <QImage>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "viewer/graphs/TCommonData.h"
#include "viewer/graphs/TZTGraph.h"
#include "viewer/graphs/TZTPointGraph.h"

namespace ae {

class GraphPage {
 public:
  GraphPage(TCommonData& common, int pageId, std::string name, int slotCount)
      : PageId(pageId), Name(std::move(name)), SlotCount(slotCount), common_(common) {}

  int PageId;
  std::string Name;
  int SlotCount;  // VertGraphNum x HorizGraphNum when the page was built
  // Slots 0..count-1, in graph-number order.
  std::vector<std::unique_ptr<TZTGraph>> Graphs;
  // What could not be set up, one line per graph ("Graph 2 ...: ...").
  std::vector<std::string> Problems;

  TCommonData& Common() const { return common_; }

  // Page size and cells into the view context, then every graph's layout.
  void UpdateAllLayouts(int pageWidth, int pageHeight);
  // Renders every graph that needs it. A time-order error of the event view stops at the graph
  // it happened in (the later graphs stay as they were) and gives the time of the offending hit.
  std::optional<double> PaintGraphs();
  // The whole page: the background, then every graph's bitmap at its place.
  QImage Compose() const;

  void Redraw();
  void SetTimeRange(std::int32_t from, std::int32_t to);
  void RestoreTimeRange();
  // Every graph's ranges to its data, and back; true when a graph changed.
  bool FitAxesToData();
  bool RestoreStoredRanges();

 private:
  bool RendersInParallel() const;
  // The passes firstKind..lastKind of the point graphs over all records, into their Points: the
  // records split into one contiguous share per thread, each drawn for every graph piece by
  // piece (a piece is read once for all graphs), the later shares into layers of their own that
  // are then put over the earlier ones (PointLayer).
  void Sweep(const std::vector<TZTPointGraph*>& graphs, int firstKind, int lastKind, unsigned threads);

  TCommonData& common_;
};

}  // namespace ae
