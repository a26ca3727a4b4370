// A DTA message file of the synthetic proof test, laid out as an instrument writes one:
// product definition, setup block with the hit data set definition and the channel settings,
// then hits, parametric samples, marks and comments in time order, stop and end of data.
#include <algorithm>
#include <cmath>
#include <cstring>
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

void WriteSetup(DtaMessageWriter& w) {
  w.Begin(41).U8(0).U16(0x0592).Text("AE Suite synthetic proof test\n\rVersion 1.00\n\r").U8(0).Finish();
  w.Begin(100).Finish();

  // Hardware setup holding the hit data set definition: rise, counts, energy, duration,
  // amplitude and one parametric.
  DtaMessageWriter sub(nullptr);
  sub.Begin(5).U8(5).U8(1).U8(3).U8(4).U8(5).U8(6).U8(1);
  std::vector<std::uint8_t> subMessage(2);
  PutU16(subMessage.data(), static_cast<std::uint16_t>(sub.Body().size()));
  subMessage.insert(subMessage.end(), sub.Body().begin(), sub.Body().end());
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
  WriteSetup(w);
  SyntheticTest test(options);
  SyntheticEvent e;
  while (test.Next(e)) {
    switch (e.Kind) {
      case SyntheticEventKind::Start: w.Begin(128).Time(e.Time).Finish(); break;
      case SyntheticEventKind::Hit: {
        const SyntheticHit& h = e.Hit;
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
