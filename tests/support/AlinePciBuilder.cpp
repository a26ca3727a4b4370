#include "tests/support/AlinePciBuilder.h"

#include <cstring>

#include "tests/support/TempDir.h"

namespace ae::test {

AlinePciBuilder::AlinePciBuilder() : fixed_(FixedHeaderSize, 0) {
  U32At(0, 0x1414CFCF);
  U32At(12, 0xAA01);
  U32At(3960, 0x1515CFCF);
  StartTime(DefaultStartTime);
}

void AlinePciBuilder::PutU16(Bytes& b, std::size_t offset, std::uint16_t v) {
  b.at(offset) = static_cast<unsigned char>(v);
  b.at(offset + 1) = static_cast<unsigned char>(v >> 8);
}

void AlinePciBuilder::PutU32(Bytes& b, std::size_t offset, std::uint32_t v) {
  PutU16(b, offset, static_cast<std::uint16_t>(v));
  PutU16(b, offset + 2, static_cast<std::uint16_t>(v >> 16));
}

void AlinePciBuilder::AddU16(Bytes& b, std::uint16_t v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}

void AlinePciBuilder::AddU32(Bytes& b, std::uint32_t v) {
  AddU16(b, static_cast<std::uint16_t>(v));
  AddU16(b, static_cast<std::uint16_t>(v >> 16));
}

std::uint32_t AlinePciBuilder::GetU32(const Bytes& b, std::size_t offset) {
  return static_cast<std::uint32_t>(b.at(offset)) | static_cast<std::uint32_t>(b.at(offset + 1)) << 8 |
         static_cast<std::uint32_t>(b.at(offset + 2)) << 16 | static_cast<std::uint32_t>(b.at(offset + 3)) << 24;
}

AlinePciBuilder& AlinePciBuilder::U32At(std::size_t offset, std::uint32_t value) {
  PutU32(fixed_, offset, value);
  return *this;
}

AlinePciBuilder& AlinePciBuilder::TextAt(std::size_t offset, const std::string& text) {
  std::memcpy(fixed_.data() + offset, text.data(), text.size());
  return *this;
}

AlinePciBuilder& AlinePciBuilder::StartTime(std::uint32_t seconds) { return U32At(1896, seconds); }

AlinePciBuilder& AlinePciBuilder::Block(std::uint32_t type, const Bytes& data) {
  blocks_.push_back({type, data});
  return *this;
}

AlinePciBuilder::Bytes AlinePciBuilder::ChannelEntry(const Channel& c) {
  Bytes e(ChannelEntrySize, 0);
  PutU32(e, 0, c.Index);
  PutU32(e, 92, static_cast<std::uint32_t>(c.Gain));
  std::uint32_t dAdc;
  std::memcpy(&dAdc, &c.DAdc, sizeof dAdc);
  PutU32(e, 96, dAdc);
  PutU32(e, 348, c.AdcBit1);
  PutU32(e, 360, c.Freq1);
  PutU32(e, 508, c.AdcBit2);
  PutU32(e, 520, c.Freq2);
  PutU16(e, 1108, c.GPre);
  PutU16(e, 1112, c.DevType);
  PutU16(e, 1114, c.FltType);
  PutU16(e, 1116, c.ModVers);
  return e;
}

AlinePciBuilder& AlinePciBuilder::Channels(const std::vector<Channel>& channels) {
  Bytes data;
  for (const Channel& c : channels) {
    const Bytes e = ChannelEntry(c);
    data.insert(data.end(), e.begin(), e.end());
  }
  return Block(1, data);
}

AlinePciBuilder& AlinePciBuilder::Record(int type, const Bytes& data) {
  AddU16(records_, static_cast<std::uint16_t>(type));
  AddU16(records_, static_cast<std::uint16_t>(data.size()));
  records_.insert(records_.end(), data.begin(), data.end());
  return *this;
}

AlinePciBuilder::Bytes AlinePciBuilder::HitData(const HitFields& h) {
  Bytes d;
  AddU32(d, h.Seconds);
  AddU32(d, h.Microseconds);
  AddU16(d, h.ChannelIndex);
  AddU16(d, h.Amplitude);
  AddU16(d, h.Duration);
  AddU16(d, h.Extension);
  AddU16(d, h.Rise);
  AddU16(d, 0);
  AddU16(d, h.Counts);
  AddU16(d, 0);
  AddU16(d, static_cast<std::uint16_t>(h.Energy48));
  AddU16(d, static_cast<std::uint16_t>(h.Energy48 >> 16));
  AddU16(d, static_cast<std::uint16_t>(h.Energy48 >> 32));
  AddU16(d, 0);
  return d;
}

AlinePciBuilder& AlinePciBuilder::Hit(const HitFields& hit, int type) { return Record(type, HitData(hit)); }

AlinePciBuilder& AlinePciBuilder::TimeMark(std::uint32_t seconds, std::uint32_t microseconds, std::uint32_t number) {
  Bytes d;
  AddU32(d, seconds);
  AddU32(d, microseconds);
  AddU32(d, number);
  return Record(6, d);
}

AlinePciBuilder& AlinePciBuilder::Raw(const Bytes& bytes) {
  records_.insert(records_.end(), bytes.begin(), bytes.end());
  return *this;
}

std::size_t AlinePciBuilder::FirstRecordOffset() const {
  std::size_t size = FixedHeaderSize + 12 * blocks_.size();
  for (const BlockData& b : blocks_) size += b.Data.size();
  return size;
}

AlinePciBuilder::Bytes AlinePciBuilder::Build() const {
  Bytes out = fixed_;
  std::size_t configSize = 0;
  for (const BlockData& b : blocks_) configSize += b.Data.size();
  PutU32(out, 4056, static_cast<std::uint32_t>(blocks_.size()));
  PutU32(out, 4060, static_cast<std::uint32_t>(configSize));
  std::uint32_t offset = 0;
  for (const BlockData& b : blocks_) {
    AddU32(out, b.Type);
    AddU32(out, offset);
    AddU32(out, static_cast<std::uint32_t>(b.Data.size()));
    offset += static_cast<std::uint32_t>(b.Data.size());
  }
  for (const BlockData& b : blocks_) out.insert(out.end(), b.Data.begin(), b.Data.end());
  out.insert(out.end(), records_.begin(), records_.end());
  return out;
}

void AlinePciBuilder::Save(const std::string& path) const { WriteFileBytes(path, Build()); }

}  // namespace ae::test
