#pragma once
// The first pages of a test report: the data file and what it says of itself, the data of this
// analysis (records, hits, times, deleted and framed hits, the sets), and the test setup.
#include <QString>

#include "viewer/report/DocumentPages.h"
#include "viewer/report/ReportContent.h"
#include "viewer/report/ReportSection.h"

namespace ae {

class SummarySection : public ReportSection {
 public:
  explicit SummarySection(const ReportContent& content) : content_(content) {}

  int Layout(const ReportPageGeometry& page) override;
  void Paint(QPainter& painter, int index, const ReportPageGeometry& page) override;

  // The summary as HTML; each part in its own function, in the order shown.
  QString Html() const;

 private:
  QString DataFilePart() const;
  QString FileInformationPart() const;
  QString AnalysisPart() const;
  QString TestSetupPart() const;

  const ReportContent& content_;
  DocumentPages pages_;
};

}  // namespace ae
