// The test report: "aetool report" of the demo file (20 000 hits, seed 7, as scripts/run-demo.sh
// makes it) and of a generated 1-million-hit file, with the "Proof test" graph set, each as a
// process from a warm page cache (best of several runs); then the same report in this process,
// stage by stage: loading, the graph set and the statistics, reading the file's information
// again, the text layout and the graph pages, and the rest (tables, ZIP, the PDF itself). The goals: the demo file in
// under 3 s, the million hits in under 10 s.
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "datafiles/ZTDataSet.h"
#include "store/ZTDataStore.h"
#include "tools/aetool/Generators.h"
#include "viewer/report/TestReport.h"

namespace {

namespace fs = std::filesystem;
using ae::bench::Clock;
using ae::bench::SecondsSince;

constexpr int Runs = 5;

std::string Quoted(const fs::path& path) {
  std::string quoted = "'";
  quoted += path.string();
  quoted += '\'';
  return quoted;
}

// Best of several runs of the command; negative when it fails.
double Best(const std::string& command) {
  double best = 1e300;
  for (int run = 0; run < Runs; ++run) {
    const Clock::time_point start = Clock::now();
    if (std::system(command.c_str()) != 0) return -1.0;
    best = std::min(best, SecondsSince(start));
  }
  return best;
}

struct Stages {
  double Load = 0, Statistics = 0, FileInformation = 0, GraphPages = 0, Rest = 0;
  double Total() const { return Load + Statistics + FileInformation + GraphPages + Rest; }
};

// One report in this process, timed by the stages its progress tells.
Stages InProcess(const fs::path& file, const fs::path& out) {
  Stages stages;
  Clock::time_point start = Clock::now();
  ae::ZTDataSet data;
  data.Load(file.string());
  stages.Load = SecondsSince(start);

  start = Clock::now();
  ae::ZTDataStore store;
  ae::ReportSource source;
  source.Data = &data;
  source.GraphSet = 1;  // "Proof test"
  source.Title = "Benchmark";
  ae::TestReport report(std::move(source), &store);
  // The report tells 0.1 after the statistics, 0.2 after the file's information and 0.95 after
  // the last page of graphs (the text is laid out before the first page is drawn).
  double statistics = 0, information = 0, graphs = 0;
  report.Save(out.string(), [&](double fraction) {
    const double now = SecondsSince(start);
    if (fraction >= 0.1 && statistics == 0) statistics = now;
    if (fraction >= 0.2 && information == 0) information = now;
    if (fraction >= 0.95 && graphs == 0) graphs = now;
  });
  const double total = SecondsSince(start);
  stages.Statistics = statistics;
  stages.FileInformation = information - statistics;
  stages.GraphPages = graphs - information;
  stages.Rest = total - graphs;
  return stages;
}

bool Measure(const char* what, const fs::path& file, const fs::path& folder, double goal) {
  ae::bench::WarmCache(file.string());
  const fs::path out = folder / "report.pdf";
  const double process = Best(std::string(AE_AETOOL_PATH) + " report " + Quoted(file) +
                              " --graph-set 'Proof test' -o " + Quoted(out) + " >/dev/null");
  if (process < 0) {
    std::fprintf(stderr, "aetool report failed on %s\n", file.c_str());
    return false;
  }
  Stages best;
  for (int run = 0; run < Runs; ++run) {
    const Stages s = InProcess(file, folder / "in.pdf");
    if (run == 0 || s.Total() < best.Total()) best = s;
  }
  std::printf("%s (%.1f MB): aetool report %.2f s (goal under %.0f s: %s), PDF of %.0f kB\n", what,
              static_cast<double>(fs::file_size(file)) / 1e6, process, goal, process < goal ? "met" : "MISSED",
              static_cast<double>(fs::file_size(out)) / 1e3);
  std::printf(
      "  in process %.2f s: load %.2f, graph set and statistics %.2f, file information %.2f, "
      "text layout and graph pages %.2f, tables, ZIP and PDF %.2f\n",
      best.Total(), best.Load, best.Statistics, best.FileInformation, best.GraphPages, best.Rest);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const ae::bench::TempFolder temp("bench-report");
  if (!temp.Made()) {
    std::fprintf(stderr, "cannot create a temporary folder\n");
    return 1;
  }
  const fs::path& folder = temp.Path();
  // A table store and options of its own: the shipped graph sets, the default options.
  setenv("ZTDATA_DB", (folder / "ZTData.sqlite").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    const fs::path demo = folder / "PROOF.DTA", million = folder / "million.dta";
    ae::GenerateDataFile("dta", {20000, 7}, demo.string());
    ae::GenerateDataFile("dta", {1000000, 1}, million.string());
    if (!Measure("Demo file, 20 000 hits", demo, folder, 3.0)) return 1;
    if (!Measure("1 000 000 hits", million, folder, 10.0)) return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
