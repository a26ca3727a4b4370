#include "datafiles/LDFile.h"

#include <algorithm>
#include <cstring>
#include <iomanip>
#include <ostream>
#include <string>

#include "datafiles/ByteOrder.h"
#include "datafiles/EDataFile.h"
#include "datafiles/StreamFormatGuard.h"
#include "datafiles/StreamSize.h"

namespace ae {

namespace {

constexpr int HitChannelByte = 7;
constexpr int HitFirstValueByte = 8;
constexpr int HardwareSetupFirstSub = 4;
constexpr int ChidSignalStrength = 20;
constexpr int ChidAbsoluteEnergy = 21;

// Raw parametric counts into volts, as the instrument's 0..4000 range maps onto +-10 V.
double ParametricVolts(unsigned raw) { return raw * 0.005 - 10.0; }

}  // namespace

LDFile::LDFile(std::FILE* stream)
    : AWDiskFile(stream), area_(new std::uint8_t[LengthBytes + MaxMessageLength + Slack]()) {
  PlanHitLayout();
}

int& LDFile::LastChannelWritten() {
  static int lastChannel = 0;
  return lastChannel;
}

void LDFile::ClearArea() {
  // Only the bytes a previous message wrote can be non-zero; clearing just those keeps the
  // per-message cost proportional to the message, not to the 50000-byte area.
  std::memset(area_.get(), 0, static_cast<std::size_t>(LengthBytes + dirty_));
  dirty_ = 0;
  length_ = 0;
}

bool LDFile::ReadMessage(bool clearFirst) {
  if (valuesInMessage_) {
    // The last hit is about to be overwritten: keep its values unless another hit takes its
    // place for certain.
    if (!NextIsCompleteHit()) KeepHitValues();
    valuesInMessage_ = false;
  }
  std::uint8_t lengthBytes[LengthBytes];
  if (ReadBytes(lengthBytes, LengthBytes) != LengthBytes) {
    if (clearFirst) ClearArea();
    return false;
  }
  const int length = GetU16(lengthBytes);
  if (length > MaxMessageLength) {
    if (clearFirst) ClearArea();
    return false;
  }
  std::memcpy(area_.get(), lengthBytes, LengthBytes);
  length_ = length;
  const int got = static_cast<int>(ReadBytes(area_.get() + LengthBytes, static_cast<std::size_t>(length)));
  if (clearFirst) {
    // Bytes beyond what this message wrote must read as zero; only those an earlier message
    // left there need clearing, which for a run of equal messages is none.
    if (dirty_ > got) std::memset(area_.get() + LengthBytes + got, 0, static_cast<std::size_t>(dirty_ - got));
    dirty_ = got;
  } else {
    dirty_ = std::max(dirty_, got);
  }
  return got == length;
}

bool LDFile::ReadNext() {
  if (!ReadMessage(true)) return false;
  if (Id() == msgHardwareSetup) ApplyHardwareSetup();
  valuesInMessage_ = Id() == msgHit;
  return true;
}

bool LDFile::ReadNextRaw() {
  const std::int64_t start = Tell();
  if (!ReadMessage(false)) return false;
  if (Id() == msgHardwareSetup) {
    ApplyHardwareSetup();
    // Read the sub-messages next, as messages of their own.
    if (length_ >= HardwareSetupFirstSub) SeekTo(start + LengthBytes + HardwareSetupFirstSub);
  }
  valuesInMessage_ = Id() == msgHit;
  return true;
}

bool LDFile::SkipNext() { return ReadMessage(false); }

std::uint16_t LDFile::MessageU16(int offset) const { return GetU16(Message() + offset); }

void LDFile::ApplyHardwareSetup() {
  const std::uint8_t* msg = Message();
  int pos = HardwareSetupFirstSub;
  while (pos < length_) {
    if (pos + 2 > length_) break;  // no room for a SUBLEN
    const int subLength = GetU16(msg + pos);
    pos += 2;
    if (pos + subLength > length_) break;  // a sub-message running past its message is not used
    if (subLength >= 1 && msg[pos] == msgDataSetDefinition) SetDefinition(msg + pos, subLength, false);
    pos += subLength;
  }
}

void LDFile::SetDefinition(const std::uint8_t* body, int bodyLength, bool keepParametricCount) {
  // Bytes the definition names beyond its own length read as zero.
  auto byteAt = [&](int k) -> int { return k < bodyLength ? body[k] : 0; };
  const int n = byteAt(1);
  chidCount_ = std::min(n, MaxDefinitionChids);  // a longer list keeps its first 21 CHIDs
  for (int i = 0; i < chidCount_; ++i) chids_[static_cast<unsigned>(i)] = static_cast<std::uint8_t>(byteAt(2 + i));
  if (!keepParametricCount) parametricCount_ = byteAt(n + 2);
  PlanHitLayout();
}

void LDFile::PlanHitLayout() {
  chidOffset_.fill(-1);
  chidSize_.fill(0);
  int p = HitFirstValueByte;
  for (int i = 0; i < chidCount_; ++i) {
    const int chid = chids_[static_cast<unsigned>(i)];
    const ChidEntry* entry = FindChid(chid);
    if (entry == nullptr) continue;                                           // unknown CHIDs take no bytes
    chidOffset_[static_cast<unsigned>(chid)] = static_cast<std::int16_t>(p);  // a repeated CHID: the last counts
    chidSize_[static_cast<unsigned>(chid)] = static_cast<std::uint8_t>(entry->Size);
    p += entry->Size;
  }
  parametricOffset_ = p;
}

bool LDFile::NextIsCompleteHit() const {
  const std::uint8_t* ahead = nullptr;
  const std::size_t available = BufferedInput(ahead);
  if (available < LengthBytes + 1) return false;
  const std::size_t length = GetU16(ahead);
  return ahead[LengthBytes] == msgHit && length <= MaxMessageLength && available >= LengthBytes + length;
}

void LDFile::KeepHitValues() {
  slots_.fill(0);
  for (int i = 0; i < chidCount_; ++i) {
    const int chid = chids_[static_cast<unsigned>(i)];
    if (chid <= ChidMax) slots_[static_cast<unsigned>(chid)] = ChidValue(chid);
  }
  if (parametricCount_ != 0) std::memcpy(parametric_.data(), Message() + parametricOffset_, parametric_.size());
}

std::uint32_t LDFile::ChidValue(int chid) const {
  if (chid < 0 || chid > ChidMax) return 0;
  if (!valuesInMessage_) return slots_[static_cast<unsigned>(chid)];
  const int offset = chidOffset_[static_cast<unsigned>(chid)];
  if (offset < 0) return 0;
  // Four bytes read and the value's own kept; the area's slack holds the bytes read beyond a
  // value at the end of a message, and bytes beyond LEN read as zero.
  static constexpr std::uint32_t SizeMasks[5] = {0, 0xFFu, 0xFFFFu, 0xFFFFFFu, 0xFFFFFFFFu};
  return GetU32(Message() + offset) & SizeMasks[chidSize_[static_cast<unsigned>(chid)]];
}

std::int16_t LDFile::Parametric1() const {
  if (valuesInMessage_ && parametricCount_ != 0)
    return static_cast<std::int16_t>(GetU16(Message() + parametricOffset_ + 1));
  return static_cast<std::int16_t>(GetU16(parametric_.data() + 1));
}

bool LDFile::HasTime() {
  const int id = Id();
  return id == msgHit || id == msgResume || id == msgStop || id == msgPause;
}

void LDFile::GetRec(ZTShortHit& rec) {
  const int id = Id();
  switch (id) {
    case msgHit:
      rec.Kind = rkHit;
      rec.ClearState();
      rec.Time = CurrentTestTime();
      rec.Channel = Message()[HitChannelByte];
      rec.Amplitude = static_cast<std::uint8_t>(ChidValue(6));
      rec.Rise = static_cast<std::uint16_t>(ChidValue(1));
      rec.Counts = static_cast<std::uint16_t>(ChidValue(3));
      rec.Energy = static_cast<std::uint16_t>(ChidValue(4));
      rec.Duration = ChidValue(5);
      rec.Parametric = Parametric1();
      break;
    case msgTimeDriven:
    case msgDemand:
      rec.Kind = rkTimeDriven;
      rec.Time = CurrentTestTime();
      rec.Parametric = MessageU16(8);
      break;
    case msgComment: rec.Kind = rkComment; break;
    case msgResume:
      rec.Kind = rkResume;
      rec.Time = CurrentTestTime();
      break;
    case msgStop:
      rec.Kind = rkStop;
      rec.Time = CurrentTestTime();
      break;
    case msgPause:
      rec.Kind = rkPause;
      rec.Time = CurrentTestTime();
      break;
    case msgTimeMark:
      rec.Kind = length_ <= 7 ? rkTimeMark : rkOther;
      rec.Time = CurrentTestTime();
      break;
    default: rec.Kind = rkOther; break;
  }
}

double LDFile::GetValue(int code) {
  switch (code) {
    case pcTime: return static_cast<double>(CurrentTestTime().Seconds());
    case pcChannel: return Message()[HitChannelByte];
    case pcRise: return ChidValue(1);
    case pcCntPk: return ChidValue(2);
    case pcCounts: return ChidValue(3);
    case pcEnergy: return ChidValue(4);
    case pcDuration: return ChidValue(5);
    case pcAmplitude: return ChidValue(6);
    case pcRMS: return ChidValue(7);
    case pcGain: return ChidValue(9);
    case pcThreshold: return ChidValue(10);
    case pcAverFreq: return ChidValue(13);
    case pcPar1: return Parametric1();
    default: return 0.0;
  }
}

void LDFile::Append(AWDiskFile& source) {
  auto* from = dynamic_cast<LDFile*>(&source);
  if (from == nullptr) throw EDataFile("A DTA file can only copy records of a DTA file");
  AppendBookkeeping(source);
  ++RecsAppended;
  WriteBytes(from->area_.get(), static_cast<std::size_t>(LengthBytes + from->length_));
}

int LDFile::CountRecs() {
  // Counting walks the LEN words only; a message is counted when all its bytes are in the file,
  // as a read would find it.
  const std::int64_t size = StreamSize(Stream);
  SeekFirst();
  int n = 0;
  if (size < 0) {
    while (SkipNext()) ++n;
    return n;
  }
  std::int64_t position = 0;
  std::uint8_t lengthBytes[LengthBytes];
  while (position + LengthBytes <= size && ReadBytes(lengthBytes, LengthBytes) == LengthBytes) {
    const int length = GetU16(lengthBytes);
    if (length > MaxMessageLength || position + LengthBytes + length > size) break;
    SkipBytes(static_cast<std::size_t>(length));
    position += LengthBytes + length;
    ++n;
  }
  return n;
}

int LDFile::CountHits() { return CountByReading(true); }

void LDFile::WritePrefix(std::ostream& os) {
  os << "ID = " << std::setw(3) << Id() << "  Length = " << std::setw(6) << length_ << ' ';
}

void LDFile::DumpText(std::ostream& os, int from) {
  const std::uint8_t* msg = Message();
  int end = from;
  while (end < length_ && msg[end] != 0) ++end;
  if (end > from) os.write(reinterpret_cast<const char*>(msg + from), end - from);
}

void LDFile::DumpHitTitles(std::ostream& os) {
  os << std::setw(14) << "Time (sec)" << std::setw(3) << "Cn";
  for (int i = 0; i < chidCount_; ++i) {
    const int chid = chids_[static_cast<unsigned>(i)];
    const ChidEntry* entry = FindChid(chid);
    if (entry == nullptr || chid == ChidSignalStrength || chid == ChidAbsoluteEnergy) continue;
    os << std::setw(entry->Width) << entry->ShortName;
  }
  for (int i = 1; i <= parametricCount_; ++i) os << std::setw(5) << ("Par" + std::to_string(i));
}

void LDFile::DumpHit(std::ostream& os) {
  os << CurrentTestTime() << std::setw(3) << static_cast<unsigned>(Message()[HitChannelByte]);
  for (int i = 0; i < chidCount_; ++i) {
    const int chid = chids_[static_cast<unsigned>(i)];
    const ChidEntry* entry = FindChid(chid);
    if (entry == nullptr || chid == ChidSignalStrength || chid == ChidAbsoluteEnergy) continue;
    os << std::setw(entry->Width) << ChidValue(chid);
  }
  StreamFormatGuard guard(os);
  const double volts = ParametricVolts(static_cast<std::uint16_t>(Parametric1()));
  for (int i = 1; i <= parametricCount_; ++i) os << std::fixed << std::setprecision(2) << std::setw(6) << volts;
}

void LDFile::DumpChannelSetup(std::ostream& os) {
  int& lastChannel = LastChannelWritten();
  if (lastChannel == 0)
    os << "Channels setup parameters :" << '\n' << "Chan# Gain(dB) TH(dB) HDT(us) HLT(us) PDT(us)" << '\n';
  const int channel = Message()[1];
  if (channel != lastChannel) {
    os << std::setw(5) << channel;
    lastChannel = channel;
  }
  switch (Id()) {
    case msgGain: os << std::setw(7) << static_cast<unsigned>(Message()[2]); break;
    case msgThreshold: os << std::setw(9) << static_cast<unsigned>(Message()[2]); break;
    case msgHitDefinitionTime:
    case msgHitLockoutTime: os << std::setw(8) << MessageU16(2); break;
    default: os << std::setw(8) << MessageU16(2) << '\n'; break;  // PDT ends the table row
  }
}

void LDFile::DumpRec(std::ostream& os, int /*mask*/) {
  WritePrefix(os);
  const int id = Id();
  bool lineEnded = false;
  switch (id) {
    case msgHit:
      if (columnTitles_) {
        os << '\n';
        DumpHitTitles(os);
        os << '\n';
        WritePrefix(os);
        columnTitles_ = false;
      }
      DumpHit(os);
      break;
    case msgTimeDriven:
    case msgDemand: {
      os << CurrentTestTime() << " Par1 =";
      StreamFormatGuard guard(os);
      os << std::fixed << std::setprecision(3) << std::setw(6) << ParametricVolts(MessageU16(8));
      break;
    }
    case msgDataSetDefinition:
      SetDefinition(Message(), length_, true);
      os << "Active AE Data Set Parameters :" << '\n' << '\t';
      for (int i = 0; i < chidCount_; ++i)
        if (const ChidEntry* entry = FindChid(chids_[static_cast<unsigned>(i)])) os << entry->LongName << ' ';
      break;
    case msgComment:
    case msgText: DumpText(os, 1); break;
    case msgResetClock: os << "Reset Clock"; break;
    case msgEndOfData:
      os << "Test Abort";
      columnTitles_ = true;  // the next hit repeats the column titles
      break;
    case msgGain:
    case msgThreshold:
    case msgHitDefinitionTime:
    case msgHitLockoutTime:
    case msgPeakDefinitionTime:
      DumpChannelSetup(os);
      lineEnded = id == msgPeakDefinitionTime;
      break;
    case msgProductDefinition: DumpText(os, 4); break;
    case msgHardwareSetup: os << MessageU16(2) << " Hardware Setup"; break;
    case msgBeginSetup: os << "Begin Setup"; break;
    case msgEndSetup: os << "End of Setup"; break;
    case msgResume: os << CurrentTestTime() << " Test Resume"; break;
    case msgStop: os << CurrentTestTime() << " Test Stop"; break;
    case msgPause: os << CurrentTestTime() << " Test Pause"; break;
    default: os << "Default DiSP record" << '\n' << "ID = " << id << " Length = " << length_; break;
  }
  if (!lineEnded) os << '\n';
}

void LDFile::DumpAll(std::ostream& os, int mask) {
  while (ReadNext()) DumpRec(os, mask);
}

void LDFile::DumpIds(std::ostream& os) {
  while (ReadNextRaw()) {
    WritePrefix(os);
    os << '\n';
  }
}

}  // namespace ae
