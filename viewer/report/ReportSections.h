#pragma once
// The sections of a test report, in the order they are printed. This is the one place that says
// what a report holds: a new part (the location map page, the waveforms of each channel's
// strongest hit) is one more section here.
#include <functional>
#include <memory>
#include <vector>

#include "viewer/report/ReportContent.h"
#include "viewer/report/ReportSection.h"

namespace ae {

// `pageDrawn` is told after each page of graphs has been drawn (the slow part of a report).
std::vector<std::unique_ptr<ReportSection>> MakeReportSections(const ReportContent& content,
                                                               const std::function<void()>& pageDrawn = {});

}  // namespace ae
