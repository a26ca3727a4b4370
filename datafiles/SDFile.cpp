#include "datafiles/SDFile.h"

#include <sys/types.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <iomanip>
#include <ostream>

#include "datafiles/ByteOrder.h"
#include "datafiles/EDataFile.h"
#include "datafiles/Recognition.h"
#include "datafiles/StreamFormatGuard.h"

namespace ae {

namespace {

constexpr double HeaderTimeUnitSeconds = 0.016384;
constexpr int TicksPerHeaderTimeUnit = 65536;  // 16.384 ms of 0.25 us ticks

const char* YesNo(bool yes) { return yes ? "Yes" : "No"; }

}  // namespace

SDFile::SDFile(std::FILE* stream) : AWDiskFile(stream) {
  // A file shorter than the header leaves the rest of the image zero; it fails the
  // recognition test anyway, but must not leave stale bytes behind.
  SeekTo(0);
  ReadBytes(header_.data(), header_.size());
}

SDFile::SDFile(SDFile& source, std::FILE* destination) : AWDiskFile(destination) {
  if (source.HasHeader()) header_ = source.header_;
  // Records follow the space of the header, which Finish fills in.
  if (fseeko(Stream, HeaderSize, SEEK_SET) != 0) throw EDataFile(MsgWriteError);
}

std::uint32_t SDFile::HeaderTimeUnits(const ATestTime& time) {
  // Exactly truncate(seconds x 1000 / 16.384): one unit is 65536 ticks, so integer division
  // gives the value without the rounding of a floating computation at whole units.
  return static_cast<std::uint32_t>(time.Ticks() / TicksPerHeaderTimeUnit);
}

void SDFile::Finish() {
  const auto kept = static_cast<std::uint32_t>(std::max(RecsKept, 0));
  PutU32(header_.data() + hdrTotalRecords, kept);
  PutU32(header_.data() + hdrFirstHitTime, HeaderTimeUnits(FirstTime));
  PutU32(header_.data() + hdrFirstHitNumber, 1);
  PutU32(header_.data() + hdrLastHitTime, HeaderTimeUnits(RefTime));
  PutU32(header_.data() + hdrLastHitNumber, kept);

  const std::int64_t end = Tell();
  if (fseeko(Stream, 0, SEEK_SET) != 0) throw EDataFile(MsgWriteError);
  WriteBytes(header_.data(), header_.size());
  // Back to the end, so that the file stays consistent should anything follow.
  if (end >= 0 && fseeko(Stream, static_cast<off_t>(end), SEEK_SET) != 0) throw EDataFile(MsgWriteError);
}

std::uint16_t SDFile::RecordU16(int offset) const { return GetU16(record_.data() + offset); }
std::uint32_t SDFile::RecordU32(int offset) const { return GetU32(record_.data() + offset); }
std::uint32_t SDFile::HeaderU32(int offset) const { return GetU32(header_.data() + offset); }

bool SDFile::CodeHasTime(int code) {
  switch (code) {
    case codeHit:
    case codeTimeDriven:
    case codeDemand:
    case codeAlarm:
    case codeResume:
    case codeStop:
    case codePause: return true;
    default: return false;
  }
}

bool SDFile::CodeIsKnown(int code) { return code == codeEndOfData || code == codeComment || CodeHasTime(code); }

void SDFile::GetRec(ZTShortHit& rec) {
  switch (Code()) {
    case codeHit:
      rec.Kind = rkHit;
      rec.ClearState();
      rec.Channel = record_[recChannel];
      rec.Amplitude = record_[recAmplitude];
      rec.Rise = RecordU16(recRise);
      rec.Counts = RecordU16(recCounts);
      rec.Energy = RecordU16(recEnergy);
      rec.Duration = RecordU32(recDuration);
      rec.Parametric = static_cast<float>(ParametricVolts(RecordU16(recParametric)));
      break;
    case codeTimeDriven:
    case codeDemand:
      rec.Kind = rkTimeDriven;
      rec.Parametric = static_cast<float>(ParametricVolts(RecordU16(recParametric)));
      break;
    case codeComment: rec.Kind = rkComment; break;
    case codeResume: rec.Kind = rkResume; break;
    case codeStop: rec.Kind = rkStop; break;
    case codePause: rec.Kind = rkPause; break;
    default: rec.Kind = rkOther; break;
  }
  if (HasTime()) rec.Time = CurrentTestTime();
}

double SDFile::GetValue(int code) {
  switch (code) {
    case pcTime: return static_cast<double>(CurrentTestTime().Seconds());
    case pcChannel: return record_[recChannel];
    case pcSeq: return RecordU32(recSeq);
    case pcRise: return RecordU16(recRise);
    case pcCntPk: return RecordU16(recCntPk);
    case pcCounts: return RecordU16(recCounts);
    case pcEnergy: return RecordU16(recEnergy);
    case pcDuration: return RecordU32(recDuration);
    case pcAmplitude: return record_[recAmplitude];
    case pcRMS: return record_[recRMS];
    case pcThreshold: return record_[recThreshold];
    case pcPar1: return ParametricVolts(RecordU16(recParametric));
    case pcDP: return record_[recDP];
    case pcGain: return record_[recGain];
    default: return 0.0;
  }
}

void SDFile::SeekRec(int recNo) {
  // A negative number positions before the first record rather than inside the header.
  SeekTo(HeaderSize + static_cast<std::int64_t>(RecordSize) * std::max(recNo, 0));
}

void SDFile::SkipRec() { fseeko(Stream, RecordSize, SEEK_CUR); }

bool SDFile::ReadNext() {
  // A short read keeps the previous record: a partial record is never decoded.
  std::array<std::uint8_t, RecordSize> next;
  if (ReadBytes(next.data(), next.size()) != next.size()) return false;
  record_ = next;
  return true;
}

bool SDFile::ReadNextNonHit() {
  while (ReadNext())
    if (Code() != codeHit) return true;
  return false;
}

bool SDFile::ReadPrev() {
  const std::int64_t pos = Tell();
  if (pos <= HeaderSize + 2 * RecordSize) return false;
  // From the record boundary: after a short read at the end the position lies inside a
  // record, and going back from there would read across two records.
  const std::int64_t boundary = HeaderSize + (pos - HeaderSize) / RecordSize * RecordSize;
  if (fseeko(Stream, static_cast<off_t>(boundary - 2 * RecordSize), SEEK_SET) != 0) return false;
  return ReadNext();
}

void SDFile::WriteCurrent(std::FILE* stream) {
  if (stream == nullptr || fwrite_unlocked(record_.data(), 1, record_.size(), stream) != record_.size())
    throw EDataFile(MsgWriteError);
}

void SDFile::Append(AWDiskFile& source) {
  auto* from = dynamic_cast<SDFile*>(&source);
  if (from == nullptr) throw EDataFile("A Spartan 3000 file can only copy records of a Spartan 3000 file");
  AppendBookkeeping(source);
  WriteBytes(from->record_.data(), from->record_.size());
  // The header's total leaves out the end-of-data record.
  if (from->Code() != codeEndOfData) CountOne(RecsKept);
  CountOne(RecsAppended);
}

std::string SDFile::HeaderText(int offset, int length) const {
  // Copied up to the first zero byte, as a zero-terminated copy would read.
  const auto* first = reinterpret_cast<const char*>(header_.data() + offset);
  const auto* end = std::find(first, first + length, '\0');
  return std::string(first, end);
}

std::string SDFile::GetLabel() {
  // The length byte is not trusted beyond the 40 bytes the label field has.
  const int n = std::min<int>(header_[hdrLabelLength], MaxLabelLength);
  return HeaderText(hdrLabel, n);
}

std::string SDFile::GetVersion() { return HeaderText(hdrVersion, VersionLength); }

std::string SDFile::GetDate() { return HeaderText(DateTextOffset, DateTextLength); }

bool SDFile::HasHeader() {
  std::array<std::uint8_t, HeaderSize> head{};
  const std::int64_t saved = Tell();
  const bool hadError = std::ferror(Stream) != 0;
  bool complete = false;
  if (fseeko(Stream, 0, SEEK_SET) == 0) complete = ReadBytes(head.data(), head.size()) == head.size();
  // A failed read (a stream open for writing only) must not leave an error that would later
  // pass for a write error.
  if (!hadError) std::clearerr(Stream);
  fseeko(Stream, static_cast<off_t>(saved < 0 ? 0 : saved), SEEK_SET);
  if (!complete) return false;
  const int n = static_cast<std::int8_t>(head[hdrLabelLength]);
  const bool valid = IsText(head.data() + hdrDate, 18) && IsText(head.data() + hdrVersion, VersionLength) &&
                     n <= MaxLabelLength && IsText(head.data() + hdrLabel, n);
  // A header that made the file a Spartan 3000 file is copied as well, however its date or
  // label end, or a saved file would open as "Unknown data type..". Its copy is recognised
  // again: Finish changes only bytes 0 to 19, and the first hit number 1 it stores keeps the
  // header from being text as a whole.
  return valid || IsSpartan3000Header(head.data());
}

int SDFile::RecNo() {
  const std::int64_t n = (Tell() - HeaderSize) / RecordSize;
  return static_cast<int>(std::clamp<std::int64_t>(n, INT_MIN, INT_MAX));
}

int SDFile::CountWalk(bool hitsOnly) {
  SeekFirst();
  int n = 0;
  while (ReadNext()) {
    const int code = Code();
    const bool counted = hitsOnly ? code == codeHit : CodeIsKnown(code);
    if (counted && n < INT_MAX) ++n;
    if (code == codeEndOfData) break;
  }
  return n;
}

int SDFile::CountRecs() { return CountWalk(false); }

int SDFile::CountHits() { return CountWalk(true); }

void SDFile::DumpParametric(std::ostream& os, std::uint16_t raw, int width) {
  StreamFormatGuard guard(os);
  os << std::fixed << std::setprecision(2) << std::setw(width) << ParametricVolts(raw);
}

void SDFile::DumpColumns(std::ostream& os, int mask) {
  if (mask & pcTime) os << "   Time (sec.)";
  if (mask & pcChannel) os << " Ch";
  if (mask & pcRise) os << "  Rise";
  if (mask & pcCntPk) os << " CntPk";
  if (mask & pcCounts) os << "  Cnts";
  if (mask & pcDuration) os << "  Durat";
  if (mask & pcEnergy) os << "  Ener";
  if (mask & pcAmplitude) os << " Amp";
  if (mask & pcRMS) os << " RMS";
  if (mask & pcDP) os << " DP";
  if (mask & pcPar1) os << " Par1";
  if (mask & pcSeq) os << "   Seq";
}

void SDFile::DumpRec(std::ostream& os, int mask) {
  const int code = Code();
  switch (code) {
    case codeEndOfData: os << " End of Data File"; break;
    case codeHit:
      if (mask & pcTime) os << CurrentTestTime();
      if (mask & pcChannel) os << std::setw(3) << static_cast<unsigned>(record_[recChannel]);
      if (mask & pcRise) os << std::setw(6) << RecordU16(recRise);
      if (mask & pcCntPk) os << std::setw(6) << RecordU16(recCntPk);
      if (mask & pcCounts) os << std::setw(6) << RecordU16(recCounts);
      if (mask & pcDuration) os << std::setw(7) << RecordU32(recDuration);
      if (mask & pcEnergy) os << std::setw(6) << RecordU16(recEnergy);
      if (mask & pcAmplitude) os << std::setw(4) << static_cast<unsigned>(record_[recAmplitude]);
      if (mask & pcRMS) os << std::setw(4) << static_cast<unsigned>(record_[recRMS]);
      if (mask & pcDP) os << std::setw(3) << static_cast<unsigned>(record_[recDP]);
      if (mask & pcPar1) DumpParametric(os, RecordU16(recParametric), 5);
      if (mask & pcSeq) os << std::setw(6) << RecordU32(recSeq);
      break;
    case codeComment: {
      // The text ends at its zero byte, or at the end of the record when it has none.
      const auto* first = reinterpret_cast<const char*>(record_.data() + 1);
      const auto* last = reinterpret_cast<const char*>(record_.data() + record_.size());
      os.write(first, std::find(first, last, '\0') - first);
      break;
    }
    case codeAlarm: os << CurrentTestTime() << " Alarm Message"; break;
    case codeResume: os << CurrentTestTime() << " Test Resume"; break;
    case codeStop: os << CurrentTestTime() << " Test Stop"; break;
    case codePause: os << CurrentTestTime() << " Test Pause"; break;
    case codeTimeDriven:
    case codeDemand:
      os << CurrentTestTime() << " PAR 1 =";
      DumpParametric(os, RecordU16(DumpSampleParametric), 5);
      if (code == codeTimeDriven) os << " DP = " << std::setw(3) << static_cast<unsigned>(record_[recDP]);
      break;
    default: os << "Error! Record code = " << code; break;
  }
}

void SDFile::DumpHeader(std::ostream& os, int /*flag*/) {
  StreamFormatGuard guard(os);
  os << "Test Label\t\t: " << GetLabel() << '\n';
  os << "Test Time and Date\t: " << GetDate() << '\n';
  os << "Program Version\t\t: " << GetVersion() << '\n';
  os << "Total number of record\t: " << HeaderU32(hdrTotalRecords) << '\n';
  os << std::fixed << std::showpoint;
  os << "First hit number\t\t: " << HeaderU32(hdrFirstHitNumber) << '\n';
  os << "Last hit number\t\t: " << HeaderU32(hdrLastHitNumber) << '\n';
  os << std::setprecision(3);
  os << "First Hit Time\t\t: " << HeaderU32(hdrFirstHitTime) * HeaderTimeUnitSeconds << " sec" << '\n';
  os << "Last Hit Time\t\t: " << HeaderU32(hdrLastHitTime) * HeaderTimeUnitSeconds << " sec" << '\n';
  os << "TimeDrivenDataFlag\t: " << YesNo(header_[hdrTimeDriven] != 0) << '\n';
  os << "ContiniousFlag\t\t: " << YesNo(header_[hdrContinuous] != 0) << '\n';
  os << "AutoDumpFlag\t\t: " << YesNo(header_[hdrAutoDump] != 0) << '\n';
}

void SDFile::DumpAll(std::ostream& os, int mask) {
  SeekBegin();
  DumpHeader(os, 0);
  os << '\n';
  SeekFirst();
  DumpColumns(os, mask);
  // One record more than the total, so that the end-of-data record is included. The total
  // comes from the file: the walk also ends where the records do.
  const std::uint64_t total = HeaderU32(hdrTotalRecords);
  for (std::uint64_t i = 0; i <= total; ++i) {
    if (!ReadNext()) break;
    os << '\n';
    DumpRec(os, mask);
  }
}

}  // namespace ae
