#include "datafiles/ALNPCIHit.h"

#include <cmath>

#include "datafiles/ByteOrder.h"

namespace ae {

namespace {

constexpr std::uint16_t AmplitudeBit16 = 0x0008;
constexpr std::uint16_t CountsBit16 = 0x0080;
constexpr double AmplitudeMax = 255.0;
constexpr double EnergyMax = 65535.0;

std::uint64_t Energy48(const std::uint8_t* p) {
  return static_cast<std::uint64_t>(GetU16(p)) | (static_cast<std::uint64_t>(GetU16(p + 2)) << 16) |
         (static_cast<std::uint64_t>(GetU16(p + 4)) << 32);
}

// A logarithmic value where a zero or a missing calibration gives -inf or NaN: those become
// `low`, +inf becomes `high`, so that callers always see a number.
double FiniteOr(long double v, double low, double high) {
  if (std::isnan(v)) return low;
  if (std::isinf(v)) return v > 0 ? high : low;
  return static_cast<double>(v);
}

}  // namespace

long double ALNPCIHit::Scale(std::uint16_t extension) {
  switch ((extension >> 10) & 7) {
    case 2: return 2.0L;
    case 4: return 0.5L;
    case 6: return 0.25L;
    default: return 1.0L;
  }
}

std::uint64_t ALNPCIHit::UnpackEnergy(std::uint32_t packed) {
  return static_cast<std::uint64_t>(packed >> 5) << (packed & 31);
}

ALNPCIHit ALNPCIHit::Decode(const std::uint8_t* data, const ALNPCICalibration& calibration) {
  ALNPCIHit h;
  h.ChannelIndex = GetU16(data + ChannelAt);
  h.Extension = GetU16(data + ExtensionAt);
  const std::uint16_t w = h.Extension;
  const std::uint16_t amplitudeLow = GetU16(data + AmplitudeAt);
  const std::uint16_t durationLow = GetU16(data + DurationAt);
  const std::uint16_t riseLow = GetU16(data + RiseAt);
  h.CountsLow = GetU16(data + CountsAt);
  const ALNPCICalibration::Row& row = calibration.RowOf(h.ChannelIndex);

  h.AmplitudeAdc = amplitudeLow + (static_cast<std::uint32_t>(w & AmplitudeBit16) << 13);
  if (w != 0) {
    const long double scale = Scale(w);
    // At most 2 x (2^19 - 1): the truncation always fits.
    h.Rise = static_cast<std::uint32_t>(scale * (riseLow + ((w >> 4) & 7) * 65536.0L));
    h.Duration = static_cast<std::uint32_t>(scale * (durationLow + (w & 7) * 65536.0L));
    h.Counts = h.CountsLow + ((w & CountsBit16) != 0 ? 65536u : 0u);
    const std::uint32_t packed =
        static_cast<std::uint32_t>(GetU16(data + EnergyAt + 4)) << 16 | GetU16(data + EnergyAt + 2);
    h.EnergyAdc = static_cast<long double>(UnpackEnergy(packed));
  } else {
    h.Rise = riseLow;
    h.Duration = durationLow;
    h.Counts = h.CountsLow;
    const long double e48 = static_cast<long double>(Energy48(data + EnergyAt));
    if (row.DevType <= 2) {
      // Hits without counts would divide by zero; they count as one.
      const unsigned counts = h.CountsLow == 0 ? 1u : h.CountsLow;
      h.EnergyAdc = e48 * durationLow / counts * 0.5L;
    } else {
      h.EnergyAdc = e48 * 2.0L;
    }
  }

  if (h.AmplitudeAdc != 0) h.AmplitudeDb = 20.0L * std::log10(h.AmplitudeAdc * 1000.0L * row.DAdc / row.DIn) - row.Gain;
  const long double k = row.K;
  h.EnergyDb = 10.0L * std::log10(h.EnergyAdc * 1000.0L / row.Freq) + 20.0L * std::log10(k);
  h.EnergyUv = std::floor(1000.0L / row.Freq * h.EnergyAdc * k * k);
  return h;
}

std::uint8_t ALNPCIHit::AmplitudeField() const {
  if (AmplitudeAdc == 0 || !(AmplitudeDb > 0)) return 0;
  if (AmplitudeDb >= AmplitudeMax) return static_cast<std::uint8_t>(AmplitudeMax);
  return static_cast<std::uint8_t>(AmplitudeDb);
}

std::uint16_t ALNPCIHit::EnergyField() const {
  if (!(EnergyDb > 0)) return 1;
  if (EnergyDb >= EnergyMax) return static_cast<std::uint16_t>(EnergyMax);
  return static_cast<std::uint16_t>(EnergyDb);
}

double ALNPCIHit::AmplitudeValue() const {
  if (AmplitudeAdc == 0) return 0.0;
  return FiniteOr(AmplitudeDb, 0.0, AmplitudeMax);
}

double ALNPCIHit::EnergyValue() const { return FiniteOr(EnergyDb, 0.0, EnergyMax); }

}  // namespace ae
