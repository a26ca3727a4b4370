// The DTA reader on any bytes: recognition, every record with every query and its text, the
// raw walk into hardware setups and continued-file messages, every waveform decoded and scaled,
// and a copy, which must be the bytes read.
#include <cstring>

#include "datafiles/LDFile.h"
#include "datafiles/Recognition.h"
#include "datafiles/ZTWaveform.h"
#include "tests/fuzz/MemoryFile.h"
#include "tests/fuzz/ReaderWalk.h"

using namespace ae;
using namespace ae::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryFile in(data, size);
  if (in.Get() == nullptr) return 0;
  LDFile::LastChannelWritten() = 0;  // the dump's channel table is program-wide
  IsDtaFile(in.Get());
  LDFile reader(in.Get());
  NullStream text;
  WalkRecords(reader, text);
  reader.SeekFirst();
  reader.DumpIds(text);

  // Every waveform decodes into the samples its length holds, scaled by the setup read before it.
  reader.SeekFirst();
  ZTWaveform wave;
  double sum = 0.0;
  while (reader.ReadNext()) {
    if (!reader.IsSampledWaveform()) continue;
    if (!ZTWaveform::Decode(reader.Message(), reader.Length(), wave) ||
        wave.Samples.size() != static_cast<std::size_t>(ZTWaveform::SampleCount(reader.Length())))
      Violated("a waveform that does not decode into its samples");
    wave.Scale = reader.RecorderSetup().ScaleOf(wave.Channel);
    sum += wave.Volts(wave.Samples.size() - 1) + wave.TimeUs(0) + wave.PeakCounts();
  }
  text << sum;

  MemoryOutput out(size);
  {
    LDFile writer(out.Get());
    reader.SeekFirst();
    while (reader.ReadNext()) writer.Append(reader);
    writer.Finish();
  }
  const std::vector<std::uint8_t> copy = out.Bytes();
  if (copy.size() > size || (!copy.empty() && std::memcmp(copy.data(), data, copy.size()) != 0))
    Violated("the copy of a DTA file is not the bytes read");
  return 0;
}
