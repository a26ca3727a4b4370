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
  // Message 42 holding the given sub-messages, each from its sub-identifier on.
  DtaBuilder& HardwareSetupOf(const std::vector<Bytes>& subs);
  // A waveform: message 173, sub-identifier 1, the time of its hit, the channel, an alignment
  // byte and the samples (16-bit signed).
  DtaBuilder& Waveform(std::uint64_t ticks, int channel, const std::vector<std::int16_t>& samples);
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
  // Sub-messages of a hardware setup: the hit data set definition (5); the recorder setup (173,
  // first byte 42) with one channel setup (CHID 0: all channels); gain (23: channel, gain, a flag
  // byte) and preamplifier gain (20: channel, gain).
  static Bytes DefinitionSub(std::initializer_list<int> chids, int parametricCount);
  static Bytes RecorderSub(int chid, int hitLength, int rateKHz, int delaySamples, int maxInputVolts,
                           int thresholdDb = 25, int adt = 2);
  static Bytes GainSub(int channel, int gainDb);
  static Bytes PreampSub(int channel, int gainDb);
  static void AddU16(Bytes& b, unsigned v);
  static void AddU32(Bytes& b, std::uint32_t v);

 private:
  Bytes bytes_;
};

}  // namespace ae::test
