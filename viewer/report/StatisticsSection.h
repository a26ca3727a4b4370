#pragma once
// The statistics of the sets: the five reports of the data statistic window as tables, in the
// window's page order, each under its page's caption; channels without hits are left out.
#include <QString>

#include "viewer/report/DocumentPages.h"
#include "viewer/report/ReportContent.h"
#include "viewer/report/ReportSection.h"

namespace ae {

class StatisticsSection : public ReportSection {
 public:
  explicit StatisticsSection(const ReportContent& content) : content_(content) {}

  int Layout(const ReportPageGeometry& page) override;
  void Paint(QPainter& painter, int index, const ReportPageGeometry& page) override;

  QString Html() const;

 private:
  QString ReportHtml(int report) const;

  const ReportContent& content_;
  DocumentPages pages_;
};

}  // namespace ae
