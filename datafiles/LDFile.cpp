#include "datafiles/LDFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/ADataFileSummary.h"
#include "datafiles/ByteOrder.h"
#include "datafiles/EDataFile.h"
#include "datafiles/StreamFormatGuard.h"
#include "datafiles/StreamSize.h"
#include "datafiles/ZTWaveform.h"

namespace ae {

namespace {

constexpr int HitChannelByte = 7;
constexpr int HitFirstValueByte = 8;
constexpr int HardwareSetupFirstSub = 4;
constexpr int ChidSignalStrength = 20;
constexpr int ChidAbsoluteEnergy = 21;

// Raw parametric counts into volts, as the instrument's 0..4000 range maps onto +-10 V.
double ParametricVolts(unsigned raw) { return raw * 0.005 - 10.0; }

// Calls visit(bytes from the identifier on, LEN) for every message framed inside msg from byte
// `from` up to `length`. A message running past the end of its container is not used, nor is
// anything after it, as at the top level of a file.
template <class Visit>
void ForEachInner(const std::uint8_t* msg, int from, int length, Visit visit) {
  int pos = from;
  while (pos + 2 <= length) {
    const int innerLength = GetU16(msg + pos);
    pos += 2;
    if (pos + innerLength > length) break;
    visit(msg + pos, innerLength);
    pos += innerLength;
  }
}

// Calls visit(bytes from the sub-identifier on, the bytes of them inside the message) for every
// sub-message of a hardware setup. A sub-message takes SUBLEN bytes; those beyond the end of the
// message read as zero, so the visitor reads nothing past the count it is given.
template <class Visit>
void ForEachSubMessage(const std::uint8_t* msg, int length, Visit visit) {
  int pos = HardwareSetupFirstSub;
  while (pos + 2 <= length) {
    const int subLength = GetU16(msg + pos);
    pos += 2;
    const int present = std::min(subLength, length - pos);
    if (present >= 1) visit(msg + pos, present);
    pos += subLength;
  }
}

// The continuation time as the instrument's DOS clock gave it: minute, hour, hundredths,
// second, then the year (16 bits), day and month. Bytes that are no such time are shown as
// they are.
std::string DosTimeText(const std::uint8_t* b) {
  const unsigned minute = b[0], hour = b[1], hundredths = b[2], second = b[3];
  const unsigned year = GetU16(b + 4), day = b[6], month = b[7];
  const bool valid = minute < 60 && hour < 24 && hundredths < 100 && second < 60 && year >= 1980 && year <= 2107 &&
                     day >= 1 && day <= 31 && month >= 1 && month <= 12;
  char text[64];
  if (valid) {
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%02u", year, month, day, hour, minute, second,
                  hundredths);
  } else {
    std::snprintf(text, sizeof text, "(time bytes %02X %02X %02X %02X %02X %02X %02X %02X)", b[0], b[1], b[2], b[3],
                  b[4], b[5], b[6], b[7]);
  }
  return text;
}

// Every line of a text indented, ending with an end of line.
void WriteIndented(std::ostream& os, const std::string& text, const char* indent) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) os << indent;  // an empty line stays empty
    os.write(text.data() + start, static_cast<std::streamsize>(end - start));
    os << '\n';
    start = end + 1;
  }
}

// The text of a message from byte `from` to its first zero byte or its end.
std::string_view MessageText(const std::uint8_t* msg, int from, int length) {
  if (from >= length) return {};
  const auto* text = reinterpret_cast<const char*>(msg + from);
  const auto size = static_cast<std::size_t>(length - from);
  const void* zero = std::memchr(text, 0, size);
  return std::string_view(text,
                          zero == nullptr ? size : static_cast<std::size_t>(static_cast<const char*>(zero) - text));
}

