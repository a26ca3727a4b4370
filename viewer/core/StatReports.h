#pragma once
// The five text reports of the hit statistics, one per page of the data statistic window:
// tab-separated fields, a header line, then for every set a "Set N" line and one row per
// channel record, then the report's trailing lines. Each is at most 65 535 characters, cut at a
// line boundary. Without any set every report is empty.
#include <array>
#include <string>

namespace ae {

class ATestStat;

enum : int { srAmplitude, srStatistic, srMonpac, srLocalDynamic, srHolds, StatReportCount };

// The page captions, in report order.
inline constexpr std::array<const char*, StatReportCount> StatPageCaptions = {
    "Amplitude Distr.", "Statistic Distr.", "MONPAC+", "Local/Dynamic", " Pressure holds"};

std::string AmplitudeReport(const ATestStat& stat);
std::string StatisticReport(const ATestStat& stat);
// Computes and stores the zone class of every record with at least 10 events, whether or not
// its row fits into the text.
std::string MonpacReport(ATestStat& stat);
std::string LocalDynamicReport(const ATestStat& stat);
std::string HoldsReport(const ATestStat& stat);

// All five, in the order the window writes them.
std::array<std::string, StatReportCount> WriteStatReports(ATestStat& stat);

}  // namespace ae
