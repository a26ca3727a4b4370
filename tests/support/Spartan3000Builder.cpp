#include "tests/support/Spartan3000Builder.h"

#include <algorithm>
#include <cstring>

#include "tests/support/TempDir.h"

namespace ae::test {

namespace {

void PutU16(unsigned char* p, unsigned v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}

void PutU32(unsigned char* p, std::uint32_t v) {
  PutU16(p, v & 0xFFFF);
  PutU16(p + 2, v >> 16);
}

void PutTime(unsigned char* p, std::uint64_t ticks) {
  for (int i = 0; i < 6; ++i) p[i] = static_cast<unsigned char>(ticks >> (8 * i));
}

}  // namespace

Spartan3000Builder::Spartan3000Builder() : header_(512, 0) {
  HeaderText(20, " 01/02/03 04:05:06");
  HeaderText(40, "V1.23a");
  Label("Vessel A");
  HeaderByte(87, 1);
}

Spartan3000Builder& Spartan3000Builder::Label(const std::string& text) {
  HeaderByte(46, static_cast<unsigned>(text.size()));
  std::memset(header_.data() + 47, 0, 40);
  return HeaderText(47, text);
}

Spartan3000Builder& Spartan3000Builder::HeaderByte(int offset, unsigned value) {
  header_.at(static_cast<std::size_t>(offset)) = static_cast<unsigned char>(value);
  return *this;
}

Spartan3000Builder& Spartan3000Builder::HeaderU32(int offset, std::uint32_t value) {
  header_.at(static_cast<std::size_t>(offset) + 3);  // bounds check
  PutU32(header_.data() + offset, value);
  return *this;
}

Spartan3000Builder& Spartan3000Builder::HeaderText(int offset, const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i)
    header_.at(static_cast<std::size_t>(offset) + i) = static_cast<unsigned char>(text[i]);
  return *this;
}

Spartan3000Builder& Spartan3000Builder::AddHit(const Hit& h) {
  Record r{};
  r[0] = 1;
  PutTime(&r[1], h.Ticks);
  r[7] = static_cast<unsigned char>(h.Channel);
  PutU32(&r[8], h.Seq);
  PutU16(&r[12], h.Rise);
  PutU16(&r[14], h.CntPk);
  PutU16(&r[16], h.Counts);
  PutU16(&r[18], h.Energy);
  PutU32(&r[20], h.Duration);
  r[24] = static_cast<unsigned char>(h.Amplitude);
  r[25] = static_cast<unsigned char>(h.Rms);
  r[26] = static_cast<unsigned char>(h.Threshold);
  PutU16(&r[27], h.Parametric);
  r[29] = static_cast<unsigned char>(h.Dp);
  r[30] = static_cast<unsigned char>(h.Gain);
  return AddRecord(r);
}

Spartan3000Builder& Spartan3000Builder::Timed(int code, std::uint64_t ticks) {
  Record r{};
  r[0] = static_cast<unsigned char>(code);
  PutTime(&r[1], ticks);
  return AddRecord(r);
}

Spartan3000Builder& Spartan3000Builder::Sample(int code, std::uint64_t ticks, unsigned raw27, unsigned raw7,
                                               unsigned dp) {
  Record r{};
  r[0] = static_cast<unsigned char>(code);
  PutTime(&r[1], ticks);
  PutU16(&r[7], raw7);
  PutU16(&r[27], raw27);
  r[29] = static_cast<unsigned char>(dp);
  return AddRecord(r);
}

Spartan3000Builder& Spartan3000Builder::Comment(const std::string& text) {
  Record r{};
  r[0] = 7;
  std::memcpy(&r[1], text.data(), std::min<std::size_t>(text.size(), 31));
  return AddRecord(r);
}

Spartan3000Builder& Spartan3000Builder::Code(int code) {
  Record r{};
  r[0] = static_cast<unsigned char>(code);
  return AddRecord(r);
}

Spartan3000Builder& Spartan3000Builder::AddRecord(const Record& record) {
  records_.insert(records_.end(), record.begin(), record.end());
  return *this;
}

Spartan3000Builder& Spartan3000Builder::Raw(const Bytes& bytes) {
  records_.insert(records_.end(), bytes.begin(), bytes.end());
  return *this;
}

Spartan3000Builder::Bytes Spartan3000Builder::Get() const {
  Bytes all = header_;
  all.insert(all.end(), records_.begin(), records_.end());
  return all;
}

void Spartan3000Builder::Save(const std::string& path) const { WriteFileBytes(path, Get()); }

}  // namespace ae::test
