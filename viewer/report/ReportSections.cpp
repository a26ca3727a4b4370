#include "viewer/report/ReportSections.h"

#include "viewer/report/GraphPagesSection.h"
#include "viewer/report/LocationSection.h"
#include "viewer/report/StatisticsSection.h"
#include "viewer/report/SummarySection.h"
#include "viewer/report/WaveformsSection.h"
#include "viewer/report/ZipSection.h"

namespace ae {

std::vector<std::unique_ptr<ReportSection>> MakeReportSections(const ReportContent& content,
                                                               const std::function<void()>& pageDrawn) {
  std::vector<std::unique_ptr<ReportSection>> sections;
  sections.push_back(std::make_unique<SummarySection>(content));
  sections.push_back(std::make_unique<GraphPagesSection>(content.Pages, pageDrawn));
  sections.push_back(std::make_unique<StatisticsSection>(content));
  sections.push_back(std::make_unique<ZipSection>(content));
  // Where the data have them: the location map page, then the waveform and spectrum of the
  // strongest hit of each channel.
  sections.push_back(std::make_unique<LocationSection>(content.LocationPage));
  sections.push_back(std::make_unique<WaveformsSection>(content));
  return sections;
}

}  // namespace ae
