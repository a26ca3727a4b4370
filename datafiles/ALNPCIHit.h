#pragma once
// The engineering values of one A-Line PCI hit record: raw instrument values (ADC counts,
// samples, packed energy) turned into rise, duration, counts, amplitude and energy with the
// calibration row of the hit's channel.
#include <cstdint>

#include "datafiles/ALNPCICalibration.h"

namespace ae {

struct ALNPCIHit {
  // Offsets within the data of a hit record.
  static constexpr int SecondsAt = 0;
  static constexpr int MicrosecondsAt = 4;
  static constexpr int ChannelAt = 8;
  static constexpr int AmplitudeAt = 10;
  static constexpr int DurationAt = 12;
  static constexpr int ExtensionAt = 14;
  static constexpr int RiseAt = 16;
  static constexpr int CountsAt = 20;
  static constexpr int EnergyAt = 24;
  static constexpr int DecodedSize = 30;  // bytes of data the decoding reads

  std::uint16_t ChannelIndex = 0;
  std::uint16_t Extension = 0;     // W
  std::uint32_t AmplitudeAdc = 0;  // 17 bits
  std::uint32_t Rise = 0;          // scaled, truncated
  std::uint32_t Duration = 0;      // scaled, truncated
  std::uint16_t CountsLow = 0;
  std::uint32_t Counts = 0;     // with bit 16 from W
  long double EnergyAdc = 0;    // E, ADC^2 x samples
  long double AmplitudeDb = 0;  // 0 for an amplitude of 0; may be infinite or NaN
  long double EnergyDb = 0;     // e; may be infinite or NaN
  long double EnergyUv = 0;     // floor(1000 / Freq x E x K^2); may be infinite or NaN

  // data: at least DecodedSize bytes.
  static ALNPCIHit Decode(const std::uint8_t* data, const ALNPCICalibration& calibration);

  // Multiplier of rise time and duration by the scale code in bits 10..12 of W.
  static long double Scale(std::uint16_t extension);
  // The packed energy of a hit with W != 0: a 27-bit mantissa and a 5-bit binary exponent.
  static std::uint64_t UnpackEnergy(std::uint32_t packed);

  // The ZTShortHit fields: amplitude in 0..255 (below 0 dB or undefined gives 0); energy 1 when
  // e <= 0 or undefined, 65535 at most.
  std::uint8_t AmplitudeField() const;
  std::uint16_t EnergyField() const;
  // GetValue: unclamped, but always finite (undefined or -inf gives 0, +inf the field maximum).
  double AmplitudeValue() const;
  double EnergyValue() const;
};

}  // namespace ae