// A channel setting of message 22 to 26 (or such a sub-message of a hardware setup): the
// channel in byte 1, gain and threshold in byte 2, the times in bytes 2-3. A message too short
// for its value sets nothing.
void NoteChannelSetting(const std::uint8_t* msg, int length, ADataFileSummary& summary) {
  using Setting = ADataFileSummary::Setting;
  const int id = msg[0];
  const bool oneByte = id == LDFile::msgGain || id == LDFile::msgThreshold;
  if (length < (oneByte ? 3 : 4)) return;
  const unsigned value = oneByte ? msg[2] : GetU16(msg + 2);
  Setting setting = Setting::Gain;
  switch (id) {
    case LDFile::msgGain: setting = Setting::Gain; break;
    case LDFile::msgThreshold: setting = Setting::Threshold; break;
    case LDFile::msgHitDefinitionTime: setting = Setting::Hdt; break;
    case LDFile::msgHitLockoutTime: setting = Setting::Hlt; break;
    case LDFile::msgPeakDefinitionTime: setting = Setting::Pdt; break;
    default: return;
  }
  summary.NoteSetting(msg[1], setting, value);
}

// What one message (from its identifier on, LEN bytes) adds to a summary. The messages inside
// a continued-file message are the test's setup as its first file has them at the top level.
void SummariseMessage(const std::uint8_t* msg, int length, ADataFileSummary& summary, bool topLevel) {
  if (length < 1) return;
  switch (msg[0]) {
    case LDFile::msgProductDefinition: summary.NoteProduct(MessageText(msg, 4, length)); break;
    case LDFile::msgText: summary.NoteDate(MessageText(msg, 1, length)); break;
    case LDFile::msgGain:
    case LDFile::msgThreshold:
    case LDFile::msgHitDefinitionTime:
    case LDFile::msgHitLockoutTime:
    case LDFile::msgPeakDefinitionTime: NoteChannelSetting(msg, length, summary); break;
    case LDFile::msgHardwareSetup:
      ForEachSubMessage(msg, length, [&](const std::uint8_t* sub, int subLength) {
        if (sub[0] >= LDFile::msgGain && sub[0] <= LDFile::msgPeakDefinitionTime)
          NoteChannelSetting(sub, subLength, summary);
      });
      break;
    case LDFile::msgContinuedFile:
      if (topLevel)
        ForEachInner(msg, LDFile::ContinuedFirstEmbedded, length, [&](const std::uint8_t* inner, int innerLength) {
          SummariseMessage(inner, innerLength, summary, false);
        });
      break;
    default: break;
  }
}

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

bool LDFile::ReadMessage(bool clearFirst, bool decode) {
  if (valuesInMessage_) {
    // The last hit is about to be overwritten: keep its values unless another hit is decoded
    // in its place for certain.
    if (!decode || !NextIsCompleteHit()) KeepHitValues();
    valuesInMessage_ = false;
  }
  int length = 0;
  int got = 0;
  const std::uint8_t* ahead = nullptr;
  const std::size_t available = BufferedInput(ahead);
  samplesSkipped_ = false;
  int stored = 0;  // bytes of the message put into the area
  if (available >= LengthBytes && (length = GetU16(ahead)) <= MaxMessageLength &&
      available >= static_cast<std::size_t>(LengthBytes + length)) {
    // The whole message is in the stream's buffer already (nearly always): one copy. A reader
    // that only notes where waveforms lie takes their header alone.
    stored = length;
    if (skipSamples_ && ZTWaveform::IsWaveformMessage(ahead + LengthBytes, length)) {
      stored = ZTWaveform::FirstSampleByte;
      samplesSkipped_ = true;
    }
    std::memcpy(area_.get(), ahead, static_cast<std::size_t>(LengthBytes + stored));
    SkipBytes(static_cast<std::size_t>(LengthBytes + length));
    got = length;
  } else {
    std::uint8_t lengthBytes[LengthBytes];
    if (ReadBytes(lengthBytes, LengthBytes) != LengthBytes) {
      if (clearFirst) ClearArea();
      return false;
    }
    length = GetU16(lengthBytes);
    if (length > MaxMessageLength) {
      if (clearFirst) ClearArea();
      return false;
    }
    std::memcpy(area_.get(), lengthBytes, LengthBytes);
    got = static_cast<int>(ReadBytes(area_.get() + LengthBytes, static_cast<std::size_t>(length)));
    stored = got;
  }
  length_ = length;
  if (clearFirst) {
    // Bytes beyond what this message wrote must read as zero; only those an earlier message
    // left there need clearing, which for a run of equal messages is none.
    if (dirty_ > stored) std::memset(area_.get() + LengthBytes + stored, 0, static_cast<std::size_t>(dirty_ - stored));
    dirty_ = stored;
  } else {
    dirty_ = std::max(dirty_, stored);
  }
  return got == length;
}

