// A DTA message file of the synthetic proof test, laid out as an instrument writes one:
// product definition, setup block with the hit data set definition and the channel settings,
// then hits, parametric samples, marks and comments in time order, stop and end of data.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string_view>
#include <vector>

#include "datafiles/ATestTime.h"
#include "datafiles/ByteOrder.h"
#include "datafiles/EDataFile.h"
#include "tools/aetool/Generators.h"
#include "tools/aetool/SyntheticTest.h"

namespace ae {

namespace {

class DtaMessageWriter {
 public:
  explicit DtaMessageWriter(std::FILE* out) : out_(out) {}

  // Starts a message with its identifier; Finish writes it with its length.
  DtaMessageWriter& Begin(int id) {
    message_.clear();
    message_.push_back(static_cast<std::uint8_t>(id));
    return *this;
  }
  DtaMessageWriter& U8(unsigned v) {
    message_.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  DtaMessageWriter& U16(unsigned v) {
    U8(v & 0xFF);
    return U8((v >> 8) & 0xFF);
  }
  DtaMessageWriter& U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    return U16(v >> 16);
  }
  DtaMessageWriter& Time(double seconds) {
    std::uint8_t b[6];
    ATestTime::FromSeconds(seconds).ToBytes(b);
    message_.insert(message_.end(), b, b + 6);
    return *this;
  }
  DtaMessageWriter& Text(std::string_view text) {
    message_.insert(message_.end(), text.begin(), text.end());
    return *this;
  }
  DtaMessageWriter& Bytes(const std::vector<std::uint8_t>& bytes) {
    message_.insert(message_.end(), bytes.begin(), bytes.end());
    return *this;
  }
  const std::vector<std::uint8_t>& Body() const { return message_; }

  void Finish() {
    std::uint8_t length[2];
    PutU16(length, static_cast<std::uint16_t>(message_.size()));
    if (fwrite_unlocked(length, 1, 2, out_) != 2 ||
        fwrite_unlocked(message_.data(), 1, message_.size(), out_) != message_.size())
      throw EDataFile(MsgWriteError);
  }

 private:
  std::FILE* out_;
  std::vector<std::uint8_t> message_;
};

constexpr int Gain = 40;
constexpr int Threshold = 45;
constexpr int HitDefinitionTime = 800;
constexpr int HitLockoutTime = 1000;
constexpr int PeakDefinitionTime = 200;

// The transient recorder of a file with waveforms: 3 x 1024 samples at 10 MHz, 1280 of them
// before the trigger, 10 V full scale, no gain after a 40 dB preamplifier.
constexpr int RecorderHitLength = 3;
constexpr int RecorderRateKHz = 10000;
constexpr int RecorderDelay = -1280;
constexpr int RecorderMaxInput = 10;
constexpr int RecorderGain = 0;
constexpr int PreampGain = 40;
constexpr int WaveformSamples = RecorderHitLength * 1024;

std::vector<std::uint8_t> SubMessage(const DtaMessageWriter& sub) {
  const std::vector<std::uint8_t>& body = sub.Body();
  std::vector<std::uint8_t> bytes;
  bytes.reserve(2 + body.size());
  bytes.push_back(static_cast<std::uint8_t>(body.size()));
  bytes.push_back(static_cast<std::uint8_t>(body.size() >> 8));
  bytes.insert(bytes.end(), body.begin(), body.end());
  return bytes;
}

// The recorder setup for all channels (173, first byte 42), and per channel its gain (23) and
// preamplifier gain (20).
std::vector<std::uint8_t> RecorderSubMessages() {
  DtaMessageWriter sub(nullptr);
  sub.Begin(173).U8(42).U16(100).U8(2).U16(1).U16(17);  // MVERN, ADT 16-bit signed, SETS, SLEN
  sub.U8(0).U16(RecorderHitLength).U16(0).U16(RecorderRateKHz).U16(0).U16(1);
  sub.U16(static_cast<std::uint16_t>(RecorderDelay)).U16(RecorderMaxInput).U16(Threshold);
  std::vector<std::uint8_t> bytes = SubMessage(sub);
  for (int channel = 1; channel <= SyntheticTest::Channels; ++channel) {
    const std::vector<std::uint8_t> preamp = SubMessage(sub.Begin(20).U8(channel).U8(PreampGain));
    bytes.insert(bytes.end(), preamp.begin(), preamp.end());
    const std::vector<std::uint8_t> gain = SubMessage(sub.Begin(23).U8(channel).U8(RecorderGain).U8(0));
    bytes.insert(bytes.end(), gain.begin(), gain.end());
  }
  return bytes;
}

// The samples of a hit's waveform, little-endian: noise of a few counts and, from the trigger
// on, a burst at a frequency of 80 to 300 kHz whose peak is the hit's amplitude (half a decibel
// above it, as an instrument truncates), rising over the rise time and decaying to the
// threshold at the end of the duration.
class WaveformMaker {
 public:
  explicit WaveformMaker(std::uint64_t seed) : random_(seed ^ 0x5741564546524D53ull) {}

