// An A-Line PCI file of the synthetic proof test, laid out as the instrument writes one: test
// parameters, hardware description with a general block and a channel characteristic block of
// the 8 channels, then hits, parametric samples, time marks, system messages and comments in
// time order. Raw values are chosen so that the reader's calibration gives back the synthetic
// amplitudes in dB.
#include <sys/types.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/ALNPCICalibration.h"
#include "datafiles/ALNPCIHead.h"
#include "datafiles/ALNPCIHrdwDescr.h"
#include "datafiles/ALNPCITestParam.h"
#include "datafiles/ByteOrder.h"
#include "datafiles/EDataFile.h"
#include "tools/aetool/Generators.h"
#include "tools/aetool/SyntheticTest.h"

namespace ae {

namespace {

constexpr std::uint32_t StartTime = 1622106000;  // Thu May 27 09:00:00 2021 UTC
constexpr std::uint32_t TestParamSignature = 0x1414CFCF;
constexpr std::uint32_t AlineFileType = 0xAA01;

// Every channel: a 16-bit ADC over +-10 V behind a 40 dB preamplifier, sampled at 1 MHz, so
// that one sample is one microsecond and durations need no scale code.
constexpr std::int32_t Gain = 40;
constexpr float DAdc = 305.17578125f;  // 20 V / 65536 in uV
constexpr std::uint32_t SamplingKHz = 1000;
constexpr std::uint32_t AdcBits = 16;

// Channels 1..4 report their energy in the counts-weighted form, 5..8 in the doubled form.
std::uint16_t DevTypeOf(int channelIndex) { return channelIndex < 4 ? 1 : 3; }

constexpr std::uint32_t GeneralBlockType = 2;
constexpr std::uint32_t GeneralBlockSize = 64;

constexpr int RecSystem = 1;
constexpr int RecParametric = 3;
constexpr int RecHit = 5;
constexpr int RecTimeMark = 6;
constexpr int RecComment = 7;

constexpr std::uint32_t MaxValue19 = (1u << 19) - 1;
constexpr std::uint32_t MaxValue17 = (1u << 17) - 1;
constexpr std::uint64_t MaxEnergy48 = (1ull << 48) - 1;
constexpr std::size_t MaxDataLength = 104;

// uV per ADC step at the sensor, as the reader's calibration table computes it.
const double K = static_cast<double>(DAdc) / std::pow(10.0, Gain * 0.05);

void PutText(std::uint8_t* p, std::string_view text, std::size_t width) {
  std::memcpy(p, text.data(), std::min(text.size(), width - 1));
}

std::vector<std::uint8_t> ChannelEntry(int index) {
  std::vector<std::uint8_t> e(ALNPCIChannelEntry::Size, 0);
  PutU32(e.data() + 0, static_cast<std::uint32_t>(index));
  PutU32(e.data() + 92, static_cast<std::uint32_t>(Gain));
  PutF32(e.data() + 96, DAdc);
  PutU32(e.data() + 348, AdcBits);
  PutU32(e.data() + 360, SamplingKHz);
  PutU16(e.data() + 1108, 1);  // GPre
  PutU16(e.data() + 1112, DevTypeOf(index));
  PutU16(e.data() + 1116, 2);  // ModVers
  return e;
}

std::vector<std::uint8_t> Header() {
  const std::uint32_t channelBlockSize = SyntheticTest::Channels * ALNPCIChannelEntry::Size;
  const std::uint32_t configSize = GeneralBlockSize + channelBlockSize;
  constexpr std::uint32_t blockCount = 2;
  std::vector<std::uint8_t> h(
      ALNPCITestParam::Size + ALNPCIHrdwDescr::FixedSize + blockCount * ALNPCIHrdwDescr::BlockEntrySize + configSize,
      0);
  std::uint8_t* p = h.data();
  using T = ALNPCITestParam;
  PutU32(p + T::fSignature, TestParamSignature);
  PutU32(p + T::fVersion1, 2);
  PutU32(p + T::fFileType, AlineFileType);
  PutU32(p + T::fHardwareVersion, 0x0100);
  PutU32(p + T::fSoftwareVersion, 0x0200);
  PutU32(p + T::fVersion2, 1);
  PutText(p + T::fObjectName, "Vessel V-101 proof test", 255);
  PutText(p + T::fOperatorName, "AE Suite generator", 255);
  PutText(p + T::fReference, "Synthetic test", 258);
  const std::string_view comment = "Proof test to 100 % test pressure with holds at 50 % and 75 %";
  PutU32(p + T::fCommentSize, static_cast<std::uint32_t>(comment.size()));
  PutText(p + T::fComment, comment, 1000);
  PutU32(p + T::fMeasMaxMin, 30);
  PutU32(p + T::fScaleInitMin, 30);
  PutU32(p + T::fStartTime, StartTime);
  PutU32(p + T::fStopTime, StartTime + static_cast<std::uint32_t>(SyntheticTest::Duration));
  PutU32(p + T::fAveragingTime, 1);
  PutText(p + T::fDataFileName, "SYNTH.ALD", 255);
  PutText(p + T::fConfigFileName, "SYNTH.CFG", 255);

  std::uint8_t* hw = p + ALNPCITestParam::Size;
  PutU32(hw + 0, ALNPCIHrdwDescr::SignatureValue);
  PutU32(hw + 4, 1);
  PutU32(hw + 12, static_cast<std::uint32_t>(ALNPCIHrdwDescr::FixedSize));
  PutU32(hw + 96, blockCount);
  PutU32(hw + 100, configSize);
  std::uint8_t* table = hw + ALNPCIHrdwDescr::FixedSize;
  PutU32(table + 0, GeneralBlockType);
  PutU32(table + 4, 0);
  PutU32(table + 8, GeneralBlockSize);
  PutU32(table + 12, ALNPCIHead::ChannelBlockType);
  PutU32(table + 16, GeneralBlockSize);
  PutU32(table + 20, channelBlockSize);

  std::uint8_t* config = table + blockCount * ALNPCIHrdwDescr::BlockEntrySize;
  PutU32(config + 0, SyntheticTest::Channels);  // general block: number of channels
  PutU32(config + 4, SamplingKHz);
  std::uint8_t* entries = config + GeneralBlockSize;
  for (int i = 0; i < SyntheticTest::Channels; ++i) {
    const std::vector<std::uint8_t> e = ChannelEntry(i);
    std::memcpy(entries + static_cast<std::size_t>(i) * ALNPCIChannelEntry::Size, e.data(), e.size());
  }
  return h;
}

class PciRecordWriter {
 public:
  explicit PciRecordWriter(std::FILE* out) : out_(out) {}

