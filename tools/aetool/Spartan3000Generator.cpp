// A Spartan 3000 file of the synthetic proof test: the 512-byte header, then one 32-byte
// record per event in time order, the stop, and the end-of-data record. The header is written
// last, with the totals and times a Spartan 3000 writer would store for the same records.
#include <sys/types.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>

#include "datafiles/ATestTime.h"
#include "datafiles/ByteOrder.h"
#include "datafiles/EDataFile.h"
#include "datafiles/SDFile.h"
#include "tools/aetool/Generators.h"
#include "tools/aetool/SyntheticTest.h"

namespace ae {

namespace {

using Record = std::array<std::uint8_t, SDFile::RecordSize>;

constexpr std::string_view DateText = "05/27/21 10:15:30";  // 17 characters
constexpr std::string_view VersionText = "V3.10a";          // 6 characters
constexpr std::string_view LabelText = "Synthetic proof test, vessel V-101";
constexpr int Gain = 40;
constexpr int Threshold = 45;
// Spartan 3000 files have no time mark record; the marks at the start and at the end of the
// full-pressure hold come out as the alarms an alarm on the pressure input would raise.
constexpr int FirstAlarmMark = 3;

static_assert(DateText.size() == SDFile::DateTextLength);
static_assert(VersionText.size() == SDFile::VersionLength);
static_assert(LabelText.size() <= SDFile::MaxLabelLength);

std::uint16_t Clamp16(std::uint32_t v) { return static_cast<std::uint16_t>(std::min<std::uint32_t>(v, 65535)); }

class Spartan3000Writer {
 public:
  explicit Spartan3000Writer(std::FILE* out) : out_(out) {}

  // Room for the header, which Finish writes once the totals are known.
  void Begin() {
    const std::array<std::uint8_t, SDFile::HeaderSize> blank{};
    Write(blank.data(), blank.size());
  }

  Record Timed(int code, double seconds) {
    Record r{};
    r[SDFile::recCode] = static_cast<std::uint8_t>(code);
    ATestTime::FromSeconds(seconds).ToBytes(r.data() + SDFile::recTime);
    return r;
  }

  void Put(const Record& r) {
    Write(r.data(), r.size());
    // The same bookkeeping as a Spartan 3000 writer's Append, so that a copy of the file comes
    // out with the same header.
    if (SDFile::CodeHasTime(r[SDFile::recCode])) {
      const ATestTime t = ATestTime::FromBytes(r.data() + SDFile::recTime);
      if (first_.IsZero()) first_ = t;
      if (t > greatest_) greatest_ = t;
    }
    if (r[SDFile::recCode] != SDFile::codeEndOfData) ++kept_;
  }

  void Finish() {
    std::array<std::uint8_t, SDFile::HeaderSize> h{};
    PutU32(h.data() + SDFile::hdrTotalRecords, kept_);
    PutU32(h.data() + SDFile::hdrFirstHitTime, SDFile::HeaderTimeUnits(first_));
    PutU32(h.data() + SDFile::hdrFirstHitNumber, 1);
    PutU32(h.data() + SDFile::hdrLastHitTime, SDFile::HeaderTimeUnits(greatest_));
    PutU32(h.data() + SDFile::hdrLastHitNumber, kept_);
    // The byte before the date text is a blank, so that the whole date field reads as text.
    h[SDFile::hdrDate] = ' ';
    std::memcpy(h.data() + SDFile::DateTextOffset, DateText.data(), DateText.size());
    h[SDFile::hdrAutoDump] = 1;
    h[SDFile::hdrContinuous] = 0;
    std::memcpy(h.data() + SDFile::hdrVersion, VersionText.data(), VersionText.size());
    h[SDFile::hdrLabelLength] = static_cast<std::uint8_t>(LabelText.size());
    std::memcpy(h.data() + SDFile::hdrLabel, LabelText.data(), LabelText.size());
    h[SDFile::hdrTimeDriven] = 1;

    if (fseeko(out_, 0, SEEK_SET) != 0) throw EDataFile(MsgWriteError);
    Write(h.data(), h.size());
    if (fseeko(out_, 0, SEEK_END) != 0) throw EDataFile(MsgWriteError);
  }

 private:
  void Write(const std::uint8_t* bytes, std::size_t size) {
    if (fwrite_unlocked(bytes, 1, size, out_) != size) throw EDataFile(MsgWriteError);
  }

