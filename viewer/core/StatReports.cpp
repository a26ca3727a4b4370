#include "viewer/core/StatReports.h"

#include <functional>
#include <string_view>

#include "viewer/core/AReportText.h"
#include "viewer/core/ATestStat.h"
#include "viewer/core/ReportNumbers.h"

namespace ae {

namespace {

constexpr std::string_view UnderConstruction = "U/C - Under construction";

// Tab, then the count, or "-" for 0.
void CountField(std::string& line, std::uint64_t value) {
  line += '\t';
  if (value == 0) {
    line += '-';
    return;
  }
  AppendUnsigned(line, value);
}

void RealField(std::string& line, double value, int decimals) {
  line += '\t';
  AppendFixed(line, value, decimals);
}

void RowStart(std::string& line, int channel) {
  line.clear();
  AppendSigned(line, channel);
}

void SetLine(AReportText& text, std::string& line, const ASetStat& set) {
  line = "Set ";
  AppendSigned(line, set.SetSlot + 1);
  text.AddLine(line);
}

// The frame of every report: nothing without sets; otherwise the header, then per set its
// "Set N" line and what `body` writes, then the trailing lines.
template <typename Body>
std::string Report(const ATestStat& stat, std::size_t limit, std::string_view header, Body body,
                   std::initializer_list<std::string_view> trailer) {
  if (!stat.AnySet()) return {};
  AReportText text(limit);
  std::string line;
  text.AddLine(header);
  for (int s = 0; s < ATestStat::Sets && !text.Full(); ++s) {
    const ASetStat* set = stat.Set(s);
    if (set == nullptr) continue;
    SetLine(text, line, *set);
    body(text, line, *set);
  }
  for (std::string_view trailing : trailer) text.AddLine(trailing);
  return text.Take();
}

// Calls row for every channel record of the set, in channel order.
template <typename Row>
void ForEachChan(const ASetStat& set, Row row) {
  for (int c = 1; c <= ASetStat::Channels; ++c)
    if (const AChanStat* chan = set.Chan(c)) row(*chan);
}

}  // namespace

std::string AmplitudeReport(const ATestStat& stat, std::size_t limit) {
  return Report(stat, limit, "Chan\tTotal\t>50\t>55\t>60\t>65\t>70\t>80\t>90",
                [](AReportText& text, std::string& line, const ASetStat& set) {
                  ForEachChan(set, [&](const AChanStat& chan) {
                    RowStart(line, chan.Channel);
                    CountField(line, chan.HitCount);
                    for (std::uint32_t counter : chan.AmpDistr) CountField(line, counter);
                    text.AddLine(line);
                  });
                },
                {});
}

std::string StatisticReport(const ATestStat& stat, std::size_t limit) {
  return Report(stat, limit, "Chan\tMin\tMax\tTotal\tAverage",
                [](AReportText& text, std::string& line, const ASetStat& set) {
                  for (int v = 0; v < AChanStat::ValueCount; ++v) {
                    text.AddLine(AChanStat::ValueNames[static_cast<std::size_t>(v)]);
                    ForEachChan(set, [&](const AChanStat& chan) {
                      const AValueStat& value = chan.Values[static_cast<std::size_t>(v)];
                      RowStart(line, chan.Channel);
                      CountField(line, value.Min);
                      CountField(line, value.Max);
                      CountField(line, value.Total);
                      if (chan.HitCount == 0) line += "\t-";
                      else RealField(line, static_cast<double>(value.Total) / chan.HitCount, 1);
                      text.AddLine(line);
                    });
                  }
                },
                {});
}

std::string MonpacReport(ATestStat& stat, std::size_t limit) {
  // The zone classes belong to the records, not to the text: compute them all first.
  for (int s = 0; s < ATestStat::Sets; ++s) {
    ASetStat* set = stat.Set(s);
    if (set == nullptr) continue;
    for (int c = 1; c <= ASetStat::Channels; ++c) {
      AChanStat* chan = set->Chan(c);
      if (chan != nullptr && chan->Monpac.Events >= AMonpac::MinEvents) chan->Monpac.ComputeZoneClass();
    }
  }
  const std::string header =
      "Chan\tEvents\tA>" + std::to_string(stat.Setup().HiAmpLev) + "\tTotDur\tCorrDur\tSev.\tHist.\tHistTm\tZIP";
  return Report(stat, limit, header,
                [](AReportText& text, std::string& line, const ASetStat& set) {
                  ForEachChan(set, [&](const AChanStat& chan) {
                    const AMonpac& m = chan.Monpac;
                    RowStart(line, chan.Channel);
                    CountField(line, m.Events);
                    CountField(line, m.HiAmpEvents);
                    CountField(line, m.TotalDuration);
                    line += "\tU/C";
                    if (m.Events == 0) {
                      line += "\t-\t-\t-\t-";
                    } else if (m.Events < AMonpac::MinEvents) {
                      line += "\tN/A\tN/A\tN/A\tN/A";
                    } else {
                      RealField(line, m.Severity.Maximum, 1);
                      RealField(line, m.Hist.Maximum, 2);
                      RealField(line, static_cast<double>(m.Hist.MaximumTime.Seconds()), 2);
                      line += '\t';
                      line += AMonpac::ZoneText(m.ZoneClass);
                    }
                    text.AddLine(line);
                  });
                },
                {"N/A - < 10 events, Intensity analysis non applicable", "Mnr - Minor activity", UnderConstruction});
}

std::string LocalDynamicReport(const ATestStat& stat, std::size_t limit) {
  const ATestSetup& setup = stat.Setup();
  return Report(stat, limit, "Chan\tEvents\t1stHitTm\tMaxW\tAveW\tMaxW/V\tMaxW/VTm\tAveW/V\tCls",
                [&setup](AReportText& text, std::string& line, const ASetStat& set) {
                  ForEachChan(set, [&](const AChanStat& chan) {
                    const ALocDynStat& ld = chan.LocDyn;
                    RowStart(line, chan.Channel);
                    if (ld.N == 0) {
                      line += "\t-\t-\t-\t-\t-\t-\t-\t-";
                    } else {
                      line += '\t';
                      AppendUnsigned(line, ld.N);
                      RealField(line, static_cast<float>(ld.T0), 1);
                      RealField(line, ld.RatioMax, 1);
                      RealField(line, ld.RatioSum / ld.N, 1);
                      RealField(line, ld.WVMax, 1);
                      RealField(line, ld.WVMaxTime, 1);
                      RealField(line, ld.WVSum / ld.N, 1);
                      line += '\t';
                      line += ALocDynStat::ClassText(ld.WVMax, setup.Class1, setup.Class2, setup.Class3);
                    }
                    text.AddLine(line);
                  });
                },
                {UnderConstruction});
}

std::string HoldsReport(const ATestStat& stat, std::size_t limit) {
  std::string header = "Chan";
  for (const AHold& hold : stat.Setup().Holds) RealField(header, hold.Pressure, 2);
  return Report(stat, limit, header,
                [](AReportText& text, std::string& line, const ASetStat& set) {
                  ForEachChan(set, [&](const AChanStat& chan) {
                    RowStart(line, chan.Channel);
                    for (std::uint32_t count : chan.Holds.Counts) CountField(line, count);
                    text.AddLine(line);
                  });
                },
                {UnderConstruction});
}

std::array<std::string, StatReportCount> WriteStatReports(ATestStat& stat, std::size_t limit) {
  std::array<std::string, StatReportCount> reports;
  reports[srAmplitude] = AmplitudeReport(stat, limit);
  reports[srStatistic] = StatisticReport(stat, limit);
  reports[srMonpac] = MonpacReport(stat, limit);
  reports[srLocalDynamic] = LocalDynamicReport(stat, limit);
  reports[srHolds] = HoldsReport(stat, limit);
  return reports;
}

}  // namespace ae
