// An A-Line ISA file of the synthetic proof test, laid out as the instrument writes one: file
// header, test parameters with the start time, configuration header, block table and data,
// then a channel setup per channel, and hits, parametric samples, marks, comments and test
// messages in time order. Times are seconds and microseconds since 1970.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>
#include <vector>

#include "datafiles/ALNCalibration.h"
#include "datafiles/ALNDFile.h"
#include "datafiles/ALNHead.h"
#include "datafiles/ByteOrder.h"
#include "datafiles/EDataFile.h"
#include "tools/aetool/Generators.h"
#include "tools/aetool/SyntheticTest.h"

namespace ae {

namespace {

constexpr std::uint32_t StartTime = 1622109600;  // 27 May 2021, 10:00:00 UTC
constexpr std::uint8_t GainCode = 40;
constexpr std::uint16_t SetupValue = 5;
constexpr std::uint8_t Threshold = 45;

// System message subtypes written besides the channel setup.
constexpr std::uint32_t SysTestStart = 1;
constexpr std::uint32_t SysTestPause = 3;
constexpr std::uint32_t SysTestStop = 4;

// Record types besides hits, system messages and samples: marks go into the 32-byte type,
// comments into the 36-byte one.
constexpr std::uint32_t RecTimeMark = 2;
constexpr std::uint32_t RecComment = 5;

constexpr std::uint32_t ConfigChannelsBlock = 1;
constexpr std::uint32_t ConfigTimingBlock = 2;
constexpr std::uint32_t ChannelsBlockSize = SyntheticTest::Channels * 4;
constexpr std::uint32_t TimingBlockSize = 16;

void WriteOrThrow(std::FILE* out, const void* bytes, std::size_t size) {
  if (fwrite_unlocked(bytes, 1, size, out) != size) throw EDataFile(MsgWriteError);
}

void PutText(std::uint8_t* p, std::size_t room, std::string_view text) {
  std::memcpy(p, text.data(), std::min(room - 1, text.size()));  // zero-terminated within room
}

void WriteHeader(std::FILE* out) {
  constexpr std::uint32_t configSize = ChannelsBlockSize + TimingBlockSize;
  std::vector<std::uint8_t> h(
      static_cast<std::size_t>(ALNHead::BlockTableOffset + 2 * ALNHead::BlockEntrySize + configSize));
  PutText(h.data(), 12, "A-LINE 32D");
  PutU32(h.data() + ALNHead::FileTypeOffset, ALNHead::FileType);
  PutU32(h.data() + 16, 0x0100);  // version 1.00
  PutText(h.data() + ALNHead::FileHeaderSize, 64, "Synthetic proof test, vessel V-101");
  PutU32(h.data() + ALNHead::StartTimeOffset, StartTime);
  PutU32(h.data() + ALNHead::ConfigHeaderOffset, ALNHead::ConfigSignature);
  PutU32(h.data() + ALNHead::ConfigHeaderOffset + 4, SyntheticTest::Channels);
  PutU32(h.data() + ALNHead::BlockCountOffset, 2);
  PutU32(h.data() + ALNHead::BlockCountOffset + 4, configSize);

  std::uint8_t* table = h.data() + ALNHead::BlockTableOffset;
  const std::uint32_t blocks[2][3] = {{ConfigChannelsBlock, 0, ChannelsBlockSize},
                                      {ConfigTimingBlock, ChannelsBlockSize, TimingBlockSize}};
  for (const auto& block : blocks)
    for (std::uint32_t field : block) {
      PutU32(table, field);
      table += 4;
    }

  // Channels block: gain code and threshold per channel. Timing block: hit definition and
  // lockout times in microseconds, sample interval in milliseconds.
  std::uint8_t* data = table;
  for (int ch = 0; ch < SyntheticTest::Channels; ++ch) {
    data[4 * ch] = GainCode;
    data[4 * ch + 1] = Threshold;
  }
  data += ChannelsBlockSize;
  PutU32(data, 800);
  PutU32(data + 4, 1000);
  PutU32(data + 8, static_cast<std::uint32_t>(SyntheticTest::SampleInterval * 1000));
  WriteOrThrow(out, h.data(), h.size());
}

// For every whole dB, the smallest raw ADC value that reads back as at least that many dB
// under a calibration entry, so that a hit reads back as its synthetic amplitude truncated
// (or one dB more where no raw value falls inside that dB, at the low end of the scale).
std::array<std::uint16_t, 256> RawForDb(int channelIndex, const ALNCalibration& calibration) {
  std::array<std::uint16_t, 256> table;
  table.fill(0xFFFF);
  std::size_t db = 0;
  for (unsigned raw = 1; raw <= 0xFFFF && db < table.size(); ++raw) {
    const double decoded = std::floor(calibration.AmplitudeDb(channelIndex, static_cast<std::uint16_t>(raw)));
    while (db < table.size() && db <= decoded) table[db++] = static_cast<std::uint16_t>(raw);
  }
  return table;
}

class IsaRecordWriter {
 public:
  explicit IsaRecordWriter(std::FILE* out) : out_(out) {}

