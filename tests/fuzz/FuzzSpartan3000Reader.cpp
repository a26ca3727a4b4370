// The Spartan 3000 reader on any bytes: recognition, every record with every query and its
// text, positioning back and forth, and a copy whose records must be the source's.
#include <algorithm>
#include <cstring>

#include "datafiles/Recognition.h"
#include "datafiles/SDFile.h"
#include "tests/fuzz/MemoryFile.h"
#include "tests/fuzz/ReaderWalk.h"

using namespace ae;
using namespace ae::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryFile in(data, size);
  if (in.Get() == nullptr) return 0;
  IsSpartan3000File(in.Get());
  SDFile reader(in.Get());
  NullStream text;
  const int records = WalkRecords(reader, text);

  MemoryOutput current(64);
  for (const int k : {0, 1, 2, records / 2, records - 1, records, -5, 0x7FFFFFFF}) {
    reader.SeekRec(k);
    if (reader.ReadNext()) reader.WriteCurrent(current.Get());
    reader.ReadPrev();
    reader.ReadNextNonHit();
    std::fseek(current.Get(), 0, SEEK_SET);
  }
  reader.SeekFirst();
  reader.SkipRec();
  reader.ReadNext();

  MemoryOutput out(std::max<std::size_t>(size, SDFile::HeaderSize) + SDFile::RecordSize);
  {
    SDFile writer(reader, out.Get());
    reader.SeekFirst();
    while (reader.ReadNext()) writer.Append(reader);
    writer.Finish();
  }
  const std::vector<std::uint8_t> copy = out.Bytes();
  if (copy.size() < SDFile::HeaderSize) Violated("a Spartan 3000 copy without its header");
  const std::size_t recordBytes = copy.size() - SDFile::HeaderSize;
  if (recordBytes > 0 && (SDFile::HeaderSize + recordBytes > size ||
                          std::memcmp(copy.data() + SDFile::HeaderSize, data + SDFile::HeaderSize, recordBytes) != 0))
    Violated("the records of a Spartan 3000 copy are not the source's");
  if (IsSpartan3000File(in.Get()) && std::memcmp(copy.data() + 20, data + 20, SDFile::HeaderSize - 20) != 0)
    Violated("a Spartan 3000 copy lost the header of a recognised file");
  return 0;
}
