#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ae {

class ZTDataStore;

struct GraphSetRow {
  int GSystemID = 0;
  std::string Name;
  std::string Comment;
  int PageNum = 0;
};

struct GraphPageRow {
  int GPageID = 0;
  int GSystemID = 0;
  std::string GrPageName;
};

struct GraphRow {
  int GraphID = 0;
  int GPageID = 0;
  int GraphTypeID = 0;
  int LXCoord = 0, LYCoord = 0, RXCoord = 0, RYCoord = 0;
  std::string GraphName;
  int XAxisType = 0, YAxisType = 0;
  int XMin = 0, XMax = 0, YMin = 0, YMax = 0;
  bool XLogType = false, YLogType = false;
  std::string Channels;
  int XBinNum = 0, YBinNum = 0;
  int XBinSumTypeID = 0, YBinSumTypeID = 0;
  int XCumTypeID = 0, YCumTypeID = 0;
  bool AllChannel = false;
};

// The viewer's graph database: graph sets, their pages and the graphs of each page, all in
// stored order (the order of the tabs and of the graph numbers).
class GraphDatabase {
 public:
  explicit GraphDatabase(ZTDataStore& store);

  std::vector<GraphSetRow> GraphSets() const;                    // primary-key order
  std::optional<GraphSetRow> FindGraphSet(int gSystemId) const;  // keyed positioning
  std::optional<GraphSetRow> FirstGraphSet() const;
  std::vector<GraphPageRow> PagesOf(int gSystemId) const;  // pages query, GSID
  std::vector<GraphRow> GraphsOf(int gPageId) const;       // graphs query, GPID

 private:
  ZTDataStore& store_;
};

}  // namespace ae