bool LDFile::ReadNext() {
  if (!ReadMessage(true, true)) return false;
  ApplySetup();
  valuesInMessage_ = Id() == msgHit;
  return true;
}

bool LDFile::ReadNextRaw() {
  const std::int64_t start = Tell();
  if (!ReadMessage(false, true)) return false;
  if (Id() == msgHardwareSetup) {
    ApplyHardwareSetup(Message(), length_);
    // Read the sub-messages next, as messages of their own.
    if (length_ >= HardwareSetupFirstSub) SeekTo(start + LengthBytes + HardwareSetupFirstSub);
  } else if (Id() == msgContinuedFile && length_ >= ContinuedFirstEmbedded) {
    // The embedded setup messages come next and take effect as they are read.
    SeekTo(start + LengthBytes + ContinuedFirstEmbedded);
  }
  valuesInMessage_ = Id() == msgHit;
  return true;
}

// Not decoded: the values of the last decoded hit stay what the queries answer.
bool LDFile::SkipNext() { return ReadMessage(false, false); }

std::uint16_t LDFile::MessageU16(int offset) const { return GetU16(Message() + offset); }

void LDFile::ApplySetup() {
  const int id = Id();
  if (id == msgHardwareSetup) {
    ApplyHardwareSetup(Message(), length_);
  } else if (id == msgContinuedFile) {
    // The test's setup as the first file of the test has it at its top level.
    ForEachInner(Message(), ContinuedFirstEmbedded, length_, [this](const std::uint8_t* inner, int innerLength) {
      if (innerLength >= 1 && inner[0] == msgHardwareSetup) ApplyHardwareSetup(inner, innerLength);
    });
  }
}

void LDFile::ApplyHardwareSetup(const std::uint8_t* msg, int length) {
  ForEachSubMessage(msg, length, [this](const std::uint8_t* sub, int subLength) {
    if (sub[0] == msgDataSetDefinition) SetDefinition(sub, subLength, false);
    else recorder_.Note(sub, subLength);
  });
}

bool LDFile::IsSampledWaveform() { return ZTWaveform::IsWaveformMessage(Message(), length_); }

