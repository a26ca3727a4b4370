#include "viewer/report/LocationSection.h"

#include "store/GraphDatabase.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/graphs/GraphPageBuilder.h"
#include "viewer/report/GraphPagesSection.h"

namespace ae {

std::unique_ptr<GraphPage> LocationSection::BuildPage(const GraphDatabase& database, GraphPageBuilder& builder,
                                                      const ATestSetup& setup, int reportGraphSet) {
  if (!setup.Location.Active()) return nullptr;
  const char* wanted = setup.Location.Type == ALocationType::Linear ? "Linear" : "Planar";
  for (const GraphSetRow& set : database.GraphSets()) {
    if (set.Name != "Location") continue;
    if (set.GSystemID == reportGraphSet) return nullptr;  // its pages are in the report already
    for (std::unique_ptr<GraphPage>& page : builder.BuildPages(set.GSystemID))
      if (page->Name == wanted) {
        page->Name = std::string("Location map (") + wanted + ")";
        return std::move(page);
      }
  }
  return nullptr;
}

void LocationSection::Paint(QPainter& painter, int index, const ReportPageGeometry& page) {
  if (index != 0 || page_ == nullptr) return;
  // The shipped ranges suit one layout; the map shows where these events are.
  page_->FitAxesToData();
  GraphPagesSection::PaintGraphPage(painter, *page_, page);
}

}  // namespace ae