  std::FILE* out_;
  std::uint32_t kept_ = 0;
  ATestTime first_;
  ATestTime greatest_;
};

Record HitRecord(Spartan3000Writer& w, const SyntheticEvent& e, std::uint32_t sequence) {
  const SyntheticHit& h = e.Hit;
  Record r = w.Timed(SDFile::codeHit, e.Time);
  r[SDFile::recChannel] = static_cast<std::uint8_t>(h.Channel);
  PutU32(r.data() + SDFile::recSeq, sequence);
  PutU16(r.data() + SDFile::recRise, Clamp16(h.RiseUs));
  // Counts up to the peak follow the share of the duration before it.
  const double toPeak = std::round(static_cast<double>(h.Counts) * h.RiseUs / std::max<std::uint32_t>(h.DurationUs, 1));
  PutU16(r.data() + SDFile::recCntPk,
         Clamp16(static_cast<std::uint32_t>(std::clamp(toPeak, 1.0, static_cast<double>(h.Counts)))));
  PutU16(r.data() + SDFile::recCounts, Clamp16(h.Counts));
  PutU16(r.data() + SDFile::recEnergy, Clamp16(h.Energy));
  PutU32(r.data() + SDFile::recDuration, h.DurationUs);
  r[SDFile::recAmplitude] = static_cast<std::uint8_t>(std::clamp(h.AmplitudeDb, 0.0, 255.0));
  // Background noise level rising with the load.
  r[SDFile::recRMS] = static_cast<std::uint8_t>(std::lround(4.0 + 12.0 * std::clamp(e.Pressure, 0.0, 1.0)));
  r[SDFile::recThreshold] = Threshold;
  PutU16(r.data() + SDFile::recParametric, SyntheticTest::PressureCounts(e.Pressure));
  r[SDFile::recGain] = Gain;
  return r;
}

Record SampleRecord(Spartan3000Writer& w, const SyntheticEvent& e) {
  Record r = w.Timed(SDFile::codeTimeDriven, e.Time);
  // Readers take a sample's value from the hit's parametric bytes and the text dump from the
  // bytes after the time; the sample carries it in both places.
  const std::uint16_t raw = SyntheticTest::PressureCounts(e.Pressure);
  PutU16(r.data() + SDFile::recParametric, raw);
  PutU16(r.data() + SDFile::DumpSampleParametric, raw);
  return r;
}

// A comment takes as many records as it needs: each holds up to 30 characters and its zero
// byte, broken at a blank where one is.
void PutComment(Spartan3000Writer& w, std::string_view text) {
  constexpr std::size_t room = SDFile::RecordSize - 2;
  while (!text.empty()) {
    std::size_t n = text.size();
    if (n > room) {
      const std::size_t blank = text.substr(0, room + 1).rfind(' ');
      n = blank == std::string_view::npos || blank == 0 ? room : blank;
    }
    Record r{};
    r[SDFile::recCode] = SDFile::codeComment;
    std::memcpy(r.data() + 1, text.data(), n);
    w.Put(r);
    text.remove_prefix(n);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  }
}

}  // namespace

void GenerateSpartan3000(const GenOptions& options, std::FILE* out) {
  Spartan3000Writer w(out);
  w.Begin();
  SyntheticTest test(options);
  SyntheticEvent e;
  std::uint32_t sequence = 0;
  while (test.Next(e)) {
    switch (e.Kind) {
      case SyntheticEventKind::Start: w.Put(w.Timed(SDFile::codeResume, e.Time)); break;
      case SyntheticEventKind::Hit: w.Put(HitRecord(w, e, ++sequence)); break;
      case SyntheticEventKind::Sample: w.Put(SampleRecord(w, e)); break;
      case SyntheticEventKind::Pause: w.Put(w.Timed(SDFile::codePause, e.Time)); break;
      case SyntheticEventKind::Resume: w.Put(w.Timed(SDFile::codeResume, e.Time)); break;
      case SyntheticEventKind::TimeMark:
        if (e.MarkNumber >= FirstAlarmMark) w.Put(w.Timed(SDFile::codeAlarm, e.Time));
        break;
      case SyntheticEventKind::Comment: PutComment(w, e.Text); break;
      case SyntheticEventKind::Stop:
        w.Put(w.Timed(SDFile::codeStop, e.Time));
        w.Put(Record{});  // end of data
        break;
    }
  }
  w.Finish();
}

}  // namespace ae
