// The A-Line ISA reader on any bytes: its header (or the error that refuses it), every record
// with every query and its text; and every pass over the records, after a count or another
// pass, gives each hit the same amplitude.
#include <vector>

#include "datafiles/ALNCalibration.h"
#include "datafiles/ALNDFile.h"
#include "datafiles/EDataFile.h"
#include "datafiles/Recognition.h"
#include "tests/fuzz/MemoryFile.h"
#include "tests/fuzz/ReaderWalk.h"

using namespace ae;
using namespace ae::fuzz;

namespace {

std::vector<std::uint16_t> Amplitudes(ALNDFile& reader) {
  std::vector<std::uint16_t> amplitudes;
  reader.SeekFirst();
  while (reader.ReadNext())
    if (reader.IsHit()) amplitudes.push_back(reader.Amplitude16());
  return amplitudes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryFile in(data, size);
  if (in.Get() == nullptr) return 0;
  ALNCalibration::Shared().ResetToDefaults();  // the table carries over from file to file
  IsAlineIsaFile(in.Get());
  try {
    ALNDFile reader(in.Get());
    const std::vector<std::uint16_t> first = Amplitudes(reader);
    NullStream text;
    WalkRecords(reader, text);
    if (Amplitudes(reader) != first) Violated("a second pass gives other A-Line ISA amplitudes");
  } catch (const EDataFile&) {
    // A header that cannot be held is refused.
  }
  return 0;
}
