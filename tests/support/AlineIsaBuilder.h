#pragma once
// Builds A-Line ISA files byte by byte for tests: a header with the file type, the start time,
// the configuration signature, a block table and configuration data, then records.
#include <cstdint>
#include <string>
#include <vector>

namespace ae::test {

class AlineIsaBuilder {
 public:
  using Bytes = std::vector<unsigned char>;

  // The header with the given start time (seconds since 1970), `blocks` table entries and
  // `configSize` bytes of configuration data.
  explicit AlineIsaBuilder(std::uint32_t startTime = 1622109600, std::uint32_t blocks = 2,
                           std::uint32_t configSize = 24);

  // A record with a body of any length (the reader decides how much of it belongs to it).
  AlineIsaBuilder& Record(std::uint32_t type, std::uint32_t seconds, std::uint32_t microseconds, const Bytes& body);
  // A hit body of 32 bytes (type 0) or 36 bytes (type 4).
  AlineIsaBuilder& Hit(std::uint32_t seconds, std::uint32_t microseconds, int channelIndex, std::uint16_t amplitude,
                       std::uint32_t energy = 10, std::uint32_t duration = 100, std::uint32_t rise = 20,
                       std::uint32_t counts = 5, std::uint32_t type = 0);
  // A system message of subtype 2 for a channel index.
  AlineIsaBuilder& ChannelSetup(std::uint32_t seconds, int channelIndex, std::uint16_t value, std::uint8_t gainCode);
  AlineIsaBuilder& Raw(const Bytes& bytes);

  // Overwrites a 32-bit word of what was built so far (to damage a header).
  AlineIsaBuilder& PutWord(std::size_t offset, std::uint32_t value);
  // Keeps only the first n bytes.
  AlineIsaBuilder& Truncate(std::size_t n);

  // Offset of the first record of the header as built.
  std::size_t FirstRecordOffset() const { return firstRecord_; }
  const Bytes& Get() const { return bytes_; }
  void Save(const std::string& path) const;

  static void AddU16(Bytes& b, unsigned v);
  static void AddU32(Bytes& b, std::uint32_t v);

 private:
  Bytes bytes_;
  std::size_t firstRecord_ = 0;
};

}  // namespace ae::test
