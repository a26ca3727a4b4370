// The A-Line PCI reader on any bytes: its header (or the error that refuses it), every record
// with every query and its text, both header texts, and a copy that must repeat the source's
// header and records.
#include <cstring>

#include "datafiles/ALNPCIDFile.h"
#include "datafiles/EDataFile.h"
#include "datafiles/Recognition.h"
#include "tests/fuzz/MemoryFile.h"
#include "tests/fuzz/ReaderWalk.h"

using namespace ae;
using namespace ae::fuzz;

namespace {

constexpr std::size_t NumberOfEventsAt = 3916;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryFile in(data, size);
  if (in.Get() == nullptr) return 0;
  IsAlinePciFile(in.Get());
  try {
    ALNPCIDFile reader(in.Get());
    NullStream text;
    WalkRecords(reader, text);
    reader.DumpColumns(text, 0);

    MemoryOutput out(size);
    {
      ALNPCIDFile writer(reader, out.Get());
      reader.SeekFirst();
      while (reader.ReadNext()) writer.Append(reader);
      writer.Finish();
    }
    const std::vector<std::uint8_t> copy = out.Bytes();
    if (copy.size() > size) Violated("an A-Line PCI copy longer than its source");
    for (std::size_t i = 0; i < copy.size(); ++i)
      if (copy[i] != data[i] && (i < NumberOfEventsAt || i >= NumberOfEventsAt + 4))
        Violated("an A-Line PCI copy differs from its source outside the number of events");
  } catch (const EDataFile&) {
    // A header that cannot be held is refused.
  }
  return 0;
}
