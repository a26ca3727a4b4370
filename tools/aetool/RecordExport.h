#pragma once
// The rows of "aetool export": the records of a data file exactly as the viewer's loaded data
// set holds them, streamed in blocks so that the memory used does not grow with the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "datafiles/ZTShortHit.h"

namespace ae {

class AWDiskFile;
class ProgressBar;
class WaveformTable;

// What is known before the first row.
struct ExportSource {
  std::string FileName;  // as given
  int DataType = -1;
  std::int64_t Rows = 0;  // the number of rows that follow
};

// Where the rows go: the CSV text or the HDF5 table.
class RecordSink {
 public:
  virtual ~RecordSink() = default;
  virtual void Begin(const ExportSource& source) = 0;
  // Consecutive rows; the first has the index `first`.
  virtual void Rows(std::int64_t first, const ZTShortHit* recs, std::size_t count) = 0;
  // After the last row; raises when what was written cannot be completed.
  virtual void End() = 0;
  // Where the waveforms of the file are collected while its records are read, for a sink that
  // writes them at the end; none by default.
  virtual WaveformTable* Waveforms() { return nullptr; }
};

// Sends the rows of the data set ZTDataSet::Load makes of the reader (fresh from OpenDataFile):
// one per record CountRecs finds, in file order; the entries after the end of the data, or
// after a record that could not be read, are records never read (kind 8). Unlike the data
// set, which shows such a file empty, an error while reading is raised.
void ExportRecords(AWDiskFile& reader, int dataType, const std::string& fileName, RecordSink& sink);

// Opens the file (raising "Data file doesn't exist" / "Unknown data type.."), then
// ExportRecords. The progress bar, when given, follows the reading of the file.
void ExportRecords(const std::string& dataFile, RecordSink& sink, ProgressBar* progress = nullptr);

}  // namespace ae
