#pragma once
// The transient recorder's setup as the hardware setups (message 42) of a DTA file give it: per
// channel the sampling rate, the trigger delay, the full scale of the input, the hit length and
// the gains, which turn the samples of a waveform (message 173) into volts against time.
#include <array>
#include <cmath>
#include <cstdint>

namespace ae {

// What scales the waveforms of one channel. Known only when the recorder setup of the channel
// gives 16-bit signed samples (ADT 2), a sampling rate and a full scale; without it the samples
// are counts against their number.
struct AWaveformScale {
  bool Known = false;
  std::uint16_t RateKHz = 0;         // SRATE, sampling rate in kHz
  std::int16_t DelaySamples = 0;     // TDLY, trigger delay in samples; negative: pre-trigger
  std::uint16_t FullScaleVolts = 0;  // MXIN, the largest input in volts
  std::uint16_t HitLength = 0;       // HLK, samples per hit in units of 1024
  std::uint16_t ThresholdDb = 0;     // THRD
  std::uint8_t GainDb = 0;           // sub-message 23; 0 dB when the file gives none
  bool GainKnown = false;
  std::uint8_t PreampDb = 0;  // sub-message 20
  bool PreampKnown = false;

  double SampleRateHz() const { return RateKHz * 1000.0; }
  // Volts at the instrument's input per count: MXIN / 32768 / 10^(gain / 20); 0 when unknown.
  double VoltsPerCount() const { return Known ? FullScaleVolts / 32768.0 / std::pow(10.0, GainDb / 20.0) : 0.0; }
  // The time of sample i after the trigger, in microseconds: (i + TDLY) / SRATE.
  double TimeUs(double i) const { return Known ? (i + DelaySamples) * 1000.0 / RateKHz : i; }
  int SamplesPerHit() const { return HitLength * 1024; }

  friend bool operator==(const AWaveformScale&, const AWaveformScale&) = default;
};

class ARecorderSetup {
 public:
  // Sub-identifiers of a hardware setup that the recorder setup takes from it.
  enum : int { subPreampGain = 20, subGain = 23, subRecorder = 173 };
  // The first data byte of a sub-message 173 that holds the recorder setup.
  static constexpr int RecorderMarker = 42;
  // ADT of 16-bit signed samples.
  static constexpr int SignedSixteenBits = 2;

  // One sub-message of a hardware setup, from its sub-identifier on, of which `length` bytes
  // are there: the recorder setup (173 whose first data byte is 42: MVERN, ADT, SETS, SLEN, then
  // SETS setups of SLEN bytes, each CHID, HLK, HITS, SRATE, TMODE, TSRC, TDLY, MXIN, THRD; CHID 0
  // sets every channel), the gain (23: channel, gain in dB) and the preamplifier gain (20:
  // channel, gain in dB). Others are not looked at. Fields beyond the bytes that are there read
  // as zero, as the reader takes every message.
  void Note(const std::uint8_t* sub, int length);
  // The scale of a channel's waveforms by the setups noted so far, later ones replacing earlier.
  AWaveformScale ScaleOf(int channel) const;
  bool Empty() const { return !any_; }

 private:
  struct Recorder {
    bool Set = false;
    std::uint8_t Adt = 0;
    std::uint16_t RateKHz = 0;
    std::int16_t DelaySamples = 0;
    std::uint16_t FullScaleVolts = 0;
    std::uint16_t HitLength = 0;
    std::uint16_t ThresholdDb = 0;
  };
  struct Gains {
    bool GainSet = false;
    bool PreampSet = false;
    std::uint8_t GainDb = 0;
    std::uint8_t PreampDb = 0;
  };
  void NoteRecorder(const std::uint8_t* sub, int length);

  // By the channel byte of a waveform.
  std::array<Recorder, 256> recorders_{};
  std::array<Gains, 256> gains_{};
  bool any_ = false;
};

}  // namespace ae
