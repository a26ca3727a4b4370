#include "tests/support/AlineIsaBuilder.h"

#include "tests/support/TempDir.h"

namespace ae::test {

namespace {

constexpr std::size_t BlockTableOffset = 3948;

}  // namespace

void AlineIsaBuilder::AddU16(Bytes& b, unsigned v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}

void AlineIsaBuilder::AddU32(Bytes& b, std::uint32_t v) {
  AddU16(b, v & 0xFFFF);
  AddU16(b, v >> 16);
}

AlineIsaBuilder::AlineIsaBuilder(std::uint32_t startTime, std::uint32_t blocks, std::uint32_t configSize)
    : bytes_(BlockTableOffset, 0) {
  PutWord(12, 0xAA01);
  PutWord(1896, startTime);
  PutWord(3844, 0x1313CFCF);
  PutWord(3940, blocks);
  PutWord(3944, configSize);
  std::uint32_t offset = 0;
  for (std::uint32_t i = 0; i < blocks; ++i) {
    const std::uint32_t size = configSize / (blocks == 0 ? 1 : blocks);
    AddU32(bytes_, i + 1);
    AddU32(bytes_, offset);
    AddU32(bytes_, size);
    offset += size;
  }
  for (std::uint32_t i = 0; i < configSize; ++i) bytes_.push_back(static_cast<unsigned char>(0xC0 + i % 16));
  firstRecord_ = bytes_.size();
}

AlineIsaBuilder& AlineIsaBuilder::Record(std::uint32_t type, std::uint32_t seconds, std::uint32_t microseconds,
                                         const Bytes& body) {
  AddU32(bytes_, type);
  AddU32(bytes_, seconds);
  AddU32(bytes_, microseconds);
  bytes_.insert(bytes_.end(), body.begin(), body.end());
  return *this;
}

AlineIsaBuilder& AlineIsaBuilder::Hit(std::uint32_t seconds, std::uint32_t microseconds, int channelIndex,
                                      std::uint16_t amplitude, std::uint32_t energy, std::uint32_t duration,
                                      std::uint32_t rise, std::uint32_t counts, std::uint32_t type) {
  Bytes body = {static_cast<unsigned char>(channelIndex), 0x5A};
  AddU16(body, amplitude);
  AddU32(body, energy);
  AddU32(body, duration);
  AddU32(body, rise);
  AddU32(body, counts);
  body.resize(type == 4 ? 36 : 32, 0xEE);
  return Record(type, seconds, microseconds, body);
}

AlineIsaBuilder& AlineIsaBuilder::ChannelSetup(std::uint32_t seconds, int channelIndex, std::uint16_t value,
                                               std::uint8_t gainCode) {
  Bytes body;
  AddU32(body, 2);
  body.push_back(static_cast<unsigned char>(channelIndex));
  body.push_back(0);
  AddU16(body, value);
  body.push_back(0);
  body.push_back(0);
  body.push_back(0);
  body.push_back(gainCode);
  body.resize(16, 0);
  return Record(1, seconds, 0, body);
}

AlineIsaBuilder& AlineIsaBuilder::Raw(const Bytes& bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

AlineIsaBuilder& AlineIsaBuilder::PutWord(std::size_t offset, std::uint32_t value) {
  if (bytes_.size() < offset + 4) bytes_.resize(offset + 4, 0);
  for (int i = 0; i < 4; ++i)
    bytes_[offset + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
  return *this;
}

AlineIsaBuilder& AlineIsaBuilder::Truncate(std::size_t n) {
  if (n < bytes_.size()) bytes_.resize(n);
  return *this;
}

void AlineIsaBuilder::Save(const std::string& path) const { WriteFileBytes(path, bytes_); }

}  // namespace ae::test
