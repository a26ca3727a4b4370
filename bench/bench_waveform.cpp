// Waveforms in the viewer: a generated proof test of 100 000 hits, each with its waveform of
// 3072 samples (about 620 MB), is loaded into the data set and compared with
// - the time cat takes to read the same file (both from the page cache; goal: at most 2 times),
// - the memory the data set holds for the same hits without waveforms (goal: at most 16 bytes
//   more per hit),
// and one waveform is shown as the waveform window draws it: read from the file, its spectrum,
// the picture (goal: 20 ms).
#include <malloc.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/BenchSupport.h"
#include "datafiles/ZTDataSet.h"
#include "tools/aetool/Generators.h"
#include "viewer/graphs/WaveformPlot.h"

namespace {

namespace fs = std::filesystem;
using ae::bench::Clock;
using ae::bench::SecondsSince;

constexpr std::uint64_t Hits = 100000;
constexpr int Runs = 3;

// Bytes the allocator has handed out and not taken back.
std::size_t HeldBytes() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

double BestLoad(const std::string& file, ae::ZTDataSet& set) {
  double best = 1e300;
  for (int run = 0; run < Runs; ++run) {
    const Clock::time_point start = Clock::now();
    set.Load(file);
    best = std::min(best, SecondsSince(start));
  }
  return best;
}

double BestCat(const std::string& file) {
  const std::string command = "cat '" + file + "' > /dev/null";
  double best = 1e300;
  for (int run = 0; run < Runs; ++run) {
    const Clock::time_point start = Clock::now();
    if (std::system(command.c_str()) != 0) return -1.0;
    best = std::min(best, SecondsSince(start));
  }
  return best;
}

// The memory a loaded data set holds for the file.
std::size_t HeldForLoad(const std::string& file) {
  const std::size_t before = HeldBytes();
  ae::ZTDataSet set;
  set.Load(file);
  return HeldBytes() - before;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const ae::bench::TempFolder temp("bench-waveform");
  if (!temp.Made()) {
    std::fprintf(stderr, "cannot create a temporary folder\n");
    return 1;
  }
  const std::string waves = (temp.Path() / "waves.dta").string();
  const std::string plain = (temp.Path() / "plain.dta").string();
  try {
    ae::GenerateDataFile("dta", {Hits, 1, true}, waves);
    ae::GenerateDataFile("dta", {Hits, 1, false}, plain);
    const double megabytes = static_cast<double>(fs::file_size(waves)) / 1e6;
    ae::bench::WarmCache(waves);

    ae::ZTDataSet set;
    const double load = BestLoad(waves, set);
    const double cat = BestCat(waves);
    std::printf("file: %.1f MB, %u hits, %zu waveforms of 3072 samples\n", megabytes, set.HitCount,
                set.Waveforms.Size());
    std::printf("Load:   %.3f s (%.0f MB/s); cat: %.3f s; load / cat = %.2f (goal: at most 2)\n", load,
                megabytes / load, cat, cat > 0 ? load / cat : 0.0);

    const std::size_t withWaves = HeldForLoad(waves);
    const std::size_t without = HeldForLoad(plain);
    std::printf(
        "Memory: %.1f MB held with waveforms, %.1f MB for the same hits without; %.1f bytes more per hit "
        "(goal: at most 16)\n",
        withWaves / 1e6, without / 1e6,
        (static_cast<double>(withWaves) - static_cast<double>(without)) / static_cast<double>(Hits));

    // One waveform as the window shows it, for hits spread over the file; the first one also
    // loads the fonts and makes the FFT's plan, so it is given apart.
    ae::WaveformPlot plot;
    const auto& entries = set.Waveforms.Entries();
    double first = 0.0, worst = 0.0, total = 0.0;
    int shown = 0;
    for (std::size_t k = 0; k < entries.size(); k += entries.size() / 21 + 1) {
      const Clock::time_point start = Clock::now();
      const std::size_t hit = entries[k].Hit;
      plot.SetHit(set.Recs[hit], set.ReadWaveform(hit), {});
      const QImage picture = plot.Render(960, 680);
      const double seconds = SecondsSince(start);
      if (picture.isNull()) return 1;
      if (k == 0) {
        first = seconds;
        continue;
      }
      worst = std::max(worst, seconds);
      total += seconds;
      ++shown;
    }
    std::printf(
        "Show:   one waveform read, its spectrum and the 960 x 680 picture: %.1f ms on average, %.1f ms at "
        "most over %d hits, %.1f ms for the first (goal: 20 ms)\n",
        total / std::max(shown, 1) * 1e3, worst * 1e3, shown, first * 1e3);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
