#include "tests/support/DtaBuilder.h"

#include "tests/support/TempDir.h"

namespace ae::test {

DtaBuilder::Bytes DtaBuilder::Tot(std::uint64_t ticks) {
  Bytes b;
  for (int i = 0; i < 6; ++i) b.push_back(static_cast<unsigned char>(ticks >> (8 * i)));
  return b;
}

void DtaBuilder::AddU16(Bytes& b, unsigned v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}

void DtaBuilder::AddU32(Bytes& b, std::uint32_t v) {
  AddU16(b, v & 0xFFFF);
  AddU16(b, v >> 16);
}

DtaBuilder& DtaBuilder::Message(int id, const Bytes& body) {
  AddU16(bytes_, static_cast<unsigned>(body.size() + 1));
  bytes_.push_back(static_cast<unsigned char>(id));
  bytes_.insert(bytes_.end(), body.begin(), body.end());
  return *this;
}

DtaBuilder& DtaBuilder::Raw(const Bytes& bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

DtaBuilder& DtaBuilder::ProductDefinition(const std::string& text) {
  Bytes body = {0, 0x92, 0x05};
  body.insert(body.end(), text.begin(), text.end());
  return Message(41, body);
}

DtaBuilder& DtaBuilder::HardwareSetup(std::initializer_list<int> chids, int parametricCount) {
  Bytes sub = {5, static_cast<unsigned char>(chids.size())};
  for (int c : chids) sub.push_back(static_cast<unsigned char>(c));
  sub.push_back(static_cast<unsigned char>(parametricCount));
  Bytes body = {0};
  AddU16(body, 0x1234);
  AddU16(body, static_cast<unsigned>(sub.size()));
  body.insert(body.end(), sub.begin(), sub.end());
  return Message(42, body);
}

DtaBuilder& DtaBuilder::HardwareSetupOf(const std::vector<Bytes>& subs) {
  Bytes body = {0};
  AddU16(body, 0x1234);
  for (const Bytes& sub : subs) {
    AddU16(body, static_cast<unsigned>(sub.size()));
    body.insert(body.end(), sub.begin(), sub.end());
  }
  return Message(42, body);
}

DtaBuilder& DtaBuilder::Waveform(std::uint64_t ticks, int channel, const std::vector<std::int16_t>& samples) {
  Bytes body = {1};
  const Bytes tot = Tot(ticks);
  body.insert(body.end(), tot.begin(), tot.end());
  body.push_back(static_cast<unsigned char>(channel));
  body.push_back(0);
  for (const std::int16_t s : samples) AddU16(body, static_cast<std::uint16_t>(s));
  return Message(173, body);
}

DtaBuilder::Bytes DtaBuilder::DefinitionSub(std::initializer_list<int> chids, int parametricCount) {
  Bytes sub = {5, static_cast<unsigned char>(chids.size())};
  for (int c : chids) sub.push_back(static_cast<unsigned char>(c));
  sub.push_back(static_cast<unsigned char>(parametricCount));
  return sub;
}

DtaBuilder::Bytes DtaBuilder::RecorderSub(int chid, int hitLength, int rateKHz, int delaySamples, int maxInputVolts,
                                          int thresholdDb, int adt) {
  Bytes sub = {173, 42};
  AddU16(sub, 100);  // MVERN
  sub.push_back(static_cast<unsigned char>(adt));
  AddU16(sub, 1);   // SETS
  AddU16(sub, 17);  // SLEN
  sub.push_back(static_cast<unsigned char>(chid));
  AddU16(sub, static_cast<unsigned>(hitLength));
  AddU16(sub, 0);  // HITS
  AddU16(sub, static_cast<unsigned>(rateKHz));
  AddU16(sub, 0);  // TMODE
  AddU16(sub, 1);  // TSRC
  AddU16(sub, static_cast<std::uint16_t>(delaySamples));
  AddU16(sub, static_cast<unsigned>(maxInputVolts));
  AddU16(sub, static_cast<unsigned>(thresholdDb));
  return sub;
}

DtaBuilder::Bytes DtaBuilder::GainSub(int channel, int gainDb) {
  return {23, static_cast<unsigned char>(channel), static_cast<unsigned char>(gainDb), 0x14};
}

DtaBuilder::Bytes DtaBuilder::PreampSub(int channel, int gainDb) {
  return {20, static_cast<unsigned char>(channel), static_cast<unsigned char>(gainDb)};
}

DtaBuilder& DtaBuilder::StandardHit(std::uint64_t ticks, int channel, int rise, int counts, int energy,
                                    std::uint32_t duration, int amplitude, int parametric) {
  Bytes body = Tot(ticks);
  body.push_back(static_cast<unsigned char>(channel));
  AddU16(body, static_cast<unsigned>(rise));
  AddU16(body, static_cast<unsigned>(counts));
  AddU16(body, static_cast<unsigned>(energy));
  AddU32(body, duration);
  body.push_back(static_cast<unsigned char>(amplitude));
  body.push_back(1);  // parametric identifier
  AddU16(body, static_cast<unsigned>(parametric) & 0xFFFF);
  return Message(1, body);
}

DtaBuilder& DtaBuilder::Timed(int id, std::uint64_t ticks, const Bytes& rest) {
  Bytes body = Tot(ticks);
  body.insert(body.end(), rest.begin(), rest.end());
  return Message(id, body);
}

DtaBuilder::Bytes DtaBuilder::DosTime(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                                      unsigned second, unsigned hundredths) {
  Bytes b = {static_cast<unsigned char>(minute), static_cast<unsigned char>(hour),
             static_cast<unsigned char>(hundredths), static_cast<unsigned char>(second)};
  AddU16(b, year);
  b.push_back(static_cast<unsigned char>(day));
  b.push_back(static_cast<unsigned char>(month));
  return b;
}

DtaBuilder& DtaBuilder::ContinuedFile(const DtaBuilder& setup, const Bytes& dosTime) {
  Bytes body = dosTime;
  body.insert(body.end(), setup.Get().begin(), setup.Get().end());
  return Message(8, body);
}

void DtaBuilder::Save(const std::string& path) const { WriteFileBytes(path, bytes_); }

}  // namespace ae::test
