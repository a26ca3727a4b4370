#pragma once
// The location map on a page of its own when the test setup locates: the "Planar" page of the
// shipped graph set "Location" (the "Linear" page for a linear location), its ranges fitted to
// the located events, as the viewer paints it. No page when the setup locates nothing, when the
// store has no such set, or when the report's graph set is that set already.
#include <memory>

#include "viewer/graphs/GraphPage.h"
#include "viewer/report/ReportSection.h"

namespace ae {

class GraphPageBuilder;
class GraphDatabase;
class ATestSetup;

class LocationSection : public ReportSection {
 public:
  explicit LocationSection(GraphPage* page) : page_(page) {}

  // The page of the set "Location" for the setup's kind of location, or null.
  static std::unique_ptr<GraphPage> BuildPage(const GraphDatabase& database, GraphPageBuilder& builder,
                                              const ATestSetup& setup, int reportGraphSet);

  int Layout(const ReportPageGeometry&) override { return page_ != nullptr ? 1 : 0; }
  void Paint(QPainter& painter, int index, const ReportPageGeometry& page) override;

 private:
  GraphPage* page_;
};

}  // namespace ae
