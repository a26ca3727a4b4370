#pragma once
// One transient-recorder waveform in memory: a DTA message 173 with sub-identifier 1, decoded.
// Bytes 2-7 hold the time of the hit it belongs to, byte 8 the channel, byte 9 is for
// alignment, and the samples (signed 16-bit, little-endian) fill the rest of the message.
#include <cstdint>
#include <vector>

#include "datafiles/ARecorderSetup.h"
#include "datafiles/ATestTime.h"

namespace ae {

// Where a waveform lies in its file, the hit it belongs to and what scales it: what a reader
// tells of a waveform record without its samples.
struct AWaveformPlace {
  std::int64_t Offset = 0;  // of the message's LEN
  std::uint64_t Ticks = 0;  // the time of its hit
  int Channel = 0;
  int Samples = 0;
  AWaveformScale Scale;
};

struct ZTWaveform {
  static constexpr int SubIdentifier = 1;
  static constexpr int TimeByte = 2;
  static constexpr int ChannelByte = 8;
  static constexpr int FirstSampleByte = 10;
  // The shortest message that is a waveform: its header and one sample. A shorter message 173
  // is carried as a record like any other.
  static constexpr int MinLength = FirstSampleByte + 2;

  ATestTime Time;
  int Channel = 0;
  std::vector<std::int16_t> Samples;
  AWaveformScale Scale;

  // Whether a message (bytes from the identifier on, LEN bytes) is a waveform.
  static bool IsWaveformMessage(const std::uint8_t* msg, int length) {
    return length >= MinLength && msg[0] == 173 && msg[1] == SubIdentifier;
  }
  // The number of samples of such a message; an odd last byte is no sample.
  static int SampleCount(int length) { return length < MinLength ? 0 : (length - FirstSampleByte) / 2; }
  // Decodes a message: false, leaving the waveform as it was, when it is no waveform. The scale
  // is the caller's (the recorder setup in force where the message lies).
  static bool Decode(const std::uint8_t* msg, int length, ZTWaveform& wave);

  double Volts(std::size_t i) const { return Samples[i] * Scale.VoltsPerCount(); }
  double TimeUs(std::size_t i) const { return Scale.TimeUs(static_cast<double>(i)); }
  // The largest absolute sample, in counts.
  int PeakCounts() const;
};

}  // namespace ae
