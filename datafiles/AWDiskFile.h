#pragma once
// One open data file: either a reader (a cursor over the records of a file) or a writer that
// appends copies of another reader's current records. The caller opens the stream before
// constructing the object and closes it after destroying it; the object never closes it.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iosfwd>
#include <string>

#include "datafiles/ATestTime.h"
#include "datafiles/ZTShortHit.h"

namespace ae {

class ADataFileSummary;
struct AWaveformPlace;

class AWDiskFile {
 public:
  // Record counts stop here: a file with more records answers CountCap, which no data set
  // can hold, instead of a count that has wrapped.
  static constexpr int CountCap = INT32_MAX;

  explicit AWDiskFile(std::FILE* stream) : Stream(stream) {}
  AWDiskFile(const AWDiskFile&) = delete;
  AWDiskFile& operator=(const AWDiskFile&) = delete;
  virtual ~AWDiskFile() = default;

  virtual void Finish() {}
  virtual void Idle() {}
  virtual void GetRec(ZTShortHit& /*rec*/) {}
  virtual double GetValue(int /*code*/) { return 0.0; }
  virtual double GetTime() { return 0.0; }
  // 1 or 2 when the current record falls in the first or second window of the current event,
  // 0 when it starts a new one. Raises EZTData 2001 for a record earlier than the event start.
  virtual int EventPos();
  virtual bool IsFirst() { return false; }
  virtual void SeekBegin() {}
  virtual void SeekFirst() {}
  virtual bool SkipNext() { return false; }
  virtual void SeekRec(int /*recNo*/) {}
  virtual bool ReadNext() { return false; }
  virtual bool ReadNextNonHit() { return false; }
  virtual bool ReadPrev() { return false; }
  virtual void WriteCurrent(std::FILE* /*stream*/) {}
  virtual void Append(AWDiskFile& /*source*/) {}
  virtual bool IsHit() { return false; }
  virtual bool IsStop() { return false; }
  virtual bool HasTime() { return false; }
  virtual bool IsKnown() { return true; }
  virtual bool IsEndOfData() { return false; }
  virtual bool IsTimeDriven() { return false; }
  virtual bool IsComment() { return false; }
  virtual bool IsWaveform() { return false; }
  virtual std::string GetLabel() { return {}; }
  virtual std::string GetVersion() { return {}; }
  virtual std::string GetDate() { return {}; }
  virtual bool HasHeader() { return false; }
  virtual int RecNo() { return 0; }
  // At most CountCap.
  virtual int CountRecs() { return 0; }
  virtual int CountHits() { return 0; }
  virtual void DumpRec(std::ostream& /*os*/, int /*mask*/) {}
  virtual void DumpColumns(std::ostream& /*os*/, int /*mask*/) {}
  virtual void DumpAll(std::ostream& /*os*/, int /*mask*/) {}
  virtual void DumpHeader(std::ostream& /*os*/, int /*flag*/) {}
  virtual bool CanFilter() { return false; }
  virtual bool IsALine() { return false; }

  // What the current record adds to the summary of its file besides its hit and its time: the
  // texts and channel settings a format carries in records of their own. Nothing by default.
  virtual void AddToSummary(ADataFileSummary& /*summary*/) {}

  // Transient-recorder waveforms with samples (DTA: message 173 of sub-identifier 1). A loaded
  // data set keeps where each lies instead of a record of it (ZTWaveformIndex). The current
  // record is such a waveform: none by default.
  virtual bool IsSampledWaveform() { return false; }
  // Where the current record lies, the hit it belongs to and what scales it, when it is such a
  // waveform.
  virtual bool GetWaveformPlace(AWaveformPlace& /*place*/) { return false; }
  // How many of the records the last CountRecs counted are such waveforms.
  virtual int CountedWaveforms() { return 0; }
  // While on, ReadNext may step over the samples of such waveforms instead of reading them, for
  // a reader that only notes where they lie; a waveform read so cannot be appended.
  virtual void SkipWaveformSamples(bool /*on*/) {}

  // The time of the current record as stored. Formats that keep a 0.25 us time word use it
  // directly; the others convert GetTime.
  virtual ATestTime CurrentTestTime() { return ATestTime::FromSeconds(GetTime()); }
  // The same as a count of ticks, which the event and window rules compare.
  virtual std::uint64_t CurrentTicks() { return CurrentTestTime().Ticks(); }

  void SetEventWindows(const ATestTime& t1, const ATestTime& t2) {
    T1 = t1;
    T2 = t2;
  }

  std::FILE* GetStream() const { return Stream; }
  std::int32_t RecordsAppended() const { return RecsAppended; }
  std::int32_t RecordsKept() const { return RecsKept; }
  const ATestTime& ReferenceTime() const { return RefTime; }
  const ATestTime& FirstTimeAppended() const { return FirstTime; }
  const ATestTime& LastTimeAppended() const { return LastTime; }

 protected:
  // What every writer does before it writes a copy of the source's current record: keep the
  // first, last and greatest time appended.
  void AppendBookkeeping(AWDiskFile& source);

  // SeekFirst, then ReadNext until it fails: the number of records read, or of the hits among
  // them, at most CountCap (the walk stops there). Leaves the cursor at the end.
  int CountByReading(bool hitsOnly);
  // One more record appended or kept; a count at the top of its range stays there.
  static void CountOne(std::int32_t& count) {
    if (count < INT32_MAX) ++count;
  }

  // Buffered stream access. Reads report how many bytes arrived; writes raise EDataFile on
  // any short write, so that a full disk never passes for success.
  // Most reads are a few bytes that lie in the stream's buffer already: they are taken from
  // there as getc_unlocked does, without a call to fread for every record field.
  std::size_t ReadBytes(void* buffer, std::size_t size) {
    const std::uint8_t* ahead = nullptr;
    if (BufferedInput(ahead) < size) return ReadBytesFromStream(buffer, size);
    if (size != 0) std::memcpy(buffer, ahead, size);
    TakeBuffered(size);
    return size;
  }
  void WriteBytes(const void* buffer, std::size_t size);
  // Moves the read position size bytes on without copying them.
  void SkipBytes(std::size_t size) {
    const std::uint8_t* ahead = nullptr;
    if (BufferedInput(ahead) >= size) TakeBuffered(size);
    else SkipInStream(size);
  }
  // The bytes already read ahead into the stream's buffer (none where the C library does not
  // show them), for a look at what comes next without reading it.
  std::size_t BufferedInput(const std::uint8_t*& data) const {
#ifdef __GLIBC__
    // The read pointers getc_unlocked uses; empty while the stream is writing.
    data = reinterpret_cast<const std::uint8_t*>(Stream->_IO_read_ptr);
    return static_cast<std::size_t>(Stream->_IO_read_end - Stream->_IO_read_ptr);
#else
    data = nullptr;
    return 0;
#endif
  }
  std::int64_t Tell();
  void SeekTo(std::int64_t offset);

 private:
  // Only called with size within BufferedInput.
  void TakeBuffered(std::size_t size) {
#ifdef __GLIBC__
    Stream->_IO_read_ptr += size;
#else
    (void)size;
#endif
  }
  std::size_t ReadBytesFromStream(void* buffer, std::size_t size);
  void SkipInStream(std::size_t size);

 protected:
  std::FILE* Stream;
  std::int32_t RecsAppended = 0;
  std::int32_t RecsKept = 0;
  ATestTime T2;
  ATestTime T1;
  ATestTime RefTime;
  ATestTime FirstTime;
  ATestTime LastTime;
};

}  // namespace ae
