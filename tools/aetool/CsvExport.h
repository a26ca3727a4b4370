#pragma once
// "aetool export" as CSV: one row per record of a data file.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "datafiles/ATestTime.h"
#include "tools/aetool/RecordExport.h"

namespace ae {

class ProgressBar;

inline constexpr const char* CsvExportHeader =
    "index,kind,time_s,channel,rise,counts,energy,duration,amplitude,parametric";

// Writes the header and one row per record of the loaded data set, in file order; entries
// never read (after the end of the data) keep kind 8.
void ExportCsv(const std::string& dataFile, std::ostream& out, ProgressBar* progress = nullptr);

// The rows as CSV text: the header, then one line per row. Rows are formatted by hand into a
// large buffer; stream formatting per field would take many times as long as reading the file.
class CsvRecordWriter : public RecordSink {
 public:
  // The name is the output's in the error message: "Cannot write NAME".
  explicit CsvRecordWriter(std::ostream& out, std::string outputName = "the output");
  CsvRecordWriter(const CsvRecordWriter&) = delete;
  CsvRecordWriter& operator=(const CsvRecordWriter&) = delete;

  void Begin(const ExportSource& source) override;
  void Rows(std::int64_t first, const ZTShortHit* recs, std::size_t count) override;
  void End() override;  // raises EDataFile "Cannot write NAME" when the stream failed

  // The seconds of a time with 7 decimals, exactly as std::to_chars prints the long double
  // ATestTime::Seconds gives (round to nearest), without its cost. Returns the end.
  static char* FormatSeconds(char* out, const ATestTime& time);

 private:
  void Flush();

  std::ostream& out_;
  std::string outputName_;
  std::unique_ptr<char[]> buffer_;  // not cleared: only written bytes are read
  std::size_t used_ = 0;
};

}  // namespace ae
