#include "datafiles/ALNDFile.h"

#include <cmath>
#include <cstring>

#include "datafiles/ALNCalibration.h"
#include "datafiles/ByteOrder.h"

namespace ae {

namespace {

// Hit body fields.
constexpr int HitAmplitude = 2;
constexpr int HitEnergy = 4;
constexpr int HitDuration = 8;
constexpr int HitRise = 12;
constexpr int HitCounts = 16;

// System message body fields.
constexpr int SysSubtype = 0;
constexpr int SetupChannel = 4;
constexpr int SetupValue = 6;
constexpr int SetupGainCode = 11;

// Truncation toward zero into 0..max, defined for every input.
unsigned TruncateInto(double value, unsigned max) {
  if (!(value > 0.0)) return 0;  // negative or not a number
  if (value >= static_cast<double>(max)) return max;
  return static_cast<unsigned>(value);
}

}  // namespace

ALNDFile::ALNDFile(std::FILE* stream)
    : AWDiskFile(stream), startCalibration_(ALNCalibration::Shared()), calibration_(startCalibration_) {
  head_.Read(stream);
  startTime_ = head_.StartTime();
}

void ALNDFile::SeekBegin() {
  SeekTo(0);
  calibration_ = startCalibration_;
}

void ALNDFile::SeekFirst() {
  SeekTo(head_.FirstRecordOffset());
  calibration_ = startCalibration_;
}

int ALNDFile::BodySize(std::uint32_t type) {
  switch (type) {
    case 0:
    case 2: return 32;
    case 4:
    case 5: return 36;
    default: return 16;
  }
}

bool ALNDFile::ReadNext() {
  // The record is read whole into a scratch area first: a record cut short by the end of the
  // file leaves the current record as it was and updates no calibration.
  std::uint8_t record[RecordHeadSize + MaxBodySize] = {};
  if (ReadBytes(record, RecordHeadSize) != RecordHeadSize) return false;
  const std::uint32_t type = GetU32(record);
  const auto bodySize = static_cast<std::size_t>(BodySize(type));
  if (ReadBytes(record + RecordHeadSize, bodySize) != bodySize) return false;
  type_ = type;
  seconds_ = GetU32(record + 4);
  microseconds_ = GetU32(record + 8);
  std::memcpy(body_.data(), record + RecordHeadSize, body_.size());
  if (type_ == recSystem) ApplySystemMessage();
  return true;
}

void ALNDFile::ApplySystemMessage() {
  if (GetU32(body_.data() + SysSubtype) != sysChannelSetup) return;
  // A channel beyond the table is ignored by the table itself.
  const int channel = body_[SetupChannel];
  const std::uint16_t value = GetU16(body_.data() + SetupValue);
  const std::uint8_t gainCode = body_[SetupGainCode];
  calibration_.ApplyChannelSetup(channel, value, gainCode);
  ALNCalibration::Shared().ApplyChannelSetup(channel, value, gainCode);
}

double ALNDFile::GetTime() {
  // The difference is taken modulo 2^32 and read as signed, so a record a little before the
  // start time is a little negative rather than 136 years late.
  const auto elapsed = static_cast<std::int32_t>(seconds_ - startTime_);
  return static_cast<double>(elapsed) + microseconds_ * 1e-6;
}

double ALNDFile::AmplitudeDb() const {
  return calibration_.AmplitudeDb(ChannelIndex(), GetU16(body_.data() + HitAmplitude));
}

std::uint8_t ALNDFile::Amplitude8() const { return static_cast<std::uint8_t>(TruncateInto(AmplitudeDb(), 0xFF)); }

std::uint16_t ALNDFile::Amplitude16() const { return static_cast<std::uint16_t>(TruncateInto(AmplitudeDb(), 0xFFFF)); }

double ALNDFile::GetValue(int code) {
  switch (code) {
    case pcTime: return GetTime();
    case pcChannel: return ChannelIndex() + 1;
    case pcRise: return GetU32(body_.data() + HitRise);
    case pcCounts: return GetU32(body_.data() + HitCounts);
    case pcEnergy: return GetU32(body_.data() + HitEnergy);
    case pcDuration: return GetU32(body_.data() + HitDuration);
    case pcAmplitude: return Amplitude16();
    default: return 0.0;
  }
}

void ALNDFile::GetRec(ZTShortHit& rec) {
  switch (type_) {
    case recHit:
    case recLongHit:
      rec.Kind = rkHit;
      rec.ClearState();
      rec.Time = ATestTime::FromSeconds(GetTime());
      rec.Channel = static_cast<std::uint8_t>(ChannelIndex() + 1);
      rec.Amplitude = Amplitude8();
      rec.Rise = static_cast<std::uint16_t>(GetU32(body_.data() + HitRise));
      rec.Counts = static_cast<std::uint16_t>(GetU32(body_.data() + HitCounts));
      rec.Energy = static_cast<std::uint16_t>(GetU32(body_.data() + HitEnergy));
      rec.Duration = GetU32(body_.data() + HitDuration);
      break;
    case recParametric: rec.Kind = rkTimeDriven; break;
    default: rec.Kind = rkOther; break;
  }
}

int ALNDFile::CountRecs() { return CountByReading(false); }

int ALNDFile::CountHits() { return CountByReading(true); }

}  // namespace ae
