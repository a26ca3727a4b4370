// Export speed against reading the file: a generated 1-million-hit DTA file is exported by the
// aetool program to CSV and to HDF5, and read by cat to /dev/null, all from a warm page cache
// in the same run, each as a process started the same way. Prints the times and the ratios;
// the goals are CSV at most 10 times cat, and HDF5 no slower than CSV.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "tools/aetool/DataFileCommands.h"
#include "tools/aetool/Generators.h"

namespace {

namespace fs = std::filesystem;
using ae::bench::Clock;
using ae::bench::SecondsSince;

constexpr int Runs = 7;

// Best of several runs of the step; negative when it fails.
template <class Step>
double BestOf(Step&& step) {
  double best = 1e300;
  for (int run = 0; run < Runs; ++run) {
    const Clock::time_point start = Clock::now();
    if (!step()) return -1.0;
    best = std::min(best, SecondsSince(start));
  }
  return best;
}

// The export inside this process: the same work without starting the program.
double InProcess(const std::vector<std::string>& args) {
  std::vector<const char*> argv = {"aetool"};
  for (const std::string& a : args) argv.push_back(a.c_str());
  return BestOf([&] {
    std::ostringstream out, err;
    return ae::RunDataFileCommand(static_cast<int>(argv.size()), argv.data(), out, err) == 0;
  });
}

// Best of several runs of the shell command; negative when it fails.
double Best(const std::string& command) {
  return BestOf([&] { return std::system(command.c_str()) == 0; });
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

}  // namespace

int main(int argc, char** argv) {
  const std::uint64_t hits = argc > 1 ? std::stoull(argv[1]) : 1000000;
  const ae::bench::TempFolder temp("bench-export");
  if (!temp.Made()) {
    std::fprintf(stderr, "cannot create a temporary folder\n");
    return 1;
  }
  const fs::path& folder = temp.Path();
  const fs::path source = folder / "million.dta";
  const std::string aetool = AE_AETOOL_PATH;
  int status = 0;
  try {
    ae::GenerateDataFile("dta", {hits, 1}, source.string());
    ae::bench::WarmCache(source.string());
    const double megabytes = static_cast<double>(fs::file_size(source)) / 1e6;

    const double cat = Best("cat " + Quoted(source) + " >/dev/null");
    const double csv = Best(aetool + " export " + Quoted(source) + " -o " + Quoted(folder / "out.csv"));
    const double csvNull = Best(aetool + " export " + Quoted(source) + " >/dev/null");
    const double hdf5 = Best(aetool + " export " + Quoted(source) + " --format hdf5 -o " + Quoted(folder / "out.h5"));
    const double csvInProcess = InProcess({"export", source.string(), "-o", (folder / "in.csv").string()});
    const double hdf5InProcess =
        InProcess({"export", source.string(), "--format", "hdf5", "-o", (folder / "in.h5").string()});
    if (cat < 0 || csv < 0 || csvNull < 0 || hdf5 < 0 || csvInProcess < 0 || hdf5InProcess < 0)
      throw std::runtime_error("a command failed");

    const double csvMegabytes = static_cast<double>(fs::file_size(folder / "out.csv")) / 1e6;
    const double hdf5Megabytes = static_cast<double>(fs::file_size(folder / "out.h5")) / 1e6;
    const double ratio = csv / cat;
    std::printf("source: %.1f MB, %llu hits; best of %d runs\n", megabytes, static_cast<unsigned long long>(hits),
                Runs);
    std::printf("cat to /dev/null:         %.3f s\n", cat);
    std::printf("export CSV to a file:     %.3f s  %.1f MB  %.1f x cat (goal at most 10 x)\n", csv, csvMegabytes,
                ratio);
    std::printf("export CSV to /dev/null:  %.3f s            %.1f x cat\n", csvNull, csvNull / cat);
    std::printf("export HDF5 to a file:    %.3f s  %.1f MB  %.2f x the CSV export (goal at most 1 x)\n", hdf5,
                hdf5Megabytes, hdf5 / csv);
    std::printf("in this process, without starting the program: CSV %.3f s (%.1f x cat), HDF5 %.3f s (%.2f x CSV)\n",
                csvInProcess, csvInProcess / cat, hdf5InProcess, hdf5InProcess / csvInProcess);
    if (ratio > 10.0 || hdf5 > csv) {
      std::printf("below the goal\n");
      status = 2;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    status = 1;
  }
  return status;
}
