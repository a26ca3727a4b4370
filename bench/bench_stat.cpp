// The collection pass of the hit statistics with every hit in two sets, reports included, over
// a synthetic test of one million hits loaded from a temporary folder.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/BenchSupport.h"
#include "datafiles/ZTDataSet.h"
#include "tools/aetool/Generators.h"
#include "viewer/core/ATestStat.h"
#include "viewer/core/StatReports.h"

namespace {

namespace fs = std::filesystem;
using ae::bench::Clock;
using ae::bench::SecondsSince;

constexpr int Runs = 5;

struct RunResult {
  double Seconds = 0.0;
  std::size_t ReportBytes = 0;
  std::uint64_t Counted = 0;
};

RunResult RunOnce(const ae::ZTDataSet& set, bool eventsView) {
  const Clock::time_point start = Clock::now();
  ae::ATestStat stat{ae::ATestSetup()};
  stat.Collect(set, 0b11, ae::AChannelSet().set(), eventsView);
  const auto reports = ae::WriteStatReports(stat);
  RunResult result;
  result.Seconds = SecondsSince(start);
  for (const std::string& report : reports) result.ReportBytes += report.size();
  for (int c = 1; c <= 128; ++c)
    if (const ae::AChanStat* chan = stat.Chan(0, c)) result.Counted += chan->HitCount;
  return result;
}

}  // namespace

int main() {
  const ae::bench::TempFolder temp("bench-stat");
  if (!temp.Made()) {
    std::fprintf(stderr, "cannot create a temporary folder\n");
    return 1;
  }
  const fs::path& folder = temp.Path();
  const std::string source = (folder / "million.dta").string();
  int status = 0;
  try {
    ae::GenerateDataFile("dta", {1000000, 1}, source);
    ae::ZTDataSet set;
    set.Load(source);
    for (ae::ZTShortHit& rec : set.Recs)
      if (rec.IsHit()) rec.FrameBits = 0b11;  // every hit in sets 1 and 2
    std::printf("data set: %d records, %u hits, every hit in two sets\n", set.RecCount, set.HitCount);

    for (bool eventsView : {false, true}) {
      RunResult best;
      best.Seconds = 1e300;
      for (int run = 0; run < Runs; ++run) {
        const RunResult r = RunOnce(set, eventsView);
        if (r.Seconds < best.Seconds) best = r;
      }
      std::printf(
          "collection pass + 5 reports%s: %.3f s  %.1f M hits/s per set  (%llu hits counted per set, "
          "%zu report characters; best of %d, target < 0.3 s)\n",
          eventsView ? " (events view)" : "", best.Seconds, static_cast<double>(best.Counted) / best.Seconds / 1e6,
          static_cast<unsigned long long>(best.Counted), best.ReportBytes, Runs);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    status = 1;
  }
  return status;
}