  // The body is the record's body length (by type) of the given bytes, zero-padded.
  void Write(std::uint32_t type, double time, const std::uint8_t* body, std::size_t size) {
    const auto bodySize = static_cast<std::size_t>(ALNDFile::BodySize(type));
    std::uint8_t record[ALNDFile::RecordHeadSize + ALNDFile::MaxBodySize] = {};
    double whole = std::floor(time);
    auto micros = static_cast<std::uint32_t>(std::lround((time - whole) * 1e6));
    if (micros >= 1000000) {
      whole += 1.0;
      micros -= 1000000;
    }
    PutU32(record, type);
    PutU32(record + 4, StartTime + static_cast<std::uint32_t>(whole));
    PutU32(record + 8, micros);
    std::memcpy(record + ALNDFile::RecordHeadSize, body, std::min(size, bodySize));
    WriteOrThrow(out_, record, ALNDFile::RecordHeadSize + bodySize);
  }

  void System(double time, std::uint32_t subtype) {
    std::uint8_t body[16] = {};
    PutU32(body, subtype);
    Write(ALNDFile::recSystem, time, body, sizeof body);
  }

 private:
  std::FILE* out_;
};

}  // namespace

void GenerateAlineIsa(const GenOptions& options, std::FILE* out) {
  WriteHeader(out);
  IsaRecordWriter w(out);

  // The calibration the reader will have once it has read the setups below.
  ALNCalibration calibration;
  std::array<std::array<std::uint16_t, 256>, SyntheticTest::Channels> rawForDb;
  for (int ch = 0; ch < SyntheticTest::Channels; ++ch) {
    std::uint8_t body[16] = {};
    PutU32(body, ALNDFile::sysChannelSetup);
    body[4] = static_cast<std::uint8_t>(ch);
    PutU16(body + 6, SetupValue);
    body[11] = GainCode;
    w.Write(ALNDFile::recSystem, 0.0, body, sizeof body);
    calibration.ApplyChannelSetup(ch, SetupValue, GainCode);
    rawForDb[static_cast<std::size_t>(ch)] = RawForDb(ch, calibration);
  }

  SyntheticTest test(options);
  SyntheticEvent e;
  std::uint64_t hits = 0;
  while (test.Next(e)) {
    switch (e.Kind) {
      case SyntheticEventKind::Start:
      case SyntheticEventKind::Resume: w.System(e.Time, SysTestStart); break;
      case SyntheticEventKind::Pause: w.System(e.Time, SysTestPause); break;
      case SyntheticEventKind::Stop: w.System(e.Time, SysTestStop); break;
      case SyntheticEventKind::Hit: {
        const SyntheticHit& h = e.Hit;
        const auto index = static_cast<std::size_t>(std::clamp(h.Channel, 1, SyntheticTest::Channels) - 1);
        const auto db = static_cast<std::size_t>(std::clamp(h.AmplitudeDb, 0.0, 255.0));
        std::uint8_t body[36] = {};
        body[0] = static_cast<std::uint8_t>(index);
        PutU16(body + 2, rawForDb[index][db]);
        PutU32(body + 4, h.Energy);
        PutU32(body + 8, h.DurationUs);
        PutU32(body + 12, h.RiseUs);
        PutU32(body + 16, h.Counts);
        PutU16(body + 20, SyntheticTest::PressureCounts(e.Pressure));
        // Every eighth hit in the long form, as the instrument writes hits with extra features.
        const std::uint32_t type = ++hits % 8 == 0 ? ALNDFile::recLongHit : ALNDFile::recHit;
        w.Write(type, e.Time, body, sizeof body);
        break;
      }
      case SyntheticEventKind::Sample: {
        std::uint8_t body[16] = {};
        PutU32(body, 1);  // parametric input 1
        PutU32(body + 4, SyntheticTest::PressureCounts(e.Pressure));
        w.Write(ALNDFile::recParametric, e.Time, body, sizeof body);
        break;
      }
      case SyntheticEventKind::TimeMark: {
        std::uint8_t body[32] = {};
        PutU32(body, static_cast<std::uint32_t>(e.MarkNumber));
        w.Write(RecTimeMark, e.Time, body, sizeof body);
        break;
      }
      case SyntheticEventKind::Comment: {
        std::uint8_t body[36] = {};
        PutText(body, sizeof body, e.Text);
        w.Write(RecComment, e.Time, body, sizeof body);
        break;
      }
    }
  }
}

}  // namespace ae