  const std::vector<std::uint8_t>& Samples(const SyntheticHit& hit) {
    constexpr double countsPerVolt = 32768.0 / RecorderMaxInput;
    const double peak = std::min(
        32767.0,
        1e-6 * std::pow(10.0, (std::floor(hit.AmplitudeDb) + 0.5 + PreampGain - RecorderGain) / 20.0) * countsPerVolt);
    const double threshold = 1e-6 * std::pow(10.0, (Threshold + PreampGain) / 20.0) * countsPerVolt;
    // In samples; 64 bits, as the hit's times may be large.
    const int rise =
        static_cast<int>(std::clamp<std::int64_t>(std::int64_t{hit.RiseUs} * RecorderRateKHz / 1000, 1, 1000));
    const int length = static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{hit.DurationUs} * RecorderRateKHz / 1000, rise + 1, 1000000));
    const double tau = (length - rise) / std::max(std::log(peak / threshold), 1.0);
    const double omega = 2.0 * std::numbers::pi * (80e3 + 220e3 * random_.NextUnit()) / (RecorderRateKHz * 1e3);
    const double phase = 2.0 * std::numbers::pi * random_.NextUnit();

    // The burst first, then scaled so that its largest value is the peak.
    const int trigger = -RecorderDelay;
    burst_.assign(WaveformSamples, 0.0);
    const double decay = std::exp(-1.0 / tau);
    double envelope = 1.0, largest = 0.0;
    for (int i = trigger; i < WaveformSamples; ++i) {
      const int k = i - trigger;
      const double e = k < rise ? static_cast<double>(k + 1) / rise : (envelope *= decay);
      burst_[static_cast<std::size_t>(i)] = e * std::sin(omega * k + phase);
      largest = std::max(largest, std::abs(burst_[static_cast<std::size_t>(i)]));
    }
    const double scale = largest > 0.0 ? peak / largest : 0.0;
    bytes_.resize(2 * WaveformSamples);
    for (int i = 0; i < WaveformSamples; ++i) {
      // Triangular noise of +-3 counts.
      const double noise = 3.0 * (random_.NextUnit() + random_.NextUnit() - 1.0);
      const double v = std::clamp(std::round(burst_[static_cast<std::size_t>(i)] * scale + noise), -32768.0, 32767.0);
      PutU16(bytes_.data() + 2 * i, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    return bytes_;
  }

 private:
  SyntheticRandom random_;
  std::vector<double> burst_;
  std::vector<std::uint8_t> bytes_;
};

void WriteSetup(DtaMessageWriter& w, bool waveforms) {
  w.Begin(41).U8(0).U16(0x0592).Text("AE Suite synthetic proof test\n\rVersion 1.00\n\r").U8(0).Finish();
  w.Begin(100).Finish();

  // Hardware setup holding the hit data set definition: rise, counts, energy, duration,
  // amplitude and one parametric.
  DtaMessageWriter sub(nullptr);
  sub.Begin(5).U8(5).U8(1).U8(3).U8(4).U8(5).U8(6).U8(1);
  std::vector<std::uint8_t> subMessage = SubMessage(sub);
  if (waveforms) {
    const std::vector<std::uint8_t> recorder = RecorderSubMessages();
    subMessage.insert(subMessage.end(), recorder.begin(), recorder.end());
  }
  w.Begin(42).U8(0).U16(static_cast<unsigned>(subMessage.size())).Bytes(subMessage).Finish();

  for (int channel = 1; channel <= SyntheticTest::Channels; ++channel) {
    w.Begin(22).U8(channel).U8(Gain).Finish();
    w.Begin(23).U8(channel).U8(Threshold).Finish();
    w.Begin(24).U8(channel).U16(HitDefinitionTime).Finish();
    w.Begin(25).U8(channel).U16(HitLockoutTime).Finish();
    w.Begin(26).U8(channel).U16(PeakDefinitionTime).Finish();
  }
  w.Begin(101).Finish();
}

}  // namespace

void GenerateDta(const GenOptions& options, std::FILE* out) {
  DtaMessageWriter w(out);
  WriteSetup(w, options.Waveforms);
  WaveformMaker waveforms(options.Seed);
  SyntheticTest test(options);
  SyntheticEvent e;
  while (test.Next(e)) {
    switch (e.Kind) {
      case SyntheticEventKind::Start: w.Begin(128).Time(e.Time).Finish(); break;
      case SyntheticEventKind::Hit: {
        const SyntheticHit& h = e.Hit;
        // The instrument writes a hit's waveform right before the hit.
        if (options.Waveforms)
          w.Begin(173)
              .U8(1)
              .Time(e.Time)
              .U8(static_cast<unsigned>(h.Channel))
              .U8(0)
              .Bytes(waveforms.Samples(h))
              .Finish();
        w.Begin(1).Time(e.Time).U8(static_cast<unsigned>(h.Channel));
        w.U16(std::min<std::uint32_t>(h.RiseUs, 65535)).U16(h.Counts).U16(h.Energy).U32(h.DurationUs);
        w.U8(static_cast<unsigned>(h.AmplitudeDb)).U8(1).U16(SyntheticTest::PressureCounts(e.Pressure)).Finish();
        break;
      }
      case SyntheticEventKind::Sample:
        w.Begin(2).Time(e.Time).U8(0).U16(SyntheticTest::PressureCounts(e.Pressure)).Finish();
        break;
      case SyntheticEventKind::Pause: w.Begin(130).Time(e.Time).Finish(); break;
      case SyntheticEventKind::Resume: w.Begin(128).Time(e.Time).Finish(); break;
      case SyntheticEventKind::TimeMark: w.Begin(211).Time(e.Time).Finish(); break;
      case SyntheticEventKind::Comment: w.Begin(7).Text(e.Text).U8(0).Finish(); break;
      case SyntheticEventKind::Stop:
        w.Begin(129).Time(e.Time).Finish();
        w.Begin(15).Finish();
        break;
    }
  }
}

}  // namespace ae
