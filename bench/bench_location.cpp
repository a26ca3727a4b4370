// Source location of one million events on eight sensors (planar): a generated test
// ("aetool gen --locate" of a ring of eight sensors) is loaded, every event located, and a page of
// 20 point graphs at 1600 x 1000 repainted after a delete, once with a location map among its
// graphs (the locations worked out again after the delete) and once as the same page without
// location. Each figure is the best of several runs.
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "datafiles/ZTDataSet.h"
#include "tools/aetool/Generators.h"
#include "viewer/core/AEventLocator.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/graphs/GraphPage.h"
#include "viewer/graphs/TZTPointGraph.h"

namespace {

namespace fs = std::filesystem;
using ae::bench::Clock;
using ae::bench::SecondsSince;

constexpr int Runs = 5;
// "bench_location N" takes N events instead of a million.
std::uint64_t Events = 1000000;

// Eight sensors on a circle of 3 m around (4, 4); the wave crosses it in 1.2 ms.
ae::ATestSetup RingSetup() {
  ae::ATestSetup setup;
  setup.MPT = 1500;
  setup.Lockout = 2000;
  setup.Location.Type = ae::ALocationType::Planar;
  setup.Location.Velocity = 5100;
  for (int i = 0; i < 8; ++i) {
    const double a = i * std::acos(-1.0) / 4;
    setup.Location.Sensors.push_back({i + 1, 4 + 3 * std::cos(a), 4 + 3 * std::sin(a)});
  }
  return setup;
}

struct Axes {
  int x;
  std::uint32_t xMin, xMax;
  bool xLog;
  int y;
  std::uint32_t yMin, yMax;
  bool yLog;
};

// The correlations of bench_render, the first of them a location map on the page with location.
const Axes PageAxes[20] = {
    {ae::pcTime, 0, 5000, false, ae::pcAmplitude, 40, 100, false},
    {ae::pcAmplitude, 40, 100, false, ae::pcCounts, 1, 10000, true},
    {ae::pcAmplitude, 40, 100, false, ae::pcEnergy, 1, 100000, true},
    {ae::pcAmplitude, 40, 100, false, ae::pcDuration, 1, 100000, true},
    {ae::pcAmplitude, 40, 100, false, ae::pcRise, 1, 10000, true},
    {ae::pcCounts, 1, 10000, true, ae::pcDuration, 1, 100000, true},
    {ae::pcCounts, 1, 10000, true, ae::pcEnergy, 1, 100000, true},
    {ae::pcTime, 0, 5000, false, ae::pcPar1, 0, 5000, false},
    {ae::pcTime, 0, 5000, false, ae::pcCounts, 0, 5000, false},
    {ae::pcTime, 0, 5000, false, ae::pcEnergy, 1, 100000, true},
    {ae::pcChannel, 0, 10, false, ae::pcAmplitude, 40, 100, false},
    {ae::pcDuration, 0, 20000, false, ae::pcCounts, 0, 2000, false},
    {ae::pcRise, 0, 2000, false, ae::pcAmplitude, 40, 100, false},
    {ae::pcEnergy, 0, 50000, false, ae::pcAmplitude, 40, 100, false},
    {ae::pcCounts, 0, 2000, false, ae::pcAmplitude, 40, 100, false},
    {ae::pcTime, 0, 5000, false, ae::pcDuration, 0, 20000, false},
    {ae::pcTime, 0, 5000, false, ae::pcRise, 1, 10000, true},
    {ae::pcAmplitude, 40, 100, false, ae::pcAverFreq, 1, 1000, true},
    {ae::pcDuration, 1, 100000, true, ae::pcEnergy, 1, 100000, true},
    {ae::pcRise, 1, 10000, true, ae::pcCounts, 1, 10000, true},
};
const Axes MapAxes = {ae::pcLocX, 0, 8, false, ae::pcLocY, 0, 8, false};

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

std::unique_ptr<ae::GraphPage> MakePage(ae::TCommonData& common, bool withMap) {
  auto page = std::make_unique<ae::GraphPage>(common, 1, "Page", 20);
  for (int i = 0; i < 20; ++i) {
    auto graph = std::make_unique<ae::TZTPointGraph>(common, i);
    graph->Setup(SetupAt(i, withMap && i == 0 ? MapAxes : PageAxes[i]));
    page->Graphs.push_back(std::move(graph));
  }
  page->UpdateAllLayouts(1600, 1000);
  return page;
}

// The hits of the events a frame of 1 m by 1 m on the map selects: what the delete removes.
std::vector<std::size_t> FramedEvents(ae::ZTDataSet& set, const ae::ATestSetup& setup) {
  ae::AEventLocator::Update(set, setup);
  ae::ZTFrameCriteria frame;
  frame.XParam = ae::pcLocX;
  frame.YParam = ae::pcLocY;
  frame.XFrom = 3.5;
  frame.XTo = 4.5;
  frame.YFrom = 3.5;
  frame.YTo = 4.5;
  frame.Channels.set();
  frame.Mpt = setup.MPT;
  frame.Lockout = setup.Lockout;
  set.MarkFrame(0, frame);
  std::vector<std::size_t> framed;
  for (std::size_t i = 0; i < set.Recs.size(); ++i)
    if (set.Recs[i].FrameBits != 0) framed.push_back(i);
  set.ClearFrameMarks();
  return framed;
}

void Delete(ae::ZTDataSet& set, const std::vector<std::size_t>& hits) {
  for (std::size_t i : hits) set.Recs[i].SetGrouped(true);
  set.GroupedCount = static_cast<std::uint32_t>(hits.size());
  set.DeleteGrouped();
}

// The time of painting the page after the delete, the page painted before the delete.
double RepaintAfterDelete(ae::GraphPage& page, ae::TCommonData& common, const std::vector<std::size_t>& hits) {
  common.DataSet->UndeleteAll();
  common.RepaintAll = true;
  page.PaintGraphs();
  Delete(*common.DataSet, hits);
  common.RepaintAll = true;
  const Clock::time_point start = Clock::now();
  page.PaintGraphs();
  const QImage image = page.Compose();
  const double seconds = SecondsSince(start);
  if (image.isNull()) std::fprintf(stderr, "no image\n");
  common.DataSet->UndeleteAll();
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const ae::bench::TempFolder temp("bench-location");
  if (!temp.Made()) {
    std::fprintf(stderr, "cannot create a temporary folder\n");
    return 1;
  }
  if (argc > 1) Events = std::stoull(argv[1]);
  try {
    const ae::ATestSetup located = RingSetup();
    const std::string file = (temp.Path() / "located.dta").string();
    Clock::time_point start = Clock::now();
    ae::GenOptions options{Events, 1};
    options.Locate = ae::GenLocation{located.Location, located.MPT, located.Lockout};
    ae::GenerateDataFile("dta", options, file);
    const double generated = SecondsSince(start);
    const double megabytes = static_cast<double>(fs::file_size(file)) / 1e6;

    ae::ZTDataSet set;
    start = Clock::now();
    set.Load(file);
    const double loaded = SecondsSince(start);
    fs::remove(file);
    std::printf("aetool gen --locate: %llu events on 8 sensors, %u hits, %.0f MB in %.1f s; loaded in %.2f s\n",
                static_cast<unsigned long long>(Events), set.HitCount, megabytes, generated, loaded);

    double best = 1e300;
    for (int run = 0; run < Runs; ++run) {
      set.Locations.Clear();
      start = Clock::now();
      ae::AEventLocator::Update(set, located);
      best = std::min(best, SecondsSince(start));
    }
    const double perHit = static_cast<double>(set.Locations.Count() * sizeof(ae::ZTLocation)) / set.HitCount;
    std::printf(
        "locate all: %zu of %llu events located in %.3f s (%.2f M events/s, best of %d); %zu bytes per "
        "located event, %.1f bytes per hit\n",
        set.Locations.Count(), static_cast<unsigned long long>(Events), best,
        static_cast<double>(set.Locations.Count()) / best / 1e6, Runs, sizeof(ae::ZTLocation), perHit);

    const std::vector<std::size_t> hits = FramedEvents(set, located);
    double again = 1e300;
    for (int run = 0; run < Runs; ++run) {
      set.UndeleteAll();
      ae::AEventLocator::Update(set, located);
      Delete(set, hits);
      start = Clock::now();
      ae::AEventLocator::Update(set, located);
      again = std::min(again, SecondsSince(start));
    }
    std::printf(
        "the delete: %zu hits of the events framed by 1 m x 1 m on the map; the locations worked out "
        "again after it in %.3f s (%zu events keep theirs)\n",
        hits.size(), again, set.Locations.Count());
    set.UndeleteAll();

    ae::AOptions options2;
    options2.ViewType = 0;
    ae::ATestSetup plain = located;
    plain.Location = ae::ALocationSetup();
    ae::ATestSetup withLocation = located;
    ae::TCommonData plainCommon(set, options2, plain);
    ae::TCommonData locatedCommon(set, options2, withLocation);
    const std::unique_ptr<ae::GraphPage> plainPage = MakePage(plainCommon, false);
    const std::unique_ptr<ae::GraphPage> mapPage = MakePage(locatedCommon, true);
    // The two pages in turn, so that both see the same load of a shared machine.
    double without = 1e300, with = 1e300;
    for (int run = 0; run < Runs; ++run) {
      without = std::min(without, RepaintAfterDelete(*plainPage, plainCommon, hits));
      with = std::min(with, RepaintAfterDelete(*mapPage, locatedCommon, hits));
    }
    std::printf(
        "page of 20 point graphs at 1600x1000 repainted after the delete: %.3f s without location, %.3f s "
        "with a location map among them (locations worked out again): %+.0f %% (best of %d)\n",
        without, with, (with / without - 1.0) * 100.0, Runs);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
