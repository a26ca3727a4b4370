#include "store/GraphDatabase.h"

#include "store/StoreQuery.h"
#include "store/ZTDataStore.h"

namespace ae {

namespace {

std::string Text(const StoreQuery& query, const char* field) { return query.Value(field).toString().toStdString(); }

int Int(const StoreQuery& query, const char* field) { return query.Value(field).toInt(); }

// Booleans are stored as 1/0; a text "True"/"False" written by another tool reads the same.
bool Bool(const StoreQuery& query, const char* field) { return query.Value(field).toBool(); }

GraphSetRow ReadGraphSet(const StoreQuery& q) {
  return {Int(q, "GSystemID"), Text(q, "Name"), Text(q, "Comment"), Int(q, "PageNum")};
}

std::vector<GraphSetRow> GraphSetRows(StoreQuery& query) {
  query.Exec();
  std::vector<GraphSetRow> rows;
  while (query.Next()) rows.push_back(ReadGraphSet(query));
  return rows;
}

}  // namespace

GraphDatabase::GraphDatabase(ZTDataStore& store) : store_(store) {}

std::vector<GraphSetRow> GraphDatabase::GraphSets() const {
  StoreQuery query(store_, "SELECT * FROM VNGrfSys ORDER BY GSystemID", "VNGrfSys");
  return GraphSetRows(query);
}

std::optional<GraphSetRow> GraphDatabase::FindGraphSet(int gSystemId) const {
  StoreQuery query(store_, "SELECT * FROM VNGrfSys WHERE GSystemID = :GSID", "VNGrfSys");
  query.Bind(":GSID", gSystemId);
  const auto rows = GraphSetRows(query);
  return rows.empty() ? std::nullopt : std::optional(rows.front());
}

std::optional<GraphSetRow> GraphDatabase::FirstGraphSet() const {
  StoreQuery query(store_, "SELECT * FROM VNGrfSys ORDER BY GSystemID LIMIT 1", "VNGrfSys");
  const auto rows = GraphSetRows(query);
  return rows.empty() ? std::nullopt : std::optional(rows.front());
}

std::vector<GraphPageRow> GraphDatabase::PagesOf(int gSystemId) const {
  // Stored order is key order: the order of the tabs.
  StoreQuery query(store_, "select * from VNGrfPge where GSystemID = :GSID order by GPageID", "VNGrfPge");
  query.Bind(":GSID", gSystemId).Exec();
  std::vector<GraphPageRow> rows;
  while (query.Next()) rows.push_back({Int(query, "GPageID"), Int(query, "GSystemID"), Text(query, "GrPageName")});
  return rows;
}

std::vector<GraphRow> GraphDatabase::GraphsOf(int gPageId) const {
  // Stored order is key order: the order of the graph numbers.
  StoreQuery query(store_, "select * from VNGraph where GPageID = :GPID order by GraphID", "VNGraph");
  query.Bind(":GPID", gPageId).Exec();
  std::vector<GraphRow> rows;
  while (query.Next()) {
    GraphRow g;
    g.GraphID = Int(query, "GraphID");
    g.GPageID = Int(query, "GPageID");
    g.GraphTypeID = Int(query, "GraphTypeID");
    g.LXCoord = Int(query, "LXCoord");
    g.LYCoord = Int(query, "LYCoord");
    g.RXCoord = Int(query, "RXCoord");
    g.RYCoord = Int(query, "RYCoord");
    g.GraphName = Text(query, "GraphName");
    g.XAxisType = Int(query, "XAxisType");
    g.YAxisType = Int(query, "YAxisType");
    g.XMin = Int(query, "XMin");
    g.XMax = Int(query, "XMax");
    g.YMin = Int(query, "YMin");
    g.YMax = Int(query, "YMax");
    g.XLogType = Bool(query, "XLogType");
    g.YLogType = Bool(query, "YLogType");
    g.Channels = Text(query, "Channels");
    g.XBinNum = Int(query, "XBinNum");
    g.YBinNum = Int(query, "YBinNum");
    g.XBinSumTypeID = Int(query, "XBinSumTypeID");
    g.YBinSumTypeID = Int(query, "YBinSumTypeID");
    g.XCumTypeID = Int(query, "XCumTypeID");
    g.YCumTypeID = Int(query, "YCumTypeID");
    g.AllChannel = Bool(query, "AllChannel");
    rows.push_back(std::move(g));
  }
  return rows;
}

}  // namespace ae
