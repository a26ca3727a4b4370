#include "datafiles/ALNPCIDFile.h"

#include <sys/types.h>

#include <cstring>
#include <iomanip>
#include <ostream>

#include "datafiles/ByteOrder.h"
#include "datafiles/EDataFile.h"
#include "datafiles/StreamFormatGuard.h"

namespace ae {

namespace {

constexpr std::uint8_t NoRecordType = 0xFF;  // type bytes 0xFFFF: no current record

bool IsHitOrNoise(int type) {
  return type == ALNPCIDFile::recOldHit || type == ALNPCIDFile::recOldNoise || type == ALNPCIDFile::recNoise ||
         type == ALNPCIDFile::recHit;
}

}  // namespace

ALNPCIDFile::ALNPCIDFile(std::FILE* stream) : AWDiskFile(stream) {
  ClearRecord();
  head_.Read(stream);
  calibration_ = ALNPCICalibration(head_.ChannelEntries());
  startTime_ = head_.TestParam().StartTime();
  // Left after the channel entries (after the configuration data when there are none).
  std::int64_t position = head_.FirstRecordOffset();
  if (const auto block = head_.ChannelBlock()) {
    const std::int64_t entries = block->Size / ALNPCIChannelEntry::Size;
    position = head_.ConfigOffset() + block->Offset + entries * static_cast<std::int64_t>(ALNPCIChannelEntry::Size);
  }
  SeekTo(position);
}

ALNPCIDFile::ALNPCIDFile(ALNPCIDFile& source, std::FILE* destination)
    : AWDiskFile(destination), head_(source.head_), calibration_(source.calibration_), startTime_(source.startTime_) {
  ClearRecord();
  // The source's header goes out at once; Finish rewrites it with the final number of events.
  const std::vector<std::uint8_t> image = head_.Image();
  SeekTo(0);
  WriteBytes(image.data(), image.size());
}

void ALNPCIDFile::ClearRecord() {
  record_.fill(0);
  record_[0] = record_[1] = NoRecordType;
  hitDecoded_ = false;
}

int ALNPCIDFile::Type() const { return GetU16(record_.data()); }

int ALNPCIDFile::Length() const { return GetU16(record_.data() + 2); }

const ALNPCIHit& ALNPCIDFile::Hit() {
  if (!hitDecoded_) {
    hit_ = ALNPCIHit::Decode(Data(), calibration_);
    hitDecoded_ = true;
  }
  return hit_;
}

void ALNPCIDFile::Finish() {
  head_.TestParam().SetNumberOfEvents(static_cast<std::uint32_t>(RecsAppended));
  const std::vector<std::uint8_t> image = head_.Image();
  const std::int64_t end = Tell();
  if (fseeko(Stream, 0, SEEK_SET) != 0) throw EDataFile(MsgWriteError);
  WriteBytes(image.data(), image.size());
  // Back to the end, so that the records are never overwritten by a later write.
  if (end > static_cast<std::int64_t>(image.size())) SeekTo(end);
  if (std::fflush(Stream) != 0) throw EDataFile(MsgWriteError);
}

double ALNPCIDFile::GetTime() {
  const std::uint32_t seconds = GetU32(Data() + ALNPCIHit::SecondsAt);
  const std::uint32_t microseconds = GetU32(Data() + ALNPCIHit::MicrosecondsAt);
  // A signed difference: records stamped before the start time get negative times.
  const auto sinceStart = static_cast<std::int32_t>(seconds - startTime_);
  return static_cast<double>(sinceStart + microseconds * 1e-6L);
}

bool ALNPCIDFile::ReadNext() {
  std::uint8_t prefix[PrefixSize];
  if (ReadBytes(prefix, PrefixSize) != PrefixSize) {
    ClearRecord();
    return false;
  }
  const int length = GetU16(prefix + 2);
  // A record of length 0 carries nothing to read; one longer than the data area cannot be held.
  if (length == 0 || length > MaxDataLength) {
    ClearRecord();
    return false;
  }
  std::memcpy(record_.data(), prefix, PrefixSize);
  hitDecoded_ = false;
  if (ReadBytes(record_.data() + PrefixSize, static_cast<std::size_t>(length)) != static_cast<std::size_t>(length)) {
    ClearRecord();
    return false;
  }
  // A short hit decodes zeros for the fields it lacks, never the previous record's bytes.
  std::memset(record_.data() + PrefixSize + length, 0, static_cast<std::size_t>(MaxDataLength - length));
  return true;
}

void ALNPCIDFile::Append(AWDiskFile& source) {
  auto* from = dynamic_cast<ALNPCIDFile*>(&source);
  if (from == nullptr) throw EDataFile("An A-Line PCI file can only copy records of an A-Line PCI file");
  if (from->Length() == 0) throw EDataFile("The A-Line PCI source has no current record to copy");
  AppendBookkeeping(source);
  CountOne(RecsAppended);
  WriteBytes(from->record_.data(), static_cast<std::size_t>(PrefixSize + from->Length()));
}

void ALNPCIDFile::GetRec(ZTShortHit& rec) {
  switch (Type()) {
    case recOldHit:
    case recHit: {
      const ALNPCIHit& h = Hit();
      rec.Kind = rkHit;
      rec.ClearState();
      rec.Time = CurrentTestTime();
      rec.Channel = static_cast<std::uint8_t>(h.ChannelIndex + 1);
      rec.Rise = static_cast<std::uint16_t>(h.Rise);
      rec.Counts = h.CountsLow;  // bit 16 of the counts does not fit the field
      rec.Duration = h.Duration;
      rec.Amplitude = h.AmplitudeField();
      rec.Energy = h.EnergyField();
      break;
    }
    case recParametric: rec.Kind = rkTimeDriven; break;
    case recTimeMark:
      rec.Kind = rkTimeMark;
      rec.Time = CurrentTestTime();
      break;
    default: rec.Kind = rkOther; break;
  }
}

double ALNPCIDFile::GetValue(int code) {
  switch (code) {
    case pcTime: return GetTime();
    case pcChannel: return GetU16(Data() + ALNPCIHit::ChannelAt) + 1.0;
    case pcRise: return Hit().Rise;
    case pcCounts: return Hit().Counts;
    case pcDuration: return Hit().Duration;
    case pcAmplitude: return Hit().AmplitudeValue();
    case pcEnergy: return Hit().EnergyValue();
    default: return 0.0;
  }
}

int ALNPCIDFile::CountRecs() { return CountByReading(false); }

int ALNPCIDFile::CountHits() { return CountByReading(true); }

void ALNPCIDFile::DumpHitTitles(std::ostream& os) {
  os << std::setw(6) << "" << std::setw(14) << "Time (sec.)" << std::setw(4) << "Ch" << std::setw(8) << "Rise"
     << std::setw(7) << "Cnts" << std::setw(8) << "Durat" << std::setw(16) << "En,ADC^2" << std::setw(16)
     << "En,uV^2*us" << std::setw(8) << "En,dB" << std::setw(8) << "Amp,ADC" << std::setw(8) << "Amp,dB" << '\n';
}

void ALNPCIDFile::DumpHit(std::ostream& os) {
  const ALNPCIHit& h = Hit();
  os << std::fixed << std::setprecision(7) << std::setw(14) << GetTime() << std::setw(4) << h.ChannelIndex + 1
     << std::setw(8) << h.Rise << std::setw(7) << h.Counts << std::setw(8) << h.Duration << std::setprecision(0)
     << std::setw(16) << h.EnergyAdc << std::setw(16) << h.EnergyUv << std::setprecision(1) << std::setw(8)
     << h.EnergyValue() << std::setw(8) << h.AmplitudeAdc << std::setw(8) << h.AmplitudeValue();
}

void ALNPCIDFile::DumpRec(std::ostream& os, int /*mask*/) {
  StreamFormatGuard guard(os);
  os << std::dec << std::right << std::setfill(' ');
  const int type = Type();
  if (!IsHitOrNoise(type)) {
    columnTitles_ = true;
  } else if (columnTitles_) {
    DumpHitTitles(os);
    columnTitles_ = false;
  }
  os << std::setw(3) << type << std::setw(3) << Length();
  switch (type) {
    case recOldHit:
    case recHit: DumpHit(os); break;
    case recSystem: os << " System message"; break;
    case recOldNoise: os << " Noise old message"; break;
    case recParametric: os << " Parametric message"; break;
    case recNoise: os << " Noise message"; break;
    case recTimeMark: os << ' ' << GetU32(Data() + 8); break;
    case recComment: break;
    default: os << " Unknown message " << type; break;
  }
  os << '\n';
}

void ALNPCIDFile::DumpColumns(std::ostream& os, int flag) {
  head_.TestParam().Dump(os, flag != 0);
  head_.HrdwDescr().Dump(os);
  calibration_.Dump(os);
}

}  // namespace ae
