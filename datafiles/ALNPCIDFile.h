#pragma once
// A-Line 32D data files of the PCI generation: a header (test parameters, hardware description,
// configuration data) followed by records of a type, a length and up to 104 data bytes. The
// reader turns hit records into dB values with the per-channel calibration of the header; the
// writer copies a source's header and then its records byte for byte.
#include <array>
#include <cstdint>
#include <string>

#include "datafiles/ALNPCICalibration.h"
#include "datafiles/ALNPCIHead.h"
#include "datafiles/ALNPCIHit.h"
#include "datafiles/AWDiskFile.h"

namespace ae {

class ALNPCIDFile : public AWDiskFile {
 public:
  static constexpr int MaxDataLength = 104;

  // Record types.
  enum : int {
    recOldHit = 0,
    recSystem = 1,
    recOldNoise = 2,
    recParametric = 3,
    recNoise = 4,
    recHit = 5,
    recTimeMark = 6,
    recComment = 7,
  };

  // Reader: reads and checks the header (EDataFile for a damaged one) and builds the
  // calibration table. The caller calls SeekFirst before reading records.
  explicit ALNPCIDFile(std::FILE* stream);
  // Writer: takes over the source's header, start time and calibration, writes the header and
  // leaves the destination at the first-record offset.
  ALNPCIDFile(ALNPCIDFile& source, std::FILE* destination);

  // Sets the number of events to the records appended and rewrites the header at offset 0.
  void Finish() override;
  void GetRec(ZTShortHit& rec) override;
  double GetValue(int code) override;
  double GetTime() override;
  void SeekBegin() override { SeekTo(0); }
  void SeekFirst() override { SeekTo(head_.FirstRecordOffset()); }
  // False at the end of the file, on a partial record, on a record of length 0 and on one
  // longer than the 104-byte data area.
  bool ReadNext() override;
  // Accepts only a reader of this format; writes its record unchanged.
  void Append(AWDiskFile& source) override;
  bool IsHit() override { return Type() == recHit; }
  bool HasTime() override { return Type() != recComment; }
  bool IsKnown() override { return true; }
  bool IsTimeDriven() override { return Type() == recParametric; }
  bool IsComment() override { return Type() == recComment; }
  std::string GetLabel() override { return head_.TestParam().ObjectName(); }
  std::string GetDate() override { return ALNPCITestParam::CalendarText(startTime_); }
  int CountRecs() override;
  int CountHits() override;
  void DumpRec(std::ostream& os, int mask) override;
  // The header text: full form for a non-zero flag, short form otherwise.
  void DumpColumns(std::ostream& os, int flag) override;
  bool CanFilter() override { return true; }
  bool IsALine() override { return true; }

  const ALNPCIHead& Head() const { return head_; }
  const ALNPCICalibration& Calibration() const { return calibration_; }
  std::uint32_t StartTime() const { return startTime_; }

  // The current record.
  int Type() const;
  int Length() const;
  const std::uint8_t* Data() const { return record_.data() + PrefixSize; }
  // The hit values of the current record, decoded as for a hit whatever its type; decoded once
  // per record however many values are asked for.
  const ALNPCIHit& Hit();

 private:
  static constexpr int PrefixSize = 4;  // type and length

  void ClearRecord();
  void DumpHitTitles(std::ostream& os);
  void DumpHit(std::ostream& os);

  ALNPCIHead head_;
  ALNPCICalibration calibration_;
  std::uint32_t startTime_ = 0;
  // Type, length and data as in the file, so that Append writes them with one call. Data bytes
  // beyond the length are zero.
  std::array<std::uint8_t, PrefixSize + MaxDataLength> record_{};
  ALNPCIHit hit_;
  bool hitDecoded_ = false;
  bool columnTitles_ = true;
};

}  // namespace ae
