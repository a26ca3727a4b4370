#pragma once
// Builds A-Line PCI files byte by byte for tests: a header with test parameters, hardware
// description, configuration blocks (a channel characteristic block among them), and records.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ae::test {

class AlinePciBuilder {
 public:
  using Bytes = std::vector<unsigned char>;

  static constexpr std::uint32_t DefaultStartTime = 1600000000;  // Sun Sep 13 12:26:40 2020 UTC
  static constexpr std::size_t TestParamSize = 3960;
  static constexpr std::size_t FixedHeaderSize = 4064;
  static constexpr std::size_t ChannelEntrySize = 1168;

  struct Channel {
    std::uint32_t Index = 0;
    std::int32_t Gain = 40;
    float DAdc = 305.17578125f;  // 20 V over 16 bits, in uV
    std::uint32_t Freq1 = 1000;  // kHz
    std::uint16_t DevType = 3;
    std::uint32_t Freq2 = 0;
    std::uint32_t AdcBit1 = 16;
    std::uint32_t AdcBit2 = 0;
    std::uint16_t GPre = 0;
    std::uint16_t FltType = 0;
    std::uint16_t ModVers = 0;
  };

  struct HitFields {
    std::uint32_t Seconds = DefaultStartTime;  // since 1970
    std::uint32_t Microseconds = 0;
    std::uint16_t ChannelIndex = 0;
    std::uint16_t Amplitude = 0;
    std::uint16_t Duration = 0;
    std::uint16_t Extension = 0;  // W
    std::uint16_t Rise = 0;
    std::uint16_t Counts = 0;
    std::uint64_t Energy48 = 0;  // words at 24, 26 and 28; with W != 0 the words at 26 and 28 are packed
  };

  // File type 0xAA01, both signatures, start time DefaultStartTime, no configuration blocks.
  AlinePciBuilder();

  // A header field of the fixed part (offset below 4064).
  AlinePciBuilder& U32At(std::size_t offset, std::uint32_t value);
  AlinePciBuilder& TextAt(std::size_t offset, const std::string& text);
  AlinePciBuilder& StartTime(std::uint32_t seconds);
  // A configuration block; blocks lie one after another in the configuration data.
  AlinePciBuilder& Block(std::uint32_t type, const Bytes& data);
  // A channel characteristic block (type 1) of these entries.
  AlinePciBuilder& Channels(const std::vector<Channel>& channels);

  AlinePciBuilder& Record(int type, const Bytes& data);
  AlinePciBuilder& Hit(const HitFields& hit, int type = 5);
  AlinePciBuilder& TimeMark(std::uint32_t seconds, std::uint32_t microseconds, std::uint32_t number);
  // Bytes as they are, for damaged records.
  AlinePciBuilder& Raw(const Bytes& bytes);

  std::size_t FirstRecordOffset() const;
  Bytes Build() const;
  void Save(const std::string& path) const;

  static Bytes HitData(const HitFields& hit);
  static Bytes ChannelEntry(const Channel& channel);
  static void PutU16(Bytes& b, std::size_t offset, std::uint16_t v);
  static void PutU32(Bytes& b, std::size_t offset, std::uint32_t v);
  static void AddU16(Bytes& b, std::uint16_t v);
  static void AddU32(Bytes& b, std::uint32_t v);
  static std::uint32_t GetU32(const Bytes& b, std::size_t offset);

 private:
  struct BlockData {
    std::uint32_t Type;
    Bytes Data;
  };

  Bytes fixed_;
  std::vector<BlockData> blocks_;
  Bytes records_;
};

}  // namespace ae::test
