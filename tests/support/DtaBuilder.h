#pragma once
// Builds DTA message files byte by byte for tests.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace ae::test {

class DtaBuilder {
 public:
  using Bytes = std::vector<unsigned char>;

  // A message: LEN is the size of id plus body.
  DtaBuilder& Message(int id, const Bytes& body = {});
  // A message with an explicit LEN that need not match what follows (for damaged files).
  DtaBuilder& Raw(const Bytes& bytes);

  DtaBuilder& ProductDefinition(const std::string& text = "Test product\n");
  // Message 42 holding one sub-message 5 with the CHID list and parametric count.
  DtaBuilder& HardwareSetup(std::initializer_list<int> chids, int parametricCount);
  // A hit for the definition CHIDs 1, 3, 4, 5, 6 and one parametric.
  DtaBuilder& StandardHit(std::uint64_t ticks, int channel, int rise, int counts, int energy, std::uint32_t duration,
                          int amplitude, int parametric);
  DtaBuilder& Timed(int id, std::uint64_t ticks, const Bytes& rest = {});
  // Message 8 that starts a continued file: the 8 bytes of DOS time and date (minute, hour,
  // hundredths, second, year, day, month), then the messages of `setup` as they stand.
  DtaBuilder& ContinuedFile(const DtaBuilder& setup, const Bytes& dosTime = DosTime(2021, 5, 27, 10, 53, 54, 12));

  static Bytes DosTime(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute, unsigned second,
                       unsigned hundredths);

  const Bytes& Get() const { return bytes_; }
  void Save(const std::string& path) const;

  static Bytes Tot(std::uint64_t ticks);
  static void AddU16(Bytes& b, unsigned v);
  static void AddU32(Bytes& b, std::uint32_t v);

 private:
  Bytes bytes_;
};

}  // namespace ae::test
