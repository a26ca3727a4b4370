#pragma once
// What the sections of a test report show, gathered once before any page is drawn: the source,
// the statistics of the sets with their five report texts, what the data file says of itself,
// and the graph pages.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/ADataFileSummary.h"
#include "viewer/core/ATestStat.h"
#include "viewer/core/StatReports.h"
#include "viewer/graphs/GraphPage.h"
#include "viewer/report/ReportSource.h"

namespace ae {

// The data file on disk, read again as the information window reads it.
struct ReportFileInformation {
  std::optional<std::uintmax_t> Size;
  std::optional<ADataFileSummary> Summary;
  std::string Error;  // why it could not be read again; empty when it could

  static ReportFileInformation Read(const std::string& path);
};

struct ReportContent {
  const ReportSource& Source;
  const ZTDataSet& Data;
  const ATestStat& Stat;
  // The five reports in full (no row dropped for a page's size), in StatReports order.
  const std::array<std::string, StatReportCount>& Reports;
  const ReportFileInformation& File;
  // The pages of the graph set, built for the report's view context.
  std::vector<std::unique_ptr<GraphPage>>& Pages;
  // What the sets are: the frames, or the whole file as set 1.
  std::string SetsText;
  // The location map's page when the test setup locates; null otherwise.
  GraphPage* LocationPage = nullptr;
};

}  // namespace ae
