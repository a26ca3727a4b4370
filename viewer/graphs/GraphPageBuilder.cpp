#include "viewer/graphs/GraphPageBuilder.h"

#include <algorithm>
#include <cmath>

#include "viewer/graphs/TZTHistgrGraph.h"
#include "viewer/graphs/TZTLineGraph.h"
#include "viewer/graphs/TZTPointGraph.h"

namespace ae {

GraphSetChoice GraphPageBuilder::ChooseGraphSet() const {
  const AOptions& options = *common_.Options;
  const bool picked = options.CurrentGraphSet != 0;
  GraphSetChoice choice;
  if (options.StartUpGraph == 0 && !picked) return choice;
  choice.Show = true;
  if (options.StartUpGraph == 1 || picked) {
    choice.Set = database_.FindGraphSet(picked ? options.CurrentGraphSet : options.LastUsedGraphNo);
    if (choice.Set) return choice;
  }
  choice.Set = database_.FirstGraphSet();
  return choice;
}

TGraphSetup GraphPageBuilder::SetupOf(const GraphRow& row) const {
  TGraphSetup s;
  s.LX = row.LXCoord;
  s.LY = row.LYCoord;
  s.RX = row.RXCoord;
  s.RY = row.RYCoord;
  s.Name = row.GraphName;
  s.Channels = row.Channels;
  s.NoColour = row.AllChannel;
  s.XParam = row.XAxisType;
  s.XMin = static_cast<std::uint32_t>(row.XMin);
  s.XMax = static_cast<std::uint32_t>(row.XMax);
  s.XLog = row.XLogType;
  s.YParam = row.YAxisType;
  s.YMin = static_cast<std::uint32_t>(row.YMin);
  s.YMax = static_cast<std::uint32_t>(row.YMax);
  s.YLog = row.YLogType;
  s.XShortName = params_.ShortNameOf(row.XAxisType);
  s.YShortName = params_.ShortNameOf(row.YAxisType);
  return s;
}

std::unique_ptr<TZTGraph> GraphPageBuilder::MakeGraph(const GraphRow& row, int graphNumber) const {
  TCommonData& common = common_;
  std::unique_ptr<TZTGraph> graph;
  switch (row.GraphTypeID) {
    case TZTGraph::gkPoint: graph = std::make_unique<TZTPointGraph>(common, graphNumber); break;
    case TZTGraph::gkLine: graph = std::make_unique<TZTLineGraph>(common, graphNumber); break;
    case TZTGraph::gkHistogram: graph = std::make_unique<TZTHistgrGraph>(common, graphNumber); break;
    default: return nullptr;
  }
  if (auto* line = dynamic_cast<TZTLineGraph*>(graph.get()))
    line->SetBins({row.XBinNum, row.YBinNum, row.XBinSumTypeID, row.YBinSumTypeID, row.XCumTypeID, row.YCumTypeID});
  graph->Setup(SetupOf(row));
  return graph;
}

std::unique_ptr<GraphPage> GraphPageBuilder::BuildPage(const GraphPageRow& row) const {
  const int columns = common_.Options->HorizGraphNum, rows = common_.Options->VertGraphNum;
  auto page = std::make_unique<GraphPage>(common_, row.GPageID, row.GrPageName, columns * rows);
  const std::vector<GraphRow> graphs = database_.GraphsOf(row.GPageID);
  for (std::size_t i = 0; i < graphs.size(); ++i) {
    const GraphRow& g = graphs[i];
    // A row that does not fit the grid stays the current row: nothing after it is built.
    if (static_cast<int>(i) >= page->SlotCount || g.LXCoord > columns || g.RXCoord > columns || g.LYCoord > rows ||
        g.RYCoord > rows)
      break;
    std::unique_ptr<TZTGraph> graph = MakeGraph(g, static_cast<int>(i));
    if (!graph) break;
    if (!graph->SetupError.empty())
      page->Problems.push_back("Page \"" + row.GrPageName + "\", graph " + std::to_string(i) + " \"" + g.GraphName +
                               "\": " + graph->SetupError);
    page->Graphs.push_back(std::move(graph));
  }
  return page;
}

std::vector<std::unique_ptr<GraphPage>> GraphPageBuilder::BuildPages(int gSystemId) const {
  std::vector<std::unique_ptr<GraphPage>> pages;
  for (const GraphPageRow& row : database_.PagesOf(gSystemId)) pages.push_back(BuildPage(row));
  return pages;
}

void ApplyFileTimeAxis(std::vector<std::unique_ptr<GraphPage>>& pages, const TCommonData& common) {
  if (common.DataSet == nullptr || common.DataSet->FileName.empty() || !common.Options->TimeAxisFromFile) return;
  const double end = std::trunc(common.DataSet->TimeEnd);
  const auto to = static_cast<std::int32_t>(std::clamp(end, 0.0, 2147483647.0));
  for (auto& page : pages) page->SetTimeRange(0, to);
}

}  // namespace ae
