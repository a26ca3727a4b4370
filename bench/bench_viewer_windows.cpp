// Opening the viewer's statistic and data view windows on big data sets, offscreen:
// - the sets statistic window on a generated proof test of one million hits, every hit in sets
//   1 and 2 (collection pass, five reports into their pages, the first paint of the ZIP page);
// - the data view's lines over ten million hits in memory, for the selections that make it walk
//   the whole data set, and the data view window filled with its 10 000 lines.
// Each figure is the best of several runs.
#include <QApplication>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/BenchSupport.h"
#include "datafiles/ZTDataSet.h"
#include "tools/aetool/Generators.h"
#include "viewer/core/ADataListing.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/TFrameArray.h"
#include "viewer/ui/TFDataStatistic.h"
#include "viewer/ui/TFDataView.h"

namespace {

using ae::bench::Clock;
using ae::bench::SecondsSince;

constexpr int Runs = 5;

template <typename Work>
double Best(Work work) {
  double best = 1e300;
  for (int run = 0; run < Runs; ++run) {
    const Clock::time_point start = Clock::now();
    work();
    best = std::min(best, SecondsSince(start));
  }
  return best;
}

void StatisticWindow(const std::string& file) {
  ae::ZTDataSet data;
  data.Load(file);
  ae::TFrameArray frames;
  // Two frames that select nothing themselves; every hit is put into both sets.
  frames.AddFrame(ae::TFrameRect{}, data, {});
  frames.AddFrame(ae::TFrameRect{}, data, {});
  for (ae::ZTShortHit& rec : data.Recs)
    if (rec.IsHit()) rec.FrameBits = 0b11;
  std::printf("data set: %d records, %u hits, every hit in sets 1 and 2\n", data.RecCount, data.HitCount);
  const ae::AOptions options;
  const ae::ATestSetup setup;
  for (bool zip : {false, true}) {
    const double seconds = Best([&] {
      ae::TFDataStatistic window(data, frames, options, setup, nullptr);
      if (zip) {
        window.findChild<QTabWidget*>(QStringLiteral("Statistic"))->setCurrentIndex(5);
        window.show();
        window.findChild<QWidget*>(QStringLiteral("ZIPPaintBox"))->grab();
      }
    });
    std::printf("sets statistic window%s: %.3f s  (best of %d, target < 0.5 s)\n",
                zip ? " shown on its ZIP page" : " created", seconds, Runs);
  }
}

void DataView() {
  constexpr std::size_t Hits = 10'000'000;
  ae::ZTDataSet data;
  data.Recs.resize(Hits);
  for (std::size_t i = 0; i < Hits; ++i) {
    ae::ZTShortHit& hit = data.Recs[i];
    hit.Kind = ae::rkHit;
    // 2 ms apart: each event has a first hit, two second hits and seven lockout hits.
    hit.Time = ae::ATestTime::FromTicks(static_cast<std::uint64_t>(i) * 8000u);
    hit.Channel = static_cast<std::uint8_t>(1 + i % 8);
    hit.Amplitude = static_cast<std::uint8_t>(45 + i % 40);
    hit.Counts = static_cast<std::uint16_t>(1 + i % 300);
    hit.Duration = static_cast<std::uint32_t>(10 + i % 5000);
    hit.Energy = static_cast<std::uint16_t>(i % 1000);
  }
  data.RecCount = static_cast<int>(Hits);
  data.HitCount = static_cast<std::uint32_t>(Hits);
  std::printf("data set: %zu hits in memory\n", Hits);
  const ae::ATestSetup setup;
  struct Case {
    const char* What;
    std::size_t FramedFrom;  // hits from here on lie in frame 1
    bool Events;
  };
  const Case cases[] = {
      {"every hit framed", 0, false},
      {"every hit framed, events view with shadow hits", 0, true},
      {"no hit framed", Hits, false},
      {"no hit framed, events view", Hits, true},
      {"only the last 10 000 hits framed, events view", Hits - 10000, true},
  };
  for (const Case& c : cases) {
    for (std::size_t i = 0; i < Hits; ++i) data.Recs[i].FrameBits = i >= c.FramedFrom ? 1 : 0;
    std::size_t lines = 0;
    const double seconds = Best([&] {
      ae::ADataListing listing;
      listing.Build(data, setup, c.Events, true);
      lines = listing.Lines.size();
    });
    std::printf("data view lines, %s: %.3f s  (%zu lines; best of %d, target < 0.3 s)\n", c.What, seconds, lines, Runs);
  }
  for (std::size_t i = 0; i < Hits; ++i) data.Recs[i].FrameBits = 1;
  ae::AOptions options;
  const double seconds = Best([&] { ae::TFDataView window(data, options, setup, nullptr); });
  std::printf("data view window with its 10 000 lines: %.3f s  (best of %d)\n", seconds, Runs);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const ae::bench::TempFolder temp("bench-viewer-windows");
  if (!temp.Made()) {
    std::fprintf(stderr, "cannot create a temporary folder\n");
    return 1;
  }
  try {
    const std::string file = (temp.Path() / "million.dta").string();
    ae::GenerateDataFile("dta", {1000000, 1}, file);
    StatisticWindow(file);
    DataView();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
