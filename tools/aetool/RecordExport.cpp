#include "tools/aetool/RecordExport.h"

#include <stdio.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "datafiles/AWDiskFile.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/EDataFile.h"
#include "tools/aetool/ProgressBar.h"
#include "tools/aetool/WaveformTable.h"

namespace ae {

namespace {

// Small enough to stay in the cache between reading and formatting.
constexpr std::size_t BlockRecords = 4096;
constexpr std::size_t Blocks = 4;

struct Block {
  std::vector<ZTShortHit> Recs = std::vector<ZTShortHit>(BlockRecords);
  std::int64_t First = 0;
  std::size_t Count = 0;
};

// Reading and decoding on a thread of their own, so that they overlap with the formatting and
// writing of the rows: the reader fills blocks, the sink empties them, a few blocks in turn.
class RecordPipe {
 public:
  RecordPipe(AWDiskFile& reader, WaveformTable* waveforms) : reader_(reader), waveforms_(waveforms) {
    for (std::size_t i = 0; i < Blocks; ++i) free_.push_back(std::make_unique<Block>());
    thread_ = std::thread([this] { Read(); });
  }
  ~RecordPipe() {
    {
      std::lock_guard lock(mutex_);
      stopped_ = true;  // the sink failed: the reader stops at its next block
    }
    changed_.notify_all();
    thread_.join();
  }
  RecordPipe(const RecordPipe&) = delete;
  RecordPipe& operator=(const RecordPipe&) = delete;

  // The number of rows; raises what the reader raised.
  std::int64_t Rows() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return rows_ >= 0 || error_; });
    if (error_) std::rethrow_exception(error_);
    return rows_;
  }

  // The next block of rows, or null after the last; raises what the reader raised.
  std::unique_ptr<Block> Next() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !full_.empty() || finished_ || error_; });
    if (error_) std::rethrow_exception(error_);
    if (full_.empty()) return nullptr;
    std::unique_ptr<Block> block = std::move(full_.front());
    full_.pop_front();
    return block;
  }
  void Recycle(std::unique_ptr<Block> block) {
    {
      std::lock_guard lock(mutex_);
      free_.push_back(std::move(block));
    }
    changed_.notify_all();
  }

 private:
  void Read() {
    try {
      const int count = reader_.CountRecs();
      if (count < 0) throw EDataFile("Negative record count");
      // Only a file that holds waveforms has them noted.
      WaveformTable* waveforms = reader_.CountedWaveforms() > 0 ? waveforms_ : nullptr;
      reader_.SeekFirst();
      Publish([&] { rows_ = count; });
      bool reading = true;
      for (std::int64_t first = 0; first < count;) {
        std::unique_ptr<Block> block;
        {
          std::unique_lock lock(mutex_);
          changed_.wait(lock, [this] { return !free_.empty() || stopped_; });
          if (stopped_) return;
          block = std::move(free_.front());
          free_.pop_front();
        }
        block->First = first;
        block->Count = static_cast<std::size_t>(std::min<std::int64_t>(BlockRecords, count - first));
        for (std::size_t k = 0; k < block->Count; ++k) {
          ZTShortHit& rec = block->Recs[k];
          rec = ZTShortHit();
          if (!reading) continue;
          if (!reader_.ReadNext()) {
            reading = false;
            continue;
          }
          reader_.GetRec(rec);
          if (waveforms != nullptr) waveforms->Note(reader_, first + static_cast<std::int64_t>(k), rec);
          if (reader_.IsEndOfData()) reading = false;
        }
        first += static_cast<std::int64_t>(block->Count);
        Publish([&] { full_.push_back(std::move(block)); });
      }
      Publish([&] { finished_ = true; });
    } catch (...) {
      Publish([&] { error_ = std::current_exception(); });
    }
  }

  template <class Change>
  void Publish(Change&& change) {
    {
      std::lock_guard lock(mutex_);
      change();
    }
    changed_.notify_all();
  }

  AWDiskFile& reader_;
  WaveformTable* waveforms_;  // filled by the reading thread, read after the last block
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::unique_ptr<Block>> free_;
  std::deque<std::unique_ptr<Block>> full_;
  std::int64_t rows_ = -1;
  bool finished_ = false;
  bool stopped_ = false;
  std::exception_ptr error_;
  std::thread thread_;
};

}  // namespace

void ExportRecords(AWDiskFile& reader, int dataType, const std::string& fileName, RecordSink& sink) {
  RecordPipe pipe(reader, sink.Waveforms());
  sink.Begin({fileName, dataType, pipe.Rows()});
  while (std::unique_ptr<Block> block = pipe.Next()) {
    sink.Rows(block->First, block->Recs.data(), block->Count);
    pipe.Recycle(std::move(block));
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
