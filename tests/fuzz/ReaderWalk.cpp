#include "tests/fuzz/ReaderWalk.h"

#include <cstdio>
#include <cstdlib>

#include "datafiles/ADataFileSummary.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/EZTData.h"
#include "datafiles/ZTShortHit.h"
#include "datafiles/ZTWaveform.h"

namespace ae::fuzz {

namespace {

// Every parameter code, the unused bit 16384 and codes no format knows.
constexpr int Codes[] = {pcHits,      pcTime,     pcChannel,   pcSeq, pcRise, pcCntPk,   pcCounts,
                         pcEnergy,    pcDuration, pcAmplitude, pcDP,  pcRMS,  pcPar1,    pcGain,
                         pcThreshold, 16384,      pcAverFreq,  3,     -1,     0x7FFFFFFF};

}  // namespace

void Violated(const char* what) {
  std::fprintf(stderr, "property violated: %s\n", what);
  std::abort();
}

int WalkRecords(AWDiskFile& reader, std::ostream& text) {
  reader.SetEventWindows(ATestTime::FromSeconds(0.0001L), ATestTime::FromSeconds(0.001L));
  const int records = reader.CountRecs();
  const int hits = reader.CountHits();
  if (records < 0 || hits < 0) Violated("a negative count");
  reader.SeekFirst();
  reader.IsFirst();
  reader.DumpColumns(text, -1);
  const int waveforms = reader.CountedWaveforms();
  int read = 0, sampled = 0;
  double sum = 0.0;
  ZTShortHit rec;
  AWaveformPlace place;
  while (reader.ReadNext()) {
    ++read;
    if (reader.IsSampledWaveform()) {
      ++sampled;
      if (!reader.IsWaveform() || !reader.GetWaveformPlace(place) || place.Samples < 1 || place.Offset < 0)
        Violated("a waveform without its place");
      sum += place.Scale.VoltsPerCount() + place.Scale.TimeUs(place.Samples);
    } else if (reader.GetWaveformPlace(place)) {
      Violated("a place of a record that is no waveform");
    }
    const bool flags[] = {reader.IsHit(),       reader.IsStop(),       reader.HasTime(),   reader.IsKnown(),
                          reader.IsEndOfData(), reader.IsTimeDriven(), reader.IsComment(), reader.IsWaveform()};
    for (const bool f : flags) sum += f;
    for (const int code : Codes) sum += reader.GetValue(code);
    sum += reader.GetTime() + static_cast<double>(reader.CurrentTestTime().Seconds()) + reader.RecNo();
    reader.GetRec(rec);
    for (const int code : Codes) sum += rec.GetValue(code);
    rec.DumpValues(text, -1);
    try {
      sum += reader.EventPos();
    } catch (const EZTData& e) {
      if (e.Code() != EZTData::TimeOrderError) Violated("an unexpected data error code");
    }
    reader.DumpRec(text, -1);
    text << '\n';
  }
  if (sampled != waveforms) Violated("the waveforms counted are not those read");
  text << reader.GetLabel() << reader.GetVersion() << reader.GetDate() << reader.HasHeader() << reader.CanFilter()
       << reader.IsALine() << sum;
  reader.SeekBegin();
  reader.DumpHeader(text, 0);
  reader.DumpHeader(text, 1);
  reader.SeekFirst();
  reader.DumpAll(text, -1);

  // The summary of the information window walks the file once more, to its end of data.
  ADataFileSummary summary;
  summary.Collect(reader);
  summary.Write(text);
  if (summary.Hits() < 0 || summary.Hits() > hits) Violated("the summary counts hits the reader does not");
  return read;
}

}  // namespace ae::fuzz
