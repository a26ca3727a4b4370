#pragma once
// A-Line 32D data files of the ISA generation; read only. After the header come records of a
// type, a time in seconds and microseconds since 1970, and a body whose length the type fixes.
// Amplitudes are stored as ADC counts and turned into dB with the channel calibration in force
// at the record's place in the file: the shared table as it stood when the reader was made,
// changed by the channel-setup messages before the record. Reading a setup message also updates
// the shared table, so that it stays in force for a file read afterwards.
#include <array>
#include <cstdint>

#include "datafiles/ALNCalibration.h"
#include "datafiles/ALNHead.h"
#include "datafiles/AWDiskFile.h"

namespace ae {

class ALNDFile : public AWDiskFile {
 public:
  // Record types the reader tells apart; types 2 and 5 only differ in their body length.
  enum : std::uint32_t {
    recHit = 0,
    recSystem = 1,
    recParametric = 3,
    recLongHit = 4,
  };
  static constexpr std::uint32_t sysChannelSetup = 2;
  // The type answered before the first record: neither hit nor sample.
  static constexpr std::uint32_t NoRecord = 0xFFFFFFFF;
  static constexpr int RecordHeadSize = 12;
  static constexpr int MaxBodySize = 36;

  // Reads the header (EDataFile when it is truncated or its counts do not fit in the file) and
  // leaves the stream at the first record.
  explicit ALNDFile(std::FILE* stream);

  void GetRec(ZTShortHit& rec) override;
  double GetValue(int code) override;
  double GetTime() override;
  bool IsFirst() override { return Tell() == head_.FirstRecordOffset(); }
  // Both go back to the calibration the reader started with: a count or an earlier pass that
  // has read the whole file must not change the amplitudes of the hits read afterwards.
  void SeekBegin() override;
  void SeekFirst() override;
  bool ReadNext() override;
  bool IsHit() override { return type_ == recHit || type_ == recLongHit; }
  bool HasTime() override { return true; }
  bool IsKnown() override { return true; }
  bool IsTimeDriven() override { return type_ == recParametric; }
  int CountRecs() override;
  int CountHits() override;
  bool IsALine() override { return true; }

  // Body length of a record type.
  static int BodySize(std::uint32_t type);

  const ALNHead& Head() const { return head_; }
  std::uint32_t StartTime() const { return startTime_; }
  std::int64_t ConfigDataOffset() const { return head_.ConfigDataOffset(); }

  // The current record.
  std::uint32_t Type() const { return type_; }
  std::uint32_t Seconds() const { return seconds_; }
  std::uint32_t Microseconds() const { return microseconds_; }
  // Bytes past the body of the current type read as zero.
  const std::array<std::uint8_t, MaxBodySize>& Body() const { return body_; }

  // The amplitude of the current record in dB, truncated and brought into 8 or 16 bits:
  // below 0 (or not a number) gives 0, above the field's range its largest value.
  std::uint8_t Amplitude8() const;
  std::uint16_t Amplitude16() const;

 private:
  int ChannelIndex() const { return body_[0]; }
  double AmplitudeDb() const;
  void ApplySystemMessage();

  ALNHead head_;
  ALNCalibration startCalibration_;
  ALNCalibration calibration_;
  std::uint32_t startTime_ = 0;
  std::uint32_t type_ = NoRecord;
  std::uint32_t seconds_ = 0;
  std::uint32_t microseconds_ = 0;
  std::array<std::uint8_t, MaxBodySize> body_{};
};

}  // namespace ae
