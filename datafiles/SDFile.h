#pragma once
// Spartan 3000 data files: a 512-byte header followed by 32-byte records. The reader keeps an
// image of the header and of the current record; the writer copies the source header, appends
// records unchanged and rewrites the header's counts and first/last times at Finish.
#include <array>
#include <cstdint>

#include "datafiles/AWDiskFile.h"

namespace ae {

class SDFile : public AWDiskFile {
 public:
  static constexpr int HeaderSize = 512;
  static constexpr int RecordSize = 32;

  // Record codes (byte 0 of a record).
  enum : int {
    codeEndOfData = 0,
    codeHit = 1,
    codeTimeDriven = 2,
    codeDemand = 3,
    codeComment = 7,
    codeAlarm = 16,
    codeResume = 128,
    codeStop = 129,
    codePause = 130,
  };

  // Header offsets.
  enum : int {
    hdrTotalRecords = 0,
    hdrFirstHitTime = 4,
    hdrFirstHitNumber = 8,
    hdrLastHitTime = 12,
    hdrLastHitNumber = 16,
    hdrDate = 20,  // 18 bytes; the text proper is the 17 characters from offset 21
    hdrAutoDump = 38,
    hdrContinuous = 39,  // set: the file cannot be filtered
    hdrVersion = 40,     // 6 bytes
    hdrLabelLength = 46,
    hdrLabel = 47,
    hdrTimeDriven = 87,
  };
  static constexpr int DateTextOffset = 21;
  static constexpr int DateTextLength = 17;
  static constexpr int VersionLength = 6;
  static constexpr int MaxLabelLength = 40;

  // Record offsets (hit layout; time-driven samples share time and parametric).
  enum : int {
    recCode = 0,
    recTime = 1,
    recChannel = 7,
    recSeq = 8,
    recRise = 12,
    recCntPk = 14,
    recCounts = 16,
    recEnergy = 18,
    recDuration = 20,
    recAmplitude = 24,
    recRMS = 25,
    recThreshold = 26,
    recParametric = 27,
    recDP = 29,
    recGain = 30,
  };
  // Where the text dump of a time-driven sample takes its parametric value.
  static constexpr int DumpSampleParametric = 7;

  // Reader: reads the header; the stream is left after it.
  explicit SDFile(std::FILE* stream);
  // Writer: copies the source's header image (when the source HasHeader) and positions the
  // destination after the header.
  SDFile(SDFile& source, std::FILE* destination);

  void Finish() override;
  void GetRec(ZTShortHit& rec) override;
  double GetValue(int code) override;
  double GetTime() override { return GetValue(pcTime); }
  bool IsFirst() override { return Tell() == HeaderSize; }
  void SeekBegin() override { SeekTo(0); }
  void SeekFirst() override { SeekTo(HeaderSize); }
  void SeekRec(int recNo) override;
  bool ReadNext() override;
  bool ReadNextNonHit() override;
  bool ReadPrev() override;
  void WriteCurrent(std::FILE* stream) override;
  void Append(AWDiskFile& source) override;
  bool IsHit() override { return Code() == codeHit; }
  bool IsStop() override { return Code() == codeStop; }
  bool HasTime() override { return CodeHasTime(Code()); }
  bool IsKnown() override { return CodeIsKnown(Code()); }
  bool IsEndOfData() override { return Code() == codeEndOfData; }
  bool IsTimeDriven() override { return Code() == codeTimeDriven || Code() == codeDemand; }
  bool IsComment() override { return Code() == codeComment; }
  bool IsWaveform() override { return false; }
  std::string GetLabel() override;
  std::string GetVersion() override;
  std::string GetDate() override;
  // The header test of the format, or the recognition test: a file recognised as Spartan 3000
  // always has its header copied.
  bool HasHeader() override;
  int RecNo() override;
  int CountRecs() override;
  int CountHits() override;
  void DumpRec(std::ostream& os, int mask) override;
  void DumpColumns(std::ostream& os, int mask) override;
  void DumpAll(std::ostream& os, int mask) override;
  void DumpHeader(std::ostream& os, int flag) override;
  bool CanFilter() override { return header_[hdrContinuous] == 0; }
  bool IsALine() override { return false; }
  ATestTime CurrentTestTime() override { return ATestTime::FromBytes(record_.data() + recTime); }
  std::uint64_t CurrentTicks() override { return ATestTime::TicksFromBytes(record_.data() + recTime); }

  // Moves the stream one record forward without reading it.
  virtual void SkipRec();

  static bool CodeHasTime(int code);
  static bool CodeIsKnown(int code);
  // A time in the header's units of 16.384 ms (65536 ticks), truncated.
  static std::uint32_t HeaderTimeUnits(const ATestTime& time);
  // Raw parametric counts into volts: 2000 is 0 V, 4000 is +10 V.
  static double ParametricVolts(std::uint16_t raw) { return (static_cast<int>(raw) - 2000) * 0.005; }

  const std::array<std::uint8_t, HeaderSize>& Header() const { return header_; }
  const std::array<std::uint8_t, RecordSize>& Record() const { return record_; }
  int Code() const { return record_[recCode]; }

 private:
  // Counts the known records (or the hits) up to and including the end-of-data record.
  int CountWalk(bool hitsOnly);
  std::uint16_t RecordU16(int offset) const;
  std::uint32_t RecordU32(int offset) const;
  std::uint32_t HeaderU32(int offset) const;
  std::string HeaderText(int offset, int length) const;
  void DumpParametric(std::ostream& os, std::uint16_t raw, int width);

  std::array<std::uint8_t, HeaderSize> header_{};
  std::array<std::uint8_t, RecordSize> record_{};
};

}  // namespace ae
