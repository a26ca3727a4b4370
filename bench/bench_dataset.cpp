// Loading and saving a large DTA file through the viewer's data set: a synthetic test of one
// million hits is written to a temporary folder, read once so that it comes from the page
// cache, loaded, then saved with every tenth hit deleted.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "datafiles/DataStream.h"
#include "datafiles/ZTDataSet.h"
#include "tools/aetool/Generators.h"

namespace {

namespace fs = std::filesystem;
using ae::bench::Clock;
using ae::bench::SecondsSince;
using ae::bench::WarmCache;

constexpr int Runs = 3;

}  // namespace

int main() {
  const ae::bench::TempFolder temp("bench-dataset");
  if (!temp.Made()) {
    std::fprintf(stderr, "cannot create a temporary folder\n");
    return 1;
  }
  const fs::path& folder = temp.Path();
  const std::string source = (folder / "million.dta").string();
  const std::string saved = (folder / "saved.dta").string();
  int status = 0;
  try {
    ae::GenerateDataFile("dta", {1000000, 1}, source);
    const double megabytes = static_cast<double>(fs::file_size(source)) / 1e6;
    WarmCache(source);

    ae::ZTDataSet set;
    double loadBest = 1e300;
    double loadFirst = 0.0;
    for (int run = 0; run < Runs; ++run) {
      const Clock::time_point start = Clock::now();
      set.Load(source);
      const double seconds = SecondsSince(start);
      if (run == 0) loadFirst = seconds;
      loadBest = std::min(loadBest, seconds);
    }
    std::printf("file: %.1f MB, %d records, %u hits\n", megabytes, set.RecCount, set.HitCount);
    std::printf(
        "Load:   %.3f s  %.0f MB/s  %.2f M records/s  %zu bytes per record held (best of %d; first %.0f MB/s)\n",
        loadBest, megabytes / loadBest, set.RecCount / loadBest / 1e6, sizeof(ae::ZTShortHit), Runs,
        megabytes / loadFirst);

    std::uint32_t hit = 0;
    for (ae::ZTShortHit& rec : set.Recs) {
      if (!rec.IsHit()) continue;
      if (hit++ % 10 == 9) {
        rec.SetDeleted(true);
        ++set.DeletedCount;
      }
    }
    double saveBest = 1e300;
    for (int run = 0; run < Runs; ++run) {
      const Clock::time_point start = Clock::now();
      set.SaveAs(saved);
      saveBest = std::min(saveBest, SecondsSince(start));
    }
    const double savedMegabytes = static_cast<double>(fs::file_size(saved)) / 1e6;
    std::printf("SaveAs: %.3f s  %.0f MB/s read  %.0f MB/s written  (%u hits deleted, %.1f MB written; best of %d)\n",
                saveBest, megabytes / saveBest, savedMegabytes / saveBest, set.DeletedCount, savedMegabytes, Runs);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    status = 1;
  }
  return status;
}
