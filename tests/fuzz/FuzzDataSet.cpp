// Any bytes as a data file the viewer opens: recognition, the load, every selection operation
// with frames chosen from the input, and a save, which must open again as the same format (a
// DTA file saved with nothing deleted is a prefix of its source). The input goes through a
// file, as Load and SaveAs work on names; the folder is in memory where the system has one.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/EDataFile.h"
#include "datafiles/EZTData.h"
#include "datafiles/ZTDataSet.h"
#include "tests/fuzz/ReaderWalk.h"

using namespace ae;
using namespace ae::fuzz;
namespace fs = std::filesystem;

namespace {

class Folder {
 public:
  Folder() {
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "ae-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  std::string File(const char* name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) std::abort();
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A small number from the input, so that the frames differ from input to input.
std::uint32_t Mix(const std::uint8_t* data, std::size_t size) {
  std::uint32_t h = 2166136261u;
  for (std::size_t i = 0; i < size; i += 1 + size / 64) h = (h ^ data[i]) * 16777619u;
  return h;
}

void CheckCounts(const ZTDataSet& set) {
  std::uint32_t hits = 0, marks = 0;
  for (const ZTShortHit& rec : set.Recs) {
    if (rec.Kind == rkHit) ++hits;
    if (rec.Kind == rkTimeMark) ++marks;
  }
  if (static_cast<std::size_t>(set.RecCount) != set.Recs.size() || hits != set.HitCount || marks != set.MarkCount ||
      set.Marks.size() != set.MarkCount)
    Violated("the counters of a loaded data set");
}

// Each waveform kept belongs to a hit of its time and channel, one at most per hit, and reads
// back from the file as it lay there.
void CheckWaveforms(const ZTDataSet& set) {
  if (set.Waveforms.Size() > set.HitCount) Violated("more waveforms than hits");
  std::int64_t last = -1;
  for (const ZTWaveformIndex::Entry& e : set.Waveforms.Entries()) {
    if (static_cast<std::int64_t>(e.Hit) <= last) Violated("waveforms not in the order of their hits");
    last = e.Hit;
    std::optional<ZTWaveform> wave;
    try {
      wave = set.ReadWaveform(e.Hit);
    } catch (const EDataFile&) {
      Violated("a waveform of an unchanged file cannot be read");
    }
    if (!wave || !(wave->Time == set.Recs[e.Hit].Time) || wave->Channel != set.Recs[e.Hit].Channel)
      Violated("a waveform paired with a hit of another time or channel");
  }
}

void Select(ZTDataSet& set, std::uint32_t mix) {
  static constexpr int Params[] = {pcHits,   pcTime,     pcChannel,   pcRise, pcCounts,
                                   pcEnergy, pcDuration, pcAmplitude, pcPar1, pcAverFreq};
  ZTFrameCriteria criteria;
  criteria.Channels.set();
  criteria.XParam = Params[mix % 10];
  criteria.YParam = Params[(mix >> 4) % 10];
  criteria.XFrom = -1.0;
  criteria.XTo = static_cast<double>(mix >> 8 & 0xFF);
  criteria.YFrom = 0.0;
  criteria.YTo = 1e9;
  set.ClearFrameMarks();
  set.MarkFrame(0, criteria);
  criteria.TimeFilter = true;
  criteria.TimeFrom = 0.0;
  criteria.TimeTo = static_cast<double>(mix >> 16 & 0xFF);
  set.MarkFrame(1, criteria);
  criteria.EventsView = true;
  criteria.Mpt = mix >> 20 & 0xFFF;
  criteria.Lockout = criteria.Mpt * 4;
  try {
    set.MarkFrame(2, criteria);
  } catch (const EZTData&) {
    // Records out of time order stop an event view.
  }
  set.GroupMask = static_cast<std::uint8_t>(mix & 7);
  set.GroupHits((mix >> 3 & 1) != 0 ? ZTDataSet::gmOr : ZTDataSet::gmAnd);
  set.InvertGrouped();
  set.DeleteGrouped();
  set.InvertDeleted();
  set.UndeleteAll();
  criteria.EventsView = false;
  set.MarkFrame(0, criteria);
  set.GroupMask = 1;
  set.GroupHits(ZTDataSet::gmOr);
  set.DeleteGrouped();
  set.ClearGrouped();

  // A frame on a location: whole events by the located first hits (here every third hit).
  std::vector<ZTLocation> located;
  for (std::size_t i = 0; i < set.Recs.size(); ++i)
    if (set.Recs[i].Kind == rkHit && i % 3 == 0)
      located.push_back({static_cast<std::uint32_t>(i), 0, static_cast<float>(i % 17), static_cast<float>(i % 5)});
  set.Locations.Assign(std::move(located));
  criteria.XParam = pcLocX;
  criteria.YParam = (mix & 1) != 0 ? pcLocY : pcAmplitude;
  set.ClearFrameMarks();
  set.MarkFrame(3, criteria);
  set.GroupMask = 8;
  set.GroupHits(ZTDataSet::gmAnd);
  set.DeleteGrouped();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Inputs are small; a fixed budget keeps the loads alike on every machine.
  ZTDataSet::AvailableMemory() = [] { return std::optional<std::uint64_t>(std::uint64_t{1} << 30); };
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Folder folder;
  const std::string source = folder.File("source.dat");
  const std::string saved = folder.File("saved.dat");
  WriteFile(source, data, size);

  ZTDataSet set;
  try {
    set.Load(source);
  } catch (const EDataFile&) {
    if (!set.Recs.empty() || !set.FileName.empty()) Violated("a failed load left records");
    return 0;
  }
  CheckCounts(set);
  CheckWaveforms(set);
  const bool nothingDeleted = (Mix(data, size) & 0x80000000u) != 0;
  if (!nothingDeleted) Select(set, Mix(data, size));

  std::error_code ignored;
  fs::remove(saved, ignored);
  try {
    set.SaveAs(saved);
  } catch (const EDataFile&) {
    if (fs::exists(saved)) Violated("a failed save left a file");
    return 0;
  }
  if (DescribeDataFile(saved).empty() || OpenDataFile(saved).Type != set.DataType)
    Violated("a saved file opens as another format");
  if (set.DataType == ftDiSP && set.DeletedCount == 0) {
    const std::vector<std::uint8_t> copy = ReadFile(saved);
    if (copy.size() > size || (!copy.empty() && std::memcmp(copy.data(), data, copy.size()) != 0))
      Violated("a DTA file saved with nothing deleted is not a prefix of its source");
  }
  ZTDataSet again;
  again.Load(saved);
  CheckCounts(again);
  return 0;
}