  void Write(const std::uint8_t* bytes, std::size_t size) {
    if (fwrite_unlocked(bytes, 1, size, out_) != size) throw EDataFile(MsgWriteError);
  }

  // A record of a type with data of at most 104 bytes.
  void Record(int type, const std::uint8_t* data, std::size_t length) {
    std::uint8_t record[4 + MaxDataLength];
    length = std::min(length, MaxDataLength);
    PutU16(record, static_cast<std::uint16_t>(type));
    PutU16(record + 2, static_cast<std::uint16_t>(length));
    std::memcpy(record + 4, data, length);
    Write(record, 4 + length);
    ++records_;
  }

  // Seconds since 1970 and microseconds of a test time.
  static void PutTime(std::uint8_t* data, double seconds) {
    const long long us = std::llround(std::max(seconds, 0.0) * 1e6);
    PutU32(data, StartTime + static_cast<std::uint32_t>(us / 1000000));
    PutU32(data + 4, static_cast<std::uint32_t>(us % 1000000));
  }

  void Timed(int type, double time, std::uint32_t value) {
    std::uint8_t data[12] = {};
    PutTime(data, time);
    PutU32(data + 8, value);
    Record(type, data, sizeof data);
  }

  void Hit(double time, const SyntheticHit& h) {
    const int index = h.Channel - 1;
    // The sensor amplitude in uV over the calibration; rounded up so that the reader's
    // truncated dB value is the synthetic one's whole part.
    const double sensorUv = std::pow(10.0, h.AmplitudeDb / 20.0);
    const auto amplitude =
        static_cast<std::uint32_t>(std::clamp(std::ceil(sensorUv / K), 1.0, static_cast<double>(MaxValue17)));
    const std::uint32_t duration = std::min(h.DurationUs, MaxValue19);
    const std::uint32_t rise = std::min(h.RiseUs, MaxValue19);
    const std::uint32_t counts = std::min(h.Counts, MaxValue17);
    const auto w = static_cast<std::uint16_t>(((duration >> 16) & 7) | ((amplitude >> 16) & 1) << 3 |
                                              ((rise >> 16) & 7) << 4 | ((counts >> 16) & 1) << 7);

    std::uint8_t data[32] = {};
    PutTime(data, time);
    PutU16(data + 8, static_cast<std::uint16_t>(index));
    PutU16(data + 10, static_cast<std::uint16_t>(amplitude));
    PutU16(data + 12, static_cast<std::uint16_t>(duration));
    PutU16(data + 14, w);
    PutU16(data + 16, static_cast<std::uint16_t>(rise));
    PutU16(data + 20, static_cast<std::uint16_t>(counts));

    // Energy at the sensor of a decaying burst, V^2 x duration / 4 in uV^2 x us, in ADC^2 x
    // samples.
    const double samples = std::max<double>(duration, 1.0);
    const double energyAdc = sensorUv * sensorUv * samples / 4.0 / (K * K) * (SamplingKHz / 1000.0);
    if (w != 0) {
      // 27-bit mantissa and 5-bit exponent, rounded up like the amplitude.
      std::uint64_t mantissa = static_cast<std::uint64_t>(std::clamp(std::ceil(energyAdc), 1.0, 0x1p62));
      std::uint32_t exponent = 0;
      while (mantissa >= (1u << 27) && exponent < 31) {
        mantissa = (mantissa + 1) >> 1;
        ++exponent;
      }
      const auto packed = static_cast<std::uint32_t>(std::min<std::uint64_t>(mantissa, (1u << 27) - 1)) << 5 | exponent;
      PutU16(data + 26, static_cast<std::uint16_t>(packed));
      PutU16(data + 28, static_cast<std::uint16_t>(packed >> 16));
    } else {
      const double e48 =
          DevTypeOf(index) <= 2 ? energyAdc * 2.0 * std::max<double>(counts, 1.0) / samples : energyAdc / 2.0;
      const auto value = static_cast<std::uint64_t>(std::clamp(std::ceil(e48), 1.0, static_cast<double>(MaxEnergy48)));
      PutU16(data + 24, static_cast<std::uint16_t>(value));
      PutU16(data + 26, static_cast<std::uint16_t>(value >> 16));
      PutU16(data + 28, static_cast<std::uint16_t>(value >> 32));
    }
    Record(RecHit, data, sizeof data);
  }

