#include "datafiles/ZTWaveform.h"

#include <algorithm>
#include <cstdlib>

#include "datafiles/ByteOrder.h"

namespace ae {

bool ZTWaveform::Decode(const std::uint8_t* msg, int length, ZTWaveform& wave) {
  if (!IsWaveformMessage(msg, length)) return false;
  wave.Time = ATestTime::FromBytes(msg + TimeByte);
  wave.Channel = msg[ChannelByte];
  const int count = SampleCount(length);
  wave.Samples.resize(static_cast<std::size_t>(count));
  // Byte by byte: the samples need not lie on an even address in the caller's buffer.
  const std::uint8_t* p = msg + FirstSampleByte;
  for (int i = 0; i < count; ++i, p += 2)
    wave.Samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(GetU16(p));
  return true;
}

int ZTWaveform::PeakCounts() const {
  int peak = 0;
  for (const std::int16_t s : Samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

}  // namespace ae
