// Reading speed of the DTA reader: ReadNext + GetRec over a generated 1-million-hit file from a
// warm page cache. Prints MB/s and records/s.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "datafiles/DataStream.h"
#include "datafiles/LDFile.h"
#include "tools/aetool/Generators.h"

namespace {

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

int main(int argc, char** argv) {
  const std::uint64_t hits = argc > 1 ? std::stoull(argv[1]) : 1000000;
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "ae-bench-dta";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "bench.dta").string();
  ae::GenerateDataFile("dta", {hits, 1}, path);
  const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / 1e6;

  double best = 1e9;
  long records = 0;
  double checksum = 0;
  for (int run = 0; run < 4; ++run) {  // the first run warms the page cache
    ae::DataStream stream(path, "rb");
    ae::LDFile reader(stream.Get());
    const auto start = std::chrono::steady_clock::now();
    reader.SeekFirst();
    records = 0;
    ae::ZTShortHit rec;
    while (reader.ReadNext()) {
      reader.GetRec(rec);
      checksum += rec.Amplitude;
      ++records;
    }
    if (run > 0) best = std::min(best, Seconds(std::chrono::steady_clock::now() - start));
  }
  std::printf("DTA ReadNext+GetRec: %.1f MB, %ld records, %.3f s: %.0f MB/s, %.2f M records/s (checksum %.0f)\n",
              megabytes, records, best, megabytes / best, records / best / 1e6, checksum);

  const auto start = std::chrono::steady_clock::now();
  const std::string csv = (dir / "bench.csv").string();
  const std::string command = std::string(AE_AETOOL_PATH) + " export " + path + " -o " + csv;
  if (std::system(command.c_str()) != 0) return 1;
  std::printf("aetool export: %.3f s\n", Seconds(std::chrono::steady_clock::now() - start));
  std::filesystem::remove_all(dir);
  return 0;
}