  void Parametric(double time, double pressure) {
    std::uint8_t data[12] = {};
    PutTime(data, time);
    PutU16(data + 8, 0);  // parametric input 0
    // 0..10 V over the positive half of a 16-bit ADC.
    PutU16(data + 10, static_cast<std::uint16_t>(std::lround(std::clamp(pressure, 0.0, 1.0) * 32767.0)));
    Record(RecParametric, data, sizeof data);
  }

  void Comment(std::string_view text) {
    std::uint8_t data[MaxDataLength] = {};
    const std::size_t length = std::min(text.size(), MaxDataLength - 1);
    std::memcpy(data, text.data(), length);
    Record(RecComment, data, length + 1);
  }

  std::uint32_t Records() const { return records_; }

 private:
  std::FILE* out_;
  std::uint32_t records_ = 0;
};

// System message codes.
enum : std::uint32_t { sysStart = 1, sysPause = 2, sysResume = 3, sysStop = 4 };

}  // namespace

void GenerateAlinePci(const GenOptions& options, std::FILE* out) {
  const std::vector<std::uint8_t> header = Header();
  PciRecordWriter w(out);
  w.Write(header.data(), header.size());

  SyntheticTest test(options);
  SyntheticEvent e;
  while (test.Next(e)) {
    switch (e.Kind) {
      case SyntheticEventKind::Start: w.Timed(RecSystem, e.Time, sysStart); break;
      case SyntheticEventKind::Hit: w.Hit(e.Time, e.Hit); break;
      case SyntheticEventKind::Sample: w.Parametric(e.Time, e.Pressure); break;
      case SyntheticEventKind::Pause: w.Timed(RecSystem, e.Time, sysPause); break;
      case SyntheticEventKind::Resume: w.Timed(RecSystem, e.Time, sysResume); break;
      case SyntheticEventKind::TimeMark: w.Timed(RecTimeMark, e.Time, static_cast<std::uint32_t>(e.MarkNumber)); break;
      case SyntheticEventKind::Comment: w.Comment(e.Text); break;
      case SyntheticEventKind::Stop: w.Timed(RecSystem, e.Time, sysStop); break;
    }
  }

  // The number of events is known only now.
  std::uint8_t events[4];
  PutU32(events, w.Records());
  if (fseeko(out, static_cast<off_t>(ALNPCITestParam::fNumberOfEvents), SEEK_SET) != 0) throw EDataFile(MsgWriteError);
  w.Write(events, sizeof events);
  if (fseeko(out, 0, SEEK_END) != 0) throw EDataFile(MsgWriteError);
}

}  // namespace ae
