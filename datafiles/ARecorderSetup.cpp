#include "datafiles/ARecorderSetup.h"

#include <algorithm>

namespace ae {

namespace {

// Offsets from the sub-identifier of a recorder setup sub-message.
constexpr int AdtByte = 4;
constexpr int SetsByte = 5;
constexpr int SlenByte = 7;
constexpr int FirstSetupByte = 9;

// Offsets within one channel's setup.
constexpr int ChidField = 0;
constexpr int HlkField = 1;
constexpr int SrateField = 5;
constexpr int TdlyField = 11;
constexpr int MxinField = 13;
constexpr int ThrdField = 15;

}  // namespace

void ARecorderSetup::Note(const std::uint8_t* sub, int length) {
  if (length < 1) return;
  auto byteAt = [&](int k) -> unsigned { return k < length ? sub[k] : 0u; };
  switch (sub[0]) {
    case subRecorder:
      if (byteAt(1) == RecorderMarker) NoteRecorder(sub, length);
      break;
    case subGain:
      if (length >= 3) {
        gains_[sub[1]].GainSet = true;
        gains_[sub[1]].GainDb = sub[2];
        any_ = true;
      }
      break;
    case subPreampGain:
      if (length >= 3) {
        gains_[sub[1]].PreampSet = true;
        gains_[sub[1]].PreampDb = sub[2];
        any_ = true;
      }
      break;
    default: break;
  }
}

void ARecorderSetup::NoteRecorder(const std::uint8_t* sub, int length) {
  auto byteAt = [&](int k) -> unsigned { return k < length ? sub[k] : 0u; };
  auto u16At = [&](int k) -> unsigned { return byteAt(k) | (byteAt(k + 1) << 8); };
  const auto adt = static_cast<std::uint8_t>(byteAt(AdtByte));
  const unsigned sets = u16At(SetsByte);
  // A setup of no bytes would be met again and again in the same place.
  const int slen = static_cast<int>(u16At(SlenByte));
  if (slen < 1) return;
  int start = FirstSetupByte;
  for (unsigned s = 0; s < sets && start < length; ++s, start += slen) {
    // A field beyond the setup's own length belongs to the next one: it reads as zero.
    auto field8 = [&](int k) -> unsigned { return k < slen ? byteAt(start + k) : 0u; };
    auto field16 = [&](int k) -> unsigned { return field8(k) | (field8(k + 1) << 8); };
    Recorder r;
    r.Set = true;
    r.Adt = adt;
    r.HitLength = static_cast<std::uint16_t>(field16(HlkField));
    r.RateKHz = static_cast<std::uint16_t>(field16(SrateField));
    r.DelaySamples = static_cast<std::int16_t>(static_cast<std::uint16_t>(field16(TdlyField)));
    r.FullScaleVolts = static_cast<std::uint16_t>(field16(MxinField));
    r.ThresholdDb = static_cast<std::uint16_t>(field16(ThrdField));
    const unsigned chid = field8(ChidField);
    if (chid == 0) recorders_.fill(r);
    else recorders_[chid] = r;
    any_ = true;
  }
}

AWaveformScale ARecorderSetup::ScaleOf(int channel) const {
  AWaveformScale scale;
  if (channel < 0 || channel > 255) return scale;
  const Recorder& r = recorders_[static_cast<std::size_t>(channel)];
  const Gains& g = gains_[static_cast<std::size_t>(channel)];
  scale.Known = r.Set && r.Adt == SignedSixteenBits && r.RateKHz > 0 && r.FullScaleVolts > 0;
  if (r.Set) {
    scale.RateKHz = r.RateKHz;
    scale.DelaySamples = r.DelaySamples;
    scale.FullScaleVolts = r.FullScaleVolts;
    scale.HitLength = r.HitLength;
    scale.ThresholdDb = r.ThresholdDb;
  }
  scale.GainKnown = g.GainSet;
  scale.GainDb = g.GainDb;
  scale.PreampKnown = g.PreampSet;
  scale.PreampDb = g.PreampDb;
  return scale;
}

}  // namespace ae
