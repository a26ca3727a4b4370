// Filtration speed against a plain copy: a generated 1-million-hit DTA file is filtered "As
// Hits" with a one-row window (the file is read twice: counting and filtering) and "As
// Mechanic" (read three times), and copied with cp, all from a warm page cache in the same run.
// Prints the throughputs and both ratios; the goals are 40 % and 25 % of cp.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "datafiles/DataStream.h"
#include "filter/core/AFilter.h"
#include "filter/core/AParamNames.h"
#include "filter/core/FilterUser.h"
#include "tools/aetool/Generators.h"

namespace {

namespace fs = std::filesystem;
using ae::bench::Clock;
using ae::bench::SecondsSince;
using ae::bench::WarmCache;

constexpr int Runs = 9;

class BenchParamNames : public ae::AParamNames {
 public:
  int32_t ParamCodeOf(const std::string& name) const override { return name == "Amplitude" ? 256 : 0; }
  std::string ParamNameOf(int32_t code) const override { return code == 256 ? "Amplitude" : "?"; }
};

class SilentUser : public ae::FilterUser {
 public:
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  void Inform(const std::string&, const std::string&) override {}
  void SetProgressRange(int64_t, int64_t) override {}
  void StepProgress() override { ++Steps; }
  int Steps = 0;
};

// Best of several runs, each followed by removing what it wrote.
template <class Step>
double Best(const std::string& written, Step&& step) {
  double best = 1e300;
  for (int run = 0; run < Runs; ++run) {
    fs::remove(written);
    ::sync();  // no write-back of an earlier run's output during this one
    const Clock::time_point start = Clock::now();
    if (!step()) return -1.0;
    best = std::min(best, SecondsSince(start));
  }
  fs::remove(written);
  return best;
}

double FilterSeconds(const ae::FilterControls& controls, const std::string& destination, int& accepted) {
  const BenchParamNames names;
  return Best(destination, [&] {
    SilentUser user;
    ae::AFilter filter(controls, names);
    filter.Run(user);
    accepted = filter.Accepted();
    return true;
  });
}

}  // namespace

int main(int argc, char** argv) {
  const std::uint64_t hits = argc > 1 ? std::stoull(argv[1]) : 1000000;
  const ae::bench::TempFolder temp("bench-filter");
  if (!temp.Made()) {
    std::fprintf(stderr, "cannot create a temporary folder\n");
    return 1;
  }
  const fs::path& folder = temp.Path();
  const std::string source = (folder / "million.dta").string();
  const std::string copied = (folder / "copied.dta").string();
  const std::string filtered = (folder / "filtered.dta").string();
  int status = 0;
  try {
    ae::GenerateDataFile("dta", {hits, 1}, source);
    const double megabytes = static_cast<double>(fs::file_size(source)) / 1e6;
    WarmCache(source);

    const std::string command = "cp '" + source + "' '" + copied + "'";
    const double cp = Best(copied, [&] { return std::system(command.c_str()) == 0; });
    if (cp < 0) throw std::runtime_error("cp failed");

    ae::FilterControls asHits;
    asHits.SourceName = source;
    asHits.DestinationName = filtered;
    asHits.MakeReport = false;
    asHits.Windows[ae::fwA].Rows = {{"Amplitude", "60", "100"}};
    int hitsAccepted = 0;
    const double byHits = FilterSeconds(asHits, filtered, hitsAccepted);

    ae::FilterControls mechanic = asHits;
    mechanic.Windows[ae::fwA].Rows = {{"Amplitude", "90", "255"}};
    mechanic.SelectTreatment(ae::tiAsMechanic);
    mechanic.Forward = "500";
    mechanic.Back = "100";
    int mechanicAccepted = 0;
    const double byMechanic = FilterSeconds(mechanic, filtered, mechanicAccepted);

    const double hitsRatio = cp / byHits;
    const double mechanicRatio = cp / byMechanic;
    std::printf("source: %.1f MB, %llu hits\n", megabytes, static_cast<unsigned long long>(hits));
    std::printf("cp:          %.3f s  %7.0f MB/s\n", cp, megabytes / cp);
    std::printf("As Hits:     %.3f s  %7.0f MB/s  %d records kept  ratio to cp %.0f %% (goal 40 %%)\n", byHits,
                megabytes / byHits, hitsAccepted, 100.0 * hitsRatio);
    std::printf("As Mechanic: %.3f s  %7.0f MB/s  %d records kept  ratio to cp %.0f %% (goal 25 %%)\n", byMechanic,
                megabytes / byMechanic, mechanicAccepted, 100.0 * mechanicRatio);
    if (hitsRatio < 0.40 || mechanicRatio < 0.25) {
      std::printf("below the goal\n");
      status = 2;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    status = 1;
  }
  return status;
}
