#pragma once
// The zone intensity plot of the sets' MONPAC evaluation on a page of its own, drawn as lines and
// text (not as an image), as the data statistic window draws it, dark on white.
#include "viewer/report/ReportContent.h"
#include "viewer/report/ReportSection.h"

namespace ae {

class ZipSection : public ReportSection {
 public:
  explicit ZipSection(const ReportContent& content) : content_(content) {}

  int Layout(const ReportPageGeometry&) override { return content_.Stat.AnySet() ? 1 : 0; }
  void Paint(QPainter& painter, int index, const ReportPageGeometry& page) override;

 private:
  const ReportContent& content_;
};

}  // namespace ae
