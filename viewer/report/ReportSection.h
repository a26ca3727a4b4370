#pragma once
// One part of a test report (the summary, the graph pages, the statistics ...): it lays itself
// out on pages of a given geometry and paints any of them. The report asks every section for its
// pages first, so that each page's footer can say "page n of m".
#include <QPainter>

#include "viewer/report/ReportPageGeometry.h"

namespace ae {

class ReportSection {
 public:
  virtual ~ReportSection() = default;
  // The number of pages the section takes on pages of this geometry (0: it has nothing to show).
  virtual int Layout(const ReportPageGeometry& page) = 0;
  // Paints page `index` (0 .. Layout() - 1) into page.Content; the painter's origin is the
  // paintable area's corner.
  virtual void Paint(QPainter& painter, int index, const ReportPageGeometry& page) = 0;
};

}  // namespace ae
