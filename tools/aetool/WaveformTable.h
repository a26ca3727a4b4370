#pragma once
// The waveforms of a data file as "aetool export" numbers its records: each waveform record's
// export index, the export index of the hit it belongs to (paired as the viewer pairs them), its
// time, channel, number of samples, place in the file and scale. Collected while the records are
// read, one call per record; the samples are read from the file afterwards.
#include <cstdint>
#include <string>
#include <vector>

#include "datafiles/AWaveformLinker.h"
#include "datafiles/ZTWaveform.h"

namespace ae {

class AWDiskFile;
class ZTShortHit;

struct WaveformRow {
  std::int64_t Record = 0;
  std::int64_t Hit = -1;  // -1: no hit of its time and channel
  AWaveformPlace Place;
};

class WaveformTable {
 public:
  // After each record the reader read (its export index and the record GetRec made of it).
  void Note(AWDiskFile& reader, std::int64_t record, const ZTShortHit& rec);

  const std::vector<WaveformRow>& Rows() const { return rows_; }
  bool Empty() const { return rows_.empty(); }
  // The row of the waveform of the hit with that export index, or null.
  const WaveformRow* OfHit(std::int64_t hit) const;
  std::size_t LongestSamples() const;

  // Reads a row's waveform from the file (its scale is the row's). Raises EDataFile when the
  // file no longer holds it there.
  static ZTWaveform Read(std::FILE* file, const WaveformRow& row, const std::string& fileName);

 private:
  std::vector<WaveformRow> rows_;
  AWaveformLinker<std::size_t> linker_;  // waveforms by their row
};

}  // namespace ae
