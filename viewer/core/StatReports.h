#pragma once
// The five text reports of the hit statistics, one per page of the data statistic window:
// tab-separated fields, a header line, then for every set a "Set N" line and one row per
// channel record, then the report's trailing lines. Each is at most 65 535 characters (or the
// limit given), cut at a line boundary. Without any set every report is empty.
#include <array>
#include <cstddef>
#include <string>

#include "viewer/core/AReportText.h"

namespace ae {

class ATestStat;

enum : int { srAmplitude, srStatistic, srMonpac, srLocalDynamic, srHolds, StatReportCount };

// The page captions, in report order.
inline constexpr std::array<const char*, StatReportCount> StatPageCaptions = {
    "Amplitude Distr.", "Statistic Distr.", "MONPAC+", "Local/Dynamic", " Pressure holds"};

// What the statistic window says above its pages when there is no frame.
inline constexpr const char* WholeFileStatText = "No frame: every hit that is not deleted, as set 1";

std::string AmplitudeReport(const ATestStat& stat, std::size_t limit = AReportText::Limit);
std::string StatisticReport(const ATestStat& stat, std::size_t limit = AReportText::Limit);
// Computes and stores the zone class of every record with at least 10 events, whether or not
// its row fits into the text.
std::string MonpacReport(ATestStat& stat, std::size_t limit = AReportText::Limit);
std::string LocalDynamicReport(const ATestStat& stat, std::size_t limit = AReportText::Limit);
std::string HoldsReport(const ATestStat& stat, std::size_t limit = AReportText::Limit);

// All five, in the order the window writes them.
std::array<std::string, StatReportCount> WriteStatReports(ATestStat& stat, std::size_t limit = AReportText::Limit);

}  // namespace ae
