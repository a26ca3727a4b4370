#include "tools/aetool/RecordExport.h"

#include <stdio.h>

#include <algorithm>
#include <vector>

#include "datafiles/AWDiskFile.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/EDataFile.h"
#include "tools/aetool/ProgressBar.h"

namespace ae {

namespace {

// Small enough to stay in the cache between reading and formatting.
constexpr std::size_t BlockRecords = 4096;

}  // namespace

void ExportRecords(AWDiskFile& reader, int dataType, const std::string& fileName, RecordSink& sink) {
  const int count = reader.CountRecs();
  if (count < 0) throw EDataFile("Negative record count");
  reader.SeekFirst();
  sink.Begin({fileName, dataType, count});
  std::vector<ZTShortHit> block(BlockRecords);
  bool reading = true;
  for (std::int64_t first = 0; first < count;) {
    const auto n = static_cast<std::size_t>(std::min<std::int64_t>(BlockRecords, count - first));
    for (std::size_t k = 0; k < n; ++k) {
      ZTShortHit& rec = block[k];
      rec = ZTShortHit();
      if (!reading) continue;
      if (!reader.ReadNext()) {
        reading = false;
        continue;
      }
      reader.GetRec(rec);
      if (reader.IsEndOfData()) reading = false;
    }
    sink.Rows(first, block.data(), n);
    first += static_cast<std::int64_t>(n);
  }
  sink.End();
}

void ExportRecords(const std::string& dataFile, RecordSink& sink, ProgressBar* progress) {
  OpenedDataFile file = OpenDataFile(dataFile);
  if (progress != nullptr && progress->Enabled()) {
    // Counting reads the file once and exporting once more.
    FileReadProgress reading(fileno(file.Stream.Get()), 2);
    progress->SetTotal(reading.Total());
    progress->SetPoll(reading);
  }
  ExportRecords(*file.Reader, file.Type, dataFile, sink);
  if (progress != nullptr) progress->Finish();
}

}  // namespace ae