bool LDFile::GetWaveformPlace(AWaveformPlace& place) {
  if (!IsSampledWaveform()) return false;
  const std::uint8_t* msg = Message();
  place.Offset = Tell() - LengthBytes - length_;
  place.Ticks = ATestTime::TicksFromBytes(msg + ZTWaveform::TimeByte);
  place.Channel = msg[ZTWaveform::ChannelByte];
  place.Samples = ZTWaveform::SampleCount(length_);
  place.Scale = recorder_.ScaleOf(place.Channel);
  return true;
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
  // A message of LEN 0 has no identifier: the byte after its LEN belongs to the next message.
  return length >= 1 && ahead[LengthBytes] == msgHit && length <= MaxMessageLength && available >= LengthBytes + length;
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

void LDFile::AddToSummary(ADataFileSummary& summary) {
  // Hits are by far the most messages; they add nothing here.
  if (Id() != msgHit) SummariseMessage(Message(), length_, summary, true);
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
  if (from->samplesSkipped_) throw EDataFile("A waveform read without its samples cannot be copied");
  AppendBookkeeping(source);
  CountOne(RecsAppended);
  WriteBytes(from->area_.get(), static_cast<std::size_t>(LengthBytes + from->length_));
}

int LDFile::CountRecs() {
  // Counting walks the LEN words only; a message is counted when all its bytes are in the file,
  // as a read would find it. The waveforms among them are counted too, from their first two
  // bytes, for a data set that keeps them apart.
  const std::int64_t size = StreamSize(Stream);
  SeekFirst();
  int n = 0;
  int waveforms = 0;
  if (size < 0) {
    while (n < CountCap && SkipNext()) {
      ++n;
      if (IsSampledWaveform()) ++waveforms;
    }
    countedWaveforms_ = waveforms;
    return n;
  }
  std::int64_t position = 0;
  std::uint8_t lengthBytes[LengthBytes];
  while (n < CountCap) {
    // The messages wholly in the stream's buffer are counted there, without a copy each.
    const std::uint8_t* ahead = nullptr;
    const std::size_t available = BufferedInput(ahead);
    std::size_t walked = 0;
    while (n < CountCap && walked + LengthBytes <= available) {
      const int length = GetU16(ahead + walked);
      const std::size_t next = walked + LengthBytes + static_cast<std::size_t>(length);
      if (length > MaxMessageLength || next > available) break;
      if (ZTWaveform::IsWaveformMessage(ahead + walked + LengthBytes, length)) ++waveforms;
      walked = next;
      ++n;
    }
    SkipBytes(walked);
    position += static_cast<std::int64_t>(walked);
    if (n >= CountCap || position + LengthBytes > size || ReadBytes(lengthBytes, LengthBytes) != LengthBytes) break;
    const int length = GetU16(lengthBytes);
    if (length > MaxMessageLength || position + LengthBytes + length > size) break;
    if (length >= ZTWaveform::MinLength) {
      std::uint8_t head[2];
      if (ReadBytes(head, sizeof head) != sizeof head) break;
      if (ZTWaveform::IsWaveformMessage(head, length)) ++waveforms;
      SkipBytes(static_cast<std::size_t>(length) - sizeof head);
    } else {
      SkipBytes(static_cast<std::size_t>(length));
    }
    position += LengthBytes + length;
    ++n;
  }
  countedWaveforms_ = waveforms;
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

void LDFile::DumpRec(std::ostream& os, int mask) {
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
    case msgContinuedFile:
      DumpContinuedFile(os, mask);
      lineEnded = true;
      break;
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

void LDFile::DumpContinuedFile(std::ostream& os, int mask) {
  os << "Continued file";
  if (length_ >= ContinuedFirstEmbedded) os << ' ' << DosTimeText(Message() + 1);
  os << '\n';
  if (dumpingEmbedded_) return;

  // Each embedded message is put into the message area in turn and dumped as a message of its
  // own; the continued-file message is put back afterwards, as ReadNext left it.
  const std::vector<std::uint8_t> saved(area_.get(), area_.get() + LengthBytes + length_);
  const int savedLength = length_;
  dumpingEmbedded_ = true;
  ForEachInner(saved.data() + LengthBytes, ContinuedFirstEmbedded, savedLength,
               [&](const std::uint8_t* inner, int innerLength) {
                 ClearArea();
                 std::memcpy(area_.get(), inner - LengthBytes, static_cast<std::size_t>(LengthBytes + innerLength));
                 length_ = innerLength;
                 dirty_ = innerLength;
                 valuesInMessage_ = innerLength >= 1 && inner[0] == msgHit;
                 std::ostringstream text;
                 DumpRec(text, mask);
                 WriteIndented(os, text.str(), "    ");
               });
  dumpingEmbedded_ = false;
  ClearArea();
  std::memcpy(area_.get(), saved.data(), saved.size());
  length_ = savedLength;
  dirty_ = savedLength;
  valuesInMessage_ = false;
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
