#pragma once
// Pages and graphs from the graph database: which graph set is shown, the pages of that set in
// stored order and the graphs of each page, built by the page grid's rules (a row outside the
// grid or of an unknown graph type ends its page).
#include <memory>
#include <optional>
#include <string>
#include <vector>

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
  GraphPageBuilder(GraphDatabase& database, TCommonData& common) : database_(database), common_(common) {}

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
  static std::unique_ptr<TZTGraph> MakeGraph(TCommonData& common, const GraphRow& row, int graphNumber);
  static TGraphSetup SetupOf(const GraphRow& row);

 private:
  GraphDatabase& database_;
  TCommonData& common_;
};

// When the loaded file's time axis is to be used: every time graph runs from 0 to the file's
// default end of the time axis.
void ApplyFileTimeAxis(std::vector<std::unique_ptr<GraphPage>>& pages, const TCommonData& common);

}  // namespace ae
