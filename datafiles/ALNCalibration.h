#pragma once
// Per-channel amplitude calibration of A-Line ISA files. The instrument stores amplitudes as
// ADC counts; the dB value needs the gain and preamplifier of the channel, which the file only
// tells through channel-setup messages on the way. One table serves the whole program, so
// settings read from one file stay in force for the next until its own messages replace them.
#include <array>
#include <cstdint>

namespace ae {

class ALNCalibration {
 public:
  static constexpr int Channels = 32;

  struct Entry {
    std::int32_t Mode = 1;       // 1: P is the factor; 2: P is in units of 0.0001
    std::int32_t GainCode = 35;  // steps of 0.375 dB
    std::int32_t SetupValue = 5;
    std::int32_t Divisor = 100;     // D
    std::int32_t Preamp = 5;        // P
    std::int32_t Reference = 1221;  // R
    std::int32_t Scale = 1000;      // S
    double Base = 0.0;
    double Gain = 0.0;
    double Total = 0.0;

    // base = 20 log10(R * 1000 / S / D / p) with p by the mode; gain = code * 0.375.
    // A mode without a factor, a zero divisor or a non-positive argument leaves the base at
    // 0 dB, so the amplitude is shown uncorrected instead of as an infinity.
    void Recompute();
    static Entry Default();
  };

  // A table with every channel at its defaults.
  ALNCalibration();

  // The table the A-Line ISA readers share.
  static ALNCalibration& Shared();

  // The entry of a channel index; indices outside the table get the default entry.
  const Entry& At(int channel) const;
  double Total(int channel) const { return At(channel).Total; }

  // Amplitude in dB of a raw ADC value on a channel. A raw 0 has no logarithm and gives 0.
  double AmplitudeDb(int channel, std::uint16_t raw) const;

  // A channel-setup message: stores the gain code and the setup value and recomputes. Returns
  // false, changing nothing, for a channel outside the table.
  bool ApplyChannelSetup(int channel, std::uint16_t setupValue, std::uint8_t gainCode);

  // Replaces an entry (its derived values are recomputed); false outside the table.
  bool SetEntry(int channel, const Entry& entry);

  void ResetToDefaults();

 private:
  std::array<Entry, Channels> entries_;
};

}  // namespace ae
