#pragma once
// Pages and graphs from the graph database: which graph set is shown, the pages of that set in
// stored order and the graphs of each page, built by the page grid's rules (a row outside the
// grid or of an unknown graph type ends its page).
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/AEParamTable.h"
#include "store/GraphDatabase.h"
#include "viewer/graphs/GraphPage.h"

namespace ae {

class TZTGraph;

struct GraphSetChoice {
  bool Show = false;               // false: the options say no pages at all
  std::optional<GraphSetRow> Set;  // the set shown; none when the database has no set
};

class GraphPageBuilder {
 public:
  GraphPageBuilder(ZTDataStore& store, TCommonData& common) : database_(store), params_(store), common_(common) {}

  GraphDatabase& Database() { return database_; }

  // The graph set the options choose: none at all for the default set unless one was picked in
  // the graph database window; the last used (or the picked) one by key, the first one when
  // that key is gone; otherwise the first one.
  GraphSetChoice ChooseGraphSet() const;
  // The pages of a graph set with their graphs; empty when the set has no pages.
  std::vector<std::unique_ptr<GraphPage>> BuildPages(int gSystemId) const;
  // One page and its graphs.
  std::unique_ptr<GraphPage> BuildPage(const GraphPageRow& row) const;

  // A graph of a row's kind (1 point, 2 line, 3 histogram), set up from the row; null for
  // another kind.
  std::unique_ptr<TZTGraph> MakeGraph(const GraphRow& row, int graphNumber) const;
  // The setup values of a row, with the axis names from the parameter table.
  TGraphSetup SetupOf(const GraphRow& row) const;

 private:
  GraphDatabase database_;
  AEParamTable params_;
  TCommonData& common_;
};

// When the loaded file's time axis is to be used: every time graph runs from 0 to the file's
// default end of the time axis.
void ApplyFileTimeAxis(std::vector<std::unique_ptr<GraphPage>>& pages, const TCommonData& common);

}  // namespace ae
