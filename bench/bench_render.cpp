// Rendering the viewer's pages: a 5 x 4 page of 20 point graphs at 1600 x 1000 over a generated
// proof test of one million hits (linear and logarithmic axes, colored channels, deleted hits
// shown, a frame and a group marked), then one line graph and one histogram over the same hits,
// then the page again over ten million hits. Each figure is the best of several renders.
#include <sys/resource.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "datafiles/ZTDataSet.h"
#include "tools/aetool/Generators.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/graphs/GraphPage.h"
#include "viewer/graphs/TZTHistgrGraph.h"
#include "viewer/graphs/TZTLineGraph.h"
#include "viewer/graphs/TZTPointGraph.h"

namespace {

namespace fs = std::filesystem;
using ae::bench::Clock;
using ae::bench::SecondsSince;

constexpr int Runs = 5;

struct Axes {
  int x;
  std::uint32_t xMin, xMax;
  bool xLog;
  int y;
  std::uint32_t yMin, yMax;
  bool yLog;
};

// Twenty correlations an engineer looks at, half of them with a logarithmic axis.
const Axes PageAxes[20] = {
    {ae::pcTime, 0, 1800, false, ae::pcAmplitude, 40, 100, false},
    {ae::pcAmplitude, 40, 100, false, ae::pcCounts, 1, 10000, true},
    {ae::pcAmplitude, 40, 100, false, ae::pcEnergy, 1, 100000, true},
    {ae::pcAmplitude, 40, 100, false, ae::pcDuration, 1, 100000, true},
    {ae::pcAmplitude, 40, 100, false, ae::pcRise, 1, 10000, true},
    {ae::pcCounts, 1, 10000, true, ae::pcDuration, 1, 100000, true},
    {ae::pcCounts, 1, 10000, true, ae::pcEnergy, 1, 100000, true},
    {ae::pcTime, 0, 1800, false, ae::pcPar1, 0, 5000, false},
    {ae::pcTime, 0, 1800, false, ae::pcCounts, 0, 5000, false},
    {ae::pcTime, 0, 1800, false, ae::pcEnergy, 1, 100000, true},
    {ae::pcChannel, 0, 10, false, ae::pcAmplitude, 40, 100, false},
    {ae::pcDuration, 0, 20000, false, ae::pcCounts, 0, 2000, false},
    {ae::pcRise, 0, 2000, false, ae::pcAmplitude, 40, 100, false},
    {ae::pcEnergy, 0, 50000, false, ae::pcAmplitude, 40, 100, false},
    {ae::pcCounts, 0, 2000, false, ae::pcAmplitude, 40, 100, false},
    {ae::pcTime, 0, 1800, false, ae::pcDuration, 0, 20000, false},
    {ae::pcTime, 0, 1800, false, ae::pcRise, 1, 10000, true},
    {ae::pcAmplitude, 40, 100, false, ae::pcAverFreq, 1, 1000, true},
    {ae::pcDuration, 1, 100000, true, ae::pcEnergy, 1, 100000, true},
    {ae::pcRise, 1, 10000, true, ae::pcCounts, 1, 10000, true},
};

ae::TGraphSetup SetupAt(int slot, const Axes& a) {
  ae::TGraphSetup s;
  s.LX = slot % 5;
  s.LY = slot / 5;
  s.RX = s.LX + 1;
  s.RY = s.LY + 1;
  s.Name = "Graph";
  s.XParam = a.x;
  s.XMin = a.xMin;
  s.XMax = a.xMax;
  s.XLog = a.xLog;
  s.YParam = a.y;
  s.YMin = a.yMin;
  s.YMax = a.yMax;
  s.YLog = a.yLog;
  return s;
}

// Every tenth hit deleted, every 25th framed, every 40th grouped.
void MarkSelection(ae::ZTDataSet& set) {
  std::uint32_t n = 0;
  for (ae::ZTShortHit& rec : set.Recs) {
    if (!rec.IsHit()) continue;
    ++n;
    if (n % 10 == 0) {
      rec.SetDeleted(true);
      ++set.DeletedCount;
    } else if (n % 40 == 0) {
      rec.SetGrouped(true);
      ++set.GroupedCount;
    } else if (n % 25 == 0) {
      rec.FrameBits = 1;
      ++set.FramedCount;
    }
  }
}

double BestRender(ae::GraphPage& page, ae::TCommonData& common, int width, int height) {
  double best = 1e300;
  for (int run = 0; run < Runs; ++run) {
    common.RepaintAll = true;
    ++common.DataSet->Version;  // every point drawn again: nothing the page kept stands
    const Clock::time_point start = Clock::now();
    page.UpdateAllLayouts(width, height);
    page.PaintGraphs();
    const QImage image = page.Compose();
    best = std::min(best, SecondsSince(start));
    if (image.isNull()) std::fprintf(stderr, "no image\n");
  }
  common.RepaintAll = false;
  return best;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void RenderSet(const std::string& file, std::uint64_t hits, bool withSingles) {
  ae::ZTDataSet set;
  ae::GenerateDataFile("dta", {hits, 1}, file);
  set.Load(file);
  fs::remove(file);
  MarkSelection(set);
  ae::AOptions options;
  options.ViewType = 0;
  options.ShowDeleted = true;
  ae::ATestSetup setup;
  ae::TCommonData common(set, options, setup);

  const double before = PeakMegabytes();
  ae::GraphPage page(common, 1, "Correlations", 20);
  for (int i = 0; i < 20; ++i) {
    auto graph = std::make_unique<ae::TZTPointGraph>(common, i);
    graph->Setup(SetupAt(i, PageAxes[i]));
    page.Graphs.push_back(std::move(graph));
  }
  const double seconds = BestRender(page, common, 1600, 1000);
  const double drawn = static_cast<double>(set.HitCount) * 20;
  std::printf("%u hits, page of 20 point graphs at 1600x1000: %.3f s  (%.0f M hit points/s, best of %d)\n",
              set.HitCount, seconds, drawn / seconds / 1e6, Runs);
  std::printf("  memory: %.0f MB for the records, %.1f MB more at the peak while rendering\n",
              static_cast<double>(set.Recs.size() * sizeof(ae::ZTShortHit)) / 1e6, PeakMegabytes() - before);
  if (!withSingles) return;

  auto single = [&](std::unique_ptr<ae::TZTGraph> graph, const char* what) {
    ae::GraphPage one(common, 2, what, 20);
    one.Graphs.push_back(std::move(graph));
    const double s = BestRender(one, common, 1600, 1000);
    std::printf("%u hits, one %s (a cell of 320x250): %.1f ms  (%.0f M hits/s)\n", set.HitCount, what, s * 1e3,
                set.HitCount / s / 1e6);
  };
  auto line = std::make_unique<ae::TZTLineGraph>(common, 0);
  line->SetBins({0, 0, 4, 4, 1, 2});
  line->Setup(SetupAt(0, {ae::pcTime, 0, 1800, false, ae::pcHits, 0, 100, false}));
  single(std::move(line), "line graph");
  auto histogram = std::make_unique<ae::TZTHistgrGraph>(common, 0);
  histogram->SetBins({60, 0, 4, 4, 1, 1});
  histogram->Setup(SetupAt(0, {ae::pcAmplitude, 40, 100, false, ae::pcHits, 0, 100, false}));
  single(std::move(histogram), "histogram");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const ae::bench::TempFolder temp("bench-render");
  if (!temp.Made()) {
    std::fprintf(stderr, "cannot create a temporary folder\n");
    return 1;
  }
  try {
    const std::string file = (temp.Path() / "test.dta").string();
    // "bench_render N" renders only the page over N hits (for a profiler).
    if (argc > 1) {
      RenderSet(file, std::stoull(argv[1]), false);
      return 0;
    }
    RenderSet(file, 1000000, true);
    RenderSet(file, 10000000, false);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
